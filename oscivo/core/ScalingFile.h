#pragma once
// A module's scaling file (".SCL" in the scaling folder: the step width, then one line per
// group 1..255 with the minimum and maximum of each field, or of field 0 alone in the OBD
// layout) and the unit presets of Defaults.cfg ("unit,min,max," per line).

#include "platform/WinTypes.h"

#include <string>
#include <string_view>

// The step width and the scale tables as the bytes of a scaling file in that layout.
std::string FormatScalingFile(BOOL obd);

// Reads a scaling file's bytes into the scale tables and, when it lies within 1..15, the step
// width. Reading stops at the end of the file, at a group number outside 0..255 and after
// group 255; the numbers before the end are taken, one cut off by it is not.
void ReadScalingFile(std::string_view bytes, BOOL obd);

// The scales of a new scaling file: 0..100 for groups 1..255, every field or field 0 alone.
void ResetScales(BOOL obd);

// The texts of the built-in presets' mass unit: the scaling loader's and the Preferences
// dialog's, whichever creates a missing Defaults.cfg.
inline constexpr const char* kMassUnitScaling = "mg/str";
inline constexpr const char* kMassUnitPreferences = "mg/R";

// The ten built-in presets into g_presets.
void FillBuiltInPresets(std::string_view massUnit);

// Reads Defaults.cfg's bytes into g_presets and g_nPresetCount (at most 256 entries; an entry
// cut off by the end of the file is not counted).
void ReadDefaultsFile(std::string_view bytes);

// A unit as a Defaults.cfg line can hold it: without commas and line ends, at most 15
// characters, so that the line reads back as one preset.
std::string PresetUnitText(std::string_view unit);

// The presets in use as Defaults.cfg's bytes, every one of them, each unit as PresetUnitText
// gives it.
std::string FormatDefaultsFile();

// Writes Defaults.cfg; 0 = written, -1 = it cannot be written.
int WriteDefaultsFile();

// Reads Defaults.cfg; when it cannot be read, creates the scaling folder and writes the
// built-in presets with that mass unit. 0 = read, 1 = made.
int LoadPresets(std::string_view massUnit);
