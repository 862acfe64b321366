#pragma once
// Prefs.cfg in the scaling folder: Oscivo's colours, switches, window size, fuel-economy meter
// scales and averaging depth as key=value lines, or, in its older form, one line of
// comma-terminated values (Autorun, BackColor, GridColor, the twelve line colours, ShowUnits,
// ShowZeros).

#include "platform/WinTypes.h"

#include <optional>
#include <string>
#include <string_view>

// The room the main window has; a stored window size that does not fit takes the default.
struct ScreenSize {
    int width = 0;
    int height = 0;
};

// Reads Prefs.cfg and sets every preference; a missing or empty file gives the defaults.
void LoadPrefs(ScreenSize screen);
// The same from the file's bytes (empty: there is no file).
void LoadPrefsFrom(std::optional<std::string_view> bytes, ScreenSize screen);

// The value of a key in g_szPrefsText: the first eleven of the hexadecimal digits after its "=",
// read as decimal or hexadecimal; -1 when the key is missing, when its first place is not
// followed by "=", when no hexadecimal digit follows, when a decimal value starts with a letter,
// or when the value is above 2147483647 (decimal) or ffffffff (hexadecimal).
int FindPrefsValue(std::string_view key, BOOL decimal);

// Reads the older form; 1 = all seventeen values read, 0 = the file ended early (the values
// read so far are set).
int ReadLegacyPrefs(std::string_view bytes);

// The preferences as Prefs.cfg's bytes: 24 lines, the window size from g_nCurWidth and
// g_nCurHeight.
std::string FormatPrefsFile();

// Writes Prefs.cfg; 0 = written, -1 = it cannot be written.
int WritePrefsFile();
