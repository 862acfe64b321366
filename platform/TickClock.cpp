#include "platform/TickClock.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace platform {
namespace {

std::atomic<ITickClock*> g_clock{nullptr};

void SystemSleep(std::uint32_t ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace

std::uint32_t TickNow()
{
    if (ITickClock* clock = g_clock.load(std::memory_order_acquire))
        return clock->Now();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
    return static_cast<std::uint32_t>(ms.count()); // wraps, as intended
}

void ITickClock::Sleep(std::uint32_t ms)
{
    SystemSleep(ms);
}

void TickSleep(std::uint32_t ms)
{
    if (ITickClock* clock = g_clock.load(std::memory_order_acquire))
        clock->Sleep(ms);
    else
        SystemSleep(ms);
}

void SetTickClock(ITickClock* clock)
{
    g_clock.store(clock, std::memory_order_release);
}

ManualTickClock* InstalledManualClock()
{
    return dynamic_cast<ManualTickClock*>(g_clock.load(std::memory_order_acquire));
}

ManualTickClock::~ManualTickClock()
{
    for (IClockTimers* timers : m_timers)
        timers->ClockGone();
}

void ManualTickClock::Sleep(std::uint32_t ms)
{
    Pass(ms);
    // A copy: holding posts only, but the list must not change under the loop.
    for (IClockTimers* timers : std::vector<IClockTimers*>(m_timers))
        timers->HoldUntil(m_elapsed);
}

void ManualTickClock::Advance(std::uint32_t ms)
{
    const std::uint64_t target = m_elapsed + ms;
    for (;;) {
        IClockTimers* first = nullptr;
        std::uint64_t due = 0;
        for (IClockTimers* timers : m_timers) {
            const std::optional<std::uint64_t> next = timers->NextDue();
            if (next && *next <= target && (!first || *next < due)) {
                first = timers;
                due = *next;
            }
        }
        if (!first)
            break;
        Pass(std::max(due, m_elapsed) - m_elapsed);
        // The handler may set, kill or destroy timers: the search starts again after it.
        first->FireNext();
    }
    Pass(target - m_elapsed);
}

void ManualTickClock::Attach(IClockTimers* timers)
{
    if (std::find(m_timers.begin(), m_timers.end(), timers) == m_timers.end())
        m_timers.push_back(timers);
}

void ManualTickClock::Detach(IClockTimers* timers)
{
    std::erase(m_timers, timers);
}

void ManualTickClock::Pass(std::uint64_t ms)
{
    m_elapsed += ms;
    m_now.fetch_add(static_cast<std::uint32_t>(ms)); // wraps, as intended
}

} // namespace platform
