#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoModel.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/OscivoStrings.h"
#include "oscivo/core/ReplyParser.h"
#include "platform/Numbers.h"
#include "testhost/Drive.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <string>

namespace {

void WriteFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

// A label file of a hundred groups: a title and four fields each, about 20 KB.
std::string LabelFile(int seed)
{
    std::string text = "; labels of a control module\r\n";
    for (int g = 1; g <= 100; ++g) {
        text += platform::FormatC("%d,0,Group %d of module %d\r\n", g, g, seed);
        for (int f = 1; f <= 4; ++f)
            text += platform::FormatC("%d,%d,Measured value %d.%d,unit text;comment\r\n", g, f, g, f);
    }
    return text;
}

// A start-up directory with the drive's scaling file and 400 label files, the drive's module
// among them as a shared file that redirects its suffix: the longest way to its labels.
class StartDir {
public:
    StartDir()
    {
        QDir(m_dir.path()).mkdir("labels");
        QDir(m_dir.path()).mkdir("Scaling");
        for (int i = 0; i < 400; ++i) {
            const std::string name =
                platform::FormatC("%03d-%03d-%03d%s.LBL", 100 + i % 7, 200 + i, 900 - i, i % 3 ? "-AB" : "");
            WriteFile(m_dir.filePath(QString::fromStdString("labels/" + name)), LabelFile(i));
        }
        WriteFile(m_dir.filePath("labels/123-456-789.LBL"),
                  "REDIRECT,123-456-789-XY.LBL,AA,AB\r\n" + LabelFile(0));
        WriteFile(m_dir.filePath("labels/123-456-789-XY.LBL"), LabelFile(1));
    }

    QString Path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

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

BENCHMARK_MAIN();
