// The program as a process: one instance at a time.

#include "testhost/TestHost.h"

#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>
#include <memory>

namespace {

// The stand-in host on port 2000. Test runs of other builds on this machine may hold the port
// for a while, so the bind is retried for up to two minutes.
std::unique_ptr<testhost::TestHost> HostOnPort2000()
{
    auto host = std::make_unique<testhost::TestHost>(2000);
    for (int attempt = 0; attempt < 1200 && host->Port() != 2000; ++attempt) {
        host.reset();
        QThread::msleep(100);
        host = std::make_unique<testhost::TestHost>(2000);
    }
    return host;
}

QString Program()
{
    return qEnvironmentVariable("TOOLSET_BIN") + QStringLiteral("/sprintor");
}

TEST(Process, ASecondInstanceEndsAtOnceWithoutAWindow)
{
    const std::unique_ptr<testhost::TestHost> host = HostOnPort2000();
    ASSERT_EQ(host->Port(), 2000);
    QProcess first;
    first.start(Program(), {});
    ASSERT_TRUE(first.waitForStarted());
    ASSERT_TRUE(host->WaitForConnections(1, 15000)) << "the first instance did not connect";

    QProcess second;
    second.start(Program(), {});
    ASSERT_TRUE(second.waitForStarted());
    EXPECT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(host->ConnectionCount(), 1) << "the second instance connected";
    EXPECT_EQ(first.state(), QProcess::Running);

    first.terminate();
    EXPECT_TRUE(first.waitForFinished(10000));

    // With the first gone, a new instance runs.
    QProcess third;
    third.start(Program(), {});
    ASSERT_TRUE(third.waitForStarted());
    EXPECT_TRUE(host->WaitForConnections(2, 15000));
    third.terminate();
    EXPECT_TRUE(third.waitForFinished(10000));
}

} // namespace
