#pragma once
// Sprintor's string table.

// Installs the table; the program and its tests call it before any text is fetched.
void SetSprintorStrings();
