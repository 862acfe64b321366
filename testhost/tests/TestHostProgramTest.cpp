// The testhost program, started as a user would start it.

#include "RawPeer.h"
#include "platform/NamedLock.h"
#include "testhost/TestHost.h"
#include "testhost/testing/PortClaim.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QString Program()
{
    return QStringLiteral(TOOLSET_PROGRAM_TESTHOST);
}

// Asks the host for its status until it has one connection open, for up to 5 s.
bool WaitForOpenConnection(QProcess& host)
{
    QElapsedTimer time;
    time.start();
    while (time.elapsed() < 5000) {
        host.write("status\n");
        if (!host.waitForReadyRead(1000))
            continue;
        QByteArray status = host.readAllStandardOutput();
        while (!status.endsWith('\n') && host.waitForReadyRead(1000))
            status += host.readAllStandardOutput();
        if (status.startsWith("1 connection(s), 1 open\n"))
            return true;
        QThread::msleep(20);
    }
    return false;
}

TEST(TestHostProgram, HelpSaysHowToUseIt)
{
    QProcess p;
    p.start(Program(), {"--help"});
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitCode(), 0);
    const QString help = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(help.contains("Usage: testhost"));
    EXPECT_TRUE(help.contains("--commands"));
}

// A missing or malformed value is named, and the host does not start.
TEST(TestHostProgram, RefusesAPortItCannotRead)
{
    const struct {
        QStringList args;
        const char* message;
    } cases[] = {
        {{"--port"}, "testhost: --port needs a value\n"},
        {{"--obd", "--reply"}, "testhost: --reply needs a value\n"},
        {{"--port", "2000abc"}, "testhost: \"2000abc\" is no port (1 to 65535)\n"},
        {{"--port", ""}, "testhost: \"\" is no port (1 to 65535)\n"},
        {{"--port", "0"}, "testhost: \"0\" is no port (1 to 65535)\n"},
        {{"--port", "65536"}, "testhost: \"65536\" is no port (1 to 65535)\n"},
        {{"--port", "-2000"}, "testhost: \"-2000\" is no port (1 to 65535)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        QProcess p;
        p.start(Program(), c.args);
        ASSERT_TRUE(p.waitForFinished(5000));
        EXPECT_EQ(p.exitCode(), 2);
        EXPECT_TRUE(p.readAllStandardError().startsWith(c.message));
        EXPECT_EQ(p.readAllStandardOutput(), "");
    }
}

// A second host started by hand beside a first says at once that the port is taken.
TEST(TestHostProgram, APortInUseIsReportedAtOnce)
{
    testhost::PortClaim claim(2000);
    ASSERT_TRUE(claim.IsHeld()) << claim.Failure();
    QProcess first;
    first.start(Program(), {"--commands"});
    ASSERT_TRUE(first.waitForReadyRead(5000));
    ASSERT_TRUE(first.readAllStandardOutput().contains("listening on 127.0.0.1 port 2000"));

    QElapsedTimer clock;
    clock.start();
    QProcess second;
    second.start(Program(), {});
    ASSERT_TRUE(second.waitForFinished(5000)) << "the second host waits";
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_EQ(second.readAllStandardError(),
              "testhost: port 2000 is in use (another testhost or the host listens on it)\n");
    EXPECT_EQ(second.readAllStandardOutput(), "");

    EXPECT_EQ(first.state(), QProcess::Running);
    first.write("exit\n");
    ASSERT_TRUE(first.waitForFinished(5000));
    EXPECT_EQ(first.exitCode(), 0);
}

TEST(TestHostProgram, HoldsTheHostLockAndPlaysTheDrive)
{
    testhost::PortClaim claim(2000);
    ASSERT_TRUE(claim.IsHeld()) << claim.Failure();
    ASSERT_FALSE(platform::NamedLock::Exists(testhost::kHostLockName));
    QProcess p;
    p.start(Program(), {"--commands"});
    ASSERT_TRUE(p.waitForReadyRead(5000));
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput()).contains("port 2000"));
    EXPECT_TRUE(platform::NamedLock::Exists(testhost::kHostLockName));

    RawPeer peer(2000);
    ASSERT_TRUE(peer.Connected());
    peer.Send("DataRequest,1,0\n\n\n");
    const std::string reply = peer.ReadFrames(1);
    EXPECT_EQ(reply.rfind("DataReply,1,0\n123 456 789 AB,G001,F0,", 0), 0u) << reply;
    EXPECT_NE(reply.find(", km/h,G001,F2,"), std::string::npos) << reply;
    EXPECT_NE(reply.find(", l/h,G001,F3,"), std::string::npos) << reply;
    EXPECT_NE(reply.find(" \xB0"
                         "C,G000,,,,"),
              std::string::npos)
        << reply;

    p.write("quit\n");
    p.waitForBytesWritten(1000);
    EXPECT_EQ(peer.ReadFrames(2), reply + "Quit,1,0\n\n\n");
    p.write("exit\n");
    p.waitForBytesWritten(1000);
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_FALSE(platform::NamedLock::Exists(testhost::kHostLockName));
}

TEST(TestHostProgram, FloodsThePlugInsWithReplies)
{
    testhost::PortClaim claim(2000);
    ASSERT_TRUE(claim.IsHeld()) << claim.Failure();
    QProcess p;
    p.start(Program(), {"--commands", "--reply", "v"});
    ASSERT_TRUE(p.waitForReadyRead(5000));
    p.readAllStandardOutput();
    RawPeer peer(2000);
    ASSERT_TRUE(peer.Connected());
    // A flood goes to the connections the host has accepted; under load it accepts later than
    // the peer's connect returns.
    ASSERT_TRUE(WaitForOpenConnection(p));

    for (const char* wrong : {"flood 0\n", "flood 100001\n", "flood x\n", "flood 5x\n"}) {
        p.write(wrong);
        ASSERT_TRUE(p.waitForReadyRead(5000)) << wrong;
        EXPECT_EQ(p.readAllStandardOutput(), "flood needs a count from 1 to 100000\n") << wrong;
    }
    p.write("flood 10000\n");
    p.waitForBytesWritten(1000);
    const std::string received = peer.ReadFrames(10000, 10000);
    EXPECT_TRUE(received == testhost::FloodBytes("DataReply", "v", 10000)) << received.size() << " bytes";

    p.write("exit\n");
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitCode(), 0);
}

} // namespace
