// The verbrix program beside a stand-in host on port 2000 that floods it.

#include "hostlink/TelvoFrame.h"
#include "testhost/ReplyPayload.h"
#include "testhost/testing/ClaimedHost.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <algorithm>
#include <gtest/gtest.h>

namespace {

const std::string kPayload = testhost::StandardReply(
    "03L906022  ", {testhost::Entry{5, 0, "50", "km/h"}, testhost::Entry{5, 1, "5", "l/h"}});

// Resident memory of a process in kB, 0 when it cannot be read.
long ResidentKb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// Whether every byte sent on a connection of the port has been taken by its reader: no
// established connection from or to it in this network namespace holds bytes that are not yet
// acknowledged or not yet read.
bool PortDrained(int port)
{
    QFile tcp(QStringLiteral("/proc/net/tcp"));
    if (!tcp.open(QIODevice::ReadOnly))
        return false;
    tcp.readLine(); // the column names
    for (QByteArray line = tcp.readLine(); !line.isEmpty(); line = tcp.readLine()) {
        // "sl local_address rem_address st tx_queue:rx_queue ...", addresses as "IP:PORT" in hex
        const QList<QByteArray> columns = line.simplified().split(' ');
        if (columns.size() < 5 || columns[3] != "01") // established
            continue;
        const auto portOf = [](const QByteArray& address) {
            return address.split(':').value(1).toInt(nullptr, 16);
        };
        if (portOf(columns[1]) != port && portOf(columns[2]) != port)
            continue;
        const QList<QByteArray> queues = columns[4].split(':');
        if (queues.value(0).toLongLong(nullptr, 16) != 0 || queues.value(1).toLongLong(nullptr, 16) != 0)
            return false;
    }
    return true;
}

class VerbrixFloodTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(host.Listening()) << host.Failure();
        host->SetReplyPayload(kPayload);
        const QString program = QStringLiteral(TOOLSET_PROGRAM_VERBRIX);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        // Under AddressSanitizer freed memory is held back for a while; here it would look
        // like growth.
        environment.insert("ASAN_OPTIONS", "quarantine_size_mb=1");
        verbrix.setProcessEnvironment(environment);
        verbrix.setProcessChannelMode(QProcess::ForwardedChannels);
        verbrix.start(program, {});
        ASSERT_TRUE(verbrix.waitForStarted(5000)) << program.toStdString();
        ASSERT_TRUE(host->WaitForConnections(1, 10000));
        // Running: it has asked for values a few times.
        ASSERT_TRUE(host->WaitForFrames(0, 5, 10000));
    }

    void TearDown() override
    {
        if (verbrix.state() != QProcess::NotRunning) {
            verbrix.kill();
            verbrix.waitForFinished(5000);
        }
    }

    // The highest resident memory seen while the host writes and until Verbrix has read it all.
    long PeakResidentKb()
    {
        long peak = 0;
        QElapsedTimer clock;
        clock.start();
        bool written = false;
        for (;;) {
            const bool read = written && PortDrained(TELVO_HOST_PORT);
            peak = std::max(peak, ResidentKb(verbrix.processId()));
            if (read)
                return peak;
            if (clock.elapsed() > 30000) {
                ADD_FAILURE() << "the flood was not read within 30 s";
                return peak;
            }
            written = written || host->Flush(0);
            QTest::qWait(50);
        }
    }

    testhost::ClaimedHost host{TELVO_HOST_PORT}; // waits while another build's suite claims the port
    QProcess verbrix;
};

TEST_F(VerbrixFloodTest, AQuitBehindTenThousandRepliesEndsItWithinTwoSeconds)
{
    const std::size_t requestsBefore = host->FrameCount(0);
    host->SendRaw(testhost::FloodBytes("DataReply", kPayload, 10000));
    QElapsedTimer sinceQuit;
    sinceQuit.start();
    host->SendQuit();
    ASSERT_TRUE(verbrix.waitForFinished(10000));
    EXPECT_EQ(verbrix.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(verbrix.exitCode(), 0);
    // Verbrix asks once a tick of 50 ms: the Quit was handled within the 30 ticks that the
    // waiting messages take (1.5 s), and a few more while the flood came in. The time itself
    // gets a wide margin, as the machine may be busy.
    EXPECT_LE(host->FrameCount(0) - requestsBefore, 40u);
    EXPECT_LT(sinceQuit.elapsed(), 5000);
}

TEST_F(VerbrixFloodTest, MemoryStaysFlatUnderFloodsOfRepliesAndOfStopRequests)
{
    QTest::qWait(500);
    const long before = ResidentKb(verbrix.processId());
    ASSERT_GT(before, 0);
    // About 16 MB of replies, then 9 MB of requests Verbrix has no handler for; kept, they
    // would take some 25 and 50 MB.
    for (int i = 0; i < 10; ++i)
        host->SendRaw(testhost::FloodBytes("DataReply", kPayload, 10000));
    const long afterReplies = PeakResidentKb();
    for (int i = 0; i < 10; ++i)
        host->SendRaw(testhost::FloodBytes("StopRequest", "", 50000));
    const long afterStops = PeakResidentKb();
    EXPECT_LT(afterReplies - before, 8 * 1024) << before << " kB before, " << afterReplies << " kB after";
    EXPECT_LT(afterStops - before, 8 * 1024) << before << " kB before, " << afterStops << " kB after";

    host->SendQuit();
    EXPECT_TRUE(verbrix.waitForFinished(10000));
}

} // namespace
