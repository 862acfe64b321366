#pragma once
// Sprintor's string table.

// Installs the program's texts for ResStr, and its name as the application's name, which
// captions every message box of the program; called once at start-up, before any text is
// fetched.
void InstallSprintorStrings();
