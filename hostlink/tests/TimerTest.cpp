// The tick timer on a test clock: its ticks, the re-entry guard, its ids, Stop and its end.

#include "hostlink/Timer.h"

#include "platform/MessageBox.h"
#include "platform/TickClock.h"
#include "platform/testing/RecordingMessageBox.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

struct Ticks {
    std::vector<std::uint32_t> at; // the clock's time of each call
    bool inside = false;
    bool reentered = false;
    std::function<void()> onTick;
};

void OnTick(void* context, UINT message, WPARAM, LPARAM)
{
    auto* ticks = static_cast<Ticks*>(context);
    EXPECT_EQ(message, WM_TIMER);
    ticks->reentered |= ticks->inside;
    ticks->inside = true;
    ticks->at.push_back(GetTickCount());
    if (ticks->onTick)
        ticks->onTick();
    ticks->inside = false;
}

// The times of a tick every period from first to last.
std::vector<std::uint32_t> Every(std::uint32_t period, std::uint32_t first, std::uint32_t last)
{
    std::vector<std::uint32_t> at;
    for (std::uint32_t t = first; t <= last; t += period)
        at.push_back(t);
    return at;
}

class Timer : public ::testing::Test {
protected:
    platform::ManualTickClock clock;
    platform::ScopedTickClock useClock{clock};
    Ticks ticks;
};

TEST_F(Timer, AMessageBoxInTheCallbackHoldsTheTicksUntilItCloses)
{
    platform::RecordingMessageBox box;
    box.SetHoldMs(600);
    ticks.onTick = [&] {
        if (ticks.at.size() == 1)
            platform::ShowMessageBox(nullptr, "Text", "Caption");
    };
    CTimer timer;
    ASSERT_EQ(timer.Start(&ticks, &OnTick, 50), TRUE);
    clock.Advance(1650);

    ASSERT_EQ(box.Boxes().size(), 1u);
    EXPECT_FALSE(ticks.reentered);
    // Open from 50 to 650: the ticks meanwhile are dropped, then they come at the period again.
    std::vector<std::uint32_t> expected = {50};
    for (const std::uint32_t t : Every(50, 700, 1650))
        expected.push_back(t);
    EXPECT_EQ(ticks.at, expected);
}

TEST_F(Timer, ATickWhileTheCallbackRunsIsDropped)
{
    CTimer timer;
    timer.Start(&ticks, &OnTick, 100000);
    ticks.onTick = [&] { timer.OnTimer(timer.m_nTimerId); };
    timer.OnTimer(timer.m_nTimerId);
    EXPECT_EQ(ticks.at.size(), 1u);
    EXPECT_FALSE(ticks.reentered);
    EXPECT_EQ(timer.m_bBusy, FALSE);
}

TEST_F(Timer, IdsComeFromTheProcessCounterAndOnlyTheStartedOneCalls)
{
    CTimer::SetNextTimerId(10);
    CTimer timer;
    EXPECT_EQ(timer.m_nTimerId, 0u);
    timer.Start(&ticks, &OnTick, 100000);
    EXPECT_EQ(timer.m_nTimerId, 10u);
    timer.Start(&ticks, &OnTick, 100000); // a further timer; the first is not stopped
    EXPECT_EQ(timer.m_nTimerId, 11u);
    timer.OnTimer(10);
    EXPECT_TRUE(ticks.at.empty());
    timer.OnTimer(11);
    EXPECT_EQ(ticks.at.size(), 1u);
}

TEST_F(Timer, StopEndsTheTicksAndKeepsTheId)
{
    CTimer timer;
    timer.Start(&ticks, &OnTick, 20);
    clock.Advance(200);
    EXPECT_EQ(ticks.at, Every(20, 20, 200));
    const UINT id = timer.m_nTimerId;
    timer.Stop();
    clock.Advance(200);
    EXPECT_EQ(ticks.at.size(), 10u);
    EXPECT_EQ(timer.m_nTimerId, id);
}

TEST_F(Timer, DestroyedItTicksNoMore)
{
    auto timer = std::make_unique<CTimer>();
    timer->Start(&ticks, &OnTick, 20);
    clock.Advance(40);
    timer.reset();
    clock.Advance(200);
    EXPECT_EQ(ticks.at, Every(20, 20, 40));
}

TEST_F(Timer, AnOlderTimerStillRunningCallsNothing)
{
    CTimer timer;
    timer.Start(&ticks, &OnTick, 20);
    timer.Start(&ticks, &OnTick, 100000);
    clock.Advance(300);
    EXPECT_TRUE(ticks.at.empty());
}

} // namespace
