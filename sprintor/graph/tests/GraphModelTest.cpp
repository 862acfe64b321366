// The graph's data model: series, labels, limits, locks, history and notifications. The
// control is never shown here.

#include "sprintor/graph/GraphNotify.h"
#include "sprintor/graph/GraphWnd.h"
#include "sprintor/graph/tests/GraphTestSupport.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(GraphModel, NewControlShowsZeroToHundredWithOneHistoryEntry)
{
    CGraphWnd g;
    EXPECT_EQ(g.m_fXMin, 0.f);
    EXPECT_EQ(g.m_fXMax, 100.f);
    EXPECT_EQ(g.m_fYMin, 0.f);
    EXPECT_EQ(g.m_fYMax, 100.f);
    EXPECT_TRUE(g.m_series.empty());
    EXPECT_EQ(g.m_nSelected, -1);
    EXPECT_EQ(g.m_nViewTop, 0);
    EXPECT_EQ(g.m_strCursorFormat, "    (%0.3f, %0.3f)");
    EXPECT_EQ(g.m_strXTitle, "X-Axis");
    const GraphView base = g.PopView();
    EXPECT_EQ(base.fXMin, 0.f);
    EXPECT_EQ(base.fYMax, 100.f);
    EXPECT_EQ(base.fXMax, 100.f);
    EXPECT_EQ(base.fYMin, 0.f);
}

TEST(GraphModel, AddSeriesSelectsWidensAndNotifiesOnce)
{
    NotifyParent parent;
    CGraphWnd& g = parent.graph;
    EXPECT_EQ(g.AddSeries("", 0x0000FF, 0), 0);
    EXPECT_EQ(g.m_nSelected, 0);
    EXPECT_EQ(g.m_fXMin, 0.f);
    EXPECT_EQ(g.m_fXMax, 100.f);
    EXPECT_EQ(parent.codes, (std::vector<UINT>{GRAPHN_SELCHANGED}));
    EXPECT_EQ(parent.ids, (std::vector<UINT>{kGraphId}));

    struct Case {
        bool xLocked;
        float expectMin, expectMax;
    } cases[] = {{false, -5.f, 150.f}, {true, 0.f, 100.f}};
    for (const Case& c : cases) {
        CGraphWnd w;
        w.m_bXLocked = c.xLocked;
        const GraphPoint points[] = {{10, 1}, {-5, 2}, {150, 3}};
        w.AddSeries("s", 0, 0, points, 3);
        EXPECT_EQ(w.m_fXMin, c.expectMin);
        EXPECT_EQ(w.m_fXMax, c.expectMax);
        EXPECT_EQ(w.m_fYMin, 0.f) << "the y range takes 0 to 100 already";
    }
}

TEST(GraphModel, BoundsComeFromTheSeriesOwnPointsOnly)
{
    CGraphWnd g;
    g.AddSeries("a", 0, 0);
    g.AddPoint(0, 500, 500);
    EXPECT_EQ(g.m_series[0].m_fMaxX, 0.f) << "AddPoint does not update the bounds";
    const GraphPoint points[] = {{-1, 20}, {120, 30}};
    g.AddSeries("b", 0, 0, points, 2);
    EXPECT_EQ(g.m_fXMin, -1.f);
    EXPECT_EQ(g.m_fXMax, 120.f);
    EXPECT_EQ(g.m_fYMax, 100.f);
}

TEST(GraphModel, LimitSettersNotifyOnlyOnAChangeAndRefuseWhileLocked)
{
    NotifyParent parent;
    CGraphWnd& g = parent.graph;
    EXPECT_TRUE(g.SetXMin(5));
    EXPECT_TRUE(g.SetXMin(5));
    EXPECT_EQ(parent.codes, (std::vector<UINT>{GRAPHN_RANGECHANGED}));
    EXPECT_EQ(g.m_fXMin, 5.f);
    EXPECT_EQ(g.PopView().fXMin, 5.f) << "the setter writes the base view";

    g.m_bYLocked = TRUE;
    EXPECT_FALSE(g.SetYMax(50));
    EXPECT_FALSE(g.SetYMin(-50));
    EXPECT_EQ(g.m_fYMax, 100.f);
    EXPECT_EQ(parent.codes.size(), 1u);

    // A value that is not a number counts as a change.
    EXPECT_TRUE(g.SetXMax(std::numeric_limits<float>::quiet_NaN()));
    EXPECT_EQ(parent.codes.size(), 2u);
}

TEST(GraphModel, SettersWriteTheBaseViewWhateverTheTop)
{
    CGraphWnd g;
    g.PushView({1, 2, 3, 4});
    g.SetYMin(-7);
    EXPECT_EQ(g.PopView().fYMin, 4.f);
    EXPECT_EQ(g.PopView().fYMin, -7.f);
}

TEST(GraphModel, HistoryKeepsFiftyAndNeverPopsTheBase)
{
    CGraphWnd g;
    for (int i = 1; i <= 49; ++i)
        g.PushView({float(i), 0, 0, 0});
    EXPECT_EQ(g.m_nViewTop, 49);
    EXPECT_EQ(g.m_views[0].fXMax, 100.f);
    g.PushView({50, 0, 0, 0});
    EXPECT_EQ(g.m_nViewTop, 49);
    EXPECT_EQ(g.m_views[0].fXMin, 1.f) << "the former entry 1 is the base now";
    EXPECT_EQ(g.m_views[49].fXMin, 50.f);
    for (int i = 50; i >= 2; --i)
        EXPECT_EQ(g.PopView().fXMin, float(i));
    EXPECT_EQ(g.PopView().fXMin, 1.f);
    EXPECT_EQ(g.PopView().fXMin, 1.f);
    EXPECT_EQ(g.m_nViewTop, 0);
}

TEST(GraphModel, NumbersOutOfRangeAreIgnored)
{
    CGraphWnd g;
    g.AddSeries("", 0, 0);
    g.AddPoint(1, 3, 4);
    g.AddPoint(-1, 3, 4);
    g.ClearSeries(1);
    EXPECT_TRUE(g.m_series[0].m_points.empty());
    EXPECT_FALSE(g.RemoveText(0));
    EXPECT_EQ(g.AddText(1, 2, "a"), 0);
    EXPECT_EQ(g.AddText(3, 4, "b"), 1);
    EXPECT_FALSE(g.RemoveText(2));
    EXPECT_FALSE(g.RemoveText(-1));
    EXPECT_TRUE(g.RemoveText(0));
    ASSERT_EQ(g.m_texts.size(), 1u);
    EXPECT_EQ(g.m_texts[0].text, "b");
}

TEST(GraphModel, ClearSeriesKeepsSelectionCursorAndBounds)
{
    CGraphWnd g;
    const GraphPoint points[] = {{1, 2}, {3, 4}};
    g.AddSeries("", 0, 0, points, 2);
    g.m_nCursor = 1;
    g.m_series[0].m_bDirty = FALSE;
    g.ClearSeries(0);
    EXPECT_TRUE(g.m_series[0].m_points.empty());
    EXPECT_TRUE(g.m_series[0].m_screenPoints.empty());
    EXPECT_TRUE(g.m_series[0].m_bDirty);
    EXPECT_EQ(g.m_series[0].m_fMaxX, 3.f);
    EXPECT_EQ(g.m_nSelected, 0);
    EXPECT_EQ(g.m_nCursor, 1);
    g.AddPoint(0, 5, 6);
    EXPECT_EQ(g.m_series[0].m_screenPoints.size(), 1u);
}

TEST(GraphModel, RemoveAllKeepsLimitsLocksAndHistorySilently)
{
    NotifyParent parent;
    CGraphWnd& g = parent.graph;
    g.AddSeries("", 0, 0);
    g.AddText(0, 0, "t");
    g.SetXMax(40);
    g.PushView({1, 2, 3, 4});
    g.m_bXLocked = TRUE;
    parent.codes.clear();
    g.RemoveAll();
    EXPECT_TRUE(parent.codes.empty());
    EXPECT_TRUE(g.m_series.empty());
    EXPECT_TRUE(g.m_texts.empty());
    EXPECT_EQ(g.m_nSelected, -1);
    EXPECT_EQ(g.m_fXMax, 40.f);
    EXPECT_TRUE(g.m_bXLocked);
    EXPECT_EQ(g.m_nViewTop, 1);
    EXPECT_EQ(g.AddSeries("", 0, 0), 0);
}

TEST(GraphData, SetDataFindsTheBoundsAndIgnoresNaN)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const GraphPoint points[] = {{3, 4}, {nan, nan}, {-1, 9}, {7, -2}};
    CGraphData d("s", 0, 0, points, 4);
    EXPECT_EQ(d.m_fMinX, -1.f);
    EXPECT_EQ(d.m_fMaxX, 7.f);
    EXPECT_EQ(d.m_fMinY, -2.f);
    EXPECT_EQ(d.m_fMaxY, 9.f);
    EXPECT_EQ(d.m_points.size(), 4u);
    EXPECT_EQ(d.m_screenPoints.size(), 4u);
    d.SetData(std::vector<GraphPoint>{});
    EXPECT_EQ(d.m_points.size(), 4u) << "an empty array changes nothing";
}

TEST(GraphData, SelfAssignmentAndOwnPointsKeepTheData)
{
    const GraphPoint points[] = {{1, 2}, {3, 4}, {5, 6}};
    CGraphData d("s", 0x123456, 1, points, 3);
    CGraphData& same = d;
    d = same;
    ASSERT_EQ(d.m_points.size(), 3u);
    EXPECT_EQ(d.m_points[2].y, 6.f);

    d.SetData(d.m_points.data() + 1, 2);
    ASSERT_EQ(d.m_points.size(), 2u);
    EXPECT_EQ(d.m_points[0].x, 3.f);
    EXPECT_EQ(d.m_points[1].x, 5.f);
    EXPECT_EQ(d.m_fMinX, 3.f);

    d.SetData(d.m_points);
    EXPECT_EQ(d.m_points.size(), 2u);
}

TEST(GraphData, CopiesTakeEverythingAndAnEmptySourceEmpties)
{
    const GraphPoint points[] = {{1, 2}};
    CGraphData full("full", 0x00FF00, 1, points, 1);
    full.m_rcLegend = platform::Rect(1, 2, 3, 4);
    CGraphData copy(full);
    EXPECT_EQ(copy.m_strName, "full");
    EXPECT_EQ(copy.m_crColor, 0x00FF00u);
    EXPECT_EQ(copy.m_nType, 1);
    EXPECT_EQ(copy.m_rcLegend, full.m_rcLegend);
    EXPECT_EQ(copy.m_points.size(), 1u);

    CGraphData empty("empty", 0, 0);
    copy = empty;
    EXPECT_TRUE(copy.m_points.empty());
    EXPECT_TRUE(copy.m_screenPoints.empty());
    EXPECT_EQ(copy.m_strName, "empty");
}

} // namespace
