// A plug-in's tick (queue a request, Pump with a reply waiting), the rate at which replies
// pass the receive thread and Pump, and a flood into a queue nobody empties, against the
// stand-in host on loopback.

#include "hostlink/TelvoClient.h"
#include "testhost/ReplyPayload.h"
#include "testhost/TestHost.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <thread>

namespace {

const std::string kPayload = testhost::StandardReply("123 456 789 AB", {{1, 0, "2350", "/min"},
                                                                        {1, 1, "87.5", "km/h"},
                                                                        {1, 2, "6.42", "l/h"},
                                                                        {1, 3, "88.0", "°C"},
                                                                        {3, 0, "13.9", "V"},
                                                                        {3, 1, "1012", "mbar"},
                                                                        {3, 2, "34", "%"},
                                                                        {3, 3, "412", "mg/R"}});

// A client into whose receive queue the benchmark puts a reply, as the receive thread would.
class BenchClient : public CTelvoClient {
public:
    ~BenchClient() override { Disconnect(); }
    void Arrive(const std::string& message) { OnReceive(message); }
};

void Count(void* context, std::string*, std::string*, std::string*)
{
    ++*static_cast<long*>(context);
}

void BM_TickPumpWithAReplyWaiting(benchmark::State& state)
{
    testhost::TestHost host;
    host.SetSilent(true); // the waiting reply is put in place by the benchmark
    BenchClient client;
    long handled = 0;
    client.RegisterHandler(&handled, &Count, "DataReply");
    client.RegisterHandler(&handled, &Count, "ConEvent");
    if (!client.Connect("", host.Port())) {
        state.SkipWithError("no connection");
        return;
    }
    const std::string reply = testhost::FrameBytes("DataReply", "1", "0", kPayload);
    while (client.Pump() != 0 || handled == 0) {
    }
    for (auto _ : state) {
        client.Arrive(reply);
        client.QueueMessage("DataRequest", "");
        benchmark::DoNotOptimize(client.Pump());
    }
    state.counters["handled"] = static_cast<double>(handled);
}
BENCHMARK(BM_TickPumpWithAReplyWaiting);

void BM_RepliesThroughTheReceiveThread(benchmark::State& state)
{
    const int burst = static_cast<int>(state.range(0));
    testhost::TestHost host;
    CTelvoClient client;
    long handled = 0;
    client.RegisterHandler(&handled, &Count, "DataReply");
    if (!client.Connect("", host.Port()) || !host.WaitForConnections(1)) {
        state.SkipWithError("no connection");
        return;
    }
    std::string frames;
    for (int i = 0; i < burst; ++i)
        frames += testhost::FrameBytes("DataReply", "1", std::to_string(i), kPayload);
    for (auto _ : state) {
        const long target = handled + burst;
        host.SendRaw(frames);
        while (handled < target) {
            if (client.Pump() == 0)
                std::this_thread::yield();
        }
    }
    state.SetItemsProcessed(state.iterations() * burst);
    state.SetBytesProcessed(state.iterations() * static_cast<long>(frames.size()));
}
// Bursts up to what the receive queue keeps, so that every reply is handed out.
BENCHMARK(BM_RepliesThroughTheReceiveThread)->Arg(1)->Arg(CTelvoClient::kRxQueueBound)->UseRealTime();

// A client that counts what its receive thread hands to the queue.
class FloodedClient : public CTelvoClient {
public:
    ~FloodedClient() override { Disconnect(); }
    std::atomic<long> arrived{0};

protected:
    void OnReceive(const std::string& message) override
    {
        CTelvoClient::OnReceive(message);
        ++arrived;
    }
};

// A burst that nobody pumps: the receive thread reads it and keeps the queue at its bound.
void BM_FloodIntoAFullQueue(benchmark::State& state)
{
    const int burst = static_cast<int>(state.range(0));
    testhost::TestHost host;
    FloodedClient client;
    if (!client.Connect("", host.Port()) || !host.WaitForConnections(1)) {
        state.SkipWithError("no connection");
        return;
    }
    const std::string frames = testhost::FloodBytes("DataReply", kPayload, burst);
    for (auto _ : state) {
        const long target = client.arrived.load() + burst;
        host.SendRaw(frames);
        while (client.arrived.load() < target)
            std::this_thread::yield();
    }
    state.counters["waiting"] = client.WaitingCount();
    state.SetItemsProcessed(state.iterations() * burst);
    state.SetBytesProcessed(state.iterations() * static_cast<long>(frames.size()));
}
BENCHMARK(BM_FloodIntoAFullQueue)->Arg(10000)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
