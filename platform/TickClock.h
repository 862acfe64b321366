#pragma once
// The 32-bit millisecond clock of the programs (it wraps after 49.7 days, as the Windows
// one does), and the sleep that waits on it, replaceable in tests.

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

class ITickClock {
public:
    virtual ~ITickClock() = default;
    virtual std::uint32_t Now() = 0;
    // Waits ms milliseconds; the system clock sleeps the thread.
    virtual void Sleep(std::uint32_t ms);
};

// Milliseconds since an arbitrary start, from the system's monotonic clock.
std::uint32_t TickNow();

// Waits ms milliseconds of the clock that TickNow reads.
void TickSleep(std::uint32_t ms);

// Replaces the clock that TickNow reads; nullptr restores the system clock.
void SetTickClock(ITickClock* clock);

// Timers that run on a test clock's time instead of the event loop's: the window timers set while
// a ManualTickClock is installed.
class IClockTimers {
public:
    // When the first of them falls due, on the clock's Elapsed(); nullopt when none runs.
    virtual std::optional<std::uint64_t> NextDue() const = 0;
    // Fires the one that falls due first.
    virtual void FireNext() = 0;
    // The thread slept until elapsed: each that fell due meanwhile fires once, at the next
    // dispatch of events, as the window system delivers one expiry per timer after a block.
    virtual void HoldUntil(std::uint64_t elapsed) = 0;
    // The clock goes: its timers fire no more.
    virtual void ClockGone() = 0;

protected:
    ~IClockTimers() = default;
};

// A clock that a test moves by hand, for the tick count, Sleep and the window timers at once.
class ManualTickClock : public ITickClock {
public:
    explicit ManualTickClock(std::uint32_t start = 0) : m_now(start) {}
    ~ManualTickClock() override;
    ManualTickClock(const ManualTickClock&) = delete;
    ManualTickClock& operator=(const ManualTickClock&) = delete;

    // Read by any thread (the receive thread times its messages on it).
    std::uint32_t Now() override { return m_now.load(); }
    // The thread blocks while the time passes: the timers that fall due wait for the next dispatch.
    void Sleep(std::uint32_t ms) override;
    // The reading jumps; the timers do not see it.
    void Set(std::uint32_t now) { m_now.store(now); }
    // The time passes while the thread waits for events: each timer fires as it falls due, in
    // time order.
    void Advance(std::uint32_t ms);

    // The milliseconds that Advance and Sleep have let pass: the time the timers run on.
    std::uint64_t Elapsed() const { return m_elapsed; }
    void Attach(IClockTimers* timers);
    void Detach(IClockTimers* timers);

private:
    void Pass(std::uint64_t ms);

    std::atomic<std::uint32_t> m_now;
    std::uint64_t m_elapsed = 0;
    std::vector<IClockTimers*> m_timers;
};

// The installed clock when it is a ManualTickClock, else nullptr.
ManualTickClock* InstalledManualClock();

// Installs a clock for the lifetime of the object.
class ScopedTickClock {
public:
    explicit ScopedTickClock(ITickClock& clock) { SetTickClock(&clock); }
    ~ScopedTickClock() { SetTickClock(nullptr); }
    ScopedTickClock(const ScopedTickClock&) = delete;
    ScopedTickClock& operator=(const ScopedTickClock&) = delete;
};

} // namespace platform

// The names the programs' design calls the clock by.
inline std::uint32_t timeGetTime()
{
    return platform::TickNow();
}
inline std::uint32_t GetTickCount()
{
    return platform::TickNow();
}
inline void Sleep(std::uint32_t ms)
{
    platform::TickSleep(ms);
}
