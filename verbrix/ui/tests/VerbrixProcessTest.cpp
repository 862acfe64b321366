// The verbrix program as a process beside the stand-in host on port 2000.

#include "hostlink/TelvoFrame.h"
#include "testhost/ReplyPayload.h"
#include "testhost/testing/ClaimedHost.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

QString ProgramPath()
{
    return QStringLiteral(TOOLSET_PROGRAM_VERBRIX);
}

class VerbrixProcessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Listening()) << host.Failure();
        host->SetReplyPayload(testhost::StandardReply(
            "03L906022  ", {testhost::Entry{5, 0, "50", "km/h"}, testhost::Entry{5, 1, "5", "l/h"}}));
    }

    void TearDown() override
    {
        for (auto& process : processes)
            if (process->state() != QProcess::NotRunning) {
                process->kill();
                process->waitForFinished(5000);
            }
    }

    QProcess& Start()
    {
        processes.push_back(std::make_unique<QProcess>());
        QProcess& process = *processes.back();
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(ProgramPath(), {});
        EXPECT_TRUE(process.waitForStarted(5000)) << ProgramPath().toStdString();
        return process;
    }

    std::size_t RequestCount(int connection) const
    {
        std::size_t n = 0;
        for (const auto& frame : host->Frames(connection))
            n += frame.name == "DataRequest";
        return n;
    }

    testhost::ClaimedHost host{TELVO_HOST_PORT}; // waits while another build's suite claims the port
    std::vector<std::unique_ptr<QProcess>> processes;
};

TEST_F(VerbrixProcessTest, RunsBesideTheHostAndEndsOnQuit)
{
    QProcess& verbrix = Start();
    ASSERT_TRUE(host->WaitForConnections(1, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return RequestCount(0) >= 5; }, 10000));
    EXPECT_EQ(verbrix.state(), QProcess::Running);

    QElapsedTimer sinceQuit;
    sinceQuit.start();
    host->SendQuit();
    ASSERT_TRUE(verbrix.waitForFinished(5000));
    EXPECT_LT(sinceQuit.elapsed(), 5000);
    EXPECT_EQ(verbrix.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(verbrix.exitCode(), 0);
    EXPECT_TRUE(host->WaitForClosed(0));
}

TEST_F(VerbrixProcessTest, TwoInstancesBothRun)
{
    QProcess& first = Start();
    ASSERT_TRUE(host->WaitForConnections(1, 10000));
    QProcess& second = Start();
    ASSERT_TRUE(host->WaitForConnections(2, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return RequestCount(0) >= 5 && RequestCount(1) >= 5; }, 10000));
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_EQ(second.state(), QProcess::Running);

    host->SendQuit();
    EXPECT_TRUE(first.waitForFinished(5000));
    EXPECT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(second.exitCode(), 0);
}

} // namespace
