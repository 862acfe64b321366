#include "oscivo/core/PreferencesModel.h"

#include "oscivo/core/OscivoStrings.h"
#include "oscivo/core/ScalingFile.h"
#include "oscivo/core/SettingsStream.h"
#include "platform/ColourValues.h"
#include "platform/Numbers.h"

int g_nPrefLine = 0;

namespace {

int ComponentOf(COLORREF colour, int component)
{
    return static_cast<int>((colour >> (8 * component)) & 0xFF);
}

// What each number edit accepts, and what it shows after refusing a text.
struct NumberRule {
    int* setting;
    int min;
    int max;
    UINT message;
    bool refusesText; // a text that is no number is refused too (else it changes nothing)
    bool zeroAfter;   // a refused text gives way to "0" (else to the setting)
};

constexpr std::array<NumberRule, PreferencesModel::kNumbers> kNumberRules = {{
    {&g_nThickness, 0, 10, IDS_RANGE_THICKNESS, false, true},
    {&g_nMaxMileage, 1, 1000, IDS_RANGE_METER, true, false},
    {&g_nMaxConsumption, 1, 1000, IDS_RANGE_METER, true, false},
    {&g_nFuelHistoryDepth, 1, kFuelHistorySize, IDS_RANGE_DEPTH, true, false},
}};

// A preset that cannot be kept as it is, and the message that says why.
struct PresetFault {
    int index;
    UINT text;
    UINT caption;
};

// What is wrong with a preset: no unit (for "Neu" also a maximum of 0, which a new preset has
// until one is typed), else a minimum not below the maximum.
std::optional<PresetFault> CheckPreset(int index, bool zeroMaxIncomplete)
{
    const Preset& preset = g_presets[index];
    if (preset.unit.empty() || (zeroMaxIncomplete && preset.max == 0))
        return PresetFault{index, IDS_INCOMPLETE, IDS_ERROR};
    if (preset.min >= preset.max)
        return PresetFault{index, IDS_MAX_NOT_ABOVE_MIN, IDS_DOH};
    return std::nullopt;
}

// The first preset in use that Defaults.cfg must not be given as it is.
std::optional<PresetFault> CheckPresets()
{
    for (int i = 0; i < g_nPresetCount; ++i)
        if (const auto fault = CheckPreset(i, false))
            return fault;
    return std::nullopt;
}

} // namespace

void PreferencesModel::OnInitDialog(ScreenSize screen)
{
    for (int i = 0; i < kNamedColours; ++i)
        g_colorTable[i].name = ResStrBytes(IDS_COLOUR_FIRST + i);
    LoadPrefs(screen);
    for (int c = 0; c < 3; ++c) {
        m_nBackGridRgb[c][kBack] = ComponentOf(g_crBackColor, c);
        m_nBackGridRgb[c][kGrid] = ComponentOf(g_crGridColor, c);
        for (int k = 0; k < kScopeSlots; ++k)
            m_nLineRgb[c][k] = ComponentOf(g_crLineColor[k], c);
    }
    UpdateColours();
    LoadPresets(kMassUnitPreferences);
    m_nCurPreset = 0;
}

int PreferencesModel::Component(int row, int component) const
{
    return row == kLine ? m_nLineRgb[component][g_nPrefLine] : m_nBackGridRgb[component][row];
}

COLORREF PreferencesModel::Colour(int row) const
{
    return RGB(Component(row, 0), Component(row, 1), Component(row, 2));
}

void PreferencesModel::OnSliderReleased(int row, int component, int value)
{
    SetComponent(row, component, value);
}

bool PreferencesModel::OnLineSelected(int index)
{
    if (index < 0 || index >= kScopeSlots)
        return false;
    g_nPrefLine = index;
    UpdateColours();
    return true;
}

bool PreferencesModel::OnPresetSelected(int row, int index)
{
    if (index < 0 || index >= kNamedColours)
        return false;
    const NamedColour& colour = g_colorTable[index];
    SetComponent(row, 0, colour.red);
    SetComponent(row, 1, colour.green);
    SetComponent(row, 2, colour.blue);
    return true;
}

void PreferencesModel::SetLineComponent(int component, int line, int value)
{
    m_nLineRgb[component][line] = value;
    UpdateColours();
}

void PreferencesModel::SetBackGridComponent(int component, int which, int value)
{
    m_nBackGridRgb[component][which] = value;
    UpdateColours();
}

void PreferencesModel::SetComponent(int row, int component, int value)
{
    if (row == kLine)
        SetLineComponent(component, g_nPrefLine, value);
    else
        SetBackGridComponent(component, row, value);
}

void PreferencesModel::UpdateColours()
{
    g_crBackColor = Colour(kBack);
    g_crGridColor = Colour(kGrid);
    g_crLineColor[g_nPrefLine] = Colour(kLine);
}

std::string PreferencesModel::NumberText(Number number) const
{
    return platform::FormatC("%d", *kNumberRules[number].setting);
}

std::optional<NumberRefusal> PreferencesModel::TakeNumber(Number number, std::string_view text)
{
    const NumberRule& rule = kNumberRules[number];
    const std::optional<int> value = ScanDecimalInt(text);
    if (!value && !rule.refusesText)
        return std::nullopt;
    if (value && *value >= rule.min && *value <= rule.max) {
        *rule.setting = *value;
        return std::nullopt;
    }
    return NumberRefusal{rule.message, IDS_WRONG_VALUE, rule.zeroAfter ? "0" : NumberText(number)};
}

std::string PreferencesModel::PresetLabel() const
{
    return platform::FormatC("%s: %d/%d", ResStrBytes(IDS_FIELD).c_str(), m_nCurPreset + 1, g_nPresetCount);
}

bool PreferencesModel::OnNextPreset()
{
    if (m_nCurPreset >= g_nPresetCount - 1)
        return false;
    ++m_nCurPreset;
    return true;
}

bool PreferencesModel::OnPrevPreset()
{
    if (m_nCurPreset <= 0)
        return false;
    --m_nCurPreset;
    return true;
}

std::string PreferencesModel::OnKillFocusPresetUnit(std::string_view text)
{
    g_presets[m_nCurPreset].unit = PresetUnitText(text);
    return g_presets[m_nCurPreset].unit;
}

void PreferencesModel::OnKillFocusPresetMin(std::string_view text)
{
    if (const auto value = ScanDecimalInt(text))
        g_presets[m_nCurPreset].min = *value;
}

void PreferencesModel::OnKillFocusPresetMax(std::string_view text)
{
    if (const auto value = ScanDecimalInt(text))
        g_presets[m_nCurPreset].max = *value;
}

PrefsVerdict PreferencesModel::OnNewPreset()
{
    if (g_nPresetCount >= kMaxPresets)
        return {.nText = IDS_PRESETS_FULL, .nCaption = IDS_ERROR};
    if (g_nPresetCount > 0)
        if (const auto fault = CheckPreset(g_nPresetCount - 1, true))
            return ShowFaultyPreset(fault->index, fault->text, fault->caption);
    m_nCurPreset = g_nPresetCount++;
    g_presets[m_nCurPreset] = Preset{};
    return {.bShowPreset = true};
}

PrefsVerdict PreferencesModel::OnOK()
{
    if (const auto fault = CheckPresets())
        return ShowFaultyPreset(fault->index, fault->text, fault->caption);
    const bool defaultsWritten = WriteDefaultsFile() == 0;
    const bool prefsWritten = WritePrefsFile() == 0;
    if (!defaultsWritten || !prefsWritten)
        return {.nText = IDS_PREFS_NOT_SAVED, .nCaption = IDS_ERROR};
    return {.bClose = true};
}

PrefsVerdict PreferencesModel::ShowFaultyPreset(int index, UINT text, UINT caption)
{
    // The edits then change the preset they show.
    m_nCurPreset = index;
    return {.bShowPreset = true, .nText = text, .nCaption = caption, .bFocusUnit = true};
}
