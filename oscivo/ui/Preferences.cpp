#include "oscivo/ui/Preferences.h"

#include "oscivo/core/OscivoStrings.h"
#include "oscivo/core/ScalingFile.h"
#include "oscivo/core/SettingsStream.h"
#include "oscivo/ui/LeaveCheckedEdit.h"
#include "platform/Codec1252.h"
#include "platform/Colour.h"
#include "platform/GdiTypes.h"
#include "platform/MessageBox.h"
#include "platform/Numbers.h"
#include "platform/StringTable.h"
#include "platform/WindowStyles.h"
#include "scopecontrols/ColorFrameCtrl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QSignalBlocker>
#include <QSlider>

#include <utility>

int g_nPrefLine = 0;

namespace {

constexpr int kBack = 0;
constexpr int kGrid = 1;
constexpr int kLine = 2;

int ComponentOf(COLORREF colour, int component)
{
    return static_cast<int>((colour >> (8 * component)) & 0xFF);
}

QString Number(int value)
{
    return QString::fromStdString(platform::FormatC("%d", value));
}

// An edit's text as "%d" reads it.
std::optional<int> ReadNumber(const QLineEdit* edit)
{
    return ScanDecimalInt(platform::ToCp1252(edit->text()));
}

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

Preferences::Preferences(QWidget* parent, ScreenSize screen, const QIcon& prevIcon, const QIcon& nextIcon)
    : QDialog(parent)
{
    BuildControls(prevIcon, nextIcon);
    OnInitDialog(screen);
}

Preferences::~Preferences() = default;

QWidget* Preferences::GetDlgItem(UINT id) const
{
    return findChild<QWidget*>(QString::number(id));
}

void Preferences::OnInitDialog(ScreenSize screen)
{
    LoadColourNames();
    FillCombos();
    LoadSettings(screen);
    LoadPresets();
    InitSliders();
    ShowPreset(0);
    m_nCurPreset = 0;
}

void Preferences::LoadColourNames()
{
    for (int i = 0; i < kNamedColours; ++i)
        g_colorTable[i].name = ResStrBytes(IDS_COLOUR_FIRST + i);
}

void Preferences::FillCombos()
{
    const std::string line = ResStrBytes(IDS_LINE);
    for (int k = 1; k <= kScopeSlots; ++k)
        m_lineCombo->addItem(platform::FromCp1252(platform::FormatC("%s %d", line.c_str(), k)));
    // The line that the third row edits, which need not be the first.
    m_lineCombo->setCurrentIndex(g_nPrefLine);
    for (QComboBox* combo : m_colourCombo) {
        for (const NamedColour& colour : g_colorTable)
            combo->addItem(platform::FromCp1252(colour.name));
        combo->setCurrentIndex(-1); // no colour name until one is chosen
    }
}

void Preferences::LoadSettings(ScreenSize screen)
{
    LoadPrefs(screen);
    for (int c = 0; c < 3; ++c) {
        m_nBackGridRgb[c][kBack] = ComponentOf(g_crBackColor, c);
        m_nBackGridRgb[c][kGrid] = ComponentOf(g_crGridColor, c);
        for (int k = 0; k < kScopeSlots; ++k)
            m_nLineRgb[c][k] = ComponentOf(g_crLineColor[k], c);
    }
    m_checkAutorun->setChecked(g_bAutorun);
    m_checkShowUnits->setChecked(g_bShowUnits);
    m_checkShowZeros->setChecked(g_bShowZeros);
    m_checkSaveWindowSize->setChecked(g_bSaveWindowSize);
    m_editThickness->setText(Number(g_nThickness));
    m_editMaxMileage->setText(Number(g_nMaxMileage));
    m_editMaxConsumption->setText(Number(g_nMaxConsumption));
    m_editHistoryDepth->setText(Number(g_nFuelHistoryDepth));
    CreatePreviews();
    UpdateColours();
}

void Preferences::CreatePreviews()
{
    for (int row = 0; row < kRows; ++row) {
        QWidget* frame = m_previewStatic[row];
        auto* preview = new CColorFrameCtrl;
        preview->Create(WS_CHILD | WS_VISIBLE, platform::Rect(0, 0, frame->width(), frame->height()), frame,
                        0);
        frame->layout()->addWidget(preview);
        m_framePreview[row] = preview;
    }
}

void Preferences::LoadPresets()
{
    ::LoadPresets(kMassUnitPreferences);
}

void Preferences::InitSliders()
{
    for (int row = 0; row < kRows; ++row)
        MoveSliders(row);
}

int Preferences::Component(int row, int component) const
{
    return row == kLine ? m_nLineRgb[component][g_nPrefLine] : m_nBackGridRgb[component][row];
}

void Preferences::MoveSliders(int row)
{
    for (int c = 0; c < 3; ++c) {
        const QSignalBlocker quiet(m_slider[row][c]);
        m_slider[row][c]->setValue(Component(row, c));
    }
}

void Preferences::SetLineComponent(int component, int line, int value)
{
    m_nLineRgb[component][line] = value;
    UpdateColours();
}

void Preferences::SetBackGridComponent(int component, int which, int value)
{
    m_nBackGridRgb[component][which] = value;
    UpdateColours();
}

void Preferences::UpdateColours()
{
    auto colourOf = [&](int row) { return RGB(Component(row, 0), Component(row, 1), Component(row, 2)); };
    g_crBackColor = colourOf(kBack);
    g_crGridColor = colourOf(kGrid);
    g_crLineColor[g_nPrefLine] = colourOf(kLine);
    for (int row = 0; row < kRows; ++row) {
        m_framePreview[row]->SetBackColor(colourOf(row));
        m_framePreview[row]->SetFrameColor(colourOf(row));
        for (int c = 0; c < 3; ++c)
            m_componentEdit[row][c]->setText(Number(Component(row, c)));
    }
}

void Preferences::OnSliderReleased(int row, int component)
{
    const int value = m_slider[row][component]->value();
    if (row == kLine)
        SetLineComponent(component, g_nPrefLine, value);
    else
        SetBackGridComponent(component, row, value);
    // The row no longer shows the colour of a name.
    const QSignalBlocker quiet(m_colourCombo[row]);
    m_colourCombo[row]->setCurrentIndex(-1);
}

void Preferences::OnLineSelected(int index)
{
    if (index < 0 || index >= kScopeSlots)
        return;
    g_nPrefLine = index;
    MoveSliders(kLine);
    UpdateColours();
}

void Preferences::OnPresetSelected(int row, int index)
{
    if (index < 0 || index >= kNamedColours)
        return;
    const NamedColour& colour = g_colorTable[index];
    const int values[3] = {colour.red, colour.green, colour.blue};
    for (int c = 0; c < 3; ++c) {
        const QSignalBlocker quiet(m_slider[row][c]);
        m_slider[row][c]->setValue(values[c]);
    }
    for (int c = 0; c < 3; ++c) {
        if (row == kLine)
            SetLineComponent(c, g_nPrefLine, values[c]);
        else
            SetBackGridComponent(c, row, values[c]);
    }
}

void Preferences::OnSwitchClicked(QCheckBox* box, BOOL& setting)
{
    setting = box->isChecked() ? TRUE : FALSE;
}

void Preferences::LeaveLater(QLineEdit* edit)
{
    if (m_pendingLeave != edit)
        TakePendingLeave();
    m_pendingLeave = edit;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (isVisible())
                TakePendingLeave();
        },
        Qt::QueuedConnection);
}

bool Preferences::TakePendingLeave()
{
    QLineEdit* edit = std::exchange(m_pendingLeave, nullptr);
    return !edit || LeaveEdit(edit);
}

bool Preferences::TakeEditsFirst()
{
    if (!TakePendingLeave())
        return false;
    auto* edit = dynamic_cast<LeaveCheckedEdit*>(focusWidget());
    return !edit || LeaveEdit(edit);
}

bool Preferences::LeaveEdit(QLineEdit* edit)
{
    if (m_bLeaving)
        return true;
    m_bLeaving = true;
    bool taken = true;
    if (edit == m_editUnit)
        OnKillFocusPresetUnit();
    else if (edit == m_editMin)
        OnKillFocusPresetMin();
    else if (edit == m_editMax)
        OnKillFocusPresetMax();
    else
        taken = TakeNumber(edit);
    m_bLeaving = false;
    return taken;
}

bool Preferences::TakeNumber(QLineEdit* edit)
{
    // What each number edit accepts, and what it shows after refusing a text.
    struct Rule {
        QLineEdit* edit;
        int& setting;
        int min;
        int max;
        UINT message;
        bool refusesText; // a text that is no number is refused too (else it changes nothing)
        bool zeroAfter;   // a refused text gives way to "0" (else to the setting)
    };
    const Rule rules[] = {
        {m_editThickness, g_nThickness, 0, 10, IDS_RANGE_THICKNESS, false, true},
        {m_editMaxMileage, g_nMaxMileage, 1, 1000, IDS_RANGE_METER, true, false},
        {m_editMaxConsumption, g_nMaxConsumption, 1, 1000, IDS_RANGE_METER, true, false},
        {m_editHistoryDepth, g_nFuelHistoryDepth, 1, kFuelHistorySize, IDS_RANGE_DEPTH, true, false},
    };
    for (const Rule& rule : rules) {
        if (rule.edit != edit)
            continue;
        const std::optional<int> value = ReadNumber(edit);
        if (!value && !rule.refusesText)
            return true;
        if (value && *value >= rule.min && *value <= rule.max) {
            rule.setting = *value;
            return true;
        }
        ShowMessage(rule.message, IDS_WRONG_VALUE);
        edit->setText(rule.zeroAfter ? QStringLiteral("0") : Number(rule.setting));
        edit->setFocus();
        return false;
    }
    return true;
}

void Preferences::ShowMessage(UINT text, UINT caption)
{
    platform::ShowMessageBox(this, ResStr(text), ResStr(caption), MB_OK);
}

void Preferences::ShowPreset(int index)
{
    const Preset& preset = g_presets[index];
    m_editUnit->setText(platform::FromCp1252(preset.unit));
    m_editMin->setText(Number(preset.min));
    m_editMax->setText(Number(preset.max));
    m_presetLabel->setText(platform::FromCp1252(
        platform::FormatC("%s: %d/%d", ResStrBytes(IDS_FIELD).c_str(), index + 1, g_nPresetCount)));
}

void Preferences::OnKillFocusPresetUnit()
{
    // As Defaults.cfg can keep it, so that what the edit shows is what is written.
    const std::string unit = PresetUnitText(platform::ToCp1252(m_editUnit->text()));
    g_presets[m_nCurPreset].unit = unit;
    m_editUnit->setText(platform::FromCp1252(unit));
}

void Preferences::OnKillFocusPresetMin()
{
    if (const auto value = ReadNumber(m_editMin))
        g_presets[m_nCurPreset].min = *value;
}

void Preferences::OnKillFocusPresetMax()
{
    if (const auto value = ReadNumber(m_editMax))
        g_presets[m_nCurPreset].max = *value;
}

void Preferences::OnNextPreset()
{
    if (!TakeEditsFirst())
        return;
    if (m_nCurPreset < g_nPresetCount - 1)
        ShowPreset(++m_nCurPreset);
}

void Preferences::OnPrevPreset()
{
    if (!TakeEditsFirst())
        return;
    if (m_nCurPreset > 0)
        ShowPreset(--m_nCurPreset);
}

void Preferences::OnNewPreset()
{
    if (!TakeEditsFirst())
        return;
    if (g_nPresetCount >= kMaxPresets) {
        ShowMessage(IDS_PRESETS_FULL, IDS_ERROR);
        return;
    }
    if (g_nPresetCount > 0) {
        if (const auto fault = CheckPreset(g_nPresetCount - 1, true)) {
            ShowFaultyPreset(fault->index, fault->text, fault->caption);
            return;
        }
    }
    m_nCurPreset = g_nPresetCount++;
    g_presets[m_nCurPreset] = Preset{};
    ShowPreset(m_nCurPreset);
}

void Preferences::ShowFaultyPreset(int index, UINT text, UINT caption)
{
    // The edits then change the preset they show.
    m_nCurPreset = index;
    ShowPreset(index);
    ShowMessage(text, caption);
    m_editUnit->setFocus();
}

void Preferences::OnOK()
{
    if (!TakeEditsFirst())
        return;
    if (const auto fault = CheckPresets()) {
        ShowFaultyPreset(fault->index, fault->text, fault->caption);
        return;
    }
    const bool defaultsWritten = WriteDefaultsFile() == 0;
    const bool prefsWritten = WritePrefsFile() == 0;
    if (!defaultsWritten || !prefsWritten) {
        ShowMessage(IDS_PREFS_NOT_SAVED, IDS_ERROR);
        return;
    }
    accept();
}
