// The testhost program, started as a user would start it.

#include "RawPeer.h"
#include "platform/NamedLock.h"
#include "testhost/TestHost.h"

#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

namespace {

QString Program()
{
    return QString::fromLocal8Bit(qgetenv("TOOLSET_BIN")) + "/testhost";
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

TEST(TestHostProgram, HoldsTheHostLockAndPlaysTheDrive)
{
    ASSERT_FALSE(platform::NamedLock::Exists(testhost::kHostLockName));
    QProcess p;
    p.start(Program(), {"--commands"});
    ASSERT_TRUE(p.waitForReadyRead(300000)); // other test runs may hold the port a while
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
    QProcess p;
    p.start(Program(), {"--commands", "--reply", "v"});
    ASSERT_TRUE(p.waitForReadyRead(300000)); // other test runs may hold the port a while
    p.readAllStandardOutput();
    RawPeer peer(2000);
    ASSERT_TRUE(peer.Connected());

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
