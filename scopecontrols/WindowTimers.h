#pragma once
// The timers of one window, by id, as the window system keeps them: setting an id that runs
// starts it again, and each expiry calls the window's handler with the id until the timer is
// killed. They run on Qt's clock or, when a ManualTimerClock was installed before the window was
// made, on that clock, which a test moves on by hand.

#include "platform/WinTypes.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class ManualTimerClock;

class WindowTimers : public QObject {
public:
    explicit WindowTimers(std::function<void(UINT)> onTimer);
    ~WindowTimers() override;

    void SetTimer(UINT id, UINT elapseMs);
    void KillTimer(UINT id);
    bool IsTimerRunning(UINT id) const { return m_running.count(id) != 0; }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    friend class ManualTimerClock;
    struct Running {
        UINT elapse;
        int qtId;          // Qt's clock
        std::uint64_t due; // the manual clock
    };
    std::function<void(UINT)> m_onTimer;
    std::map<UINT, Running> m_running;
    ManualTimerClock* m_clock;
};

// A clock for window timers that only a test moves. Installs itself for its lifetime; windows
// made meanwhile time on it.
class ManualTimerClock {
public:
    ManualTimerClock();
    ~ManualTimerClock();
    ManualTimerClock(const ManualTimerClock&) = delete;
    ManualTimerClock& operator=(const ManualTimerClock&) = delete;

    // Moves the clock on by ms, firing every timer that falls due on the way, in time order.
    void Advance(UINT ms);
    std::uint64_t Now() const { return m_now; }

private:
    friend class WindowTimers;
    std::uint64_t m_now = 0;
    std::vector<WindowTimers*> m_windows;
};
