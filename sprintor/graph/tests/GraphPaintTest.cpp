// The picture of the graph, painted through the off-screen surface into an image, and the
// repaints that an owner's changes bring.

#include "platform/SystemMetrics.h"
#include "sprintor/graph/tests/GraphTestSupport.h"

#include <QTest>

#include <functional>
#include <gtest/gtest.h>
#include <limits>

using platform::Rect;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGrid = RGB(220, 220, 220);
constexpr COLORREF kWhite = RGB(255, 255, 255);

class Painted {
public:
    explicit Painted(int w = 400, int h = 300) { graph.resize(w, h); }
    const QImage& Paint()
    {
        image = QImage(graph.width(), graph.height(), QImage::Format_RGB32);
        image.fill(Qt::magenta);
        platform::CDC dc(&image);
        graph.OnPaint(&dc);
        return image;
    }
    COLORREF At(int x, int y) const { return PixelAt(image, x, y); }
    std::string Row(int y, int x0, int n) const
    {
        std::string s;
        for (int x = x0; x < x0 + n; ++x)
            s += At(x, y) == 0 ? '#' : '.';
        return s;
    }
    std::string Column(int x, int y0, int n) const
    {
        std::string s;
        for (int y = y0; y < y0 + n; ++y)
            s += At(x, y) == 0 ? '#' : '.';
        return s;
    }
    // Whether any pixel of the rectangle is not white.
    bool Inked(const Rect& r) const
    {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (At(x, y) != kWhite)
                    return true;
        return false;
    }
    POINT Device(float x, float y) const
    {
        const Rect& p = graph.m_rcPlot;
        const double xScale = p.Width() / (double(graph.m_fXMax) - graph.m_fXMin);
        const double yScale = p.Height() / (double(graph.m_fYMax) - graph.m_fYMin);
        return {p.left + int((double(x) - graph.m_fXMin) * xScale),
                p.bottom - int((double(y) - graph.m_fYMin) * yScale)};
    }
    CGraphWnd graph;
    QImage image;
};

TEST(GraphPaint, GridFrameAndSeriesHaveTheirColours)
{
    Painted p;
    const GraphPoint line[] = {{0, 55}, {100, 55}};
    p.graph.AddSeries("", kRed, 0, line, 2);
    p.Paint();
    const Rect& plot = p.graph.m_rcPlot;
    EXPECT_EQ(p.At(0, 0), GetSysColor(COLOR_BTNSHADOW)) << "the sunken edge";
    const int mid = (plot.top + plot.bottom) / 2 + 3;
    EXPECT_EQ(p.At(plot.left, mid), 0u) << "frame";
    EXPECT_EQ(p.At(plot.right, mid), 0u) << "frame";
    EXPECT_EQ(p.At(plot.left + 5, plot.bottom), 0u) << "frame";
    const int x3 = 3 + int((plot.left - 3) + 3 * (plot.Width() / 10.0));
    EXPECT_EQ(p.At(x3, mid), kGrid);
    EXPECT_EQ(p.At(x3 + 1, mid), kWhite);
    const int y55 = p.Device(0, 55).y;
    EXPECT_EQ(p.At(plot.left + 17, y55), kRed);
    EXPECT_EQ(p.At(plot.left + 17, y55 - 1), kWhite);
    EXPECT_FALSE(p.graph.m_series[0].m_bDirty) << "projected and kept";
}

TEST(GraphPaint, RubberBandIsDottedWhileTheButtonIsDown)
{
    Painted p;
    p.Paint();
    const Rect& plot = p.graph.m_rcPlot;
    p.graph.m_bButtonDown = TRUE;
    p.graph.m_rcDrag = Rect(plot.left + 10, plot.top + 10, plot.left + 60, plot.top + 40);
    p.Paint();
    EXPECT_EQ(p.Row(plot.top + 10, plot.left + 10, 14), "###...###...##");
    // The pattern goes on round the corner: the top line was 50 steps long.
    EXPECT_EQ(p.Column(plot.left + 60, plot.top + 10, 12), "#...###...##");
    EXPECT_EQ(p.At(plot.left + 13, plot.top + 10), kWhite)
        << "the gaps take the background colour, over the grid too";
}

TEST(GraphPaint, CrosshairFollowsTheCursorPointAndGivesWayToTheBand)
{
    Painted p;
    const GraphPoint points[] = {{10, 20}, {40, 70}, {80, 30}};
    p.graph.AddSeries("", kRed, 0, points, 3);
    p.graph.m_nCursor = 1;
    p.Paint();
    const Rect& plot = p.graph.m_rcPlot;
    const POINT c = p.graph.m_series[0].m_screenPoints[1];
    EXPECT_EQ(c, p.Device(40, 70));
    EXPECT_EQ(p.Row(c.y, plot.left, 6), "###...");
    EXPECT_EQ(p.Column(c.x, plot.top, 6), "###...");

    p.graph.m_nCursor = 3; // right of the last point
    p.Paint();
    EXPECT_NE(p.At(c.x, plot.top + 1), 0u);

    p.graph.m_nCursor = 1;
    p.graph.m_bButtonDown = TRUE;
    p.graph.m_rcDrag = Rect(plot.left + 2, plot.top + 2, plot.left + 3, plot.top + 3);
    p.Paint();
    EXPECT_NE(p.At(c.x, plot.top + 1), 0u) << "no crosshair while the band is shown";
}

TEST(GraphPaint, LabelsOutsideThePlotAreClippedOnceASeriesIsDrawn)
{
    for (bool withSeries : {true, false}) {
        Painted p;
        if (withSeries)
            p.graph.AddSeries("", kRed, 0);
        p.graph.AddText(50, 105, "Beschleunigung");
        p.Paint();
        const Rect& plot = p.graph.m_rcPlot;
        const Rect above(plot.left + 30, 4, plot.right, plot.top);
        EXPECT_EQ(p.Inked(above), !withSeries);
    }
    Painted inside;
    inside.graph.AddSeries("", kRed, 0);
    inside.graph.AddText(50, 50, "Beschleunigung");
    inside.Paint();
    const POINT at = inside.Device(50, 50);
    EXPECT_TRUE(inside.Inked(Rect(at.x, at.y - 12, at.x + 60, at.y)));
}

TEST(GraphPaint, BarsReachTheNextPointAndStartInsideThePlot)
{
    Painted p;
    const GraphPoint points[] = {{0, 53}, {20, 67}, {30, 43}};
    p.graph.AddSeries("", kRed, 1, points, 3);
    p.Paint();
    const Rect& plot = p.graph.m_rcPlot;
    const POINT b1 = p.Device(20, 67), b2 = p.Device(30, 43);
    EXPECT_EQ(p.At(plot.left, plot.bottom - 5), 0u) << "the frame stays";
    EXPECT_EQ(p.At(plot.left + 1, plot.bottom - 5), kRed) << "the first bar starts at plot left + 1";
    EXPECT_EQ(p.At(b1.x + 2, b1.y), kRed);
    EXPECT_EQ(p.At(b1.x + 2, b1.y - 1), kWhite);
    EXPECT_EQ(p.At(b2.x - 1, b1.y + 1), kRed);
    const int lastRight = b2.x + (b2.x - b1.x);
    EXPECT_EQ(p.At(lastRight - 1, b2.y + 1), kRed) << "the last bar is as wide as the one before";
    EXPECT_NE(p.At(lastRight, b2.y + 1), kRed);
}

TEST(GraphPaint, SinglePointsAndOtherTypes)
{
    struct Case {
        int type;
        bool barVisible;
    } cases[] = {{0, false}, {1, true}, {2, false}};
    for (const Case& c : cases) {
        Painted p;
        const GraphPoint point[] = {{50, 50}};
        p.graph.AddSeries("", kRed, c.type, point, 1);
        p.Paint();
        const POINT d = p.Device(50, 50);
        EXPECT_EQ(p.At(d.x, d.y + 2) == kRed, c.barVisible) << c.type;
        EXPECT_NE(p.At(d.x + 1, d.y + 2), kRed) << "one pixel wide";
        EXPECT_FALSE(p.graph.m_series[0].m_bDirty) << "projected whatever the type";
    }
}

TEST(GraphPaint, PointsThatAreNotNumbersAreLeftOut)
{
    Painted p;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const GraphPoint points[] = {{10, 10}, {nan, 50}, {30, 30}, {40, nan}};
    p.graph.AddSeries("", kRed, 0, points, 4);
    p.graph.m_nCursor = 1;
    p.Paint();
    EXPECT_EQ(p.graph.m_series[0].m_screenPoints[1], kNoScreenPoint);
    EXPECT_EQ(p.graph.m_series[0].m_screenPoints[3], kNoScreenPoint);
    const POINT mid = p.Device(20, 20);
    for (int dy = -2; dy <= 2; ++dy)
        EXPECT_NE(p.At(mid.x, mid.y + dy), kRed) << "no line across the gap";
}

TEST(GraphPaint, EmptyAndHugeRangesSaturateInsteadOfOverflowing)
{
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        float xMin, xMax, yMin, yMax;
    } cases[] = {{5, 5, 0, 100}, {0, 100, 7, 7}, {0, 1e-30f, -3e8f, 3e8f}, {-inf, inf, 0, 100}};
    for (const Case& c : cases) {
        Painted p;
        const GraphPoint points[] = {{5, 7}, {1e30f, -1e30f}, {-3e38f, 3e38f}, {6, 8}};
        p.graph.AddSeries("", kRed, 0, points, 4);
        p.graph.AddSeries("bars", kRed, 1, points, 4);
        p.graph.AddText(1e30f, 5, "far");
        p.graph.m_fXMin = c.xMin, p.graph.m_fXMax = c.xMax, p.graph.m_fYMin = c.yMin,
        p.graph.m_fYMax = c.yMax;
        p.graph.m_nCursor = 2;
        p.Paint();
        EXPECT_FALSE(p.graph.m_series[0].m_bDirty);
        const Rect& plot = p.graph.m_rcPlot;
        EXPECT_EQ(p.At(plot.left - 1, plot.bottom + 1) == kRed, false) << "clipped to the plot";
    }
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    int paints = 0;
};

TEST(GraphPaint, AnOwnersChangeRepaints)
{
    struct Case {
        const char* name;
        std::function<void(CGraphWnd&)> change;
        std::function<bool(const CGraphWnd&)> taken;
    } cases[] = {
        {"x title", [](CGraphWnd& g) { g.SetXTitle("Zeit (s)"); },
         [](const CGraphWnd& g) { return g.m_strXTitle == "Zeit (s)"; }},
        {"y title", [](CGraphWnd& g) { g.SetYTitle("Geschwindigkeit (mph)"); },
         [](const CGraphWnd& g) { return g.m_strYTitle == "Geschwindigkeit (mph)"; }},
        {"y divisions", [](CGraphWnd& g) { g.SetYDivisions(4); },
         [](const CGraphWnd& g) { return g.m_nYDivisions == 4; }},
    };
    NotifyParent parent;
    parent.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
    PaintCounter counter;
    parent.graph.installEventFilter(&counter);
    for (const Case& c : cases) {
        QCoreApplication::processEvents();
        counter.paints = 0;
        c.change(parent.graph);
        EXPECT_TRUE(c.taken(parent.graph)) << c.name;
        EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }, 2000)) << c.name;
    }
}

TEST(GraphPaint, TooSmallControlShowsOnlyBackgroundAndEdge)
{
    Painted p(60, 40);
    p.graph.AddSeries("", kRed, 0);
    p.Paint();
    EXPECT_TRUE(p.graph.m_series[0].m_bDirty) << "the series were not drawn";
    EXPECT_EQ(p.At(0, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(p.At(30, 20), kWhite);
}

} // namespace
