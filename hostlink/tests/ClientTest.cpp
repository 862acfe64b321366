#include "LinkFixture.h"
#include "hostlink/TelvoFrame.h"

namespace {

using testhost::Reply;

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

TEST(TelvoFrame, ARequestWithAnEmptyPayloadEndsInThreeLineFeeds)
{
    EXPECT_EQ(FormatFrame("DataRequest", 1, 7, ""), "DataRequest,1,7\n\n\n");
    EXPECT_EQ(MakeConEvent(EVT_CON_DROP), "ConEvent,1,0\nEvent=EVT_CON_DROP\n\n");
}

} // namespace
