// The client's queues, handler registry and pump, against the stand-in host.

#include "LinkFixture.h"
#include "hostlink/TelvoFrame.h"
#include "hostlink/testing/SentSoFar.h"

namespace {

using testhost::FrameBytes;

TEST(TelvoFrame, ARequestWithAnEmptyPayloadEndsInThreeLineFeeds)
{
    EXPECT_EQ(FormatFrame("DataRequest", 1, 7, ""), "DataRequest,1,7\n\n\n");
    EXPECT_EQ(MakeConEvent(EVT_CON_DROP), "ConEvent,1,0\nEvent=EVT_CON_DROP\n\n");
}

TEST_F(LinkTest, AnswersARequestAndTakesAQuit)
{
    host.SetReplyPayload("M,G001,F0,850, /min,");
    Connect();
    ASSERT_EQ(client.QueueMessage("DataRequest", ""), TRUE);
    ASSERT_TRUE(PumpUntil(client, [&] { return !recorder.messages.empty(); }));
    EXPECT_EQ(recorder.messages[0].name, "DataReply");
    EXPECT_EQ(recorder.messages[0].kind, "1");
    EXPECT_EQ(recorder.messages[0].payload, "M,G001,F0,850, /min,");
    ASSERT_TRUE(host.WaitForFrames(0, 1));
    const testhost::Frame request = host.Frames(0)[0];
    EXPECT_EQ(request.name, "DataRequest");
    EXPECT_EQ(request.kind, "1");
    EXPECT_EQ(request.payload, "");

    host.SendQuit();
    ASSERT_TRUE(PumpUntil(client, [&] { return recorder.messages.size() == 2; }));
    EXPECT_EQ(recorder.messages[1].name, "Quit");
}

TEST_F(LinkTest, PumpTakesOneMessageAndTellsWhetherMoreAreWaiting)
{
    Connect();
    EXPECT_EQ(client.Pump(), 0); // both queues empty: nothing sent, nothing called
    host.SendRaw(FrameBytes("DataReply", "1", "0", "a") + FrameBytes("DataReply", "1", "1", "b") +
                 FrameBytes("DataReply", "1", "2", "c"));
    ASSERT_TRUE(client.WaitReceived(4));
    EXPECT_EQ(client.Pump(), 1);
    EXPECT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(client.Pump(), 1);
    EXPECT_EQ(client.Pump(), 0);
    EXPECT_EQ(client.Pump(), 0);
    ASSERT_EQ(recorder.messages.size(), 3u);
    EXPECT_EQ(recorder.messages[2].payload, "c");
    EXPECT_TRUE(host.Frames(0).empty());
}

TEST_F(LinkTest, PumpSendsOneFramePerCall)
{
    Connect();
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(client.QueueMessage("DataRequest", ""), TRUE);
    client.Pump();
    EXPECT_EQ(SentSoFar(client, host, 0).size(), 1u);
    client.Pump();
    client.Pump();
    EXPECT_EQ(SentSoFar(client, host, 0).size(), 3u);
}

TEST_F(LinkTest, SequenceNumbersSkipARefusedFrameAndRunOnAcrossAReconnect)
{
    Connect();
    ASSERT_EQ(client.QueueMessage("DataRequest", ""), TRUE);
    client.Pump();
    ASSERT_TRUE(host.WaitForFrames(0, 1));
    const int first = std::stoi(host.Frames(0)[0].seq);

    client.Disconnect();
    EXPECT_EQ(client.QueueMessage("DataRequest", ""), FALSE);
    ASSERT_EQ(client.Connect("", host.Port()), TRUE);
    ASSERT_TRUE(host.WaitForConnections(2));
    ASSERT_EQ(client.QueueMessage("DataRequest", "p"), TRUE);
    client.Pump();
    ASSERT_TRUE(host.WaitForFrames(1, 1));
    EXPECT_EQ(host.Frames(1)[0].seq, std::to_string(first + 1));
    EXPECT_EQ(host.Frames(1)[0].payload, "p");
}

TEST_F(LinkTest, QueuesOutliveADisconnect)
{
    Connect();
    host.SendQuit();
    ASSERT_TRUE(client.WaitReceived(2));
    ASSERT_EQ(client.QueueMessage("DataRequest", "before"), TRUE);
    client.Disconnect();
    // The message received before is still dispatched; the frame queued before goes out once
    // the link is up again.
    ASSERT_EQ(client.Connect("", host.Port()), TRUE);
    ASSERT_TRUE(host.WaitForConnections(2));
    client.Pump();
    ASSERT_FALSE(recorder.messages.empty());
    EXPECT_EQ(recorder.messages[0].name, "Quit");
    ASSERT_TRUE(host.WaitForFrames(1, 1));
    EXPECT_EQ(host.Frames(1)[0].payload, "before");
}

TEST_F(LinkTest, PurgingKeepsOnlyConnectionEvents)
{
    Connect();
    host.SendRaw(FrameBytes("DataReply", "1", "0", "a") + FrameBytes("DataReply", "1", "1", "ConEvent late") +
                 FrameBytes("Quit", "1", "2", ""));
    ASSERT_TRUE(client.WaitReceived(4));
    host.CloseConnection(0);
    ASSERT_TRUE(client.WaitReceived(5));
    client.PurgeReceiveQueue();
    while (client.Pump() != 0) {
    }
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].payload, "Event=EVT_CON_DROP");

    client.Disconnect();
    ASSERT_EQ(client.Connect("", host.Port()), TRUE);
    ASSERT_TRUE(host.WaitForConnections(2));
    client.QueueMessage("DataRequest", "");
    client.QueueMessage("ConEvent", "");
    client.QueueMessage("DataRequest", "ConEvent");
    client.PurgeSendQueue();
    for (int i = 0; i < 3; ++i)
        client.Pump();
    const std::vector<testhost::Frame> sent = SentSoFar(client, host, 1);
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].name, "ConEvent");
}

TEST_F(LinkTest, AConnectionEventWaitsForThePump)
{
    Connect();
    host.CloseConnection(0);
    ASSERT_TRUE(client.WaitReceived(2));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(recorder.messages.empty());
    client.Pump();
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].payload, "Event=EVT_CON_DROP");
}

// A burst from the host, and what the handlers then get, in order, as "name payload".
struct BurstCase {
    const char* what;
    std::vector<std::string> frames;
    bool dropAfter; // the host closes the connection after the burst
    std::vector<std::string> handled;
    friend void PrintTo(const BurstCase& c, std::ostream* os) { *os << c.what; }
};

std::vector<std::string> Replies(int from, int to)
{
    std::vector<std::string> frames;
    for (int i = from; i < to; ++i)
        frames.push_back(FrameBytes("DataReply", "1", "0", std::to_string(i)));
    return frames;
}

std::vector<std::string> Dispatched(int from, int to)
{
    std::vector<std::string> handled;
    for (int i = from; i < to; ++i)
        handled.push_back("DataReply " + std::to_string(i));
    return handled;
}

template <class... Lists> std::vector<std::string> Join(const Lists&... lists)
{
    std::vector<std::string> joined;
    (joined.insert(joined.end(), lists.begin(), lists.end()), ...);
    return joined;
}

const std::string kQuit = FrameBytes("Quit", "1", "0", "");
const std::string kQuitClient = FrameBytes("QuitClient", "1", "0", "");
const std::string kStop = FrameBytes("StopRequest", "1", "0", "");
const std::string kFakeDrop = FrameBytes("ConEvent", "1", "0", "Event=EVT_CON_DROP");

std::vector<BurstCase> BurstCases()
{
    return {
        {"a burst leaves the newest 30 waiting", Replies(0, 100), false, Dispatched(70, 100)},
        {"a Quit behind a burst is kept", Join(Replies(0, 100), std::vector{kQuit}), false,
         Join(Dispatched(71, 100), std::vector<std::string>{"Quit "})},
        {"a Quit ahead of a burst stays first", Join(std::vector{kQuit}, Replies(0, 100)), false,
         Join(std::vector<std::string>{"Quit "}, Dispatched(71, 100))},
        {"one waiting Quit, QuitClient and StopRequest each is enough",
         Join(std::vector{kStop, kQuit, kQuitClient, kQuit, kQuitClient},
              std::vector<std::string>(1000, kStop), Replies(0, 3)),
         false, Join(std::vector<std::string>{"StopRequest ", "Quit ", "QuitClient "}, Dispatched(0, 3))},
        {"a ConEvent from the host is dropped",
         Join(std::vector{kFakeDrop}, Replies(0, 2), std::vector<std::string>(4, kFakeDrop)), false,
         Dispatched(0, 2)},
        {"a lost connection behind a burst is reported", Replies(0, 100), true,
         Join(Dispatched(71, 100), std::vector<std::string>{"ConEvent Event=EVT_CON_DROP"})},
    };
}

class Burst : public LinkTest, public ::testing::WithParamInterface<BurstCase> {};

TEST_P(Burst, TheReceiveQueueStaysBoundedAndKeepsWhatMatters)
{
    const BurstCase& c = GetParam();
    Connect();
    std::string bytes;
    for (const std::string& frame : c.frames)
        bytes += frame;
    host.SendRaw(bytes);
    if (c.dropAfter)
        host.CloseConnection(0);
    ASSERT_TRUE(client.WaitReceived(1 + static_cast<int>(c.frames.size()) + (c.dropAfter ? 1 : 0)));
    EXPECT_EQ(client.WaitingCount(), static_cast<int>(c.handled.size()));
    while (client.Pump() != 0) {
    }
    std::vector<std::string> handled;
    for (const Handled& m : recorder.messages)
        handled.push_back(m.name + " " + m.payload);
    EXPECT_EQ(handled, c.handled);
    EXPECT_EQ(client.WaitingCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(FromTheHost, Burst, ::testing::ValuesIn(BurstCases()));

void Count(void* context, std::string*, std::string*, std::string*)
{
    ++*static_cast<int*>(context);
}

TEST_F(LinkTest, TheFirstHandlerOfANameStays)
{
    int second = 0;
    EXPECT_EQ(client.RegisterHandler(&second, &Count, "Quit"), FALSE);
    Connect();
    host.SendQuit();
    ASSERT_TRUE(PumpUntil(client, [&] { return !recorder.messages.empty(); }));
    EXPECT_EQ(recorder.messages[0].name, "Quit");
    EXPECT_EQ(second, 0);
}

} // namespace
