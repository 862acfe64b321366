#pragma once
// For tests of windows that tick: waits until a condition holds, with the event loop running so
// that what a peer sends arrives. On an installed test clock, each round lets one step of its
// time pass, so that the windows' timers fire without a real wait for them.

#include "platform/TickClock.h"

#include <QDeadlineTimer>
#include <QTest>

#include <cstdint>
#include <functional>

namespace platform {

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

} // namespace platform
