// How the receive thread cuts what the host sends into messages, over real TCP.

#include "LinkFixture.h"
#include "hostlink/TelvoFrame.h"

namespace {

using testhost::FrameBytes;
using testhost::Piece;

struct FramingCase {
    const char* what;
    std::vector<Piece> pieces;
    std::vector<std::pair<std::string, std::string>> expected; // name, payload
    friend void PrintTo(const FramingCase& c, std::ostream* os) { *os << c.what; }
};

std::string Reply(const std::string& payload, const std::string& seq = "0")
{
    return FrameBytes("DataReply", "1", seq, payload);
}

const std::string kLong(1000, 'x');

std::vector<FramingCase> FramingCases()
{
    return {
        {"two frames in one read",
         {{0, Reply("a,b") + FrameBytes("StopRequest", "1", "3", "")}},
         {{"DataReply", "a,b"}, {"StopRequest", ""}}},
        {"an empty payload's third LF starts no message",
         {{0, Reply("") + Reply("next")}},
         {{"DataReply", ""}, {"DataReply", "next"}}},
        {"an empty payload with only two closing LF", {{0, "DataReply,1,5\n\n"}}, {{"DataReply", ""}}},
        {"stray LF before a message", {{0, "\n\n\nDataReply,1,0\nv\n\n"}}, {{"DataReply", "v"}}},
        {"a message longer than one read", {{0, Reply(kLong)}}, {{"DataReply", kLong}}},
        {"pieces within 200 ms, the terminator split",
         {{0, "DataRe"}, {60, "ply,1,0\nab"}, {60, "c\n"}, {60, "\n"}},
         {{"DataReply", "abc"}}},
        {"a remainder after more than 200 ms begins the next message",
         {{0, "DataReply,1,0\nab"}, {450, "cd\n\n"}, {0, Reply("after")}},
         {{"DataReply", "after"}}},
        {"a remainder that is a whole frame after a lost start",
         {{0, "DataRe"}, {450, Reply("whole")}},
         {{"DataReply", "whole"}}},
        {"a header LF at position 3 or earlier", {{0, "Abc\nx\n\n" + Reply("ok")}}, {{"DataReply", "ok"}}},
        {"a header of two fields", {{0, "DataReply,1\nx\n\n" + Reply("ok")}}, {{"DataReply", "ok"}}},
        {"a name without a handler",
         {{0, FrameBytes("Unknown", "1", "0", "x") + Reply("ok")}},
         {{"DataReply", "ok"}}},
    };
}

class Framing : public LinkTest, public ::testing::WithParamInterface<FramingCase> {};

TEST_P(Framing, DeliversWhatTheHostSent)
{
    Connect();
    const FramingCase& c = GetParam();
    host.SendPieces(c.pieces);
    // A closing Quit marks the end; it arrives whole after whatever the case left behind.
    ASSERT_TRUE(host.Flush());
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    host.SendQuit();
    ASSERT_TRUE(PumpUntil(
        client, [&] { return !recorder.messages.empty() && recorder.messages.back().name == "Quit"; }));
    recorder.messages.pop_back();
    std::vector<std::pair<std::string, std::string>> got;
    for (const Handled& m : recorder.messages)
        got.emplace_back(m.name, m.payload);
    EXPECT_EQ(got, c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Messages, Framing, ::testing::ValuesIn(FramingCases()));

// The 500 ms budget of one message, with the clock the receive thread reads set by the test.
struct BudgetCase {
    const char* what;
    std::vector<std::pair<std::uint32_t, std::string>> steps; // clock, bytes sent then
    std::vector<std::string> payloads;
    friend void PrintTo(const BudgetCase& c, std::ostream* os) { *os << c.what; }
};

class MessageBudget : public LinkTest, public ::testing::WithParamInterface<BudgetCase> {};

TEST_P(MessageBudget, DropsAMessageNotCompleteWithinIt)
{
    const platform::ScopedTickClock scoped(clock);
    Connect();
    const BudgetCase& c = GetParam();
    for (const auto& [now, bytes] : c.steps) {
        clock.Set(now);
        host.SendRaw(bytes);
        ASSERT_TRUE(host.Flush());
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
    }
    host.SendQuit();
    ASSERT_TRUE(PumpUntil(
        client, [&] { return !recorder.messages.empty() && recorder.messages.back().name == "Quit"; }));
    std::vector<std::string> got;
    for (const Handled& m : recorder.messages) {
        if (m.name == "DataReply")
            got.push_back(m.payload);
    }
    EXPECT_EQ(got, c.payloads) << c.what;
    client.Disconnect();
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, MessageBudget,
    ::testing::Values(BudgetCase{"complete at 500 ms",
                                 {{0, "DataReply,1,0\nab"}, {300, "cd"}, {500, "ef\n"}, {500, "\n"}},
                                 {"abcdef"}},
                      BudgetCase{"incomplete after 500 ms",
                                 {{0, "DataReply,1,0\nab"},
                                  {300, "cd"},
                                  {501, "ef"},
                                  {600, FrameBytes("DataReply", "1", "0", "next")}},
                                 {"next"}},
                      BudgetCase{"completed by the first piece after 500 ms",
                                 {{0, "DataReply,1,0\nab"}, {300, "cd"}, {700, "ef\n\n"}},
                                 {"abcdef"}},
                      // The wait for a message's first byte is not part of its budget.
                      BudgetCase{"counted from the first byte",
                                 {{400, "DataReply,1,0\nab"}, {700, "cd"}, {850, "ef\n\n"}},
                                 {"abcdef"}},
                      // A message that began behind another in one read began then.
                      BudgetCase{"begun in the read that ended the message before",
                                 {{0, FrameBytes("DataReply", "1", "0", "first") + "DataReply,1,1\nab"},
                                  {300, "cd"},
                                  {501, "ef"},
                                  {600, "\n\n"}},
                                 {"first"}}));

TEST_F(LinkTest, AConnectionEventReachesItsHandlerAsKindOneSeqZero)
{
    Connect();
    host.CloseConnection(0);
    ASSERT_TRUE(PumpUntil(client, [&] { return !recorder.messages.empty(); }));
    const Handled& event = recorder.messages[0];
    EXPECT_EQ(event.name, "ConEvent");
    EXPECT_EQ(event.kind, "1");
    EXPECT_EQ(event.seq, "0");
    EXPECT_EQ(event.payload, "Event=EVT_CON_DROP");
}

} // namespace
