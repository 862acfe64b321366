#include "oscivo/ui/Preferences.h"

#include "oscivo/core/OscivoStrings.h"
#include "oscivo/ui/LeaveCheckedEdit.h"
#include "platform/Codec1252.h"
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

namespace {

QString Number(int value)
{
    return QString::fromStdString(platform::FormatC("%d", value));
}

// An edit's text as the model takes it.
std::string Bytes(const QLineEdit* edit)
{
    return platform::ToCp1252(edit->text());
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
    m_model.OnInitDialog(screen);
    FillCombos();
    ShowSettings();
    CreatePreviews();
    ShowColours();
    InitSliders();
    ShowPreset();
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

void Preferences::ShowSettings()
{
    m_checkAutorun->setChecked(g_bAutorun);
    m_checkShowUnits->setChecked(g_bShowUnits);
    m_checkShowZeros->setChecked(g_bShowZeros);
    m_checkSaveWindowSize->setChecked(g_bSaveWindowSize);
    for (int n = 0; n < PreferencesModel::kNumbers; ++n)
        m_numberEdit[n]->setText(
            QString::fromStdString(m_model.NumberText(static_cast<PreferencesModel::Number>(n))));
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

void Preferences::InitSliders()
{
    for (int row = 0; row < kRows; ++row)
        MoveSliders(row);
}

void Preferences::ShowColours()
{
    for (int row = 0; row < kRows; ++row) {
        m_framePreview[row]->SetBackColor(m_model.Colour(row));
        m_framePreview[row]->SetFrameColor(m_model.Colour(row));
        for (int c = 0; c < 3; ++c)
            m_componentEdit[row][c]->setText(Number(m_model.Component(row, c)));
    }
}

void Preferences::MoveSliders(int row)
{
    for (int c = 0; c < 3; ++c) {
        const QSignalBlocker quiet(m_slider[row][c]);
        m_slider[row][c]->setValue(m_model.Component(row, c));
    }
}

void Preferences::OnSliderReleased(int row, int component)
{
    m_model.OnSliderReleased(row, component, m_slider[row][component]->value());
    ShowColours();
    // The row no longer shows the colour of a name.
    const QSignalBlocker quiet(m_colourCombo[row]);
    m_colourCombo[row]->setCurrentIndex(-1);
}

void Preferences::OnLineSelected(int index)
{
    if (!m_model.OnLineSelected(index))
        return;
    MoveSliders(PreferencesModel::kLine);
    ShowColours();
}

void Preferences::OnPresetSelected(int row, int index)
{
    if (!m_model.OnPresetSelected(row, index))
        return;
    MoveSliders(row);
    ShowColours();
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
        m_model.OnKillFocusPresetMin(Bytes(m_editMin));
    else if (edit == m_editMax)
        m_model.OnKillFocusPresetMax(Bytes(m_editMax));
    else
        taken = TakeNumber(edit);
    m_bLeaving = false;
    return taken;
}

bool Preferences::TakeNumber(QLineEdit* edit)
{
    for (int n = 0; n < PreferencesModel::kNumbers; ++n) {
        if (m_numberEdit[n] != edit)
            continue;
        const auto refusal = m_model.TakeNumber(static_cast<PreferencesModel::Number>(n), Bytes(edit));
        if (!refusal)
            return true;
        ShowMessage(refusal->nText, refusal->nCaption);
        edit->setText(platform::FromCp1252(refusal->strShown));
        edit->setFocus();
        return false;
    }
    return true;
}

void Preferences::ShowMessage(UINT text, UINT caption)
{
    platform::ShowMessageBox(this, ResStr(text), ResStr(caption), MB_OK);
}

void Preferences::ShowPreset()
{
    const Preset& preset = m_model.ShownPreset();
    m_editUnit->setText(platform::FromCp1252(preset.unit));
    m_editMin->setText(Number(preset.min));
    m_editMax->setText(Number(preset.max));
    m_presetLabel->setText(platform::FromCp1252(m_model.PresetLabel()));
}

void Preferences::OnKillFocusPresetUnit()
{
    // What the edit shows is what is written.
    m_editUnit->setText(platform::FromCp1252(m_model.OnKillFocusPresetUnit(Bytes(m_editUnit))));
}

void Preferences::OnNextPreset()
{
    if (TakeEditsFirst() && m_model.OnNextPreset())
        ShowPreset();
}

void Preferences::OnPrevPreset()
{
    if (TakeEditsFirst() && m_model.OnPrevPreset())
        ShowPreset();
}

void Preferences::OnNewPreset()
{
    if (TakeEditsFirst())
        CarryOut(m_model.OnNewPreset());
}

void Preferences::OnOK()
{
    if (TakeEditsFirst())
        CarryOut(m_model.OnOK());
}

void Preferences::CarryOut(const PrefsVerdict& verdict)
{
    if (verdict.bShowPreset)
        ShowPreset();
    if (verdict.nText)
        ShowMessage(verdict.nText, verdict.nCaption);
    if (verdict.bFocusUnit)
        m_editUnit->setFocus();
    if (verdict.bClose)
        accept();
}
