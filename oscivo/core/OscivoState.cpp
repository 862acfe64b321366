#include "oscivo/core/OscivoState.h"

#include "oscivo/core/OscivoStrings.h"
#include "platform/StringTable.h"

namespace {

const ColourTable kColorTable = {{
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

// The first twelve colours of the table.
PerSlot<COLORREF> DefaultLineColours()
{
    PerSlot<COLORREF> colours{};
    for (int k = 0; k < kScopeSlots; ++k)
        colours[k] = ColourOf(kColorTable[k]);
    return colours;
}

} // namespace

#define OSCIVO_GLOBAL(type, name, start) type name = start;
#include "oscivo/core/OscivoGlobals.inc"
#undef OSCIVO_GLOBAL

COLORREF ColourOf(const NamedColour& colour)
{
    return colour.red | (colour.green << 8) | (static_cast<COLORREF>(colour.blue) << 16);
}

void ResetOscivoState()
{
    ResetScopeSettings();
#define OSCIVO_GLOBAL(type, name, start) name = start;
#include "oscivo/core/OscivoGlobals.inc"
#undef OSCIVO_GLOBAL
}

void ResetScaleTables()
{
    g_nScaleMin = kScaleMinAtStart;
    g_nScaleMax = kScaleMaxAtStart;
}

void SetDefaultPrefs()
{
    g_crBackColor = 0;
    g_crGridColor = kDefaultGridColor;
    g_crLineColor = DefaultLineColours();
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
