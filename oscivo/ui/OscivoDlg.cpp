// Opening the main dialog, its three timers, the host link and the system menu.

#include "oscivo/ui/OscivoDlg.h"

#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoStrings.h"
#include "oscivo/core/PrefsFile.h"
#include "oscivo/core/TitleHint.h"
#include "oscivo/ui/About.h"
#include "oscivo/ui/OscivoIcons.h"
#include "oscivo/ui/Preferences.h"
#include "platform/Codec1252.h"
#include "platform/NamedLock.h"
#include "platform/WindowStyles.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

constexpr UINT kTickMs = 40;

// The host runs while it holds this lock.
constexpr const char* kHostLock = "Diagnoma-Running";

ScreenSize AvailableScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->availableGeometry().size() : QSize();
    return ScreenSize{size.width(), size.height()};
}

// The controls that describe themselves in a balloon, by string.
struct Tip {
    UINT first;
    UINT last;
    UINT stringId;
};
constexpr Tip kTips[] = {
    {IDC_SLOWER, IDC_SLOWER, IDS_TIP_SLOWER},
    {IDC_FASTER, IDC_FASTER, IDS_TIP_FASTER},
    {IDC_LOAD, IDC_LOAD, IDS_TIP_LOAD},
    {IDC_SLOT_FRAME, IDC_SLOT_FRAME + kScopeSlots - 1, IDS_TIP_SWATCH},
    {IDC_GRAPH, IDC_GRAPH + kScopeSlots - 1, IDS_TIP_GRAPH},
    {IDC_NEXT_SLOT, IDC_PREV_SLOT, IDS_TIP_SCALE_SLOT},
};

// The first images of the buttons that show icons.
struct FirstImage {
    UINT id;
    int icon;
};
constexpr FirstImage kFirstImages[] = {
    {IDC_STOP, IDI_STOP},           {IDC_LOAD, IDI_LOAD},       {IDC_PAUSE, IDI_PAUSE},
    {IDC_FASTER, IDI_FASTER},       {IDC_SLOWER, IDI_SLOWER},   {IDC_NEXT_SLOT, IDI_NEXT_SLOT},
    {IDC_PREV_SLOT, IDI_PREV_SLOT}, {IDC_STEP_UP, IDI_STEP_UP}, {IDC_STEP_DOWN, IDI_STEP_DOWN},
};

// Shown when a log can be played, in this order.
constexpr UINT kPlaybackControls[] = {IDC_FASTER, IDC_SLOWER,      IDC_SPEED, IDC_TIME,
                                      IDC_LOAD,   IDC_SPEED_GROUP, IDC_STOP,  IDC_PAUSE};

} // namespace

COscivoDlg::COscivoDlg(int nPort, QWidget* parent)
    : PluginDialog(nPort, parent), m_hIcon(OscivoIcon()), m_dlgTimers([this](UINT id) { OnTimer(id); })
{
    for (int i = 0; i < static_cast<int>(m_buttonIcons.size()); ++i)
        m_buttonIcons[i] = ButtonIcon(IDI_STOP + i);
    BuildTemplate();
}

COscivoDlg::~COscivoDlg()
{
    QCoreApplication::instance()->removeEventFilter(this);
    // The meters hold the addresses of their entries: they go before the entries do.
    for (int entry = 0; entry < kScopeSlots; ++entry)
        DeleteMeter(entry);
    for (int entry = kFirstAdvancedMeter; entry < kMeters; ++entry)
        DeleteMeter(entry);
    DeleteMeter(kMileageMeter);
    DeleteMeter(kConsumptionMeter);
}

BOOL COscivoDlg::OnInitDialog()
{
    g_nSlotGroup.fill(-1);
    AddSystemMenuItem(IDM_PREFERENCES, IDS_MENU_PREFS);
    AddSystemMenuItem(IDM_ABOUTBOX, IDS_MENU_ABOUT);
    AddSystemMenuItem(IDM_PRINT, IDS_MENU_PRINT);
    // The step label keeps its template text until the step width is first exchanged.
    m_model.m_strStep = platform::ToCp1252(static_cast<QLabel*>(GetDlgItem(IDC_STEP))->text());
    UpdateData(FALSE);

    g_bLive = platform::NamedLock::Exists(kHostLock) ? TRUE : FALSE;
    SetBaseDir(QDir::currentPath());
    LoadPrefs(AvailableScreen());

    const QRect frame = GetDlgItem(IDC_SCOPE_FRAME)->geometry();
    m_scope.Create(WS_CHILD | WS_VISIBLE, platform::Rect::FromQRect(frame), this, 0);
    m_scope.m_nVertGridLines = 9;
    m_scope.m_nHorzGridLines = 9;
    m_scope.m_nLabelDecimals = 1;
    m_scope.m_nSamplesPerWidth = 0;
    m_scope.SetYLabels(QString(), QString(), QString());
    m_scope.SetXLabels(QString(), QString(), QString());
    for (int k = 0; k < kScopeSlots; ++k)
        m_scope.SetTraceColor(g_crLineColor[k], k);
    m_scope.SetBackColor(g_crBackColor);
    m_scope.SetGridColor(g_crGridColor);

    // The minimised window's icon and the drag icon are the window manager's here.
    setWindowIcon(m_hIcon);
    m_pMeters.fill(nullptr);
    m_model.m_bObdMode = FALSE;

    for (int k = 0; k < kScopeSlots; ++k) {
        g_nSlotGroup[k] = -1;
        g_nSlotPrevGroup[k] = -1;
        g_bSlotRangeEdited[k] = FALSE;
        CreateSlotFrame(IDC_SLOT_FRAME + k, k / kFields, k % kFields);
    }
    ResetScaleTables();
    g_dFuelHistory.fill(2000.0);

    for (const FirstImage& image : kFirstImages)
        SetButtonImage(image.id, image.icon);
    ShowPlayback(m_playback.View()); // Stop and Pause take no presses yet

    // The step label, the fuel-economy units and the title; the title shows after the hint,
    // and the step label's control keeps its template text until the next exchange.
    LoadStartupTexts();
    m_model.UpdateStepLabel();

    g_nLastWidth = width();
    g_nLastHeight = height();
    resize(g_nPrefWidth, g_nPrefHeight);
    Relayout();

    m_tip.Create(this);
    m_tip.Activate(TRUE);
    for (const Tip& tip : kTips)
        for (UINT id = tip.first; id <= tip.last; ++id)
            if (QWidget* control = GetDlgItem(id))
                m_tip.AddToolById(control, tip.stringId);
    // Every event of the thread passes the tip, as the dialog's message filter passed it.
    QCoreApplication::instance()->installEventFilter(this);

    m_dlgTimers.SetTimer(IDT_MODE_START, kDialogTimerMs);

    RegisterHandler("ConEvent", &COscivoDlg::OnHostConEvent);
    RegisterHandler("DataReply", &COscivoDlg::OnHostDataReply);
    RegisterHandler("QuitClient", &COscivoDlg::OnHostQuit);
    RegisterHandler("StopRequest", &COscivoDlg::OnHostStopRequest);
    if (g_bLive && !ConnectOrClose(IDS_NO_HOST))
        return TRUE;
    g_bEndOfLog = FALSE;
    g_nRepliesShown = 0;
    return TRUE;
}

void COscivoDlg::OnTimer(UINT nIDEvent)
{
    switch (nIDEvent) {
    case IDT_MODE_START: OnModeStart(); break;
    case IDT_RELAYOUT:
        m_dlgTimers.KillTimer(IDT_RELAYOUT);
        Relayout();
        break;
    case IDT_TITLE_HINT: OnTitleHint(); break;
    default: break;
    }
}

void COscivoDlg::OnModeStart()
{
    m_dlgTimers.KillTimer(IDT_MODE_START);
    const QWidget* load = GetDlgItem(IDC_LOAD);
    QCursor::setPos(mapToGlobal(load->geometry().center()));
    m_dlgTimers.SetTimer(IDT_TITLE_HINT, kDialogTimerMs);
    if (g_bLive) {
        ShowPlayback(m_playback.StartLive());
        StartTimer(&COscivoDlg::OnTimerTick, kTickMs);
        return;
    }
    // Stop and Pause stay disabled until a log plays; nothing polls the host.
    for (const UINT id : kPlaybackControls)
        ShowControl(id, true);
}

void COscivoDlg::OnTitleHint()
{
    m_dlgTimers.KillTimer(IDT_TITLE_HINT);
    if (const auto frame = NextTitleHint()) {
        setWindowTitle(platform::FromCp1252(*frame));
        m_dlgTimers.SetTimer(IDT_TITLE_HINT, kDialogTimerMs);
        return;
    }
    setWindowTitle(platform::FromCp1252(g_strTitle));
}

void COscivoDlg::OnTimerTick(void* context, UINT, WPARAM, LPARAM)
{
    auto& dlg = Dialog<COscivoDlg>(context);
    // As many messages as were waiting when the tick began, so that a host that sends faster
    // than the ticks take its messages cannot hold the tick for ever.
    const int calls = std::max(1, dlg.m_client.WaitingCount());
    dlg.RequestData();
    for (int call = 0; call < calls; ++call)
        if (dlg.m_client.Pump() != 1)
            break;
}

void COscivoDlg::OnHostStopRequest(void* context, std::string*, std::string*, std::string*)
{
    Dialog<COscivoDlg>(context).OnStop();
}

void COscivoDlg::OnSysCommand(UINT nID, LPARAM)
{
    switch (nID & 0xFFF0) {
    case IDM_PRINT: m_scope.PrintGraph(); break;
    case IDM_PREFERENCES: {
        Preferences prefs(this, AvailableScreen(), m_buttonIcons[IDI_SLOWER - IDI_STOP],
                          m_buttonIcons[IDI_FASTER - IDI_STOP]);
        prefs.exec();
        // Whatever the dialog ended with, Prefs.cfg holds the settings to show.
        LoadPrefs(AvailableScreen());
        ApplyPreferences();
        break;
    }
    case IDM_ABOUTBOX: {
        About about(this);
        about.exec();
        break;
    }
    default: break;
    }
}

void COscivoDlg::ApplyPreferences()
{
    for (int k = 0; k < kScopeSlots; ++k) {
        m_scope.SetTraceColor(g_crLineColor[k], k);
        if (C3DMeterCtrl* meter = m_pMeters[k]) {
            meter->SetNeedleColor(g_crLineColor[k]);
            meter->SetBackColor(g_crBackColor);
        }
    }
    if (C3DMeterCtrl* mileage = m_pMeters[kMileageMeter])
        mileage->SetScaleRange(0, g_nMaxMileage);
    if (C3DMeterCtrl* consumption = m_pMeters[kConsumptionMeter])
        consumption->SetScaleRange(0, g_nMaxConsumption);
    m_scope.SetBackColor(g_crBackColor);
    m_scope.SetGridColor(g_crGridColor);
}
