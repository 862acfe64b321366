// The program as a process: one instance at a time.

#include "hostlink/TelvoFrame.h"
#include "testhost/testing/ClaimedHost.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace {

QString Program()
{
    return QStringLiteral(TOOLSET_PROGRAM_SPRINTOR);
}

TEST(Process, ASecondInstanceEndsAtOnceWithoutAWindow)
{
    const testhost::ClaimedHost host(TELVO_HOST_PORT);
    ASSERT_TRUE(host.Listening()) << host.Failure();
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
