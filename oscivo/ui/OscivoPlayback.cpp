// Log mode: choosing a host log, and the loop that plays it line by line, each at the pace that
// the playback's model gives it. The loop runs inside the button handler that started it; while
// it waits for a line's turn it dispatches the waiting messages, so that every other handler runs
// inside it and ends or holds it through g_bStopped and g_bNotPaused.

#include "oscivo/core/OscivoStrings.h"
#include "oscivo/ui/OscivoDlg.h"
#include "platform/Codec1252.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/StringTable.h"
#include "platform/TickClock.h"

#include <QFile>
#include <QLineEdit>

#include <cstdint>
#include <utility>

namespace {

constexpr std::uint32_t kPaceSleepMs = 25;

} // namespace

int COscivoDlg::ChooseLogFile()
{
    // After a rewind the same log is opened again without asking.
    if (!g_bRewound) {
        platform::FileDialogRequest request;
        request.title = ResStr(IDS_CHOOSE_LOG);
        request.filter = ResStr(IDS_LOG_FILES) + QStringLiteral(" (*.csv)|*.csv|") + ResStr(IDS_ALL_FILES) +
                         QStringLiteral(" (*.*)|*.*||");
        request.initialDir = QStringLiteral("LOGS");
        const std::optional<QString> chosen = platform::GetOpenFileName(this, request);
        if (!chosen)
            return 0;
        TakeChosenLog(*chosen);
    }
    if (const std::optional<LogMessage> message = CheckChosenLog(QFile::decodeName(g_strLogPath.c_str()))) {
        ShowLogMessage(*message);
        return -1;
    }
    return 1;
}

void COscivoDlg::OnLoadLog()
{
    if (m_playback.IsRunning())
        return;
    if (ChooseLogFile() < 1) {
        AbandonLog();
        return;
    }
    ShowPlayback(m_playback.LogChosen());
    m_model.m_bObdMode = FALSE;
    if (!OpenLog())
        return;
    // Each trace starts from the bottom of the scale of what its slot showed last.
    for (int slot = 0; slot < kScopeSlots; ++slot) {
        const std::optional<SlotScale> scale = ScaleOfSlot(slot);
        m_model.m_plotValues[slot] = scale ? scale->min : 0.0;
    }
    ShowPlayback(m_playback.Load(GetTickCount()));
    RunPlayback();
}

void COscivoDlg::RestartLog()
{
    if (ChooseLogFile() < 1) {
        AbandonLog();
        return;
    }
    if (!OpenLog())
        return;
    ShowPlayback(m_playback.Restart(GetTickCount()));
    RunPlayback();
}

bool COscivoDlg::OpenLog()
{
    if (!m_log.Open(QFile::decodeName(g_strLogPath.c_str()))) {
        AbandonLog();
        ShowLogMessage(kCannotOpenLog);
        return false;
    }
    if (m_log.ReadLogHeader(m_model) < 1) {
        AbandonLog();
        ShowLogMessage(kHeaderMalformed);
        return false;
    }
    if (m_log.Form() == LogForm::Obd)
        UpdateData(FALSE); // the graph boxes of the parameters the log holds
    return true;
}

void COscivoDlg::AbandonLog()
{
    m_log.Close();
    ShowPlayback(m_playback.Abandon());
}

void COscivoDlg::RunPlayback()
{
    if (!m_playback.BeginRun())
        return; // it runs already
    while (!g_bStopped) {
        // A line that the parser rejects is passed over like one that gives no reply.
        if (PlaybackStep() && !g_bStopped && m_model.ParseReply() == 1)
            ShowReply();
    }
}

bool COscivoDlg::PlaybackStep()
{
    const LogLine line = m_log.ConvertLogLine();
    switch (line.kind) {
    case LogLineKind::Reply: PaceLine(); return true;
    case LogLineKind::Skipped:
        PumpMessages(); // a long run of such lines keeps the window alive
        return false;
    case LogLineKind::UnexpectedEnd: ShowLogMessage(kUnexpectedLogEnd); [[fallthrough]];
    case LogLineKind::End:
        m_log.Close();
        OnStop();
        return false;
    }
    return false;
}

void COscivoDlg::PaceLine()
{
    const LinePace pace = PaceOf(g_dLogTime, g_dPrevLogTime, g_nPlaybackPeriod);
    if (pace.bGap)
        DrawGap();
    // Served once for every line, so that lines whose turn has already come (equal time stamps,
    // a fast speed) do not shut out the buttons, the timers and closing.
    PumpMessages();
    while (!g_bStopped && !m_playback.IsDue(GetTickCount(), pace.dWait)) {
        Sleep(kPaceSleepMs);
        PumpMessages();
    }
    if (g_bStopped)
        return; // Stop ends the wait, and the line is not shown
    const PlaybackView view = m_playback.ReleaseLine(pace.dTime, GetTickCount());
    ShowPlayback(view);
    if (view.bHold)
        WaitWhilePaused(); // holds before the second line is shown
}

void COscivoDlg::OnFaster()
{
    ShowPlayback(m_playback.OnFaster());
}

void COscivoDlg::OnSlower()
{
    ShowPlayback(m_playback.OnSlower());
}

void COscivoDlg::ShowPlayback(const PlaybackView& view)
{
    const std::pair<UINT, const ButtonView*> buttons[] = {
        {IDC_LOAD, &view.load}, {IDC_PAUSE, &view.pause}, {IDC_STOP, &view.stop}};
    for (const auto& [id, button] : buttons) {
        SetButtonImage(id, button->nImage);
        EnableControl(id, button->bEnabled);
    }
    if (view.bShowPause)
        ShowControl(IDC_PAUSE, true);
    if (view.strTime) {
        m_model.m_strTime = *view.strTime;
        static_cast<QLineEdit*>(GetDlgItem(IDC_TIME))->setText(platform::FromCp1252(m_model.m_strTime));
    }
    if (view.strSpeed)
        m_model.m_strSpeed = *view.strSpeed;
    if (view.bExchange)
        UpdateData(FALSE);
    if (view.bRebuildGrid)
        g_bRebuildGrid = TRUE;
}

void COscivoDlg::ShowLogMessage(const LogMessage& message)
{
    platform::ShowMessageBox(this, ResStr(message.text), ResStr(message.caption), MB_OK);
}
