#pragma once
// The 32-bit millisecond clock of the programs (it wraps after 49.7 days, as the Windows
// one does), and the sleep that waits on it, replaceable in tests.

#include <cstdint>

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

// A clock that a test sets by hand; a sleep lets its time pass at once.
class ManualTickClock : public ITickClock {
public:
    explicit ManualTickClock(std::uint32_t start = 0) : m_now(start) {}
    std::uint32_t Now() override { return m_now; }
    void Sleep(std::uint32_t ms) override { m_now += ms; }
    void Set(std::uint32_t now) { m_now = now; }
    void Advance(std::uint32_t ms) { m_now += ms; }

private:
    std::uint32_t m_now;
};

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
