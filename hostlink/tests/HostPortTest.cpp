// The plug-ins' reconnect after a lost connection, on the host's own port.

#include "LinkFixture.h"
#include "hostlink/ConEvent.h"
#include "hostlink/TelvoFrame.h"

namespace {

struct Context {
    CTelvoClient* client;
    std::vector<std::string> events;
};

void OnConEvent(void* c, std::string* kind, std::string*, std::string* payload)
{
    auto* context = static_cast<Context*>(c);
    context->events.push_back(ConEventName(*payload));
    ReconnectOnLoss(*context->client, *kind, *payload);
}

class Reconnect : public ::testing::TestWithParam<testhost::CloseMode> {};

TEST_P(Reconnect, AConEventHandlerDisconnectsAndConnectsDuringPump)
{
    testhost::TestHost host(TELVO_HOST_PORT);
    ASSERT_EQ(host.Port(), TELVO_HOST_PORT);
    CountingClient client;
    Context context{&client, {}};
    client.RegisterHandler(&context, &OnConEvent, "ConEvent");
    ASSERT_EQ(client.Connect("", TELVO_HOST_PORT), TRUE);
    ASSERT_TRUE(host.WaitForConnections(1));
    host.CloseConnection(0, GetParam());
    ASSERT_TRUE(PumpUntil(client, [&] { return context.events.size() == 3; }));
    PumpFor(client, 300);
    EXPECT_EQ(context.events,
              (std::vector<std::string>{"EVT_CON_SUCCESS", "EVT_CON_DROP", "EVT_CON_SUCCESS"}));
    EXPECT_EQ(host.ConnectionCount(), 2);
    EXPECT_TRUE(host.IsOpen(1));
    EXPECT_EQ(client.IsConnected(), TRUE);
}

INSTANTIATE_TEST_SUITE_P(FinAndRst, Reconnect,
                         ::testing::Values(testhost::CloseMode::Fin, testhost::CloseMode::Rst));

TEST(ConEvent, OnlyALossOfKindOneCounts)
{
    EXPECT_EQ(IsConnectionLoss("1", "Event=EVT_CON_DROP"), TRUE);
    EXPECT_EQ(IsConnectionLoss("1", "Event=EVT_CON_FAILURE"), TRUE);
    EXPECT_EQ(IsConnectionLoss("2", "Event=EVT_CON_DROP"), FALSE);
    EXPECT_EQ(IsConnectionLoss("1", "Event=EVT_CON_SUCCESS"), FALSE);
    EXPECT_EQ(IsConnectionLoss("1", "Event=EVT_CON_DROPPED"), FALSE);
}

} // namespace
