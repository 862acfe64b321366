#pragma once
// The string table of Verbrix.

// Installs the program's texts for ResStr; called once at start-up.
void InstallVerbrixStrings();
