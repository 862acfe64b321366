#pragma once
// The run of the acceleration test, without widgets: the start button arms it, a countdown of
// three beeps and the amber and green lamps gives the start, and from then on every reply of the
// host gives the speed over the time since the last restart of the clock, until the end speed is
// passed. Each event returns what the dialog is to show and do; the dialog applies it.

#include "platform/WinTypes.h"

#include <QString>

#include <cstdint>
#include <string>
#include <string_view>

// What one event of the run asks of the dialog, in the order the dialog applies it.
struct RunView {
    BOOL bRemoveResult = FALSE; // the result label of the previous run goes
    BOOL bClearCurve = FALSE;
    BOOL bPoint = FALSE; // the point (fSeconds, fSpeed) is added to the curve
    float fSeconds = 0;
    float fSpeed = 0;
    BOOL bTimeAxis = FALSE; // the time axis ends at fXMax
    float fXMax = 0;
    int nLamp = 0;              // the lamp picture to show (IDB_LAMP_...); 0 keeps the one shown
    BOOL bArmedChanged = FALSE; // armed, or back to idle: the start button's text and the edits
    UINT nMessageId = 0;        // the run ended on a bad reply: disconnect, then show this string
    QString strResult;          // the run completed: show this, then put it on the end speed's line
    BOOL bRequest = FALSE;      // ask the host for its values and take one message
    int nSound = 0;             // play this wave (IDR_WAVE_...) to its end, then OnSoundPlayed
};

class AccelerationRun {
public:
    enum RunState { STATE_IDLE = 0, STATE_ARMED, STATE_BEEP1, STATE_BEEP2, STATE_AMBER, STATE_MEASURING };

    AccelerationRun() = default;
    AccelerationRun(const AccelerationRun&) = delete;
    AccelerationRun& operator=(const AccelerationRun&) = delete;

    // The start button: arms a run between the two speeds, the speed being the value before the
    // first field that mentions the unit (Windows-1252), or cancels the run.
    RunView Start(int nFrom, int nTo, std::string unit);
    RunView Cancel();

    // A tick of the dialog's timer; a step of the countdown asks for a sound first.
    RunView OnTimerTick();
    // The step's sound has played to its end; a cancel meanwhile stands.
    RunView OnSoundPlayed();

    // A "DataReply"; fXMax is where the graph's time axis ends now. The replies of the first
    // second after the start are dropped: one of them may answer a request of an earlier run.
    RunView OnHostDataReply(std::string_view kind, std::string_view payload, float fXMax);

    BOOL IsRunning() const { return m_bRunning; }
    int RunState() const { return m_nRunState; }
    int SpeedColumn() const { return m_nSpeedColumn; }
    std::uint32_t StartTime() const { return m_dwStartTime; }
    int To() const { return m_nTo; }

private:
    void FindSpeedColumn(std::string_view payload, RunView& view);
    void TakeSpeed(std::string_view payload, float fXMax, RunView& view);
    // Back to idle, as the start button's cancel.
    void End(RunView& view);

    BOOL m_bRunning = FALSE;
    int m_nTickCount = 0;
    int m_nSpeedColumn = -1;
    std::uint32_t m_dwStartTime = 0;
    // When the run was started: the speed field is searched only from a second later on.
    std::uint32_t m_dwPressTime = 0;
    int m_nRunState = STATE_IDLE;
    int m_nFrom = 0;
    int m_nTo = 100;
    std::string m_strUnit;
    // The state whose step waits for its sound; STATE_IDLE when none does.
    int m_nSoundStep = STATE_IDLE;
    // The speed has been at or below the start speed in this run: only then can it complete.
    BOOL m_bFromReached = FALSE;
};
