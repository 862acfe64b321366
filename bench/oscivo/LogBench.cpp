#include "oscivo/core/LogReader.h"
#include "oscivo/core/OscivoModel.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/tests/LogSamples.h"
#include "platform/Numbers.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <string>

namespace {

constexpr int kLines = 100000;

// A log of kLines data lines, four lines a second, with values of realistic width.
std::string LogText(bool advanced)
{
    std::string text = advanced ? logsamples::AdvancedHeader() : logsamples::StandardHeader();
    for (int i = 0; i < kLines; ++i) {
        const double t = 0.25 * i;
        for (int column = 0; column < 12; ++column) {
            if (advanced || column % 4 == 0)
                text += platform::FormatC(",%.2f", t + 0.01 * column);
            text += platform::FormatC(",%.2f", 850.0 + (i * 7 + column * 13) % 5000 / 10.0);
        }
        text += "\r\n";
    }
    return text;
}

// The header and every line of the log, read from its file as playback reads it.
void ReadWholeLog(benchmark::State& state, bool advanced)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("drive.csv"));
    const std::string text = LogText(advanced);
    file.open(QIODevice::WriteOnly);
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.close();

    ResetOscivoState();
    OscivoModel model;
    LogReader reader;
    for (auto _ : state) {
        reader.Open(file.fileName());
        if (reader.ReadLogHeader(model) != 1)
            state.SkipWithError("header");
        int replies = 0;
        while (reader.ConvertLogLine().kind == LogLineKind::Reply)
            ++replies;
        if (replies != kLines)
            state.SkipWithError("lines");
        reader.Close();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
    state.counters["line"] = benchmark::Counter(static_cast<double>(state.iterations()) * kLines,
                                                benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_StandardLog100k(benchmark::State& state)
{
    ReadWholeLog(state, false);
}
BENCHMARK(BM_StandardLog100k)->Unit(benchmark::kMillisecond);

void BM_AdvancedLog100k(benchmark::State& state)
{
    ReadWholeLog(state, true);
}
BENCHMARK(BM_AdvancedLog100k)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
