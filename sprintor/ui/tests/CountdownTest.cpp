// The countdown in the dialog, tick by tick: beeps, lamps, requests and pumps, the clock start,
// cancelling.

#include "SprintorDialogFixture.h"
#include "hostlink/testing/SentSoFar.h"

#include <QMouseEvent>

namespace sprintortest {
namespace {

using Countdown = SprintorDialogTest;

// Counts the messages the pump hands out under the name "Probe".
void CountProbe(void* context, std::string*, std::string*, std::string*)
{
    ++*static_cast<int*>(context);
}

TEST_F(Countdown, BeepsLampsRequestsAndPumpsTickByTick)
{
    // Messages waiting in the receive queue show every pump: each one hands out exactly one.
    // The queue keeps 30 at most, so it is topped up as the ticks take them.
    int pumped = 0;
    ASSERT_TRUE(dlg->m_client.RegisterHandler(&pumped, &CountProbe, "Probe"));
    const auto topUp = [&] {
        const int waiting = dlg->m_client.WaitingCount();
        for (int i = waiting; i < 20; ++i)
            host.SendFrame("Probe");
        return WaitUntilWaiting(dlg->m_client, 20);
    };
    ASSERT_TRUE(topUp());
    dlg->m_client.Pump(); // the connection's own event comes first
    ASSERT_EQ(pumped, 0);

    PressStartStop();
    EXPECT_EQ(dlg->m_run.RunState(), AccelerationRun::STATE_ARMED);
    EXPECT_EQ(dlg->m_run.StartTime(), 1000u);
    std::size_t requests = 0, steps = 0;
    std::uint32_t greenAt = 0;
    for (int tick = 1; tick <= 60; ++tick) {
        SCOPED_TRACE(tick);
        ASSERT_TRUE(topUp());
        clock.Advance(50);
        Tick();
        const bool step = tick % 11 == 0 && tick <= 44;
        step ? ++steps : ++requests;
        EXPECT_EQ(sounds.played.size(), steps);
        EXPECT_EQ(pumped, static_cast<int>(requests));
        ASSERT_TRUE(host.WaitForFrames(Connection(), requests));
        EXPECT_TRUE(LampIs(tick < 33   ? dlg->m_bmpLampOff
                           : tick < 44 ? dlg->m_bmpLampAmber
                                       : dlg->m_bmpLampGreen));
        if (tick == 44)
            greenAt = clock.Now();
        EXPECT_EQ(dlg->m_run.StartTime(), tick < 44 ? 1000u : greenAt);
    }
    EXPECT_EQ(sounds.Names(), (QStringList{"Beep.wav", "Beep.wav", "Beep.wav", "Start.wav"}));
    // The clock starts after the start tone has played to its end.
    EXPECT_EQ(greenAt, 1000u + 44 * 50 + 3 * 260 + 130);
    const std::vector<testhost::Frame> frames = SentSoFar(dlg->m_client, host, Connection());
    ASSERT_EQ(frames.size(), requests);
    for (const testhost::Frame& f : frames) {
        EXPECT_EQ(f.name, "DataRequest");
        EXPECT_EQ(f.payload, "");
    }
}

// The requests of the ticks 1 to n of a run: every tick that does not step asks once.
std::size_t RequestsUpTo(int n)
{
    std::size_t requests = 0;
    for (int tick = 1; tick <= n; ++tick)
        requests += tick % 11 == 0 && tick <= 44 ? 0 : 1;
    return requests;
}

TEST_F(Countdown, CancellingAtAnyPointReturnsToIdle)
{
    std::size_t requests = 0;
    for (int cancelAt : {0, 1, 10, 11, 12, 33, 40, 44, 45, 70}) {
        SCOPED_TRACE(cancelAt);
        sounds.played.clear();
        PressStartStop();
        EXPECT_FALSE(dlg->m_editFrom.isEnabled());
        EXPECT_FALSE(dlg->m_editTo.isEnabled());
        EXPECT_FALSE(dlg->m_comboUnit.isEnabled());
        EXPECT_EQ(dlg->m_btnStartStop.text(), QStringLiteral("Abbrechen"));
        Ticks(cancelAt);
        requests += RequestsUpTo(cancelAt);
        const std::size_t played = sounds.played.size();
        PressStartStop();
        EXPECT_EQ(dlg->m_run.RunState(), AccelerationRun::STATE_IDLE);
        EXPECT_FALSE(dlg->m_run.IsRunning());
        EXPECT_EQ(dlg->m_btnStartStop.text(), QStringLiteral("Los!"));
        EXPECT_TRUE(LampIs(dlg->m_bmpLampOff));
        EXPECT_TRUE(dlg->m_editFrom.isEnabled());
        EXPECT_TRUE(dlg->m_editTo.isEnabled());
        EXPECT_TRUE(dlg->m_comboUnit.isEnabled());
        Ticks(50);
        EXPECT_EQ(sounds.played.size(), played) << "idle: no sound";
        EXPECT_EQ(SentSoFar(dlg->m_client, host, Connection()).size(), requests) << "idle: no request";
    }
}

void PostClick(QWidget* widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(at);
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                        Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

// A click on "Abbrechen" while a beep plays: whether it is handled after the stepping tick or,
// should the sound's wait dispatch it, inside it, the cancel stands and the countdown stops.
TEST_F(Countdown, CancellingDuringABeepLeavesTheRunCancelled)
{
    for (const bool dispatchedInside : {false, true}) {
        SCOPED_TRACE(dispatchedInside ? "dispatched inside the sound" : "handled after the tick");
        sounds.played.clear();
        sounds.SetRunsEventLoop(dispatchedInside);
        PressStartStop();
        Ticks(10);
        sounds.SetOnPlay([this] { PostClick(&dlg->m_btnStartStop); });
        Tick();
        sounds.SetOnPlay(nullptr);
        ASSERT_EQ(sounds.played.size(), 1u);
        if (!dispatchedInside) {
            EXPECT_EQ(dlg->m_run.RunState(), AccelerationRun::STATE_BEEP1);
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(dlg->m_run.RunState(), AccelerationRun::STATE_IDLE);
        EXPECT_EQ(dlg->m_btnStartStop.text(), QStringLiteral("Los!"));
        Ticks(50);
        EXPECT_EQ(sounds.played.size(), 1u) << "the countdown went on";
        EXPECT_TRUE(LampIs(dlg->m_bmpLampOff));
    }
}

} // namespace
} // namespace sprintortest
