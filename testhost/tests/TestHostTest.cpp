#include "testhost/TestHost.h"

#include "RawPeer.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace testhost;

TEST(TestHost, RecordsEachConnectionOnItsOwnAndAnswersFromTheScript)
{
    TestHost host;
    host.SetReplyScript([](int connection, int request, const Frame& frame) -> std::optional<Reply> {
        if (request == 1)
            return std::nullopt; // the second request of each connection goes unanswered
        return Reply{"c" + std::to_string(connection) + "r" + std::to_string(request) + frame.payload, "2",
                     "9"};
    });
    RawPeer a(host.Port());
    RawPeer b(host.Port());
    ASSERT_TRUE(a.Connected() && b.Connected());
    ASSERT_TRUE(host.WaitForConnections(2));
    a.Send("DataRequest,1,0\n\n\n");
    ASSERT_TRUE(host.WaitForFrames(0, 1));
    b.Send("\nDataRequest,1,4\nx\n\nDataRequest,1,5\n\n\nDataRequest,1,6\n");
    b.Send("y\n\n");
    EXPECT_EQ(a.ReadFrames(1), "DataReply,2,9\nc0r0\n\n");
    EXPECT_EQ(b.ReadFrames(2), "DataReply,2,9\nc1r0x\n\nDataReply,2,9\nc1r2y\n\n");

    ASSERT_TRUE(host.WaitForFrames(1, 3));
    const std::vector<Frame> frames = host.Frames(1);
    EXPECT_EQ(host.Frames(0).size(), 1u);
    EXPECT_EQ(frames[0].seq, "4");
    EXPECT_EQ(frames[0].payload, "x");
    EXPECT_EQ(frames[1].raw, "DataRequest,1,5\n\n");
    EXPECT_EQ(frames[2].payload, "y");
    EXPECT_LE(frames[1].at, frames[2].at);
    const auto replies = host.ReplyTimes(1);
    ASSERT_EQ(replies.size(), 2u);
    EXPECT_GE(replies[0], frames[0].at);
    EXPECT_GE(replies[1], frames[2].at);
}

TEST(TestHost, SendsWhatItIsToldInOrder)
{
    TestHost host;
    RawPeer peer(host.Port());
    ASSERT_TRUE(host.WaitForConnections(1));
    host.SendQuit();
    host.SendQuitClient(0);
    host.SendStopRequest(-1);
    host.SendRaw("A,1,0\n\nB,1,0\n\n");
    const auto start = Clock::now();
    host.SendPieces({{100, "C,1,"}, {100, "0\n\n"}});
    EXPECT_EQ(peer.ReadFrames(6),
              "Quit,1,0\n\n\nQuitClient,1,0\n\n\nStopRequest,1,0\n\n\nA,1,0\n\nB,1,0\n\nC,1,0\n\n");
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(200));
    EXPECT_TRUE(host.Flush());
}

TEST(TestHost, StaysSilentWhenAsked)
{
    TestHost host;
    host.SetReplyPayload("p");
    host.SetSilent(true);
    RawPeer peer(host.Port());
    peer.Send("DataRequest,1,0\n\n\n");
    ASSERT_TRUE(host.WaitForFrames(0, 1));
    EXPECT_EQ(peer.ReadFrames(1, 200), "");
    host.SetSilent(false);
    peer.Send("DataRequest,1,1\n\n\n");
    EXPECT_EQ(peer.ReadFrames(1), "DataReply,1,0\np\n\n");
}

TEST(TestHost, KeepsTheLastFramesOfALongConnection)
{
    TestHost host;
    host.SetReplyPayload("p");
    RawPeer peer(host.Port());
    ASSERT_TRUE(host.WaitForConnections(1));
    const std::size_t count = kKeptFrames + 50;
    std::string requests;
    for (std::size_t i = 0; i < count; ++i)
        requests += "DataRequest,1," + std::to_string(i) + "\n\n\n";
    // The replies are read meanwhile, so that neither side waits for the other to read.
    std::thread sender([&] { peer.Send(requests); });
    const std::string replies = peer.ReadFrames(static_cast<int>(count), 10000);
    sender.join();
    ASSERT_TRUE(host.WaitForFrames(0, count));
    ASSERT_TRUE(host.Flush());

    const std::vector<Frame> frames = host.Frames(0);
    ASSERT_EQ(frames.size(), kKeptFrames);
    EXPECT_EQ(frames.front().seq, "50");
    EXPECT_EQ(frames.back().seq, std::to_string(count - 1));
    EXPECT_EQ(host.FrameCount(0), count);
    EXPECT_EQ(host.ReplyTimes(0).size(), kKeptFrames);
    EXPECT_EQ(host.ReplyCount(0), count);
    EXPECT_EQ(replies.size(), count * std::string("DataReply,1,0\np\n\n").size());
}

class Closing : public ::testing::TestWithParam<CloseMode> {};

TEST_P(Closing, ClosesALinkAndAcceptsAgain)
{
    TestHost host;
    RawPeer first(host.Port());
    RawPeer second(host.Port());
    ASSERT_TRUE(host.WaitForConnections(2));
    host.CloseConnection(0, GetParam());
    EXPECT_TRUE(first.WaitClosed());
    EXPECT_TRUE(host.WaitForClosed(0));
    EXPECT_TRUE(host.IsOpen(1));
    second.Close();
    EXPECT_TRUE(host.WaitForClosed(1));
    RawPeer third(host.Port());
    ASSERT_TRUE(third.Connected());
    ASSERT_TRUE(host.WaitForConnections(3));
    EXPECT_EQ(host.OpenConnectionCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(FinAndRst, Closing, ::testing::Values(CloseMode::Fin, CloseMode::Rst));

TEST(TestHost, RefusesUntilToldToListenAgain)
{
    TestHost host;
    const std::uint16_t port = host.Port();
    host.SetRefusing(true);
    EXPECT_FALSE(RawPeer(port).Connected());
    host.SetRefusing(false);
    EXPECT_EQ(host.Port(), port);
    RawPeer peer(port);
    EXPECT_TRUE(peer.Connected());
    EXPECT_TRUE(host.WaitForConnections(1));
}

} // namespace
