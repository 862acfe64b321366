// Repaint of Sprintor's graph at its dialog size with a run of 2,000 points: the paint of a
// mouse move (points kept) and the paint after a new point or a limit change (projected anew).

#include "platform/DialogUnits.h"
#include "sprintor/graph/GraphWnd.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

void FillRun(CGraphWnd& graph)
{
    graph.resize(platform::DluToPixelsX(325), platform::DluToPixelsY(173));
    std::vector<GraphPoint> points;
    for (int i = 0; i < 2000; ++i) {
        const float t = static_cast<float>(i) * 0.01f;
        points.push_back({t, 100.f * (1.f - std::exp(-t / 6.f)) + 2.f * std::sin(t * 7.f)});
    }
    graph.AddSeries("", 0x0000FF, 0, points.data(), unsigned(points.size()));
    graph.SetXMax(20);
    graph.SetYMax(110);
    graph.AddText(1.5f, 100, "Beschleunigung von 0 auf 100 dauerte 13.81 Sekunden.");
    graph.m_nCursor = 1000;
}

void Repaint(benchmark::State& state, bool project)
{
    CGraphWnd graph;
    FillRun(graph);
    QImage screen(graph.width(), graph.height(), QImage::Format_RGB32);
    for (auto _ : state) {
        if (project)
            graph.Refresh();
        platform::CDC dc(&screen);
        graph.OnPaint(&dc);
    }
    benchmark::DoNotOptimize(screen.constBits());
}

void BM_GraphRepaintKeptPoints(benchmark::State& state)
{
    Repaint(state, false);
}

void BM_GraphRepaintProjected(benchmark::State& state)
{
    Repaint(state, true);
}

BENCHMARK(BM_GraphRepaintKeptPoints)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GraphRepaintProjected)->Unit(benchmark::kMillisecond);

} // namespace
