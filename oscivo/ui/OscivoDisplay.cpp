// A reply on the screen: the model's operations applied to the layout, the scope and the
// meters; the meters' windows; scale editing.

#include "oscivo/core/OscivoStrings.h"
#include "oscivo/ui/OscivoDlg.h"
#include "platform/Codec1252.h"
#include "platform/MessageBox.h"
#include "platform/StringTable.h"
#include "platform/WindowStyles.h"

#include <QContextMenuEvent>
#include <QLineEdit>

namespace {

// The playback speed controls, shown with the standard layout while a log plays.
constexpr UINT kSpeedControls[] = {IDC_SPEED_GROUP, IDC_SLOWER, IDC_FASTER, IDC_SPEED};

constexpr DWORD kMeterStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;

// The meters' window class on the original platform; the meter does not use it.
const QString kMeterClass = QStringLiteral("OscivoMeter");

// A window's rectangle on the screen.
QRect ScreenRect(const QWidget* window)
{
    return QRect(window->mapToGlobal(QPoint(0, 0)), window->size());
}

} // namespace

void COscivoDlg::OnHostDataReply(void* context, std::string* kind, std::string*, std::string* payload)
{
    auto& dlg = Dialog<COscivoDlg>(context);
    if (dlg.m_model.TakeReply(*kind, *payload))
        dlg.ShowReply();
}

void COscivoDlg::ShowReply()
{
    UpdateData(TRUE);
    const ReplyEffects effects = m_model.ShowParsedReply();
    Apply(effects);
    m_scope.PushValues(m_model.m_plotValues.data());
    UpdateMeters(m_model.m_plotValues.data());
    if (effects.rebuildGrid)
        m_scope.RebuildGrid(FALSE);
    UpdateData(FALSE);
    if (effects.scalingSaveFailed)
        platform::ShowMessageBox(this, ResStr(IDS_SCALING_NOT_SAVED), ResStr(IDS_ERROR), MB_OK);
}

void COscivoDlg::Apply(const ReplyEffects& effects)
{
    ApplyLayout(effects.layout);
    for (int k = 0; k < kScopeSlots; ++k) {
        if (const auto& range = effects.traceRange[k])
            m_scope.SetTraceRange(range->min, range->max, k);
        C3DMeterCtrl* meter = m_pMeters[k];
        if (!meter)
            continue;
        if (const auto& range = effects.meterRange[k])
            meter->SetScaleRange(range->min, range->max);
        if (const auto& units = effects.meterUnits[k])
            meter->SetUnits(platform::FromCp1252(*units));
    }

    if (effects.closeFuelMeters) {
        DeleteMeter(kMileageMeter);
        DeleteMeter(kConsumptionMeter);
    }
    const std::pair<int, const std::optional<FuelMeterSetup>*> fuelMeters[] = {
        {kMileageMeter, &effects.mileageMeter}, {kConsumptionMeter, &effects.consumptionMeter}};
    for (const auto& [entry, setup] : fuelMeters) {
        C3DMeterCtrl* meter = m_pMeters[entry];
        if (!meter || !*setup)
            continue;
        meter->SetUnits(platform::FromCp1252((*setup)->units));
        meter->SetScaleRange(0, (*setup)->scaleMax);
        if ((*setup)->readoutDigits)
            meter->SetReadoutDigits(*(*setup)->readoutDigits);
    }

    if (effects.titleChanged)
        setWindowTitle(platform::FromCp1252(g_strTitle));
}

void COscivoDlg::ApplyLayout(LayoutSwitch layout)
{
    if (layout == LayoutSwitch::None)
        return;
    const bool advanced = layout == LayoutSwitch::ToAdvanced;
    if (g_bRunning)
        for (const UINT id : kSpeedControls)
            ShowControl(id, !advanced);
    EnableControl(IDC_MIN, !advanced);
    EnableControl(IDC_MAX, !advanced);
    for (int k = 0; k < kFields; ++k) {
        ShowControl(IDC_VALUE + k, !advanced);
        ShowControl(IDC_SLOT_FRAME + k, !advanced);
        ShowControl(IDC_GRAPH + k, !advanced);
    }
    for (int i = 0; i < kAdvancedValues; ++i) {
        ShowControl(IDC_ADV_VALUE + i, advanced);
        ShowControl(IDC_ADV_FRAME + i, advanced);
        ShowControl(IDC_ADV_GRAPH + i, advanced);
    }
    if (advanced) {
        for (int i = 0; i < kAdvancedValues; ++i)
            CreateAdvancedFrame(IDC_ADV_FRAME + i, i);
        for (int k = 0; k < kFields; ++k)
            m_frameSlot[k].reset();
        return;
    }
    for (auto& swatch : m_frameAdvanced)
        swatch.reset();
    for (int k = 0; k < kFields; ++k)
        CreateSlotFrame(IDC_SLOT_FRAME + k, 0, k);
}

void COscivoDlg::UpdateMeters(const double* values)
{
    for (int entry = 0; entry < kMeters; ++entry)
        if (C3DMeterCtrl* meter = m_pMeters[entry])
            meter->SetValue(MeterValue(entry, values));
}

void COscivoDlg::OpenMeter(int entry, const MeterSetup& setup)
{
    if (m_pMeters[entry])
        return;
    auto* meter = new C3DMeterCtrl(&m_pMeters[entry]);
    m_pMeters[entry] = meter;
    const MeterRect& r = setup.rect;
    meter->Create(kMeterClass, kMeterStyle, platform::Rect(r.left, r.top, r.right, r.bottom), this,
                  setup.number);
    meter->SetNeedleColor(setup.needleColor);
    meter->SetBackColor(setup.backColor);
    if (!setup.configured)
        return;
    meter->SetUnits(platform::FromCp1252(setup.units));
    meter->SetTitle(platform::FromCp1252(setup.title));
    meter->SetScaleRange(setup.scaleMin, setup.scaleMax);
    meter->SetReadoutDigits(setup.readoutDigits);
    meter->SetScaleDigits(setup.scaleDigits);
}

void COscivoDlg::DeleteMeter(int entry)
{
    delete m_pMeters[entry];
    m_pMeters[entry] = nullptr;
}

void COscivoDlg::OpenSlotMeter(int row, int field)
{
    OpenMeter(row * kFields + field, SlotMeterSetup(row, field));
}

void COscivoDlg::OpenAdvancedMeter(int index)
{
    OpenMeter(kFirstAdvancedMeter + index, AdvancedMeterSetup(index));
}

void COscivoDlg::OnMileageMeter()
{
    OpenMeter(kMileageMeter, MileageMeterSetup());
}

void COscivoDlg::OnConsumptionMeter()
{
    OpenMeter(kConsumptionMeter, ConsumptionMeterSetup());
}

BOOL COscivoDlg::OnContextMenu(QPoint point)
{
    if (g_bAdvancedMode) {
        for (int i = 0; i < kAdvancedValues; ++i) {
            if (!ScreenRect(GetDlgItem(IDC_ADV_FRAME + i)).contains(point))
                continue;
            if (m_model.m_nAdvGraph[i])
                OpenAdvancedMeter(i);
            return TRUE;
        }
        return FALSE;
    }
    for (int slot = 0; slot < kScopeSlots; ++slot) {
        if (!ScreenRect(GetDlgItem(IDC_SLOT_FRAME + slot)).contains(point))
            continue;
        if (m_model.m_nGraph[slot])
            OpenSlotMeter(slot / kFields, slot % kFields);
        return TRUE;
    }
    return FALSE;
}

void COscivoDlg::contextMenuEvent(QContextMenuEvent* event)
{
    if (!OnContextMenu(event->globalPos()))
        PluginDialog::contextMenuEvent(event);
}

void COscivoDlg::OnNextScaleSlot()
{
    m_model.OnNextScaleSlot();
    ShowScaleTexts();
}

void COscivoDlg::OnPrevScaleSlot()
{
    m_model.OnPrevScaleSlot();
    ShowScaleTexts();
}

void COscivoDlg::OnValueFocus(int slot)
{
    m_model.OnValueFocus(slot);
    ShowScaleTexts();
    // The value boxes never keep the focus.
    GetDlgItem(IDC_MAX)->setFocus();
}

void COscivoDlg::OnKillFocusMax()
{
    m_model.OnKillFocusMax(platform::ToCp1252(static_cast<QLineEdit*>(GetDlgItem(IDC_MAX))->text()));
}

void COscivoDlg::OnKillFocusMin()
{
    m_model.OnKillFocusMin(platform::ToCp1252(static_cast<QLineEdit*>(GetDlgItem(IDC_MIN))->text()));
}

void COscivoDlg::OnAirFuelClicked()
{
    // The new state is read with the next reply, whose grid shows it.
    g_bRebuildGrid = TRUE;
}
