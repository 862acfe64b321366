#include "oscivo/core/OscivoState.h"

#include "oscivo/core/OscivoStrings.h"
#include "platform/StringTable.h"

BOOL g_bLive;
BOOL g_bStopped;
BOOL g_bNotPaused;
BOOL g_bRunning;
BOOL g_bLiveStopped;
BOOL g_bEndOfLog;
int g_nRepliesShown;
BOOL g_bRebuildGrid;
int g_nTitleHintCount;

COLORREF g_crBackColor;
COLORREF g_crGridColor;
std::array<COLORREF, kScopeSlots> g_crLineColor;
BOOL g_bSaveWindowSize;
BOOL g_bAutorun;
int g_nPrefWidth;
int g_nPrefHeight;
int g_nMaxMileage;
int g_nMaxConsumption;
int g_nFuelHistoryDepth;

int g_nLastWidth;
int g_nLastHeight;
int g_nCurWidth;
int g_nCurHeight;

std::string g_szBaseDir;
std::string g_szScalingDir;

ScaleTable g_nScaleMin;
ScaleTable g_nScaleMax;

std::array<int, kScopeSlots> g_nSlotPrevGroup;
std::array<BOOL, kScopeSlots> g_bSlotRangeEdited;
std::array<int, kScopeSlots> g_nSlotField;
std::array<double, kScopeSlots> g_dSlotValue;

std::array<char, kReplySize> g_szReply;
int g_nReplyPos;
std::array<double, kAdvancedValues> g_dAdvValue;
BOOL g_bPrevAdvancedMode;
std::string g_szModuleText;
std::string g_szScalingName;
std::string g_szLoadedScaling;
ScalesOwner g_scalesOwner;

std::array<Preset, kMaxPresets> g_presets;
int g_nPresetCount;

std::array<GroupLabels, kGroups> g_labels;
std::string g_szRedirectPath;

std::array<double, kFuelHistorySize> g_dFuelHistory;
double g_dConsumption;
double g_dMileage;

int g_nSelRow;
int g_nSelField;

const std::string g_strVersion = "1.9";
std::string g_strTitle;
std::string g_strStepLabel;
std::string g_strUnitMpg;
std::string g_strUnitL100km;
std::string g_strUnitGalPerHour;
std::string g_strLogPath;
std::string g_strLogFileName;
std::array<int, kScopeSlots> g_nLogGroup;
std::array<double, kLogRows> g_dLogTime;
BOOL g_bRewound;
std::array<double, kLogRows> g_dPrevLogTime;
DWORD g_dwLastLineTick;
int g_nPlaybackPeriod;
int g_nPacedLines;

std::string g_szPrefsText;
int g_nPrefsTextLen;

std::array<NamedColour, kNamedColours> g_colorTable;

namespace {

const std::array<NamedColour, kNamedColours> kColorTable = {{
    {"Red", 255, 0, 0},
    {"LGreen", 0, 255, 0},
    {"Yellow", 255, 255, 0},
    {"LBlue", 192, 192, 255},
    {"Orange", 255, 160, 0},
    {"Cyan", 0, 255, 255},
    {"DkGreen", 0, 160, 0},
    {"DkBlue", 0, 0, 127},
    {"Brown", 160, 96, 0},
    {"Pink", 255, 192, 192},
    {"Blue", 0, 160, 255},
    {"DkCyan", 0, 160, 160},
    {"Black", 0, 0, 0},
    {"White", 255, 255, 255},
}};

void ResetOwnState();

// Runs before main, after the definitions above, so that the globals hold their start values
// without a call. The scope settings initialise themselves.
[[maybe_unused]] const bool kInitialised = (ResetOwnState(), true);

} // namespace

COLORREF ColourOf(const NamedColour& colour)
{
    return colour.red | (colour.green << 8) | (static_cast<COLORREF>(colour.blue) << 16);
}

void ResetOscivoState()
{
    ResetScopeSettings();
    ResetOwnState();
}

namespace {

void ResetOwnState()
{
    g_bLive = FALSE;
    g_bStopped = TRUE;
    g_bNotPaused = TRUE;
    g_bRunning = FALSE;
    g_bLiveStopped = FALSE;
    g_bEndOfLog = FALSE;
    g_nRepliesShown = 0;
    g_bRebuildGrid = FALSE;
    g_nTitleHintCount = 15;

    g_colorTable = kColorTable;
    SetDefaultPrefs();
    g_bSaveWindowSize = TRUE;
    g_bAutorun = FALSE; // until Prefs.cfg is read

    g_nLastWidth = g_nLastHeight = g_nCurWidth = g_nCurHeight = 0;

    g_szBaseDir.clear();
    g_szScalingDir.clear();

    ResetScaleTables();

    g_nSlotPrevGroup.fill(-1);
    g_bSlotRangeEdited.fill(FALSE);
    g_nSlotField.fill(0);
    g_dSlotValue.fill(0.0);

    g_szReply.fill('\0');
    g_nReplyPos = 0;
    g_dAdvValue.fill(0.0);
    g_bPrevAdvancedMode = FALSE;
    g_szModuleText.clear();
    g_szScalingName.clear();
    g_szLoadedScaling = "Bogus";
    g_scalesOwner = ScalesOwner{};

    g_presets.fill(Preset{});
    g_nPresetCount = 0;
    g_labels.fill(GroupLabels{});
    g_szRedirectPath.clear();

    g_dFuelHistory.fill(2000.0);
    g_dConsumption = 0.0;
    g_dMileage = 0.0;

    g_nSelRow = 0;
    g_nSelField = 0;

    g_strTitle.clear();
    g_strStepLabel.clear();
    g_strUnitMpg.clear();
    g_strUnitL100km.clear();
    g_strUnitGalPerHour.clear();
    g_strLogPath = "bogus";
    g_strLogFileName.clear();
    g_nLogGroup.fill(-1);
    g_dLogTime.fill(0.0);
    g_bRewound = FALSE;
    g_dPrevLogTime.fill(0.0);
    g_dwLastLineTick = 0;
    g_nPlaybackPeriod = kDefaultPlaybackPeriod;
    g_nPacedLines = 0;

    g_szPrefsText.clear();
    g_nPrefsTextLen = 0;
}

} // namespace

void ResetScaleTables()
{
    for (auto& group : g_nScaleMin)
        group.fill(0);
    for (auto& group : g_nScaleMax)
        group.fill(100);
}

void SetDefaultPrefs()
{
    g_crBackColor = 0;
    g_crGridColor = kDefaultGridColor;
    for (int k = 0; k < kScopeSlots; ++k)
        g_crLineColor[k] = ColourOf(g_colorTable[k]);
    g_nThickness = 0;
    g_bAutorun = TRUE;
    g_bShowUnits = TRUE;
    g_bShowZeros = FALSE;
    g_nPrefWidth = kDefaultWidth;
    g_nPrefHeight = kDefaultHeight;
    g_nMaxMileage = kDefaultMaxMileage;
    g_nMaxConsumption = kDefaultMaxConsumption;
    g_nFuelHistoryDepth = kDefaultFuelHistoryDepth;
}

void LoadStartupTexts()
{
    if (platform::HasString(IDS_STEP_LABEL))
        g_strStepLabel = ResStrBytes(IDS_STEP_LABEL);
    if (platform::HasString(IDS_UNIT_MPG))
        g_strUnitMpg = ResStrBytes(IDS_UNIT_MPG);
    if (platform::HasString(IDS_UNIT_L100KM))
        g_strUnitL100km = ResStrBytes(IDS_UNIT_L100KM);
    if (platform::HasString(IDS_UNIT_GAL_PER_HOUR))
        g_strUnitGalPerHour = ResStrBytes(IDS_UNIT_GAL_PER_HOUR);
    g_strTitle = "Oscivo V" + g_strVersion;
}

std::optional<SlotScale> ScaleOfSlot(int slot)
{
    const int group = g_nSlotGroup[slot];
    const int field = g_nSlotField[slot];
    if (group < 0 || group >= kGroups || field < 0 || field >= kFields)
        return std::nullopt;
    return SlotScale{g_nScaleMin[group][field], g_nScaleMax[group][field]};
}
