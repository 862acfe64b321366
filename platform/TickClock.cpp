#include "platform/TickClock.h"

#include <atomic>
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

} // namespace platform
