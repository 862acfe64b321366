#pragma once
// The periodic tick of a plug-in dialog: calls a plain callback with a context pointer every
// period on the thread that made it. A tick that comes while the callback still runs (it opened
// a message box or another nested loop) is dropped, not deferred.

#include "platform/WinTypes.h"
#include "platform/WindowTimers.h"

constexpr UINT WM_TIMER = 0x0113;

class CTimer {
public:
    using TimerCallback = void (*)(void* context, UINT message, WPARAM wParam, LPARAM lParam);

    CTimer();
    CTimer(const CTimer&) = delete;
    CTimer& operator=(const CTimer&) = delete;

    // Stores the three and starts a timer under the next id of the process-wide counter; always
    // TRUE. Starting again starts a further timer, the old one keeps running.
    BOOL Start(void* context, TimerCallback callback, UINT periodMs);
    // Stops the timer m_nTimerId; the id keeps its value.
    void Stop();

    // A tick of the timer with that id: calls the callback when the id is the started one and
    // no callback is running.
    void OnTimer(UINT nIDEvent);

    // The next id the counter hands out: 1 at process start; Oscivo sets 10.
    static void SetNextTimerId(UINT id);

    UINT m_nPeriod = 0;
    TimerCallback m_pfnCallback = nullptr;
    UINT m_nTimerId = 0;
    BOOL m_bBusy = FALSE;
    void* m_pContext = nullptr;

private:
    // The hidden window's timers; they stop when it goes.
    platform::WindowTimers m_window;
};
