#include "dialogkit/PluginDialog.h"
#include "platform/TickClock.h"
#include "sprintor/core/AccelerationRun.h"
#include "sprintor/core/SprintorStrings.h"
#include "sprintor/ui/SprintorDlg.h"
#include "testhost/ReplyPayload.h"

#include <benchmark/benchmark.h>

namespace {

std::string Reply(const std::string& speed)
{
    return testhost::StandardReply(
        "123 456 789 AB", {testhost::Entry{1, 0, "2850", "/min"}, testhost::Entry{1, 1, speed, "km/h"},
                           testhost::Entry{1, 2, "12.5", "l/h"}, testhost::Entry{1, 3, "90", "°C"}});
}

// A run brought to its measuring state without sounds, a tick every 50 ms on the bench's clock:
// each step's sound counts as played.
void CountDown(AccelerationRun& run, platform::ManualTickClock& clock)
{
    run.Start(0, 100, "km/h");
    while (run.RunState() != AccelerationRun::STATE_MEASURING) {
        clock.Advance(50);
        if (run.OnTimerTick().nSound != 0)
            run.OnSoundPlayed();
    }
}

// One reply through the run alone; standing now and then restarts the clock, as a real run does.
void BM_ReplyThroughTheRun(benchmark::State& state)
{
    InstallSprintorStrings();
    platform::ManualTickClock clock(1000);
    platform::ScopedTickClock useClock(clock);
    AccelerationRun run;
    CountDown(run, clock);
    const std::string moving = Reply("57.5"), standing = Reply("0");
    run.OnHostDataReply("1", moving, 15);
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(run.OnHostDataReply("1", ++n % 1000 == 0 ? standing : moving, 1e9f));
}
BENCHMARK(BM_ReplyThroughTheRun);

// One reply through the dialog's handler: the run, then the point on the graph's curve.
void BM_ReplyThroughTheDialog(benchmark::State& state)
{
    InstallSprintorStrings();
    CSprintorDlg dlg;
    dlg.m_graph.AddSeries(QString(), 0x0000FF, 0);
    platform::ManualTickClock clock(1000);
    platform::ScopedTickClock useClock(clock);
    CountDown(dlg.m_run, clock);
    void* context = static_cast<PluginDialog*>(&dlg);
    std::string kind = "1", seq = "0";
    std::string moving = Reply("57.5"), standing = Reply("0");
    CSprintorDlg::OnHostDataReply(context, &kind, &seq, &moving);
    int n = 0;
    for (auto _ : state)
        CSprintorDlg::OnHostDataReply(context, &kind, &seq, ++n % 1000 == 0 ? &standing : &moving);
}
BENCHMARK(BM_ReplyThroughTheDialog);

// The search for the speed field in a run's first reply (with the press of "Los!" a second before
// it): a usual one, and one of 200 KB.
void BM_FirstReplyOfARun(benchmark::State& state)
{
    InstallSprintorStrings();
    std::string payload = Reply("57.5");
    if (state.range(0) != 0) {
        payload = "123 456 789 AB";
        while (payload.size() < 200000)
            payload += ",G001,F0,1, /min";
        payload += ",G001,F1,57, km/h";
    }
    platform::ManualTickClock clock(1000);
    platform::ScopedTickClock useClock(clock);
    AccelerationRun run;
    for (auto _ : state) {
        run.Start(0, 100, "km/h");
        clock.Advance(1000);
        benchmark::DoNotOptimize(run.OnHostDataReply("1", payload, 15));
    }
}
BENCHMARK(BM_FirstReplyOfARun)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
