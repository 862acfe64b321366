#include "testhost/ReplyPayload.h"
#include "verbrix/core/Consumption.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using testhost::Entry;

std::string Reply()
{
    return testhost::StandardReply("03L906022  ", {Entry{5, 0, "2000", "/min"}, Entry{5, 1, "50", "km/h"},
                                                   Entry{5, 2, "5.0", "l/h"}, Entry{5, 3, "90", "°C"},
                                                   Entry{6, 0, "12.5", "V"}, Entry{6, 1, "35", "%"},
                                                   Entry{6, 2, "1.2", "bar"}, Entry{6, 3, "3", ""}});
}

// A reply of every later tick: two fields read, the sums and the four texts made.
void BM_AccountReply(benchmark::State& state)
{
    const std::string reply = Reply();
    FuelAccounting meter;
    meter.OnHostDataReply("1", reply);
    for (auto _ : state)
        benchmark::DoNotOptimize(meter.OnHostDataReply("1", reply));
}
BENCHMARK(BM_AccountReply);

// The first reply: every field searched for both units. The argument is the number of
// surplus fields before the units, as a host that sends far more than one block would.
void BM_DetectFields(benchmark::State& state)
{
    std::string reply = "03L906022  ,";
    for (int i = 0; i < state.range(0); ++i)
        reply += "G000,,,,";
    reply += "G005,F1,50, km/h,G005,F2,5.0, l/h,";
    for (auto _ : state) {
        FuelAccounting meter;
        benchmark::DoNotOptimize(meter.OnHostDataReply("1", reply));
    }
}
BENCHMARK(BM_DetectFields)->Arg(0)->Arg(12)->Arg(1000)->Arg(10000);

} // namespace

BENCHMARK_MAIN();
