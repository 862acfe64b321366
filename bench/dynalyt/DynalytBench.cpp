#include "dynalyt/core/MainUnit.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class QuietActions : public dynalyt::IFormActions {
public:
    void ShowMessage(const QString&) override {}
    void ShowError(const QString&) override {}
    void ShowPage(dynalyt::Page) override {}
    void FocusEdit(dynalyt::InputEdit) override {}
};

// TabsChange with both grids full: 256 acceleration rows (thinned to 48) and 256 coast-down rows.
void TabsChangeOnFullGrids(benchmark::State& state)
{
    QuietActions actions;
    dynalyt::MainUnit unit(actions);
    for (int row = 0; row < dynalyt::GridRows; ++row) {
        unit.fMain.m_beschl.SetCell(0, row, QStringLiteral("%1,%2").arg(row / 10).arg(row % 10));
        unit.fMain.m_beschl.SetCell(1, row, QString::number(2000 + 15 * row));
        unit.fMain.m_beschl.SetCell(2, row, QStringLiteral("%1,5").arg(40 + row / 3));
        unit.fMain.m_ausr.SetCell(0, row, QString::number(row));
        unit.fMain.m_ausr.SetCell(1, row, QStringLiteral("%1,25").arg(300 - row));
    }
    for (auto _ : state)
        if (unit.TabsChange() != dynalyt::ChainResult::Filled)
            state.SkipWithError("the chain did not fill the table");
}
BENCHMARK(TabsChangeOnFullGrids)->Unit(benchmark::kMicrosecond);

// The import of a host log of 100,000 lines: reading, the cut into the grids, the recomputation.
void ImportLogOf100000Lines(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString name = dir.filePath("log.csv");
    {
        QByteArray log =
            "Dienstag,10,Dezember,2026,19:21:33:0100\r\n038 906 019 FM,\r\n\r\n,,Group A:,'005\r\n"
            "MARKE,STAMP, /min, km/h,STAMP, /min, km/h\r\n";
        for (int i = 0; i < 100000; ++i) {
            // A run up to line 60,000, then a long slow coast-down.
            const double speed = i < 60000 ? 20 + i * 0.002 : 140 - (i - 60000) * 0.0025;
            const double rpm = i < 60000 ? 1500 + i * 0.08 : 6300 - (i - 60000) * 0.1;
            log += "," + QByteArray::number(i * 0.05, 'f', 2) + "," + QByteArray::number(rpm, 'f', 1) + "," +
                   QByteArray::number(speed, 'f', 3) + ",0.05,12,34\r\n";
        }
        QFile file(name);
        file.open(QIODevice::WriteOnly);
        file.write(log);
    }
    QuietActions actions;
    dynalyt::MainUnit unit(actions);
    unit.zsetzenClick();
    for (auto _ : state)
        if (!unit.ImportLog(name))
            state.SkipWithError("the import failed");
}
BENCHMARK(ImportLogOf100000Lines)->Unit(benchmark::kMillisecond);

} // namespace
