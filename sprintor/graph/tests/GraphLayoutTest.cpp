// The layout of the graph and the axes drawn from it, on a drawing context whose font is 8
// pixels a character and as high as asked for, so the numbers are the worked ones.

#include "platform/SystemMetrics.h"
#include "sprintor/graph/tests/GraphTestSupport.h"

#include <gtest/gtest.h>
#include <limits>

using platform::Rect;

namespace {

constexpr int F = 16;

struct Layout {
    explicit Layout(int w = 400, int h = 300) : dc(w, h) {}
    Rect Draw(BOOL printing = FALSE)
    {
        layout = graph.LayOut(&dc, Rect(0, 0, dc.bitmap.GetSize().cx, dc.bitmap.GetSize().cy), F);
        graph.DrawAxes(&dc, layout, printing);
        return layout.plot;
    }
    int CountAligned(UINT align) const
    {
        return int(std::count_if(dc.texts.begin(), dc.texts.end(),
                                 [&](const RecordedText& t) { return t.align == align && t.height == F; }));
    }
    CGraphWnd graph;
    RecordingDC dc;
    GraphLayout layout;
};

TEST(GraphLayout, WorkedLayoutOfOneSeries)
{
    Layout l;
    l.graph.AddSeries("", 0x0000FF, 0);
    const Rect plot = l.Draw();
    // h = 20, g = 6, s = 3; labels of six '9': cx = 48, cy = 16.
    EXPECT_EQ(plot, Rect(24 + 48 + 3, 10 + 16, 376, 270 - 16 - 3));
    EXPECT_EQ(l.layout.xMinLabel, Rect(25, 252, 77, 272));
    EXPECT_EQ(l.layout.xMaxLabel, Rect(326, 252, 378, 272));
    EXPECT_EQ(l.layout.yMinLabel, Rect(22, 233, 74, 253));
    EXPECT_EQ(l.layout.yMaxLabel, Rect(22, 8, 74, 28));
    EXPECT_EQ(l.layout.xLock, Rect(4, 252, 24, 272));
    EXPECT_EQ(l.layout.yLock, Rect(54, 276, 74, 296));

    const RecordedText* yTitle = l.dc.Find("Y-Axis");
    ASSERT_TRUE(yTitle);
    EXPECT_EQ(yTitle->x, 24);
    EXPECT_EQ(yTitle->y, (26 + 251) / 2);
    EXPECT_EQ(yTitle->align, TA_CENTER | TA_BOTTOM);
    EXPECT_EQ(yTitle->height, 20);
    EXPECT_EQ(yTitle->escapement, 900);
    const RecordedText* xTitle = l.dc.Find("X-Axis");
    ASSERT_TRUE(xTitle);
    EXPECT_EQ(xTitle->x, (75 + 376) / 2);
    EXPECT_EQ(xTitle->y, 296);
    EXPECT_EQ(xTitle->escapement, 0);
}

// The layout is a value of the area, the font, the label size and the series: no control and no
// drawing context are needed, and a picture anywhere on its surface lays out alike.
TEST(GraphLayout, FollowsTheAreaAndTheSeries)
{
    const SIZE label{48, 16};
    struct Case {
        Rect area;
        int series;
        long long longestName;
        Rect plot, xMinLabel, yLock, legend;
        std::size_t rows;
    } cases[] = {
        {Rect(0, 0, 400, 300), 1, 5, Rect(75, 26, 376, 251), Rect(25, 252, 77, 272), Rect(54, 276, 74, 296),
         Rect(), 0},
        {Rect(100, 50, 500, 350), 1, 5, Rect(175, 76, 476, 301), Rect(125, 302, 177, 322),
         Rect(154, 326, 174, 346), Rect(), 0},
        {Rect(0, 0, 400, 300), 3, 9, Rect(75, 26, 294, 251), Rect(25, 252, 77, 272), Rect(54, 276, 74, 296),
         Rect(304, 108, 386, 168), 3},
    };
    for (const Case& c : cases) {
        const GraphLayout l = LayOutGraph(c.area, F, label, c.series, c.longestName);
        EXPECT_EQ(l.plot, c.plot) << c.series;
        EXPECT_EQ(l.xMinLabel, c.xMinLabel);
        EXPECT_EQ(l.yLock, c.yLock);
        EXPECT_EQ(l.legend, c.legend);
        ASSERT_EQ(l.legendRows.size(), c.rows);
        if (c.rows) {
            EXPECT_EQ(l.legendRows.back(),
                      Rect(c.legend.left, c.legend.bottom - 20, c.legend.right, c.legend.bottom - 1));
        }
    }
    // A name of absurd length leaves no room for a plot, and overflows nothing.
    const GraphLayout huge = LayOutGraph(Rect(0, 0, 400, 300), F, label, 2, 1LL << 40);
    EXPECT_GE(huge.plot.left, huge.plot.right);
    EXPECT_LT(huge.legend.left, huge.legend.right);
}

TEST(GraphLayout, TickLabelsRunFromMinimumToMaximum)
{
    Layout l;
    const Rect plot = l.Draw();
    std::vector<std::pair<QString, int>> xLabels, yLabels;
    for (const RecordedText& t : l.dc.texts) {
        if (t.align != (TA_RIGHT | TA_BOTTOM))
            continue;
        if (t.y == 270)
            xLabels.push_back({t.text, t.x});
        else
            yLabels.push_back({t.text, t.y});
    }
    ASSERT_EQ(xLabels.size(), 11u);
    ASSERT_EQ(yLabels.size(), 11u);
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(xLabels[i].first, QString::number(i * 10) + ".0");
        EXPECT_EQ(yLabels[i].first, QString::number(i * 10) + ".0");
    }
    EXPECT_EQ(xLabels.front().second, plot.left);
    EXPECT_EQ(xLabels.back().second, plot.right) << "the last label ends at the plot's right edge";
    EXPECT_EQ(yLabels.front().second, plot.bottom);
    EXPECT_EQ(yLabels.back().second, plot.top);
}

TEST(GraphLayout, LabelWidthFollowsTheLongerYLimit)
{
    struct Case {
        float yMin, yMax;
        int digits;
    } cases[] = {{0, 100, 6}, {-5.5f, 1234, 7}, {0, 9, 4}, {-100000, 0, 10}};
    for (const Case& c : cases) {
        Layout l;
        l.graph.m_fYMin = c.yMin;
        l.graph.m_fYMax = c.yMax;
        const Rect plot = l.Draw();
        EXPECT_EQ(plot.left, 24 + c.digits * RecordingDC::kCharWidth + 3) << c.yMin << " " << c.yMax;
    }
}

TEST(GraphLayout, LegendNarrowsThePlotForTwoSeriesOrMore)
{
    struct Case {
        std::vector<QString> names;
        int plotRight;
    } cases[] = {{{"Speed"}, 376},
                 {{"a", "b"}, 376 - 10 - 5 * F / 2},
                 {{"a", "Geschwindigkeit"}, 376 - 10 - 15 * F / 2}};
    for (const Case& c : cases) {
        Layout l;
        for (const QString& name : c.names)
            l.graph.AddSeries(name, 0x00FF00, 0);
        EXPECT_EQ(l.Draw().right, c.plotRight) << c.names.size();
    }
    Layout l;
    l.graph.AddSeries("a", RGB(255, 0, 0), 0);
    l.graph.AddSeries("b", RGB(0, 0, 255), 0);
    l.Draw();
    // Legend box: 336..386 wide, rows of cy + 4 = 20 around the plot's middle, 138.
    EXPECT_EQ(l.layout.legendRows, (std::vector<Rect>{Rect(336, 118, 386, 137), Rect(336, 138, 386, 157)}));
    const RecordedText* name = l.dc.Find("b");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->x, 336 + 16 + 4);
    EXPECT_EQ(name->y, 138 + 18);
    EXPECT_EQ(l.dc.GetPixel(340, 142), RGB(0, 0, 255)) << "the swatch in the series colour";
    EXPECT_EQ(l.dc.GetBkColor(), GetSysColor(COLOR_WINDOW)) << "the background is set back after a swatch";
}

TEST(GraphLayout, DivisionCountsOfZeroOrLessDrawOnlyWhatIsThere)
{
    struct Case {
        int xDivisions, yDivisions;
        int xLabels, yLabels;
    } cases[] = {{10, -1, 11, 0}, {0, 0, 1, 1}, {-3, 5, 0, 6}};
    for (const Case& c : cases) {
        Layout l;
        l.graph.m_nXDivisions = c.xDivisions;
        l.graph.m_nYDivisions = c.yDivisions;
        const Rect plot = l.Draw();
        int x = 0, y = 0;
        for (const RecordedText& t : l.dc.texts)
            if (t.align == (TA_RIGHT | TA_BOTTOM))
                ++(t.y == 270 ? x : y);
        EXPECT_EQ(x, c.xLabels) << c.xDivisions;
        EXPECT_EQ(y, c.yLabels) << c.yDivisions;
        if (c.yDivisions <= 0) {
            EXPECT_EQ(l.dc.GetPixel(plot.left + 5, plot.top), 0u) << "the frame closes along the plot top";
        }
    }
}

TEST(GraphLayout, EmptyAndUnnumberedRangesStillLayOut)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        float min, max;
    } cases[] = {{50, 50}, {nan, 100}, {-inf, inf}, {0, 3.4e38f}};
    for (const Case& c : cases) {
        Layout l;
        l.graph.m_fXMin = l.graph.m_fYMin = c.min;
        l.graph.m_fXMax = l.graph.m_fYMax = c.max;
        const Rect plot = l.Draw();
        EXPECT_LT(plot.left, plot.right);
        EXPECT_EQ(l.CountAligned(TA_RIGHT | TA_BOTTOM), 22);
    }
}

TEST(GraphLayout, PrintingDrawsNoEdges)
{
    for (BOOL printing : {FALSE, TRUE}) {
        Layout l;
        l.graph.m_nHoverFlags = CGraphWnd::HOVER_XMIN | CGraphWnd::HOVER_YLOCK;
        l.Draw(printing);
        const COLORREF window = GetSysColor(COLOR_WINDOW);
        EXPECT_EQ(l.dc.GetPixel(0, 0), printing ? window : GetSysColor(COLOR_BTNSHADOW));
        EXPECT_EQ(l.dc.GetPixel(25, 252), printing ? window : GetSysColor(COLOR_3DLIGHT)) << "hover edge";
        EXPECT_EQ(l.dc.GetPixel(54, 276), printing ? window : GetSysColor(COLOR_3DLIGHT)) << "lock edge";
        EXPECT_EQ(l.layout.xMinLabel, Rect(25, 252, 77, 272)) << "the same layout either way";
        EXPECT_EQ(l.graph.m_rcXMinLabel, Rect()) << "drawing keeps nothing for the mouse";
    }
}

TEST(GraphLayout, ReadoutShowsTheCursorPointOnlyWhileItIsOne)
{
    const GraphPoint points[] = {{1, 2}, {3, 4.25f}};
    struct Case {
        int cursor;
        bool shown;
    } cases[] = {{1, true}, {2, false}, {-1, false}};
    for (const Case& c : cases) {
        Layout l;
        l.graph.AddSeries("", 0, 0, points, 2);
        l.graph.m_nCursor = c.cursor;
        l.Draw();
        const RecordedText* readout = l.dc.Find("    (3.000, 4.250)");
        EXPECT_EQ(readout != nullptr, c.shown) << c.cursor;
        if (readout) {
            EXPECT_EQ(readout->x, 76);
            EXPECT_EQ(readout->y, 25);
            EXPECT_EQ(readout->align, TA_LEFT | TA_BOTTOM);
        }
    }
}

TEST(GraphLayout, TooSmallForAPlotShowsBackgroundAndEdgeOnly)
{
    Layout l(60, 40);
    const Rect plot = l.Draw();
    EXPECT_GE(plot.left, plot.right);
    EXPECT_TRUE(l.dc.texts.empty());
    EXPECT_EQ(l.dc.GetPixel(0, 0), GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(l.dc.GetPixel(30, 20), GetSysColor(COLOR_WINDOW));
}

} // namespace
