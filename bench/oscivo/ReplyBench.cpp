#include "StartDir.h"
#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoModel.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/OscivoStrings.h"
#include "oscivo/core/ReplyParser.h"
#include "testhost/Drive.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

using oscivobench::StartDir;

void Start(const StartDir& dir)
{
    ResetOscivoState();
    InstallOscivoStrings();
    LoadStartupTexts();
    SetBaseDir(dir.Path());
    g_bLive = TRUE;
    g_bStopped = FALSE;
}

// The work of a live reply in the tick: the handler's copy and parse with the identification
// (title, label lookup and reading) and the display's texts, presets, swatches and fuel economy.
void BM_LiveReply(benchmark::State& state)
{
    const StartDir dir;
    Start(dir);
    OscivoModel model;
    const std::string payload = testhost::DrivePayload(testhost::DriveAt(17.3), false);
    model.TakeReply("1", payload);
    model.ShowParsedReply(); // the first reply creates the scaling files
    for (auto _ : state) {
        const bool shown = model.TakeReply("1", payload);
        benchmark::DoNotOptimize(shown);
        benchmark::DoNotOptimize(model.ShowParsedReply());
    }
}
BENCHMARK(BM_LiveReply)->Unit(benchmark::kMicrosecond);

// The parse alone, as a played-back line has it once its module is known.
void BM_ParseKnownModule(benchmark::State& state)
{
    const StartDir dir;
    Start(dir);
    OscivoModel model;
    SetReply(testhost::DrivePayload(testhost::DriveAt(17.3), false));
    model.ParseReply();
    g_szLoadedScaling = g_szScalingName;
    for (auto _ : state)
        benchmark::DoNotOptimize(model.ParseReply());
}
BENCHMARK(BM_ParseKnownModule)->Unit(benchmark::kMicrosecond);

} // namespace
