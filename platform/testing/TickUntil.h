#pragma once
// For tests of windows that tick: waits with the event loop running, so that what a peer sends
// arrives. On an installed test clock, each round lets one step of its time pass, so that the
// windows' timers fire without a real wait for them.

#include "platform/TickClock.h"

#include <QDeadlineTimer>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <functional>

namespace platform {

// Until the condition holds, at most timeoutMs of real time.
inline bool TickUntil(const std::function<bool()>& condition, std::uint32_t stepMs, int timeoutMs = 5000)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        if (ManualTickClock* clock = InstalledManualClock())
            clock->Advance(stepMs);
        QTest::qWait(1);
    }
    return true;
}

// Lets ms of the clock pass in steps, the event loop running between them.
inline void TickFor(ManualTickClock& clock, std::uint32_t ms, std::uint32_t stepMs)
{
    for (std::uint32_t passed = 0; passed < ms; passed += stepMs) {
        clock.Advance(std::min(stepMs, ms - passed));
        QTest::qWait(1);
    }
}

} // namespace platform
