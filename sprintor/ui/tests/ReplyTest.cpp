// What the dialog shows of the host's replies: the result box and label, the box of a reply
// error and the link after it, and the replies a new run must not see.

#include "SprintorDialogFixture.h"

#include <QDeadlineTimer>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

namespace sprintortest {
namespace {

using Replies = SprintorDialogTest;

const std::string kFirst = SpeedReply("57");

TEST_F(Replies, TheResultBoxAndLabelAndTheLinkAfterAnError)
{
    ArmAndCountDown();
    Reply(kFirst);
    Reply(SpeedReply("0"));
    clock.Advance(5000);
    Reply(SpeedReply("105"));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Beschleunigung von 0 auf 100 dauerte 5.00 Sekunden."));
    EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("Sprintor"));
    EXPECT_EQ(boxes.Boxes()[0].flags, MB_OK);
    ASSERT_EQ(dlg->m_graph.m_texts.size(), 1u);
    EXPECT_EQ(dlg->m_graph.m_texts[0].text, boxes.Boxes()[0].text);
    EXPECT_FLOAT_EQ(dlg->m_graph.m_texts[0].x, 1.5f);
    EXPECT_FLOAT_EQ(dlg->m_graph.m_texts[0].y, 100.0f);
    EXPECT_EQ(Points(), 2u);
    EXPECT_EQ(dlg->m_run.RunState(), AccelerationRun::STATE_IDLE);
    EXPECT_EQ(dlg->m_btnStartStop.text(), QStringLiteral("Los!"));
    EXPECT_TRUE(dlg->m_editFrom.isEnabled());
    EXPECT_TRUE(LampIs(dlg->m_bmpLampOff));
    EXPECT_TRUE(dlg->m_client.IsConnected()) << "a completed run keeps the link";

    // A new run clears curve and label; a reply error disconnects, the next start connects again.
    boxes.Clear();
    ArmAndCountDown();
    EXPECT_TRUE(dlg->m_graph.m_texts.empty());
    EXPECT_EQ(Points(), 0u);
    EXPECT_EQ(dlg->m_graph.m_fXMax, 15.0f);
    Reply("");
    EXPECT_FALSE(dlg->m_client.IsConnected());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text,
              QStringLiteral("Hm, what's this? We acquired some sort of data containing "
                             "vehicle speed... Auf deutsch: komische Daten kommen an."));
    EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("Sprintor"));
    EXPECT_EQ(dlg->m_btnStartStop.text(), QStringLiteral("Los!"));
    EXPECT_TRUE(dlg->m_comboUnit.isEnabled());
    const int connections = host.ConnectionCount();
    PressStartStop();
    EXPECT_TRUE(dlg->m_client.IsConnected());
    EXPECT_TRUE(host.WaitForConnections(connections + 1));
}

// Counts the messages the pump hands out under the name "Probe".
void CountProbe(void* context, std::string*, std::string*, std::string*)
{
    ++*static_cast<int*>(context);
}

// After a cancel and a switch of measuring block in the host, a reply to a request of the
// earlier run waited in the queue and picked the speed field of this run: "Los!" removes the
// waiting replies, and only them.
TEST_F(Replies, LosRemovesTheRepliesOfAnEarlierRun)
{
    int probes = 0;
    ASSERT_TRUE(dlg->m_client.RegisterHandler(&probes, &CountProbe, "Probe"));
    dlg->m_comboUnit.setCurrentIndex(dlg->m_comboUnit.findText(QStringLiteral("mph")));
    // Waiting while idle: a stale reply of a block with the engine speed beside "mph" (a reply
    // of this block would put the speed in field 3), another message, one more stale reply.
    host.SendFrame("DataReply", SpeedReply("4000", "mph"));
    host.SendFrame("Probe");
    host.SendFrame("DataReply", SpeedReply("4000", "mph"));
    ASSERT_TRUE(WaitUntilWaiting(dlg->m_client, 4)) << "the connection's event and the three";

    PressStartStop();
    Ticks(5);
    EXPECT_EQ(probes, 1) << "other messages stay";
    EXPECT_EQ(dlg->m_run.SpeedColumn(), -1) << "a stale reply was taken";
    EXPECT_TRUE(boxes.Boxes().empty());

    // The first reply of this run, a second after "Los!", is the one that finds the field.
    host.SendFrame("DataReply",
                   testhost::StandardReply("123 456 789 AB", {testhost::Entry{1, 0, "55", "mph"}}));
    ASSERT_TRUE(WaitUntilWaiting(dlg->m_client, 1));
    clock.Advance(1000);
    Ticks(1);
    EXPECT_EQ(dlg->m_run.SpeedColumn(), 3);
    EXPECT_TRUE(dlg->isVisible());
}

// A host that answers late (the parameter, in ms): after "Abbrechen", a switch of measuring
// block in the host and "Los!" 50 ms later, the replies to the cancelled run's last requests
// are still on their way. Taken for this run's first reply, one of them put the speed field on
// the new block's engine speed: the run never ended and showed nothing.
class LateHost : public SprintorDialogTest, public ::testing::WithParamInterface<int> {
protected:
    // A tick of the timer while the host answers: 50 ms later on the test clock, and in real
    // time at once when a message waits for it, else after 50 ms, as the replies come.
    void HostTick()
    {
        WaitUntilWaiting(dlg->m_client, 1, 50);
        clock.Advance(50);
        Tick();
    }
    // Ticks so until done or timeoutMs of real time have passed.
    bool TickUntil(const std::function<bool()>& done, int timeoutMs)
    {
        const QDeadlineTimer deadline(timeoutMs);
        while (!done() && !deadline.hasExpired())
            HostTick();
        return done();
    }
};

TEST_P(LateHost, ARunAfterACancelAndASwitchOfBlockTakesTheSpeedFromItsOwnReplies)
{
    // The first block has the engine speed before the road speed (field 7), the second the road
    // speed (field 3) before an engine speed of 4000 /min. The car rolls at first, then stands.
    // The host's thread shares what it measures with the test for as long as it may answer.
    struct Measured {
        std::atomic<bool> secondBlock{false};
        std::atomic<int> speed{0};
    };
    const auto measured = std::make_shared<Measured>();
    host.SetReplyDelay(GetParam());
    host.SetReplyScript([measured](int, int, const testhost::Frame&) -> std::optional<testhost::Reply> {
        if (!measured->secondBlock)
            return testhost::Reply{SpeedReply("30")};
        return testhost::Reply{testhost::StandardReply(
            "123 456 789 AB", {testhost::Entry{2, 0, std::to_string(measured->speed.load()), "km/h"},
                               testhost::Entry{2, 1, "4000", "/min"}})};
    });
    host.SetSilent(false);

    PressStartStop();
    for (int i = 0; i < 12; ++i)
        HostTick();
    PressStartStop(); // "Abbrechen", right after a tick that asked for values
    measured->secondBlock = true;
    QThread::msleep(50);
    clock.Advance(50);
    PressStartStop();

    ASSERT_TRUE(TickUntil([&] { return dlg->m_run.SpeedColumn() != -1 || !boxes.Boxes().empty(); }, 3000));
    EXPECT_EQ(dlg->m_run.SpeedColumn(), 3);
    // The rest of the countdown needs no reply: its ticks run on the test clock alone. Then the
    // run sees the car stand at the start speed before it drives off.
    for (int i = 0; i < 44 && dlg->m_run.RunState() != AccelerationRun::STATE_MEASURING; ++i) {
        clock.Advance(50);
        Tick();
    }
    ASSERT_EQ(dlg->m_run.RunState(), AccelerationRun::STATE_MEASURING);
    ASSERT_TRUE(TickUntil([&] { return Points() > 0 && LastPoint().y == 0.0f; }, 5000));
    measured->speed = 120;
    ASSERT_TRUE(TickUntil([&] { return !boxes.Boxes().empty(); }, 5000)) << "the run never ended";
    EXPECT_TRUE(boxes.Boxes()[0].text.startsWith(QStringLiteral("Beschleunigung von 0 auf 100 dauerte ")))
        << boxes.Boxes()[0].text.toStdString();
    // The curve holds road speeds, none of them the engine's 4000 /min.
    const std::vector<GraphPoint>& points = dlg->m_graph.m_series.at(0).m_points;
    ASSERT_FALSE(points.empty());
    for (const GraphPoint& point : points)
        EXPECT_TRUE(point.y == 0.0f || point.y == 120.0f) << point.y;
    EXPECT_EQ(points.back().y, 120.0f);
}

INSTANTIATE_TEST_SUITE_P(AtOnceAnd400MsLate, LateHost, ::testing::Values(0, 400));

} // namespace
} // namespace sprintortest
