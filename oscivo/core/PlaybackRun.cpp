#include "oscivo/core/PlaybackRun.h"

#include "platform/Numbers.h"

#include <cstdint>

namespace {

constexpr double kUntimedLineSeconds = 0.25; // the pace of a line whose time columns all read 0
constexpr double kGapSeconds = 5.0;          // a longer break in the log shows as a gap
constexpr double kAfterGapSeconds = 1.0;     // the wait for the line after a gap
constexpr double kWaitSlackMs = 5.0;
constexpr int kFastestPeriod = 125;  // 8x
constexpr int kSlowestPeriod = 2000; // 0.5x

} // namespace

LinePace PaceOf(const LogTimes& logTime, const LogTimes& prevLogTime, int nPeriod)
{
    LinePace pace;
    double delta = kUntimedLineSeconds;
    for (int row = 0; row < kLogRows; ++row) {
        if (logTime[row] != 0.0) {
            pace.dTime = logTime[row];
            delta = pace.dTime - prevLogTime[row];
            break;
        }
    }
    if (delta > kGapSeconds) {
        pace.bGap = TRUE;
        delta = kAfterGapSeconds;
    }
    pace.dWait = delta * nPeriod - kWaitSlackMs;
    return pace;
}

PlaybackView PlaybackRun::View() const
{
    PlaybackView view;
    view.load = m_load;
    view.pause = m_pause;
    view.stop = m_stop;
    return view;
}

PlaybackView PlaybackRun::StartLive()
{
    m_pause.bEnabled = TRUE;
    g_bStopped = FALSE;
    return View();
}

PlaybackView PlaybackRun::LogChosen()
{
    m_stop.nImage = IDI_STOP;
    return View();
}

PlaybackView PlaybackRun::Abandon()
{
    // A log that vanished after a rewind must not hold the chooser.
    g_bRewound = FALSE;
    g_bNotPaused = TRUE;
    m_pause = {IDI_PAUSE, FALSE};
    return View();
}

PlaybackView PlaybackRun::Load(DWORD now)
{
    PlaybackView view = Play(now);
    view.bRebuildGrid = TRUE;
    return view;
}

PlaybackView PlaybackRun::Restart(DWORD now)
{
    return Play(now);
}

PlaybackView PlaybackRun::Play(DWORD now)
{
    g_dLogTime.fill(0.0);
    g_dPrevLogTime.fill(0.0);
    g_bRunning = TRUE;
    g_bRewound = FALSE;
    // A pause that a Stop ended is over.
    g_bNotPaused = TRUE;
    m_pause = {IDI_PAUSE, TRUE};
    m_stop.bEnabled = TRUE;
    m_load.nImage = IDI_PLAYING;
    g_nPacedLines = 0;
    // The first line is paced from now; from an older tick a clock past 2^31 would hold it until
    // the clock wrapped.
    g_dwLastLineTick = now;
    return View();
}

bool PlaybackRun::BeginRun()
{
    g_bEndOfLog = FALSE;
    g_nRepliesShown = 0;
    if (!g_bStopped)
        return false;
    g_bStopped = FALSE;
    g_szLoadedScaling = "Bogus"; // the first line identifies the module anew
    return true;
}

bool PlaybackRun::IsDue(DWORD now, double wait) const
{
    // Signed, so that a wrap of the clock between two lines does not hold the next one.
    return static_cast<std::int32_t>(now - g_dwLastLineTick) >= wait;
}

PlaybackView PlaybackRun::ReleaseLine(double t, DWORD now)
{
    g_dwLastLineTick = now;
    g_dPrevLogTime = g_dLogTime;
    // Without Autorun playback holds before the second line is shown.
    const bool pause = g_nPacedLines == 1 && !g_bAutorun;
    ++g_nPacedLines;
    PlaybackView view = pause ? OnPause() : View();
    view.strTime = platform::FormatC("%1.2f", t);
    return view;
}

PlaybackView PlaybackRun::OnFaster()
{
    if (g_nPlaybackPeriod > kFastestPeriod)
        g_nPlaybackPeriod /= 2;
    return SpeedView();
}

PlaybackView PlaybackRun::OnSlower()
{
    if (g_nPlaybackPeriod < kSlowestPeriod)
        g_nPlaybackPeriod *= 2;
    return SpeedView();
}

PlaybackView PlaybackRun::SpeedView() const
{
    PlaybackView view = View();
    view.strSpeed = platform::FormatC("%gx", 1000.0 / g_nPlaybackPeriod);
    view.bExchange = TRUE;
    return view;
}

PlaybackView PlaybackRun::OnPause()
{
    if (g_bLive && g_bLiveStopped) {
        // After a Stop there is no log to go on with: the press resumes the live display.
        g_bLiveStopped = FALSE;
        g_bNotPaused = FALSE;
    }
    g_bNotPaused = !g_bNotPaused;
    m_pause.nImage = m_pause.nImage == IDI_PAUSE ? IDI_RESUME : IDI_PAUSE;
    PlaybackView view = View();
    if (g_bLive) {
        view.bConnect = g_bNotPaused;
        g_bStopped = !g_bNotPaused; // live replies are ignored while paused
    } else if (g_bRewound) {
        view.bRestart = TRUE;
        return view;
    }
    view.bHold = !g_bNotPaused;
    return view;
}

PlaybackView PlaybackRun::OnStop()
{
    // After a first press Stop shows the rewind symbol: the second press rewinds.
    const bool rewind = !g_bLive && m_stop.nImage == IDI_SLOWER;
    if (rewind) {
        m_stop = {IDI_STOP, FALSE};
        m_pause = {IDI_RESUME, TRUE};
        g_bRewound = TRUE;
    }
    const bool stop = !g_bStopped;
    if (stop) {
        g_bStopped = TRUE;
        if (g_bLive) {
            m_stop.bEnabled = FALSE;
            m_pause = {IDI_RESUME, TRUE};
            g_bLiveStopped = TRUE;
        } else {
            m_stop.nImage = IDI_SLOWER;
            m_pause = {IDI_PAUSE, FALSE};
        }
        m_load = {IDI_LOAD, TRUE};
        g_bRunning = FALSE;
    }
    PlaybackView view = View();
    if (rewind) {
        view.strTime = "0.00";
        view.bExchange = TRUE;
        view.bRebuildGrid = TRUE;
    }
    view.bShowPause = stop && g_bLive;
    view.bSaveScaling = stop;
    return view;
}
