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
    const PlaybackView view = m_playback.OnStop();
    ShowPlayback(view);
    if (!view.bSaveScaling)
        return;
    m_log.Close();
    SaveModuleScaling();
}

void COscivoDlg::SaveModuleScaling()
{
    if (m_model.SaveScaling() == ScalingSave::Failed)
        platform::ShowMessageBox(this, ResStr(IDS_SCALING_NOT_SAVED), ResStr(IDS_ERROR), MB_OK);
}

void COscivoDlg::OnPause()
{
    const PlaybackView view = m_playback.OnPause();
    ShowPlayback(view);
    if (view.bConnect)
        m_client.Connect("", HostPort());
    if (view.bRestart)
        RestartLog();
    else if (view.bHold)
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
    // A display stopped before (by Pause, a stop or the end of a log) saved its scales then, if
    // at all: they are saved again, so that what was edited since is not lost.
    const bool stoppedBefore = g_bStopped;
    OnStop();
    if (stoppedBefore)
        SaveModuleScaling();
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
