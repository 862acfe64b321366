// Oscivo's tick of the scope at the dialog's size (634 x 313): one push of all twelve traces,
// the repaint that follows it, and both, with the thinnest and the widest pen.

#include "platform/WindowStyles.h"
#include "scopecontrols/OScopeCtrl.h"
#include "scopecontrols/ScopeSettings.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr COLORREF kColors[kScopeSlots] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFFFF00, 0xFF00FF,
                                           0x000080, 0x008000, 0x800000, 0x008080, 0x808000, 0x800080};

// A scope set up as the dialog sets it up, every slot with data.
struct Scope {
    explicit Scope(int thickness)
    {
        g_nThickness = thickness;
        g_nSlotGroup.fill(1);
        scope.Create(WS_CHILD | WS_VISIBLE, platform::Rect(0, 0, 634, 313), &parent, 0);
        scope.m_nVertGridLines = 9;
        scope.m_nHorzGridLines = 9;
        scope.m_nLabelDecimals = 1;
        scope.m_nSamplesPerWidth = 0;
        for (int k = 0; k < kScopeSlots; ++k) {
            scope.SetTraceColor(kColors[k], k);
            scope.SetTraceRange(0, 100 * (k + 1), k);
        }
        parent.resize(700, 400);
        parent.show();
        while (!parent.windowHandle()->isExposed())
            QCoreApplication::processEvents();
    }
    ~Scope() { ResetScopeSettings(); }
    void Push()
    {
        double values[kScopeSlots];
        for (int k = 0; k < kScopeSlots; ++k)
            values[k] = 50 * (k + 1) * (1 + std::sin(0.05 * sample + k));
        ++sample;
        scope.PushValues(values);
    }
    // A paint of the window as Qt runs it: into the window's backing store, then shown.
    void Repaint() { scope.GetSafeHwnd()->repaint(); }
    QWidget parent;
    COScopeCtrl scope{kScopeSlots};
    int sample = 0;
};

void BM_ScopePush12(benchmark::State& state)
{
    Scope s(static_cast<int>(state.range(0)));
    for (auto _ : state)
        s.Push();
}

void BM_ScopeRepaint(benchmark::State& state)
{
    Scope s(0);
    s.Push();
    for (auto _ : state)
        s.Repaint();
}

void BM_ScopeTick(benchmark::State& state)
{
    Scope s(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        s.Push();
        s.Repaint();
    }
}

BENCHMARK(BM_ScopePush12)->Arg(0)->Arg(10)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScopeRepaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScopeTick)->Arg(0)->Arg(10)->Unit(benchmark::kMicrosecond);

} // namespace
