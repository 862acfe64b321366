// The display of a parsed reply: the layout switch, the standard and the advanced update, the
// air/fuel display, unit presets and the rescale when a slot's group changes.

#include "oscivo/core/OscivoModel.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kRows = kScopeSlots / kFields;
constexpr double kAdvancedRangeMin = -1.0; // below every advanced value: an unplotted one lies on the edge
constexpr double kAdvancedRangeMax = 256.0;
constexpr int kFirstPlottedAdvanced = 4; // the advanced values plotted when their layout comes

// Groups whose lambda values may be shown as an air/fuel ratio.
constexpr std::array<int, 12> kAirFuelGroups = {31, 34, 35, 191, 212, 216, 220, 222, 225, 227, 231, 233};
constexpr double kStoichiometricRatio = 14.7;

bool IsAirFuelGroup(int group)
{
    return std::find(kAirFuelGroups.begin(), kAirFuelGroups.end(), group) != kAirFuelGroups.end();
}

// "%g %s" of a slot's value and unit.
std::string ValueText(int slot)
{
    return platform::FormatC("%g ", g_dSlotValue[slot]) + g_strSlotUnit[slot];
}

// The first preset for the unit that may be applied: one with a unit and a minimum below its
// maximum.
const Preset* PresetFor(const std::string& unit)
{
    for (int i = 0; i < g_nPresetCount; ++i) {
        const Preset& preset = g_presets[i];
        if (preset.unit == unit && !preset.unit.empty() && preset.min < preset.max)
            return &preset;
    }
    return nullptr;
}

} // namespace

OscivoModel::OscivoModel()
{
    m_slotSwatch.fill(SwatchFill::ButtonFace);
    m_advSwatch.fill(SwatchFill::ButtonFace);
}

ReplyEffects OscivoModel::TakeEffects()
{
    return std::exchange(m_effects, ReplyEffects{});
}

void OscivoModel::SetSlotRange(int slot, bool meter, bool units)
{
    const auto scale = ScaleOfSlot(slot);
    if (!scale)
        return;
    const ValueRange range{static_cast<double>(scale->min), static_cast<double>(scale->max)};
    m_effects.traceRange[slot] = range;
    if (meter)
        m_effects.meterRange[slot] = range;
    if (units)
        m_effects.meterUnits[slot] = g_strSlotUnit[slot];
}

ReplyEffects OscivoModel::ShowParsedReply()
{
    SwitchLayout();
    if (!g_bAdvancedMode) {
        LoadScaling();
        ShowStandardValues();
    } else {
        ShowAdvancedValues();
    }
    if (g_nRepliesShown == 0) {
        SelectScaleSlot(0, 0);
        g_nRepliesShown = 1;
    }
    if (g_bAdvancedMode != g_bPrevAdvancedMode || g_bRebuildGrid) {
        m_effects.rebuildGrid = true;
        g_bRebuildGrid = FALSE;
    }
    return TakeEffects();
}

void OscivoModel::SwitchLayout()
{
    if (g_bAdvancedMode == g_bPrevAdvancedMode)
        return;
    if (g_bAdvancedMode) {
        m_effects.layout = LayoutSwitch::ToAdvanced;
        for (int i = 0; i < kAdvancedValues; ++i) {
            m_effects.traceRange[i] = ValueRange{kAdvancedRangeMin, kAdvancedRangeMax};
            m_advSwatch[i] = SwatchFill::ButtonFace;
        }
        m_slotSwatch.fill(SwatchFill::ButtonFace);
        m_selectionShown.fill(false);
        std::fill_n(m_nAdvGraph.begin(), kFirstPlottedAdvanced, 1);
        return;
    }
    m_effects.layout = LayoutSwitch::ToStandard;
    std::fill_n(m_slotSwatch.begin(), kFields, SwatchFill::ButtonFace);
    for (int k = 0; k < kScopeSlots; ++k)
        if (const auto scale = ScaleOfSlot(k)) {
            m_plotValues[k] = scale->min;
            SetSlotRange(k, false, false);
        }
    std::fill_n(m_nGraph.begin(), kFields, 0);
    SelectScaleSlot(0, 0);
}

void OscivoModel::ShowStandardValues()
{
    UpdateFuelEconomy();

    if (m_bObdMode) {
        for (int k = 0; k < kFields; ++k) {
            const bool data = g_nSlotGroup[k] > 0;
            m_strValue[k] = data ? ValueText(k) : std::string();
            m_strValue[k + 4] = data ? platform::FormatC("PID %d", g_nSlotGroup[k]) : std::string();
            m_strValue[k + 8].clear();
        }
    } else {
        for (int k = 0; k < kScopeSlots; ++k)
            m_strValue[k] = g_nSlotGroup[k] > 0 ? ValueText(k) : std::string();
    }

    for (int slot = 0; slot < kScopeSlots; ++slot) {
        if (g_nSlotGroup[slot] < 1) {
            m_nGraph[slot] = 0;
            continue;
        }
        if (IsAirFuelGroup(g_nSlotGroup[slot]))
            UpdateAirFuel(slot / kFields, slot % kFields);
        const auto scale = ScaleOfSlot(slot);
        if (!scale)
            continue;
        // A preset gives a scale that is still at its start values; one that the scaling
        // file or the user gave stays.
        if (const Preset* preset = PresetFor(g_strSlotUnit[slot])) {
            bool applied = false;
            if (scale->min == 0 && preset->min != 0) {
                scale->min = preset->min;
                applied = true;
            }
            if (scale->max == 100 && preset->max != 100) {
                scale->max = preset->max;
                applied = true;
            }
            if (applied) {
                SetSlotRange(slot, false, false);
                g_bSlotRangeEdited[slot] = FALSE;
            }
        }
        m_plotValues[slot] = scale->min;
    }

    for (int row = 0; row < kRows; ++row) {
        for (int field = 0; field < kFields; ++field) {
            const int k = row * kFields + field;
            if (!m_nGraph[k]) {
                m_slotSwatch[k] = SwatchFill::ButtonFace;
                continue;
            }
            if (g_bSlotRangeEdited[k]) {
                SetSlotRange(k, true, true);
                g_bSlotRangeEdited[k] = FALSE;
            }
            m_plotValues[k] = g_dSlotValue[k];
            m_slotSwatch[k] = SwatchFill::Trace;
        }
        if (g_bRunning) // the groups of a log never change
            continue;
        for (int field = 0; field < kFields; ++field) {
            const int k = row * kFields + field;
            if (g_nSlotPrevGroup[k] == g_nSlotGroup[k])
                continue;
            SetSlotRange(k, true, true);
            g_bSlotRangeEdited[k] = FALSE;
            UpdateAirFuel(row, field);
            g_nSlotPrevGroup[k] = g_nSlotGroup[k];
            SelectScaleSlot(0, 0);
            g_bRebuildGrid = TRUE;
        }
    }
}

void OscivoModel::ShowAdvancedValues()
{
    for (int i = 0; i < kAdvancedValues; ++i)
        m_strAdv[i] = platform::FormatC("%g", g_dAdvValue[i]);
    m_selectionShown[0] = false;
    m_nGraph.fill(0);
    for (int i = 0; i < kAdvancedValues; ++i) {
        const bool plotted = m_nAdvGraph[i] == 1;
        m_plotValues[i] = plotted ? g_dAdvValue[i] : kAdvancedRangeMin;
        m_advSwatch[i] = plotted ? SwatchFill::Trace : SwatchFill::ButtonFace;
    }
    for (int slot = kFields; slot < kScopeSlots; ++slot)
        m_strValue[slot] = ValueText(slot);
    m_plotValues[10] = m_plotValues[11] = kAdvancedRangeMin;
}

void OscivoModel::UpdateAirFuel(int row, int field)
{
    const int slot = row * kFields + field;
    const double value = g_dSlotValue[slot];
    const bool lambda = g_strSlotUnit[slot].empty() && value >= 0.6 && value <= 1.3;
    m_airFuelShown[slot] = lambda && IsAirFuelGroup(g_nSlotGroup[row * kFields]);
    if (m_airFuelShown[slot] && m_nAirFuel[slot]) {
        g_dSlotValue[slot] = value * kStoichiometricRatio;
        m_strValue[slot] = platform::FormatC("%1.1f", g_dSlotValue[slot]);
    }
}
