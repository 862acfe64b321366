#include "hostlink/Timer.h"

#include "platform/MessageBox.h"
#include "platform/testing/RecordingMessageBox.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Ticks {
    QElapsedTimer clock;
    std::vector<qint64> at;
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
    ticks->at.push_back(ticks->clock.elapsed());
    if (ticks->onTick)
        ticks->onTick();
    ticks->inside = false;
}

TEST(Timer, AMessageBoxInTheCallbackHoldsTheTicksUntilItCloses)
{
    platform::RecordingMessageBox box;
    box.SetHoldMs(600);
    Ticks ticks;
    ticks.onTick = [&] {
        if (ticks.at.size() == 1)
            platform::ShowMessageBox(nullptr, "Text", "Caption");
    };
    CTimer timer;
    ticks.clock.start();
    ASSERT_EQ(timer.Start(&ticks, &OnTick, 50), TRUE);
    QTest::qWait(1800);
    timer.Stop();

    ASSERT_EQ(box.Boxes().size(), 1u);
    EXPECT_FALSE(ticks.reentered);
    ASSERT_GE(ticks.at.size(), 3u);
    EXPECT_GE(ticks.at[1] - ticks.at[0], 600); // nothing while the box was open
    // Then ticks resume at the period: about 20 in the second after the box; wide margin.
    const qint64 closed = ticks.at[1];
    const auto after = std::count_if(ticks.at.begin(), ticks.at.end(),
                                     [&](qint64 t) { return t > closed && t <= closed + 1000; });
    EXPECT_GE(after, 8);
}

TEST(Timer, ATickWhileTheCallbackRunsIsDropped)
{
    Ticks ticks;
    CTimer timer;
    timer.Start(&ticks, &OnTick, 100000);
    ticks.onTick = [&] { timer.OnTimer(timer.m_nTimerId); };
    timer.OnTimer(timer.m_nTimerId);
    EXPECT_EQ(ticks.at.size(), 1u);
    EXPECT_FALSE(ticks.reentered);
    EXPECT_EQ(timer.m_bBusy, FALSE);
}

TEST(Timer, IdsComeFromTheProcessCounterAndOnlyTheStartedOneCalls)
{
    CTimer::SetNextTimerId(10);
    Ticks ticks;
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

TEST(Timer, StopEndsTheTicksAndKeepsTheId)
{
    Ticks ticks;
    ticks.clock.start();
    CTimer timer;
    timer.Start(&ticks, &OnTick, 20);
    QTest::qWait(200);
    ASSERT_FALSE(ticks.at.empty());
    const UINT id = timer.m_nTimerId;
    timer.Stop();
    const std::size_t count = ticks.at.size();
    QTest::qWait(200);
    EXPECT_EQ(ticks.at.size(), count);
    EXPECT_EQ(timer.m_nTimerId, id);
}

TEST(Timer, AnOlderTimerStillRunningCallsNothing)
{
    Ticks ticks;
    ticks.clock.start();
    CTimer timer;
    timer.Start(&ticks, &OnTick, 20);
    timer.Start(&ticks, &OnTick, 100000);
    QTest::qWait(300);
    EXPECT_TRUE(ticks.at.empty());
}

} // namespace
