// The dialog running on its own timer and clock against the stand-in host: a whole run from
// the press of "Los!" to the result, and the host's "Quit".

#include "SprintorDialogFixture.h"
#include "hostlink/testing/SentSoFar.h"

#include <QRegularExpression>

#include <algorithm>
#include <chrono>

namespace sprintortest {
namespace {

class EndToEnd : public ::testing::Test {
protected:
    EndToEnd() : sounds(true) { InstallSprintorStrings(); }

    void SetUp() override
    {
        ASSERT_NE(host.Port(), 0);
        dlg = std::make_unique<CSprintorDlg>(host.Port());
        dlg->show();
        ASSERT_TRUE(host.WaitForConnections(1));
    }

    testhost::TestHost host;
    platform::RecordingSoundPlayer sounds; // waits each sound's length, as a sound card would
    platform::RecordingMessageBox boxes;
    std::unique_ptr<CSprintorDlg> dlg;
};

// The drive: standing for the countdown and a second after it, then 4 km/h more per reply up to
// 110 km/h.
constexpr int kStandingReplies = 60;
int DriveSpeed(int request)
{
    return std::min(110, std::max(0, request - kStandingReplies) * 4);
}

TEST_F(EndToEnd, ARunFromZeroToOneHundredIsTimedByTheHostsReplies)
{
    host.SetReplyScript([](int, int request, const testhost::Frame&) -> std::optional<testhost::Reply> {
        return testhost::Reply{SpeedReply(std::to_string(DriveSpeed(request)))};
    });
    QTest::mouseClick(&dlg->m_btnStartStop, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !boxes.Boxes().empty(); }, 60000));
    const QString text = boxes.Boxes()[0].text;
    const QRegularExpressionMatch m =
        QRegularExpression(
            QStringLiteral("^Beschleunigung von 0 auf 100 dauerte (\\d+\\.\\d\\d) Sekunden\\.$"))
            .match(text);
    ASSERT_TRUE(m.hasMatch()) << text.toStdString();

    // The clock ran from the last standing reply to the first one above 100 km/h.
    int lastStanding = kStandingReplies, firstAbove = kStandingReplies;
    while (DriveSpeed(firstAbove) <= 100)
        ++firstAbove;
    const std::vector<testhost::Clock::time_point> sent = host.ReplyTimes(0);
    ASSERT_GT(sent.size(), static_cast<std::size_t>(firstAbove));
    const double hostSeconds = std::chrono::duration<double>(sent[firstAbove] - sent[lastStanding]).count();
    EXPECT_NEAR(m.captured(1).toDouble(), hostSeconds, 0.5);
    EXPECT_GT(hostSeconds, 1.0);

    EXPECT_EQ(sounds.played.size(), 4u);
    EXPECT_EQ(dlg->m_run.RunState(), AccelerationRun::STATE_IDLE);
    const std::vector<GraphPoint>& points = dlg->m_graph.m_series.at(0).m_points;
    ASSERT_EQ(points.size(), static_cast<std::size_t>(firstAbove - lastStanding + 1));
    EXPECT_EQ(points.front().x, 0.0f);
    EXPECT_EQ(points.front().y, 0.0f);
    EXPECT_FLOAT_EQ(points.back().y, static_cast<float>(DriveSpeed(firstAbove)));
    EXPECT_NEAR(points.back().x, m.captured(1).toDouble(), 0.01);
    ASSERT_EQ(dlg->m_graph.m_texts.size(), 1u);
    EXPECT_EQ(dlg->m_graph.m_texts[0].text, text);
    EXPECT_TRUE(dlg->isVisible());
}

TEST_F(EndToEnd, AQuitDuringARunClosesTheDialog)
{
    host.SetReplyPayload(SpeedReply("0"));
    QTest::mouseClick(&dlg->m_btnStartStop, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return host.Frames(0).size() >= 3; }, 10000));
    host.SendQuit();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg->isVisible(); }, 10000));
    EXPECT_TRUE(host.WaitForClosed(0));
    EXPECT_TRUE(boxes.Boxes().empty());
}

// While idle nothing is pumped: the host's "Quit" waits for the next "Los!".
TEST_F(EndToEnd, AQuitWhileIdleClosesTheDialogAtTheNextStart)
{
    host.SetReplyPayload(SpeedReply("0"));
    host.SendQuit();
    ASSERT_TRUE(WaitUntilWaiting(dlg->m_client, 2)) << "the connection's event and the Quit";
    QTest::qWait(250); // five ticks of the timer
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->m_client.WaitingCount(), 2);
    EXPECT_TRUE(SentSoFar(dlg->m_client, host, 0).empty());
    QTest::mouseClick(&dlg->m_btnStartStop, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !dlg->isVisible(); }, 10000));
    EXPECT_TRUE(host.WaitForClosed(0));
}

} // namespace
} // namespace sprintortest
