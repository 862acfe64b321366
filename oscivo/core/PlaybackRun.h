#pragma once
// Log playback without widgets: Load, Pause, Stop, the rewinding second Stop, Faster, Slower,
// Pause and Stop in live mode, and the pace of each played line. Each transition returns what
// the dialog is to show and do; the dialog applies it. The flags that end or hold the dialog's
// nested loops stay the globals g_bStopped and g_bNotPaused, and the rest of the run's state the
// globals of OscivoState.h (g_bRunning, g_bRewound, g_bLiveStopped, the pacing); the model gives
// them their next values. It holds only what the buttons Load, Pause and Stop show, so that
// nothing is read back from a widget.
//
// The playback loop in the dialog, which only carries out what the model says:
//
//     if (!m_playback.BeginRun())
//         return;                                   // it runs already
//     while (!g_bStopped) {
//         ... convert the next line; at the end of the log OnStop
//         const LinePace pace = PaceOf(g_dLogTime, g_dPrevLogTime, g_nPlaybackPeriod);
//         if (pace.bGap)
//             ... a 30-pixel gap in the scope
//         while (!g_bStopped && !m_playback.IsDue(GetTickCount(), pace.dWait))
//             ... sleep 25 ms, dispatch the waiting messages
//         if (g_bStopped)
//             break;                                // the line is not shown
//         const PlaybackView view = m_playback.ReleaseLine(pace.dTime, GetTickCount());
//         ... show it; view.bHold: the pause wait, until Pause or Stop
//         ... parse the line and show it as a live reply
//     }

#include "oscivo/core/IconIds.h"
#include "oscivo/core/OscivoState.h"
#include "platform/WinTypes.h"

#include <array>
#include <optional>
#include <string>

// A button's picture (an icon of IconIds.h) and whether it takes presses.
struct ButtonView {
    int nImage = 0;
    BOOL bEnabled = FALSE;
    bool operator==(const ButtonView&) const = default;
};

// What one transition asks of the dialog, in the order the dialog applies it.
struct PlaybackView {
    ButtonView load; // what the three buttons show now
    ButtonView pause;
    ButtonView stop;
    BOOL bShowPause = FALSE;             // Pause is shown (a Stop in live mode)
    std::optional<std::string> strTime;  // the time text of edit 1053
    std::optional<std::string> strSpeed; // the speed text of static 1078
    BOOL bExchange = FALSE;              // then the members go to the controls (UpdateData(FALSE))
    BOOL bRebuildGrid = FALSE;           // the scope's grid is rebuilt after the next shown reply
    BOOL bConnect = FALSE;               // connect to the host again; nothing while connected
    BOOL bRestart = FALSE;               // open the rewound log again and play it from its first line
    BOOL bHold = FALSE;                  // paused: the nested wait until Pause or Stop
    BOOL bSaveScaling = FALSE;           // the display stopped now: close the log, save the scaling
};

// How a converted line is paced.
struct LinePace {
    double dTime = 0;  // the line's time: that of its first row with a time other than 0
    double dWait = 0;  // ms from the release of the line before
    BOOL bGap = FALSE; // more than 5 s of the log lie between: a gap, and a wait of one second
};

// The pace of the line converted last (logTime) after the line paced before (prevLogTime), at
// nPeriod ms of waiting per second of log time.
LinePace PaceOf(const LogTimes& logTime, const LogTimes& prevLogTime, int nPeriod);

class PlaybackRun {
public:
    PlaybackRun() = default;
    PlaybackRun(const PlaybackRun&) = delete;
    PlaybackRun& operator=(const PlaybackRun&) = delete;

    // What the buttons show now, and nothing to do.
    PlaybackView View() const;

    // Live mode, 100 ms after opening: the display runs and Pause takes presses.
    PlaybackView StartLive();

    // Load is refused while a log plays.
    BOOL IsRunning() const { return g_bRunning; }
    // Load chose a log, before it is opened: Stop no longer offers a rewind.
    PlaybackView LogChosen();
    // The log cannot be played: nothing is left to pause, and the next Load asks for a file.
    PlaybackView Abandon();
    // The chosen log is open at its first data line (now: the clock): it plays. Load starts the
    // traces anew, so the grid is rebuilt; Pause after a rewind plays the same log again.
    PlaybackView Load(DWORD now);
    PlaybackView Restart(DWORD now);

    // The playback loop begins: false when it runs already.
    bool BeginRun();
    // The line waiting for its turn is due: wait ms have passed since the line before.
    bool IsDue(DWORD now, double wait) const;
    // The line of time t is released at now; without Autorun the second one pauses.
    PlaybackView ReleaseLine(double t, DWORD now);

    PlaybackView OnFaster();
    PlaybackView OnSlower();
    PlaybackView OnPause();
    PlaybackView OnStop();

private:
    PlaybackView Play(DWORD now);
    PlaybackView SpeedView() const;

    ButtonView m_load{IDI_LOAD, TRUE};
    ButtonView m_pause{IDI_PAUSE, FALSE};
    ButtonView m_stop{IDI_STOP, FALSE};
};
