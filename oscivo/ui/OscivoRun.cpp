// Stop and Pause, the nested wait while paused, the step width, the events the dialog
// watches, and closing.

#include "oscivo/core/OscivoStrings.h"
#include "oscivo/core/PrefsFile.h"
#include "oscivo/ui/OscivoDlg.h"
#include "platform/MessageBox.h"
#include "platform/StringTable.h"
#include "platform/TickClock.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>

namespace {

constexpr int kMaxStepWidth = 15;
constexpr int kGapWidth = 30; // pixels of the gap that marks a pause or a break in a log
constexpr int kPauseSleepMs = 10;

} // namespace

void COscivoDlg::OnStop()
{
    if (!g_bLive && ButtonImage(IDC_STOP) == IDI_SLOWER)
        RewindLog();
    if (g_bStopped)
        return;
    g_bStopped = TRUE;
    m_log.Close();
    if (g_bLive) {
        EnableControl(IDC_STOP, false);
        ShowControl(IDC_PAUSE, true);
        EnableControl(IDC_PAUSE, true);
        SetButtonImage(IDC_PAUSE, IDI_RESUME);
        g_bLiveStopped = TRUE;
    } else {
        SetButtonImage(IDC_STOP, IDI_SLOWER); // the next press rewinds
        EnableControl(IDC_PAUSE, false);
        SetButtonImage(IDC_PAUSE, IDI_PAUSE);
    }
    EnableControl(IDC_LOAD, true);
    SetButtonImage(IDC_LOAD, IDI_LOAD);
    g_bRunning = FALSE;

    if (m_model.SaveScaling() == ScalingSave::Failed)
        platform::ShowMessageBox(this, ResStr(IDS_SCALING_NOT_SAVED), ResStr(IDS_ERROR), MB_OK);
}

void COscivoDlg::OnPause()
{
    if (g_bLive && g_bLiveStopped) {
        // After a Stop there is no log to go on with: the press resumes the live display.
        g_bLiveStopped = FALSE;
        g_bNotPaused = FALSE;
    }
    g_bNotPaused = !g_bNotPaused;
    SetButtonImage(IDC_PAUSE, ButtonImage(IDC_PAUSE) == IDI_PAUSE ? IDI_RESUME : IDI_PAUSE);
    if (g_bLive) {
        if (g_bNotPaused)
            m_client.Connect("", HostPort()); // nothing while connected
        g_bStopped = !g_bNotPaused;
    } else if (g_bRewound) {
        RestartLog();
        return;
    }
    if (!g_bNotPaused)
        WaitWhilePaused();
}

void COscivoDlg::WaitWhilePaused()
{
    while (!g_bNotPaused && !g_bStopped) {
        PumpMessages();
        Sleep(kPauseSleepMs);
    }
    if (g_bLive)
        DrawGap();
}

void COscivoDlg::DrawGap()
{
    const int step = g_nStepWidth;
    g_nStepWidth = kGapWidth;
    m_scope.SkipGap(m_model.m_plotValues.data());
    g_nStepWidth = step;
}

void COscivoDlg::PumpMessages()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

void COscivoDlg::OnStepDown()
{
    if (g_nStepWidth > 1)
        --g_nStepWidth;
    m_model.UpdateStepLabel();
    UpdateData(FALSE);
}

void COscivoDlg::OnStepUp()
{
    if (g_nStepWidth < kMaxStepWidth)
        ++g_nStepWidth;
    m_model.UpdateStepLabel();
    UpdateData(FALSE);
}

bool COscivoDlg::eventFilter(QObject* watched, QEvent* event)
{
    m_tip.RelayEvent(watched, event);
    if (event->type() == QEvent::FocusIn) {
        for (int slot = 0; slot < kScopeSlots; ++slot) {
            if (watched == GetDlgItem(IDC_VALUE + slot)) {
                OnValueFocus(slot);
                // The focus has gone on to Max: the box's own focus-in handling would start its
                // caret after the fact, and the caret would stay.
                return true;
            }
        }
    } else if (event->type() == QEvent::FocusOut) {
        if (watched == GetDlgItem(IDC_MAX))
            OnKillFocusMax();
        else if (watched == GetDlgItem(IDC_MIN))
            OnKillFocusMin();
    }
    return PluginDialog::eventFilter(watched, event);
}

void COscivoDlg::OnClose()
{
    m_client.Disconnect();
    OnStop();
    if (g_bSaveWindowSize)
        WritePrefsFile();
    // No program of the system writes it; closing removes it all the same.
    QDir::current().remove(QStringLiteral("MB-PIPE.TXT"));
    m_timer.Stop();
}

void COscivoDlg::closeEvent(QCloseEvent* event)
{
    OnClose();
    PluginDialog::closeEvent(event);
}
