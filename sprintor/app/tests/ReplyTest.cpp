// What the dialog shows of the host's replies: the result box and label, the box of a reply
// error and the link after it, and the replies a new run must not see.

#include "SprintorDialogFixture.h"

#include <QThread>

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
    ASSERT_TRUE(host.Flush());
    QThread::msleep(300);

    PressStartStop();
    Ticks(5);
    EXPECT_EQ(probes, 1) << "other messages stay";
    EXPECT_EQ(dlg->m_run.SpeedColumn(), -1) << "a stale reply was taken";
    EXPECT_TRUE(boxes.Boxes().empty());

    // The first reply of this run is the one that finds the field.
    host.SendFrame("DataReply",
                   testhost::StandardReply("123 456 789 AB", {testhost::Entry{1, 0, "55", "mph"}}));
    ASSERT_TRUE(host.Flush());
    QThread::msleep(300);
    Ticks(1);
    EXPECT_EQ(dlg->m_run.SpeedColumn(), 3);
    EXPECT_TRUE(dlg->isVisible());
}

} // namespace
} // namespace sprintortest
