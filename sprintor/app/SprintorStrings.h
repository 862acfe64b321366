#pragma once
// Sprintor's string table.

// Installs the table and the application's name, which captions every message box of the
// program, the graph's included; the program and its tests call it before any text is fetched.
void SetSprintorStrings();
