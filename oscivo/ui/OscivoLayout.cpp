// The dialog's controls: made from the template, exchanged with the model; the swatches over
// their statics; resizing.

#include "oscivo/ui/OscivoDlg.h"
#include "oscivo/ui/OscivoTemplate.h"
#include "platform/Codec1252.h"
#include "platform/Colour.h"
#include "platform/PointFont.h"
#include "platform/SystemMetrics.h"
#include "platform/WindowStyles.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {

// Below this client height the controls stay where they are.
constexpr int kMinLayoutHeight = 200;
// The smallest client area: the scope keeps a plot area of its own.
constexpr QSize kMinClientSize(200, 120);
// The system's button face: a swatch in it looks empty on the dialog.
COLORREF ButtonFace()
{
    return GetSysColor(COLOR_BTNFACE);
}

// An A/F box lies over the right end of its value edit, which gives way to it when it shows:
// the box takes as much more of the edit as its text needs beside the square.
void FitAirFuelBox(QCheckBox* box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const int room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box).width();
    const int lacking = box->fontMetrics().horizontalAdvance(box->text()) - room;
    if (lacking > 0)
        box->setGeometry(box->geometry().adjusted(-lacking, 0, 0, 0));
}

void ExchangeText(QWidget* control, std::string& member, BOOL save)
{
    const auto exchange = [&](auto* widget) {
        if (save) {
            member = platform::ToCp1252(widget->text());
            return;
        }
        const QString text = platform::FromCp1252(member);
        if (widget->text() != text)
            widget->setText(text);
    };
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        exchange(edit);
    else if (auto* label = qobject_cast<QLabel*>(control))
        exchange(label);
}

void ExchangeCheck(QCheckBox* box, int& member, BOOL save)
{
    if (save)
        member = box->isChecked() ? 1 : 0;
    else if (box->isChecked() != (member != 0))
        box->setChecked(member != 0);
}

void Recolour(CColorFrameCtrl* swatch, COLORREF colour)
{
    if (!swatch || swatch->m_crBackColor == colour)
        return;
    swatch->SetBackColor(colour);
    swatch->SetFrameColor(colour);
}

void MoveDown(QWidget* widget, int dy)
{
    if (widget)
        widget->move(widget->x(), widget->y() + dy);
}

} // namespace

void COscivoDlg::BuildTemplate()
{
    setWindowTitle(QStringLiteral("Oscivo"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setFont(platform::DialogFont());
    QPalette face = palette();
    face.setColor(QPalette::Window, platform::ToQColor(ButtonFace()));
    setPalette(face);
    resize(OscivoDialogSize());
    setMinimumSize(kMinClientSize);

    CreateControls(OscivoDialogTemplate());

    const auto onClick = [this](UINT id, void (COscivoDlg::*handler)()) {
        connect(Button(id), &QPushButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    onClick(IDC_STEP_DOWN, &COscivoDlg::OnStepDown);
    onClick(IDC_STEP_UP, &COscivoDlg::OnStepUp);
    onClick(IDC_STOP, &COscivoDlg::OnStop);
    onClick(IDC_PAUSE, &COscivoDlg::OnPause);
    onClick(IDC_LOAD, &COscivoDlg::OnLoadLog);
    onClick(IDC_FASTER, &COscivoDlg::OnFaster);
    onClick(IDC_SLOWER, &COscivoDlg::OnSlower);
    onClick(IDC_NEXT_SLOT, &COscivoDlg::OnNextScaleSlot);
    onClick(IDC_PREV_SLOT, &COscivoDlg::OnPrevScaleSlot);
    onClick(IDC_MILEAGE, &COscivoDlg::OnMileageMeter);
    onClick(IDC_CONSUMPTION, &COscivoDlg::OnConsumptionMeter);
    for (const UINT id : kAirFuelId) {
        FitAirFuelBox(CheckBox(id));
        connect(CheckBox(id), &QCheckBox::clicked, this, [this] { OnAirFuelClicked(); });
    }
}

QPushButton* COscivoDlg::Button(UINT id) const
{
    return qobject_cast<QPushButton*>(GetDlgItem(id));
}

QCheckBox* COscivoDlg::CheckBox(UINT id) const
{
    return qobject_cast<QCheckBox*>(GetDlgItem(id));
}

int COscivoDlg::ButtonImage(UINT id) const
{
    const auto it = m_buttonImage.find(id);
    return it == m_buttonImage.end() ? 0 : it->second;
}

void COscivoDlg::SetButtonImage(UINT id, int iconId)
{
    // The playback shows its buttons after every line: only a change is drawn.
    int& shown = m_buttonImage[id];
    if (shown == iconId)
        return;
    shown = iconId;
    Button(id)->setIcon(m_buttonIcons[iconId - IDI_STOP]);
}

void COscivoDlg::ShowControl(UINT id, bool show)
{
    QWidget* control = GetDlgItem(id);
    if (control->isHidden() == show)
        control->setVisible(show);
}

void COscivoDlg::EnableControl(UINT id, bool enable)
{
    GetDlgItem(id)->setEnabled(enable);
}

BOOL COscivoDlg::UpdateData(BOOL bSaveAndValidate)
{
    DoDataExchange(bSaveAndValidate);
    if (!bSaveAndValidate)
        ShowModelState();
    return TRUE;
}

void COscivoDlg::DoDataExchange(BOOL save)
{
    OscivoModel& m = m_model;
    for (int k = 0; k < kScopeSlots; ++k)
        ExchangeCheck(CheckBox(IDC_GRAPH + k), m.m_nGraph[k], save);
    for (int k = 0; k < kScopeSlots; ++k)
        ExchangeText(GetDlgItem(IDC_VALUE + k), m.m_strValue[k], save);
    ExchangeText(GetDlgItem(IDC_TIME), m.m_strTime, save);
    ExchangeText(GetDlgItem(IDC_SPEED), m.m_strSpeed, save);
    ExchangeText(GetDlgItem(IDC_MIN), m.m_strMin, save);
    ExchangeText(GetDlgItem(IDC_MAX), m.m_strMax, save);
    ExchangeText(GetDlgItem(IDC_STEP), m.m_strStep, save);
    for (int i = 0; i < kAdvancedValues; ++i)
        ExchangeCheck(CheckBox(IDC_ADV_GRAPH + i), m.m_nAdvGraph[i], save);
    // The model keeps the advanced texts in control order.
    for (int i = 0; i < kAdvancedValues; ++i)
        ExchangeText(GetDlgItem(IDC_ADV_VALUE + i), m.m_strAdv[i], save);
    for (int k = 0; k < kScopeSlots; ++k)
        ExchangeCheck(CheckBox(kAirFuelId[k]), m.m_nAirFuel[k], save);
}

void COscivoDlg::ShowModelState()
{
    for (int k = 0; k < kScopeSlots; ++k)
        Recolour(m_frameSlot[k].get(),
                 m_model.m_slotSwatch[k] == SwatchFill::Trace ? m_scope.GetTraceColor(k) : ButtonFace());
    for (int i = 0; i < kAdvancedValues; ++i)
        Recolour(m_frameAdvanced[i].get(),
                 m_model.m_advSwatch[i] == SwatchFill::Trace ? m_scope.GetTraceColor(i) : ButtonFace());

    for (int k = 0; k < kScopeSlots; ++k) {
        // The first row's boxes give way to the advanced values with their edits.
        const bool shown = m_model.m_airFuelShown[k] && !(g_bAdvancedMode && k < kFields);
        ShowControl(kAirFuelId[k], shown);
        if (m_model.m_airFuelShown[k] != m_bNarrowed[k]) {
            QWidget* edit = GetDlgItem(IDC_VALUE + k);
            const int narrowing = CheckBox(kAirFuelId[k])->width();
            const int change = m_model.m_airFuelShown[k] ? -narrowing : narrowing;
            edit->resize(edit->width() + change, edit->height());
            m_bNarrowed[k] = m_model.m_airFuelShown[k];
        }
    }
    ShowScaleTexts();
    ShowControl(IDC_MILEAGE, m_model.m_fuelButtonsShown);
    ShowControl(IDC_CONSUMPTION, m_model.m_fuelButtonsShown);
}

void COscivoDlg::ShowScaleTexts()
{
    for (int k = 0; k < kScopeSlots; ++k)
        ShowControl(g_nSlotBoxId[k], m_model.m_selectionShown[k]);
    ExchangeText(GetDlgItem(IDC_MIN), m_model.m_strMin, FALSE);
    ExchangeText(GetDlgItem(IDC_MAX), m_model.m_strMax, FALSE);
}

void COscivoDlg::CreateSlotFrame(UINT id, int row, int field)
{
    m_frameSlot[row * kFields + field] = MakeSwatch(id);
}

void COscivoDlg::CreateAdvancedFrame(UINT id, int index)
{
    m_frameAdvanced[index] = MakeSwatch(id);
}

std::unique_ptr<CColorFrameCtrl> COscivoDlg::MakeSwatch(UINT id)
{
    auto swatch = std::make_unique<CColorFrameCtrl>();
    swatch->Create(WS_CHILD | WS_VISIBLE, platform::Rect::FromQRect(GetDlgItem(id)->geometry()), this, 0);
    // The static below takes the mouse: its balloon and its right click for the meter.
    swatch->setAttribute(Qt::WA_TransparentForMouseEvents);
    // Invisible until the display colours it.
    swatch->SetBackColor(ButtonFace());
    swatch->SetFrameColor(ButtonFace());
    ShowControl(id, true);
    return swatch;
}

void COscivoDlg::resizeEvent(QResizeEvent* event)
{
    PluginDialog::resizeEvent(event);
    OnSize(width(), height());
}

void COscivoDlg::OnSize(int, int cy)
{
    if (isMinimized() || cy < kMinLayoutHeight)
        return;
    // Started again by every size message: one relayout after the last of a burst.
    m_dlgTimers.SetTimer(IDT_RELAYOUT, kDialogTimerMs);
}

void COscivoDlg::Relayout()
{
    g_nCurWidth = width();
    g_nCurHeight = height();
    if ((g_nCurWidth == g_nLastWidth && g_nCurHeight == g_nLastHeight) || g_nCurHeight < kMinLayoutHeight)
        return;
    const int dy = g_nCurHeight - g_nLastHeight;
    const int dx = g_nCurWidth - g_nLastWidth;
    for (UINT id = IDC_FIRST; id <= IDC_LAST; ++id)
        MoveDown(GetDlgItem(id), dy);
    // Every swatch that exists, of either layout: rows 1 and 2 keep theirs in the advanced one.
    for (const auto& swatch : m_frameSlot)
        MoveDown(swatch.get(), dy);
    for (const auto& swatch : m_frameAdvanced)
        MoveDown(swatch.get(), dy);

    m_scope.ReleaseSurfaces();
    m_scope.DestroyWindow();
    QWidget* frame = GetDlgItem(IDC_SCOPE_FRAME);
    frame->resize(frame->width() + dx, frame->height() + dy);
    m_scope.Create(WS_CHILD | WS_VISIBLE, platform::Rect::FromQRect(frame->geometry()), this, 0);
    update();

    g_nLastWidth = g_nPrefWidth = g_nCurWidth;
    g_nLastHeight = g_nPrefHeight = g_nCurHeight;
    g_bRebuildGrid = TRUE;
}

void COscivoDlg::keyPressEvent(QKeyEvent* event)
{
    // Escape closes as the close box does, so that the scales and the window size are saved.
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    PluginDialog::keyPressEvent(event);
}
