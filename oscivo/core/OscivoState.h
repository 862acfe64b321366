#pragma once
// Oscivo's application state: the plain globals that the main dialog, the reply parser, the
// display, the files and log playback share, all on the user-interface thread. The seven values
// that the scope reads directly (g_nStepWidth, g_nSlotGroup, g_strSlotUnit, ...) live with the
// scope in scopecontrols/ScopeSettings.h.
//
// Texts taken from replies and files stay Windows-1252 bytes until they are shown; paths
// (g_szBaseDir, g_szScalingDir) are the local file system's.

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

// Mode and run state
extern BOOL g_bLive;          // live mode: the host ran when the dialog opened
extern BOOL g_bStopped;       // live replies are ignored; playback and the pause wait end
extern BOOL g_bNotPaused;     // 0 while the user has paused
extern BOOL g_bRunning;       // a log plays back; never set in live mode
extern BOOL g_bLiveStopped;   // Stop happened in live mode; consumed by the next Pause
extern BOOL g_bEndOfLog;      // the log reader met the end of the file
extern int g_nRepliesShown;   // 0 selects the first-reply steps
extern BOOL g_bRebuildGrid;   // the scope grid is rebuilt after the next shown reply
extern int g_nTitleHintCount; // frames left of the title hint

// Preferences (Prefs.cfg)
inline constexpr COLORREF kDefaultGridColor = 0xFFFFFF;
inline constexpr int kDefaultWidth = 634;
inline constexpr int kDefaultHeight = 433;
inline constexpr int kDefaultMaxMileage = 60;
inline constexpr int kDefaultMaxConsumption = 20;
inline constexpr int kDefaultFuelHistoryDepth = 1;
extern COLORREF g_crBackColor;
extern COLORREF g_crGridColor;
extern std::array<COLORREF, kScopeSlots> g_crLineColor; // trace k and the needle of meter k
extern BOOL g_bSaveWindowSize;
extern BOOL g_bAutorun;
extern int g_nPrefWidth; // window size in pixels
extern int g_nPrefHeight;
extern int g_nMaxMileage;       // full scale of the mileage meter, MPG
extern int g_nMaxConsumption;   // full scale of the consumption meter, l/100 km
extern int g_nFuelHistoryDepth; // consumption samples averaged, 1..20

// Window geometry: the size the controls were last laid out for, and the latest measured one
extern int g_nLastWidth;
extern int g_nLastHeight;
extern int g_nCurWidth;
extern int g_nCurHeight;

// Directories: the start-up directory, and its "Scaling" folder with a trailing separator
extern std::string g_szBaseDir;
extern std::string g_szScalingDir;

// Scale of every group and field: 0 and 100 at start
using ScaleTable = std::array<std::array<int, kFields>, kGroups>;
extern ScaleTable g_nScaleMin;
extern ScaleTable g_nScaleMax;
void ResetScaleTables(); // every group and field to 0..100

// Per slot
extern std::array<int, kScopeSlots> g_nSlotPrevGroup;    // group at the slot's last rescale; -1 at start
extern std::array<BOOL, kScopeSlots> g_bSlotRangeEdited; // the user edited the slot's scale
extern std::array<int, kScopeSlots> g_nSlotField;        // the entry's own field number
extern std::array<double, kScopeSlots> g_dSlotValue;

// The reply being parsed
extern std::array<char, kReplySize> g_szReply; // zero-terminated payload
extern int g_nReplyPos;                        // index of the next character to read
extern std::array<double, kAdvancedValues> g_dAdvValue;
extern BOOL g_bPrevAdvancedMode;      // g_bAdvancedMode of the reply before
extern std::string g_szModuleText;    // identifier of the last identified reply, as sent
extern std::string g_szScalingName;   // the module's scaling-file name: at most 15 characters + ".SCL"
extern std::string g_szLoadedScaling; // the name identified and loaded last, or "Bogus"

// The module whose scales the scale tables hold, and the layout its file is written in. Set by
// the first load of a module, whether that load could read or create the file or not, so that
// the scales are only ever saved to the file they belong to.
struct ScalesOwner {
    bool set = false;
    std::string name; // scaling-file name
    BOOL obd = FALSE; // one field per group
};
extern ScalesOwner g_scalesOwner;

// Unit presets of Defaults.cfg; the first g_nPresetCount are in use
struct Preset {
    std::string unit;
    int min = 0;
    int max = 0;
};
extern std::array<Preset, kMaxPresets> g_presets;
extern int g_nPresetCount;

// Labels of the current module, indexed by group 1..255
struct GroupLabels {
    std::string title;
    std::array<std::string, kFields> name;
    std::array<std::string, kFields> text;
};
extern std::array<GroupLabels, kGroups> g_labels;
extern std::string g_szRedirectPath; // "labels" folder + the target of the matching REDIRECT line

// Fuel economy
extern std::array<double, kFuelHistorySize> g_dFuelHistory; // l/100 km, newest first; 2000.0 at start
extern double g_dConsumption;                               // what the consumption meter shows
extern double g_dMileage;                                   // what the mileage meter shows

// The slot whose scale the Min and Max edits show
extern int g_nSelRow;
extern int g_nSelField;

// Texts
extern const std::string g_strVersion;
extern std::string g_strTitle;
extern std::string g_strStepLabel;
extern std::string g_strUnitMpg;
extern std::string g_strUnitL100km;
extern std::string g_strUnitGalPerHour;
extern std::string g_strLogPath;     // full path of the chosen log
extern std::string g_strLogFileName; // its file name, shown in the title while it plays

// The log being played: filled by its header reader and its line converter
inline constexpr int kLogRows = 3;
extern std::array<int, kScopeSlots> g_nLogGroup; // each slot's group; -1 for none
extern std::array<double, kLogRows> g_dLogTime;  // time column of each row in the line converted last
extern BOOL g_bRewound; // the second Stop rewound the log: the chooser opens it again without a dialog

// Pacing of the playback
inline constexpr int kDefaultPlaybackPeriod = 1000;
extern std::array<double, kLogRows> g_dPrevLogTime; // g_dLogTime of the line paced before
extern DWORD g_dwLastLineTick;                      // the clock when that line was released
extern int g_nPlaybackPeriod;                       // ms of waiting per second of log time
extern int g_nPacedLines;                           // lines paced since the playback started

// Reader state of Prefs.cfg: its first 1024 characters
inline constexpr int kPrefsTextSize = 1024;
extern std::string g_szPrefsText;
extern int g_nPrefsTextLen;

// The named colours of the preferences; the first twelve are the default line colours.
struct NamedColour {
    std::string name;
    unsigned char red;
    unsigned char green;
    unsigned char blue;
};
inline constexpr int kNamedColours = 14;
extern std::array<NamedColour, kNamedColours> g_colorTable;
COLORREF ColourOf(const NamedColour& colour);

// Every global above and the scope settings back to their values at process start, as the
// main dialog's start finds them; tests start from here.
void ResetOscivoState();

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
