// Log mode: choosing a host log, playing it line by line at its recorded pace (faster or slower),
// pausing, stopping and rewinding it. Playback is a loop inside the button handler that started
// it; while it waits for a line's turn it dispatches the waiting messages, so that every other
// handler runs inside it and ends or holds it through g_bStopped and g_bNotPaused.

#include "oscivo/core/OscivoStrings.h"
#include "oscivo/ui/OscivoDlg.h"
#include "platform/Codec1252.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/Numbers.h"
#include "platform/StringTable.h"
#include "platform/TickClock.h"

#include <QFile>
#include <QLineEdit>

#include <cstdint>

namespace {

constexpr double kUntimedLineSeconds = 0.25; // the pace of a line whose time columns all read 0
constexpr double kGapSeconds = 5.0;          // a longer break in the log shows as a gap
constexpr double kAfterGapSeconds = 1.0;     // the wait for the line after a gap
constexpr double kWaitSlackMs = 5.0;
constexpr std::uint32_t kPaceSleepMs = 25;
constexpr int kFastestPeriod = 125;  // 8x
constexpr int kSlowestPeriod = 2000; // 0.5x

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
    if (g_bRunning)
        return;
    if (ChooseLogFile() < 1) {
        AbandonLog();
        return;
    }
    SetButtonImage(IDC_STOP, IDI_STOP);
    m_model.m_bObdMode = FALSE;
    if (!OpenLog())
        return;
    // Each trace starts from the bottom of the scale of what its slot showed last.
    for (int slot = 0; slot < kScopeSlots; ++slot) {
        const std::optional<SlotScale> scale = ScaleOfSlot(slot);
        m_model.m_plotValues[slot] = scale ? scale->min : 0.0;
    }
    g_bRebuildGrid = TRUE;
    StartPlayback();
}

void COscivoDlg::RestartLog()
{
    if (ChooseLogFile() < 1) {
        AbandonLog();
        return;
    }
    if (OpenLog())
        StartPlayback();
}

bool COscivoDlg::OpenLog()
{
    g_dLogTime.fill(0.0);
    g_dPrevLogTime.fill(0.0);
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
    // Nothing is left to pause or resume, and the next Load shows the file dialog: a log that
    // vanished after a rewind must not hold the chooser.
    m_log.Close();
    g_bRewound = FALSE;
    g_bNotPaused = TRUE;
    SetButtonImage(IDC_PAUSE, IDI_PAUSE);
    EnableControl(IDC_PAUSE, false);
}

void COscivoDlg::StartPlayback()
{
    g_bRunning = TRUE;
    g_bRewound = FALSE;
    // A pause that a Stop ended is over.
    g_bNotPaused = TRUE;
    SetButtonImage(IDC_PAUSE, IDI_PAUSE);
    EnableControl(IDC_STOP, true);
    EnableControl(IDC_PAUSE, true);
    SetButtonImage(IDC_LOAD, IDI_PLAYING);
    g_nPacedLines = 0;
    // The first line is paced from now; from an older tick a clock past 2^31 would hold it until
    // the clock wrapped.
    g_dwLastLineTick = GetTickCount();
    RunPlayback();
}

void COscivoDlg::RewindLog()
{
    SetButtonImage(IDC_STOP, IDI_STOP);
    EnableControl(IDC_STOP, false);
    SetButtonImage(IDC_PAUSE, IDI_RESUME);
    EnableControl(IDC_PAUSE, true);
    m_model.m_strTime = "0.00";
    g_bRewound = TRUE;
    UpdateData(FALSE);
    g_bRebuildGrid = TRUE;
}

void COscivoDlg::RunPlayback()
{
    g_bEndOfLog = FALSE;
    g_nRepliesShown = 0;
    if (!g_bStopped)
        return; // it runs already
    g_bStopped = FALSE;
    g_szLoadedScaling = "Bogus"; // the first line identifies the module anew
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
    // The line's time is that of its first timed row.
    double t = 0.0;
    double delta = kUntimedLineSeconds;
    for (int row = 0; row < kLogRows; ++row) {
        if (g_dLogTime[row] != 0.0) {
            t = g_dLogTime[row];
            delta = t - g_dPrevLogTime[row];
            break;
        }
    }
    if (delta > kGapSeconds) {
        DrawGap();
        delta = kAfterGapSeconds;
    }
    const double wait = delta * g_nPlaybackPeriod - kWaitSlackMs;
    // Served once for every line, so that lines whose turn has already come (equal time stamps,
    // a fast speed) do not shut out the buttons, the timers and closing.
    PumpMessages();
    while (!g_bStopped && static_cast<std::int32_t>(GetTickCount() - g_dwLastLineTick) < wait) {
        Sleep(kPaceSleepMs);
        PumpMessages();
    }
    if (g_bStopped)
        return; // Stop ends the wait, and the line is not shown
    m_model.m_strTime = platform::FormatC("%1.2f", t);
    static_cast<QLineEdit*>(GetDlgItem(IDC_TIME))->setText(platform::FromCp1252(m_model.m_strTime));
    g_dwLastLineTick = GetTickCount();
    g_dPrevLogTime = g_dLogTime;
    if (g_nPacedLines == 1 && !g_bAutorun)
        OnPause(); // holds before the second line is shown
    ++g_nPacedLines;
}

void COscivoDlg::OnFaster()
{
    if (g_nPlaybackPeriod > kFastestPeriod)
        g_nPlaybackPeriod /= 2;
    ShowSpeed();
}

void COscivoDlg::OnSlower()
{
    if (g_nPlaybackPeriod < kSlowestPeriod)
        g_nPlaybackPeriod *= 2;
    ShowSpeed();
}

void COscivoDlg::ShowSpeed()
{
    m_model.m_strSpeed = platform::FormatC("%gx", 1000.0 / g_nPlaybackPeriod);
    UpdateData(FALSE);
}

void COscivoDlg::ShowLogMessage(const LogMessage& message)
{
    platform::ShowMessageBox(this, ResStr(message.text), ResStr(message.caption), MB_OK);
}
