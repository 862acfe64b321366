#include "dynalyt/core/NumberFormat.h"
#include "dynalyt/ui/ChartPaint.h"
#include "dynalyt/ui/TChart.h"
#include "dynalyt/ui/TfMain.h"
#include "platform/testing/RecordingMessageBox.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// A pull-through from 1500 to 6500 1/min and a coast-down, as the grids hold them.
void FillGrids(dynalyt::FormTexts& t)
{
    for (int i = 0; i < 40; ++i) {
        const double time = 0.5 * (i + 1);
        t.m_beschl.SetCell(0, i, dynalyt::NumberFormat.FormatFloat(time, 2));
        t.m_beschl.SetCell(1, i, dynalyt::NumberFormat.FormatFloat(1500 + i * 125, 0));
        t.m_beschl.SetCell(2, i, dynalyt::NumberFormat.FormatFloat(30 + i * 2.5, 2));
    }
    for (int i = 0; i < 40; ++i) {
        t.m_ausr.SetCell(0, i, dynalyt::NumberFormat.FormatFloat(30 + i, 2));
        t.m_ausr.SetCell(1, i, dynalyt::NumberFormat.FormatFloat(128 - i * 2.2 + i * i * 0.01, 2));
    }
}

struct Form {
    Form() : form(QStringLiteral("/nonexistent/dynalyt"))
    {
        FillGrids(form.m_unit.fMain);
        form.m_unit.TabsChange();
    }
    platform::RecordingMessageBox boxes;
    dynalyt::TfMain form;
};

void BM_PaintDiagram(benchmark::State& state)
{
    Form f;
    QImage image(f.form.Chart1->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        dynalyt::PaintChart(painter, f.form.m_unit.Chart1, image.size());
    }
}
BENCHMARK(BM_PaintDiagram)->Unit(benchmark::kMicrosecond);

void BM_PageChange(benchmark::State& state)
{
    Form f;
    f.form.show();
    for (auto _ : state) {
        f.form.TabsChange();
        benchmark::DoNotOptimize(f.form.m_unit.ResultRows[47].pCorr);
    }
}
BENCHMARK(BM_PageChange)->Unit(benchmark::kMicrosecond);

} // namespace
