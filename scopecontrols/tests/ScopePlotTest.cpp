// Pushing values onto the scope: segments, steps, gaps, clipping and the fit mode, read from the
// pixels of its plot surface.

#include "scopecontrols/tests/ScopeTestSupport.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <limits>

using platform::Rect;

namespace scopetest {
namespace {

// A 176 x 120 client with the default labels (limits 0 and 100, units shown, three decimals)
// has a 66-pixel margin: the plot is L 66, T 10, R 166, B 110, and one unit is one pixel.
constexpr int kL = 66, kT = 10, kR = 166, kB = 110;

class ScopePlot : public ScopeTest {
protected:
    void SetUp() override
    {
        Make(176, 120, 1);
        ASSERT_EQ(scope->PlotRect(), Rect(kL, kT, kR, kB));
    }
    // The first and last column of colour on a row, -1 when there is none.
    std::pair<int, int> Run(int y) const
    {
        int first = -1, last = -1;
        for (int x = 0; x < Plot().width(); ++x)
            if (PlotAt(x, y) != kBlack) {
                first = first < 0 ? x : first;
                last = x;
            }
        return {first, last};
    }
    QRect PlotArea() const
    {
        return QRect(kL, kT + 1, kR - kL + 1, kB - kT);
    } // rows T + 1 to B, columns to R
};

TEST_F(ScopePlot, TheFirstSegmentRisesFromZeroAndFlatValuesGrowByTheStepUpToOneLeftOfTheEdge)
{
    Push(50);
    EXPECT_EQ(PlotAt(kR - 4, kB), kTraceColors[0]) << "starts at the y of 0, one left of x0";
    EXPECT_EQ(Run(60).second, kR - 1) << "the new value's own pixel is drawn";
    EXPECT_EQ(Run(59).first, -1);
    EXPECT_EQ(Inked(Plot(), kBlack), QRect(kR - 4, 60, 4, 51));

    Push(50);
    const int start = Run(60).first;
    Push(50);
    EXPECT_EQ(Run(60), std::make_pair(start - 3, kR - 1));
    EXPECT_EQ(PlotAt(kR, 60), kBlack);

    g_nStepWidth = 10; // read at every push
    Push(50);
    EXPECT_EQ(Run(60), std::make_pair(start - 13, kR - 1));
}

// A value beyond the range shows only inside the frame, whatever its size and the pen's width.
TEST_F(ScopePlot, ValuesBeyondTheRangeAreCutAtTheFrame)
{
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        int edgeRow; // the row the segment runs to
    } cases[] = {{150, kT + 1}, {-50, kB},  {1e100, kT + 1}, {-1e100, kB},
                 {inf, kT + 1}, {-inf, kB}, {1e15, kT + 1}};
    for (int thickness : {0, 8}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "value " << c.value << ", pen " << thickness);
            g_nThickness = thickness;
            Make(176, 120, 1);
            Push(50);
            Push(c.value);
            Push(c.value);
            const QRect inked = Inked(Plot(), kBlack);
            EXPECT_TRUE(PlotArea().contains(inked))
                << "inked " << inked.x() << "," << inked.y() << " " << inked.width() << "x" << inked.height();
            EXPECT_TRUE(HasColor(Plot(), QRect(kL, c.edgeRow, kR - kL + 1, 1), kTraceColors[0]));
        }
    }
}

TEST_F(ScopePlot, ATraceWithEqualLimitsIsDrawnOverOneUnit)
{
    scope->SetTraceRange(5, 5, 0);
    Push(5);
    EXPECT_EQ(Run(kB).second, kR - 1) << "the lower limit on the bottom row";
    Push(5.5);
    EXPECT_EQ(Run(kB - 50).second, kR - 1) << "half a unit is half the plot height";
    EXPECT_EQ(scope->Trace(0).lower, 5);
    EXPECT_EQ(scope->Trace(0).upper, 5);
}

TEST_F(ScopePlot, TheBottomRowScrollsAndClearsWithTheRest)
{
    for (int i = 0; i < 5; ++i)
        Push(0);
    ASSERT_EQ(Run(kB).second, kR - 1);
    const int start = Run(kB).first;
    g_nStepWidth = 30;
    const double gap = 0;
    scope->SkipGap(&gap);
    EXPECT_EQ(Run(kB), std::make_pair(start - 30, kR - 31)) << "moved by the gap; the strip is cleared";
}

TEST_F(ScopePlot, AGapLeavesAStripAndTheNextPushStartsFromItsValue)
{
    for (int i = 0; i < 5; ++i)
        Push(50);
    g_nStepWidth = 30;
    const double gap = 80;
    scope->SkipGap(&gap);
    g_nStepWidth = 3;
    Push(80);
    EXPECT_EQ(Run(60).second, kR - 1 - 33);
    EXPECT_EQ(Inked(Plot().copy(kR - 33, 0, 29, 120), kBlack), QRect()) << "the strip";
    EXPECT_EQ(Run(30), std::make_pair(kR - 4, kR - 1)) << "flat at the gap's value, no rise to it";
}

TEST_F(ScopePlot, FitModeSharesThePlotWidthAmongTheSamples)
{
    struct Case {
        int samplesPerWidth;
        std::vector<int> steps;
    } cases[] = {
        {4, {33, 34, 33, 33, 34, 33}},
        {2, {100, 100}},
        {1, {3, 3}}, // one sample per width steps as without fit mode
        {0, {3, 3}},
    };
    for (const Case& c : cases) {
        Make(176, 120, 1);
        scope->m_nSamplesPerWidth = c.samplesPerWidth;
        std::vector<int> steps;
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            Push(50);
            steps.push_back(scope->ShiftPixels());
        }
        EXPECT_EQ(steps, c.steps) << c.samplesPerWidth;
    }
}

TEST_F(ScopePlot, ANewPenWidthTakesEffectWithTheNextColourAndOnlyForNewSegments)
{
    auto height = [&](int x) { return Inked(Plot().copy(x, 0, 1, 120), kBlack).height(); };
    Push(50);
    Push(50);
    g_nThickness = 6;
    Push(50);
    EXPECT_EQ(height(kR - 2), 1) << "the pen is made when the colour is set";
    scope->SetTraceColor(kTraceColors[1], 0);
    Push(50);
    Push(50);
    EXPECT_GE(height(kR - 2), 5);
    EXPECT_EQ(PlotAt(kR - 2, 60), kTraceColors[1]);
    EXPECT_EQ(height(kR - 12), 1) << "what was drawn stays";
    EXPECT_EQ(PlotAt(kR - 12, 60), kTraceColors[0]);
}

TEST_F(ScopePlot, TraceIndexesOutsideTheTracesAreRefused)
{
    scope->SetBackColor(RGB(1, 2, 3));
    for (int bad : {-1, 1, 12}) {
        scope->SetTraceColor(RGB(9, 9, 9), bad);
        scope->SetTraceRange(0, 1, bad);
        EXPECT_EQ(scope->GetTraceColor(bad), RGB(1, 2, 3)) << bad;
    }
    EXPECT_EQ(scope->GetTraceColor(0), kTraceColors[0]);
    EXPECT_EQ(scope->Trace(0).upper, 100);
}

TEST_F(ScopePlot, PaintingOrsThePlotOverTheGrid)
{
    scope->SetBackColor(RGB(0, 0, 64));
    Push(50);
    const QImage painted = Painted();
    EXPECT_EQ(platform::FromQColor(painted.pixel(kR - 1, 60)), RGB(255, 0, 64));
    EXPECT_EQ(platform::FromQColor(painted.pixel(kL, kT)), kWhite) << "the frame";
    EXPECT_EQ(platform::FromQColor(painted.pixel(kR, 30)), RGB(0, 0, 64));
}

// The window shows the grid with the traces ORed over it in every pixel, also where the picture
// is taller than what is combined at a time.
TEST_F(ScopePlot, ThePaintIsTheGridOrTheTracesInEveryPixel)
{
    Make(176, 300, 1);
    for (int i = 0; i < 60; ++i)
        Push(i % 2 ? 100 : 0);
    const QImage painted = Painted();
    ASSERT_EQ(painted.size(), Plot().size());
    int differing = 0;
    for (int y = 0; y < painted.height(); ++y)
        for (int x = 0; x < painted.width(); ++x)
            differing += painted.pixel(x, y) != (Grid().pixel(x, y) | Plot().pixel(x, y)) ? 1 : 0;
    EXPECT_EQ(differing, 0);
    EXPECT_TRUE(HasColor(painted, QRect(kL, 200, kR - kL, 50), kTraceColors[0]))
        << "the traces show low down";
}

// A step paints anew only where the traces show; the window then shows what painting it whole
// would show, also with values beyond the limits, wide pens and gaps.
TEST_F(ScopePlot, AfterStepsTheWindowShowsTheWholePicture)
{
    g_nThickness = 4;
    Make(176, 120, 2);
    parent.resize(250, 200);
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    const double values[] = {-20, 50, 130, 100, 0, 75, 200, 10};
    for (int i = 0; i < 24; ++i) {
        if (i == 12) {
            g_nStepWidth = 30;
            const std::vector<double> gap(2, 60.0);
            scope->SkipGap(gap.data());
            g_nStepWidth = 3;
        }
        Push(values[i % 8]);
        QApplication::processEvents();
    }
    QWidget* window = scope->GetSafeHwnd();
    const QImage shown =
        QGuiApplication::primaryScreen()
            ->grabWindow(parent.winId(), window->x(), window->y(), window->width(), window->height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(shown, window->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

// Nothing can be plotted where the margins leave no plot, or there is no client area at all;
// every step still runs.
TEST_F(ScopePlot, ScopesWithoutAPlotAreaDrawNothing)
{
    const QSize sizes[] = {{0, 0}, {25, 60}, {200, 15}, {1, 1}};
    for (QSize size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        g_nThickness = 5;
        Make(size.width(), size.height());
        scope->m_nSamplesPerWidth = 4;
        for (double v : {50.0, 1e300, -1e300, 20.0})
            Push(v);
        g_nStepWidth = 30;
        const std::vector<double> gap(kScopeSlots, 10.0);
        scope->SkipGap(gap.data());
        scope->SetTraceRange(-40, 140, 2);
        Push(0);
        if (scope->PlotSurface()) {
            EXPECT_EQ(Inked(Plot(), kBlack), QRect());
        }
        Painted();
        ResetScopeSettings();
    }
}

} // namespace
} // namespace scopetest
