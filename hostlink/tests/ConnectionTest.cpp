// Connecting, losing and closing the link, over real TCP.

#include "LinkFixture.h"
#include "hostlink/ConEvent.h"
#include "hostlink/TelvoFrame.h"

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

using testhost::CloseMode;

std::vector<std::string> Events(const Recorder& recorder)
{
    std::vector<std::string> events;
    for (const Handled& m : recorder.messages) {
        if (m.name == "ConEvent")
            events.push_back(ConEventName(m.payload));
    }
    return events;
}

class PeerCloses : public LinkTest, public ::testing::WithParamInterface<CloseMode> {};

TEST_P(PeerCloses, RaisesOneDropAndStaysMarkedConnected)
{
    Connect();
    host.CloseConnection(0, GetParam());
    ASSERT_TRUE(client.WaitReceived(2));
    // The drop ends the thread: what it handed over is all there will be.
    ASSERT_TRUE(ThreadEnds(client.ReceiveThread()));
    PumpAll(client);
    EXPECT_EQ(Events(recorder), std::vector<std::string>{"EVT_CON_DROP"});
    EXPECT_EQ(client.IsConnected(), TRUE);
    client.Disconnect();
    EXPECT_EQ(client.IsConnected(), FALSE);
    EXPECT_EQ(client.IsThreadRunning(), FALSE);
    PumpAll(client);
    EXPECT_EQ(Events(recorder).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(FinAndRst, PeerCloses, ::testing::Values(CloseMode::Fin, CloseMode::Rst));

TEST_F(LinkTest, DisconnectingRaisesNoEventAndTheStateIsReadSafelyMeanwhile)
{
    // Another thread reads the connection state all along, as the receive thread does.
    std::atomic<bool> done{false};
    std::thread reader([&] {
        while (!done.load())
            (void)client.IsConnected();
    });
    constexpr int kRounds = 20;
    for (int i = 0; i < kRounds; ++i) {
        ASSERT_EQ(client.Connect("", host.Port()), TRUE) << i;
        ASSERT_TRUE(client.WaitReceived(i + 1));
        client.Disconnect();
        ASSERT_EQ(client.IsConnected(), FALSE);
    }
    done = true;
    reader.join();
    PumpFor(client, 300);
    EXPECT_EQ(Events(recorder), std::vector<std::string>(kRounds, "EVT_CON_SUCCESS"));
    EXPECT_EQ(host.ConnectionCount(), kRounds);
}

TEST_F(LinkTest, DisconnectEndsAWaitingThreadAtOnce)
{
    Connect();
    const auto start = std::chrono::steady_clock::now();
    client.Disconnect();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(120));
    EXPECT_LT(took, std::chrono::milliseconds(2000));
    EXPECT_EQ(client.IsThreadRunning(), FALSE);
    EXPECT_TRUE(host.WaitForClosed(0));
    client.Disconnect(); // again: nothing
}

TEST_F(LinkTest, SendingToAHostThatHasGoneIsSurvived)
{
    Connect();
    host.CloseConnection(0, CloseMode::Rst);
    ASSERT_TRUE(PumpUntil(client, [&] { return !recorder.messages.empty(); }));
    // Without MSG_NOSIGNAL the first send after the reset would raise SIGPIPE and end the test.
    int failed = 0;
    for (int i = 0; i < 20; ++i)
        failed += client.SendData(FormatFrame("DataRequest", 1, i, ""), 100) == SOCKET_ERROR;
    EXPECT_GT(failed, 0);
    for (int i = 0; i < 20; ++i) {
        client.QueueMessage("DataRequest", "");
        client.Pump();
    }
    EXPECT_EQ(client.IsConnected(), TRUE);
}

TEST_F(LinkTest, ConnectingTwiceOrToNoHostFails)
{
    Connect();
    EXPECT_EQ(client.Connect("", host.Port()), FALSE);
    EXPECT_EQ(client.ConnectTo("127.0.0.1", std::to_string(host.Port()).c_str(), AF_INET, SOCK_STREAM),
              FALSE);
    client.Disconnect();
    host.SetRefusing(true);
    EXPECT_EQ(client.Connect("", host.Port()), FALSE);
    EXPECT_EQ(client.IsConnected(), FALSE);
    EXPECT_EQ(client.IsThreadRunning(), FALSE);
    host.SetRefusing(false);
    EXPECT_EQ(client.Connect("", host.Port()), TRUE);
}

TEST_F(LinkTest, AConnectWhoseReceiverCannotStartLeavesNoHalfOpenLink)
{
    Connect();
    // Closing without Disconnect leaves the old receive thread to be collected, so the next
    // connect cannot start one.
    client.CloseSocket();
    EXPECT_EQ(client.IsThreadRunning(), TRUE);
    EXPECT_EQ(client.Connect("", host.Port()), FALSE);
    EXPECT_EQ(client.IsConnected(), FALSE);
    ASSERT_TRUE(host.WaitForConnections(2));
    EXPECT_TRUE(host.WaitForClosed(1));
    client.Disconnect();
    EXPECT_EQ(client.IsThreadRunning(), FALSE);
    EXPECT_EQ(client.Connect("", host.Port()), TRUE);
}

// A signal handler that does nothing, installed for SIGUSR1 without SA_RESTART while it lives,
// so that waits, reads and connects are interrupted.
void Nothing(int) {}

class InterruptingSignal {
public:
    InterruptingSignal()
    {
        struct sigaction action {};
        action.sa_handler = &Nothing;
        sigemptyset(&action.sa_mask);
        sigaction(SIGUSR1, &action, &m_old);
    }
    ~InterruptingSignal() { sigaction(SIGUSR1, &m_old, nullptr); }
    InterruptingSignal(const InterruptingSignal&) = delete;
    InterruptingSignal& operator=(const InterruptingSignal&) = delete;

private:
    struct sigaction m_old {};
};

// A listener whose accept queue is full, as a host's is that has stopped accepting: a connect
// to it waits until the listener takes the waiting connection.
class FullListener {
public:
    FullListener()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        const bool listening = ::bind(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                               ::listen(m_fd, 0) == 0 &&
                               ::getsockname(m_fd, reinterpret_cast<sockaddr*>(&address), &size) == 0;
        m_port = ntohs(address.sin_port);
        // Backlog 0 holds one connection; this one fills it.
        m_filler = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        m_filled =
            listening && ::connect(m_filler, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~FullListener()
    {
        for (const int fd : {m_accepted, m_filler, m_fd})
            if (fd >= 0)
                ::close(fd);
    }
    FullListener(const FullListener&) = delete;
    FullListener& operator=(const FullListener&) = delete;

    bool Filled() const { return m_filled; }
    std::uint16_t Port() const { return m_port; }
    // Takes the filler, so that a connect waiting meanwhile gets in at its next attempt.
    void Accept() { m_accepted = ::accept4(m_fd, nullptr, nullptr, SOCK_CLOEXEC); }

private:
    int m_fd = -1;
    int m_filler = -1;
    int m_accepted = -1;
    bool m_filled = false;
    std::uint16_t m_port = 0;
};

TEST(ConnectTimeOut, AHostThatDoesNotAcceptIsGivenUpAfterTwoSeconds)
{
    FullListener listener;
    ASSERT_TRUE(listener.Filled());
    CountingClient client;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(client.Connect("", listener.Port()), FALSE);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(1900));
    EXPECT_LT(took, std::chrono::milliseconds(4000));
    EXPECT_EQ(client.IsConnected(), FALSE);
    EXPECT_EQ(client.IsThreadRunning(), FALSE);
}

class ThreadClient : public CountingClient {
public:
    ~ThreadClient() override { Disconnect(); }
    std::atomic<bool> known{false};
    pthread_t thread{};

protected:
    void OnEvent(unsigned code) override
    {
        if (code == EVT_CON_SUCCESS) {
            thread = pthread_self();
            known = true;
        }
        CountingClient::OnEvent(code);
    }
};

TEST(Interrupts, AConnectIsWaitedForUntilTheHostAccepts)
{
    const InterruptingSignal interrupting;
    FullListener listener;
    ASSERT_TRUE(listener.Filled());
    CountingClient client;
    std::atomic<bool> done{false};
    BOOL connected = FALSE;
    std::thread connecting([&] {
        connected = client.Connect("", listener.Port());
        done = true;
    });
    const auto start = std::chrono::steady_clock::now();
    bool accepted = false;
    while (!done.load()) {
        pthread_kill(connecting.native_handle(), SIGUSR1);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        if (!accepted && std::chrono::steady_clock::now() - start > std::chrono::milliseconds(300)) {
            listener.Accept();
            accepted = true;
        }
    }
    connecting.join();
    EXPECT_EQ(connected, TRUE);
    EXPECT_TRUE(client.WaitReceived(1)); // the success event
}

TEST(Interrupts, AnInterruptedWaitOrReadIsRetried)
{
    const InterruptingSignal interrupting;
    testhost::TestHost host(0);
    ThreadClient client;
    Recorder recorder(client, {"ConEvent", "DataReply"});
    ASSERT_EQ(client.Connect("", host.Port()), TRUE);
    ASSERT_TRUE(host.WaitForConnections(1));
    while (!client.known.load())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));

    constexpr int kFrames = 20;
    std::vector<testhost::Piece> pieces;
    for (int i = 0; i < kFrames; ++i) {
        pieces.push_back({5, "DataReply,1," + std::to_string(i) + "\nva"});
        pieces.push_back({5, "lue\n"});
        pieces.push_back({5, "\n"});
    }
    host.SendPieces(pieces);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (client.Received() < kFrames + 1 && std::chrono::steady_clock::now() < end) {
        pthread_kill(client.thread, SIGUSR1);
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    ASSERT_TRUE(PumpUntil(client, [&] { return recorder.messages.size() == kFrames + 1; }));
    client.Disconnect();

    EXPECT_EQ(Events(recorder), std::vector<std::string>{"EVT_CON_SUCCESS"});
    for (int i = 0; i < kFrames; ++i) {
        EXPECT_EQ(recorder.messages[static_cast<std::size_t>(i + 1)].seq, std::to_string(i));
        EXPECT_EQ(recorder.messages[static_cast<std::size_t>(i + 1)].payload, "value");
    }
}

// A receiver that is stuck in a call into its owner longer than Disconnect waits.
class SlowClient : public CountingClient {
public:
    ~SlowClient() override { Disconnect(); }

protected:
    void OnReceive(const std::string& message) override
    {
        CountingClient::OnReceive(message);
        if (message.rfind("DataReply", 0) == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(3500));
    }
};

TEST(SlowReceiver, DisconnectNeitherKillsNorFreesUnderAThreadThatHasNotEnded)
{
    testhost::TestHost host(0);
    pid_t receiver = 0;
    {
        SlowClient client;
        ASSERT_EQ(client.Connect("", host.Port()), TRUE);
        ASSERT_TRUE(host.WaitForConnections(1));
        host.SendRaw(testhost::FrameBytes("DataReply", "1", "0", "x"));
        ASSERT_TRUE(client.WaitReceived(2));
        receiver = client.ReceiveThread();
        client.Disconnect();
        EXPECT_EQ(client.IsConnected(), FALSE);
        EXPECT_EQ(client.IsThreadRunning(), FALSE);
    } // the client is gone; a thread let go must not touch it
    EXPECT_TRUE(host.WaitForClosed(0));
    EXPECT_TRUE(ThreadEnds(receiver)) << "the thread let go did not end";
}

TEST(ConEvent, OnlyALossOfKindOneCounts)
{
    EXPECT_EQ(IsConnectionLoss("1", "Event=EVT_CON_DROP"), TRUE);
    EXPECT_EQ(IsConnectionLoss("1", "Event=EVT_CON_FAILURE"), TRUE);
    EXPECT_EQ(IsConnectionLoss("2", "Event=EVT_CON_DROP"), FALSE);
    EXPECT_EQ(IsConnectionLoss("1", "Event=EVT_CON_SUCCESS"), FALSE);
    EXPECT_EQ(IsConnectionLoss("1", "Event=EVT_CON_DROPPED"), FALSE);
}

} // namespace
