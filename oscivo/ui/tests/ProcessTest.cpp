// The oscivo program as a process beside the stand-in host on port 2000, the host's lock held
// by the test in its own runtime directory.

#include "hostlink/TelvoFrame.h"
#include "platform/NamedLock.h"
#include "testhost/Drive.h"
#include "testhost/testing/ClaimedHost.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class Process : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Listening()) << host.Failure();
        host->SetReplyPayload(testhost::DrivePayload(testhost::DriveAt(12.0), false));
    }

    // A plug-in started in the start-up directory.
    void Start(QProcess& process)
    {
        process.setWorkingDirectory(dir.path());
        process.start(QStringLiteral(TOOLSET_PROGRAM_OSCIVO), {});
        ASSERT_TRUE(process.waitForStarted());
    }

    platform::NamedLock hostLock{testhost::kHostLockName};
    QTemporaryDir dir;
    // The host's port is claimed, so that test runs side by side take turns.
    testhost::ClaimedHost host{TELVO_HOST_PORT};
};

TEST_F(Process, ASecondInstanceEndsAtOnceWithoutAWindow)
{
    QProcess first;
    Start(first);
    ASSERT_TRUE(host->WaitForConnections(1, 15000)) << "the first instance did not connect";

    QProcess second;
    Start(second);
    EXPECT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(host->ConnectionCount(), 1) << "the second instance connected";
    EXPECT_EQ(first.state(), QProcess::Running);

    host->SendQuitClient();
    EXPECT_TRUE(first.waitForFinished(10000));
}

TEST_F(Process, ShowsTheDriveAndQuitClientEndsItWithItsFilesSaved)
{
    QFile(QDir(dir.path()).filePath("MB-PIPE.TXT")).open(QIODevice::WriteOnly);
    QProcess oscivo;
    Start(oscivo);
    ASSERT_TRUE(host->WaitForConnections(1, 15000));
    ASSERT_TRUE(host->WaitForFrames(0, 25, 15000)) << "no steady poll";
    host->SendQuitClient();
    ASSERT_TRUE(oscivo.waitForFinished(10000));
    EXPECT_EQ(oscivo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(oscivo.exitCode(), 0);

    const QDir start(dir.path());
    EXPECT_TRUE(start.exists("Scaling/Prefs.cfg"));
    EXPECT_TRUE(start.exists("Scaling/Defaults.cfg"));
    EXPECT_TRUE(start.exists("Scaling/123-456-789-AB.SCL"));
    EXPECT_FALSE(start.exists("MB-PIPE.TXT"));
}

} // namespace
