#pragma once
// The timers of one window, by id, as the window system keeps them: setting an id that runs
// starts it again, and each expiry calls the window's handler with the id until the timer is
// killed. They run on the event loop's clock or, when set while a ManualTickClock is installed,
// on that clock, which a test moves on by hand.

#include "platform/TickClock.h"
#include "platform/WinTypes.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

namespace platform {

class WindowTimers : public QObject, private IClockTimers {
public:
    explicit WindowTimers(std::function<void(UINT)> onTimer);
    ~WindowTimers() override;
    WindowTimers(const WindowTimers&) = delete;
    WindowTimers& operator=(const WindowTimers&) = delete;

    void SetTimer(UINT id, UINT elapseMs);
    void KillTimer(UINT id);
    bool IsTimerRunning(UINT id) const { return m_running.count(id) != 0; }

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    struct Running {
        UINT elapse;
        int qtId = 0;                     // on the event loop's clock
        std::optional<std::uint64_t> due; // on the test clock; neither once that clock has gone
    };

    std::optional<std::uint64_t> NextDue() const override;
    void FireNext() override;
    void HoldUntil(std::uint64_t elapsed) override;
    void ClockGone() override;

    void UseClock(ManualTickClock* clock);
    // Fires, once each, the timers of the test clock that fell due while the thread slept.
    void FireOverdue();
    void Fire(std::map<UINT, Running>::iterator timer);

    std::function<void(UINT)> m_onTimer;
    std::map<UINT, Running> m_running;
    ManualTickClock* m_clock = nullptr;
    bool m_bOverduePosted = false;
};

} // namespace platform
