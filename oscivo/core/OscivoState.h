#pragma once
// Oscivo's application state: the plain globals that the main dialog, the reply parser, the
// display, the files and log playback share, all on the user-interface thread. They are listed
// once, with their start values, in OscivoGlobals.inc. The seven values that the scope reads
// directly (g_nStepWidth, g_nSlotGroup, g_strSlotUnit, ...) live with the scope in
// scopecontrols/ScopeSettings.h.
//
// Texts taken from replies and files stay Windows-1252 bytes until they are shown; paths
// (g_szBaseDir, g_szScalingDir) are the local file system's.

#include "platform/FilledArray.h"
#include "platform/WinTypes.h"
#include "scopecontrols/ScopeSettings.h"

#include <array>
#include <optional>
#include <string>

inline constexpr int kAdvancedValues = 10;
inline constexpr int kGroups = 256;     // group numbers 0..255 index the scale and label tables
inline constexpr int kFields = 4;       // fields 0..3 of a group
inline constexpr int kMaxPresets = 256; // unit presets of Defaults.cfg
inline constexpr int kFuelHistorySize = 20;
inline constexpr std::size_t kReplySize = 1028; // a payload of up to 1027 bytes and its terminator
inline constexpr int kLogRows = 3;              // rows of a log line
inline constexpr int kNamedColours = 14;

// Preferences (Prefs.cfg) without a file
inline constexpr COLORREF kDefaultGridColor = 0xFFFFFF;
inline constexpr int kDefaultWidth = 634;
inline constexpr int kDefaultHeight = 433;
inline constexpr int kDefaultMaxMileage = 60;
inline constexpr int kDefaultMaxConsumption = 20;
inline constexpr int kDefaultFuelHistoryDepth = 1;

inline constexpr int kDefaultPlaybackPeriod = 1000;
// Reader state of Prefs.cfg: its first 1024 characters
inline constexpr int kPrefsTextSize = 1024;

// Scale of every group and field: 0 and 100 at start
using ScaleTable = std::array<std::array<int, kFields>, kGroups>;
inline constexpr ScaleTable kScaleMinAtStart = FilledArray<kGroups>(FilledArray<kFields>(0));
inline constexpr ScaleTable kScaleMaxAtStart = FilledArray<kGroups>(FilledArray<kFields>(100));

// The module whose scales the scale tables hold, and the layout its file is written in. Set by
// the first load of a module, whether that load could read or create the file or not, so that
// the scales are only ever saved to the file they belong to.
struct ScalesOwner {
    bool set = false;
    std::string name; // scaling-file name
    BOOL obd = FALSE; // one field per group
};

// A unit preset of Defaults.cfg.
struct Preset {
    std::string unit;
    int min = 0;
    int max = 0;
};
using PresetTable = std::array<Preset, kMaxPresets>;

// The labels of a group.
struct GroupLabels {
    std::string title;
    std::array<std::string, kFields> name;
    std::array<std::string, kFields> text;
};
using LabelTable = std::array<GroupLabels, kGroups>;

// A named colour of the preferences.
struct NamedColour {
    std::string name;
    unsigned char red;
    unsigned char green;
    unsigned char blue;
};
using ColourTable = std::array<NamedColour, kNamedColours>;
COLORREF ColourOf(const NamedColour& colour);

using ReplyBuffer = std::array<char, kReplySize>;
using AdvancedValues = std::array<double, kAdvancedValues>;
using FuelHistory = std::array<double, kFuelHistorySize>;
using LogTimes = std::array<double, kLogRows>;

#define OSCIVO_GLOBAL(type, name, start) extern type name;
#include "oscivo/core/OscivoGlobals.inc"
#undef OSCIVO_GLOBAL

inline const std::string g_strVersion = "1.9";

// Every global above and the scope settings back to their values at process start, as the
// main dialog's start finds them; tests start from here.
void ResetOscivoState();

// The scale tables back to 0..100 for every group and field.
void ResetScaleTables();

// The preferences as a start without Prefs.cfg has them; SaveWindowSize stays as it is.
void SetDefaultPrefs();

// The texts that start-up takes from the string table (step label, fuel-economy units, the
// first title), each only when the table holds it.
void LoadStartupTexts();

// The scale of a slot: the pair of its group and its own field number; empty for a slot whose
// group or field lies outside the tables (no data yet, or a number no reply may carry).
struct SlotScale {
    int& min;
    int& max;
};
std::optional<SlotScale> ScaleOfSlot(int slot);
