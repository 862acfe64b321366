// The mouse handling of the graph: through its handlers with a known plot, and as a user
// drives it with QTest on the offscreen platform.

#include "sprintor/graph/tests/GraphTestSupport.h"

#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <cfloat>
#include <gtest/gtest.h>

using platform::Rect;

namespace {

// A control whose plot is 200 x 100 pixels at (50, 20), without painting.
struct Handlers {
    Handlers()
    {
        g.m_rcPlot = Rect(50, 20, 250, 120);
        g.m_fXMin = 0, g.m_fXMax = 15, g.m_fYMin = -10, g.m_fYMax = 110;
    }
    void Drag(POINT from, POINT to)
    {
        g.OnMouseMove(0, from);
        g.OnLButtonDown(0, from);
        g.OnMouseMove(0, to);
        g.OnLButtonUp(0, to);
    }
    POINT At(int dx, int dy) const { return {g.m_rcPlot.left + dx, g.m_rcPlot.top + dy}; }
    NotifyParent parent;
    CGraphWnd& g = parent.graph;
};

TEST(GraphZoom, TheFramedBandBecomesTheView)
{
    Handlers h;
    h.Drag(h.At(10, 10), h.At(110, 60));
    EXPECT_FLOAT_EQ(h.g.m_fXMin, 0.75f);
    EXPECT_FLOAT_EQ(h.g.m_fXMax, 8.25f);
    EXPECT_FLOAT_EQ(h.g.m_fYMin, 38.f);
    EXPECT_FLOAT_EQ(h.g.m_fYMax, 98.f);
    EXPECT_EQ(h.parent.Count(GRAPHN_RANGECHANGED), 1);
    EXPECT_EQ(h.g.m_nViewTop, 1);
    EXPECT_EQ(h.g.m_views[1].fXMax, 15.f) << "the view before the zoom is pushed";
    EXPECT_FALSE(h.g.m_bButtonDown);
}

TEST(GraphZoom, ADragToTheLeftGivesAReversedXRange)
{
    Handlers h;
    h.Drag(h.At(110, 10), h.At(10, 60));
    EXPECT_GT(h.g.m_fXMin, h.g.m_fXMax);
}

TEST(GraphZoom, ABandWithoutWidthOrHeightIsRefused)
{
    for (POINT to : {POINT{60, 80}, POINT{90, 30}}) {
        Handlers h;
        h.Drag(h.At(10, 10), h.At(to.x - 50, to.y - 20));
        EXPECT_EQ(h.g.m_fXMin, 0.f);
        EXPECT_EQ(h.g.m_fXMax, 15.f);
        EXPECT_EQ(h.g.m_fYMin, -10.f);
        EXPECT_EQ(h.g.m_fYMax, 110.f);
        EXPECT_EQ(h.g.m_nViewTop, 0);
        EXPECT_EQ(h.parent.Count(GRAPHN_RANGECHANGED), 0);
        EXPECT_FALSE(h.g.m_bButtonDown);
    }
}

TEST(GraphZoom, DragsUpwardStepBackToTheBase)
{
    Handlers h;
    h.Drag(h.At(10, 10), h.At(110, 60));
    const float firstXMax = h.g.m_fXMax;
    h.Drag(h.At(20, 10), h.At(120, 50));
    h.Drag(h.At(50, 50), h.At(60, 20));
    EXPECT_EQ(h.g.m_fXMax, firstXMax);
    h.Drag(h.At(50, 50), h.At(60, 20));
    EXPECT_EQ(h.g.m_fXMax, 15.f);
    h.g.m_fXMax = 33; // not through a setter: the base view still holds 100
    h.Drag(h.At(50, 50), h.At(60, 20));
    EXPECT_EQ(h.g.m_fXMax, 100.f) << "the base view, returned again and again";
    EXPECT_EQ(h.g.m_fYMin, 0.f);
    h.Drag(h.At(50, 50), h.At(60, 20));
    EXPECT_EQ(h.g.m_fXMax, 100.f);
    EXPECT_EQ(h.parent.Count(GRAPHN_RANGECHANGED), 6);
}

TEST(GraphZoom, ADragEndingOutsideThePlotIsClampedAndALockedAxisStays)
{
    Handlers h;
    h.g.m_bXLocked = TRUE;
    h.g.OnLButtonDown(0, h.At(10, 10));
    h.g.OnMouseMove(0, h.At(20, 20));
    h.g.OnMouseMove(0, {300, 300});
    h.g.OnLButtonUp(0, {300, 300});
    EXPECT_EQ(h.g.m_fXMin, 0.f);
    EXPECT_EQ(h.g.m_fXMax, 15.f);
    EXPECT_EQ(h.g.m_fYMin, -10.f) << "clamped to the old minimum";
    EXPECT_FLOAT_EQ(h.g.m_fYMax, 98.f);
    EXPECT_EQ(h.g.m_nViewTop, 1);
    EXPECT_EQ(h.parent.Count(GRAPHN_RANGECHANGED), 1);
}

TEST(GraphZoom, APressAndReleaseWithoutAMoveOverThePlotNeverZooms)
{
    Handlers h;
    h.g.OnLButtonDown(0, h.At(10, 10));
    h.g.OnMouseMove(0, {5, 5});
    h.g.OnLButtonUp(0, h.At(100, 90));
    EXPECT_EQ(h.g.m_fXMax, 15.f);
    EXPECT_EQ(h.g.m_nViewTop, 0);
}

TEST(GraphMouse, CursorMovesToTheFirstPointAtOrRightOfThePointer)
{
    Handlers h;
    h.g.AddSeries("", 0, 0);
    h.g.m_series[0].m_points = {{1, 1}, {2, 2}, {3, 3}};
    h.g.m_series[0].m_screenPoints = {{60, 50}, {80, 50}, {100, 50}};
    h.g.m_series[0].m_bDirty = FALSE;
    h.parent.codes.clear();
    struct Case {
        int x, cursor;
    } cases[] = {{55, 0}, {61, 1}, {80, 1}, {101, 3}};
    for (const Case& c : cases) {
        h.g.OnMouseMove(0, {c.x, 60});
        EXPECT_EQ(h.g.m_nCursor, c.cursor) << c.x;
    }
    EXPECT_EQ(h.parent.Count(GRAPHN_CURSORMOVED), 4);
    h.g.OnMouseMove(0, {10, 10}); // outside the plot
    EXPECT_EQ(h.parent.Count(GRAPHN_CURSORMOVED), 4);

    Handlers none;
    none.g.OnMouseMove(0, none.At(10, 10));
    EXPECT_TRUE(none.parent.codes.empty()) << "no series: repainted, nothing sent";
}

TEST(GraphMouse, LegendPressSelectsAnotherSeriesOnly)
{
    Handlers h;
    h.g.AddSeries("a", 0, 0);
    h.g.AddSeries("b", 0, 0);
    h.g.m_series[0].m_rcLegend = Rect(300, 40, 350, 59);
    h.g.m_series[1].m_rcLegend = Rect(300, 60, 350, 79);
    h.parent.codes.clear();
    h.g.OnMouseMove(0, {310, 65});
    EXPECT_EQ(h.g.m_nHoverFlags, CGraphWnd::HOVER_LEGEND);
    EXPECT_EQ(h.g.m_nHoverSeries, 1);
    h.g.OnLButtonDown(0, {310, 65});
    h.g.OnLButtonUp(0, {310, 65});
    EXPECT_TRUE(h.parent.codes.empty()) << "series 1 was selected already";
    h.g.OnMouseMove(0, {310, 45});
    h.g.OnLButtonDown(0, {310, 45});
    EXPECT_EQ(h.g.m_nSelected, 0);
    EXPECT_EQ(h.parent.codes, (std::vector<UINT>{GRAPHN_SELCHANGED}));
    EXPECT_TRUE(h.g.m_bButtonDown) << "the band starts all the same";
}

TEST(GraphMouse, LockTogglesAndALockedLabelOpensNoEditor)
{
    Handlers h;
    h.g.m_rcXLock = Rect(4, 130, 24, 150);
    h.g.m_rcXMinLabel = Rect(30, 130, 80, 150);
    auto click = [&](POINT p) {
        h.g.OnMouseMove(0, p);
        h.g.OnLButtonDown(0, p);
        h.g.OnLButtonUp(0, p);
    };
    click({10, 140});
    EXPECT_TRUE(h.g.m_bXLocked);
    click({40, 140});
    EXPECT_TRUE(h.g.m_editLimit->isHidden());
    click({10, 140});
    EXPECT_FALSE(h.g.m_bXLocked);
    click({40, 140});
    EXPECT_FALSE(h.g.m_editLimit->isHidden());
    EXPECT_EQ(h.g.m_editLimit->geometry(), QRect(30, 130, 50, 20));
    EXPECT_EQ(h.g.m_editLimit->text(), "0.0");
}

TEST(GraphEditor, CommitReadsTheLeadingNumberIntoTheLimitUnderIt)
{
    struct Case {
        std::string text;
        float value;
    } cases[] = {{"50", 50.f},
                 {"  -12.5xyz", -12.5f},
                 {"abc", 0.f},
                 {"inf", 0.f},
                 {"nan", 0.f},
                 {"0x10", 0.f},
                 {"1e2", 100.f},
                 {"2.5E-1", 0.25f},
                 {"1e40", FLT_MAX},
                 {"-1e40", -FLT_MAX},
                 {"1" + std::string(45, '0'), FLT_MAX},
                 {"-7.", -7.f}};
    for (const Case& c : cases) {
        Handlers h;
        h.g.m_rcYMaxLabel = Rect(4, 10, 50, 30);
        h.g.OnMouseMove(0, {10, 20});
        h.g.OnLButtonDown(0, {10, 20});
        h.g.OnLButtonUp(0, {10, 20});
        ASSERT_FALSE(h.g.m_editLimit->isHidden());
        EXPECT_EQ(h.g.m_editLimit->text(), "110.0");
        h.g.m_editLimit->setText(QString::fromStdString(c.text));
        h.g.EndEdit();
        EXPECT_TRUE(h.g.m_editLimit->isHidden());
        EXPECT_EQ(h.g.m_fYMax, c.value) << c.text;
        EXPECT_EQ(h.parent.Count(GRAPHN_RANGECHANGED), 1);
    }
}

TEST(GraphEditor, TextWithHugeDecimalsStaysBounded)
{
    Handlers h;
    h.g.m_nXDecimals = 4000000000u;
    h.g.m_rcXMaxLabel = Rect(200, 130, 250, 150);
    h.g.OnMouseMove(0, {210, 140});
    h.g.OnLButtonUp(0, {210, 140});
    EXPECT_EQ(h.g.m_editLimit->text(), "15." + QString(30, '0'));
}

// A dialog with a default button around the graph, as Sprintor's is.
class Dialog : public QDialog, public IGraphNotify {
public:
    Dialog() : button("Los!", this)
    {
        resize(500, 380);
        button.setDefault(true);
        button.setGeometry(420, 340, 70, 30);
        graph.Create(Rect(0, 0, 400, 300), WS_CHILD | WS_VISIBLE, this, kGraphId);
    }
    void OnGraphNotify(const NMHDR& header) override { codes.push_back(header.code); }
    QPushButton button;
    CGraphWnd graph;
    std::vector<UINT> codes;
};

TEST(GraphEditor, ReturnAndEscapeStayInTheEditor)
{
    Dialog dialog;
    int pressed = 0;
    QObject::connect(&dialog.button, &QPushButton::clicked, [&] { ++pressed; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.graph.repaint();
    const Rect box = dialog.graph.m_rcYMaxLabel;
    QTest::mouseMove(&dialog.graph, QPoint(box.left + 4, box.top + 4));
    QTest::mouseClick(&dialog.graph, Qt::LeftButton, {}, QPoint(box.left + 4, box.top + 4));
    ASSERT_FALSE(dialog.graph.m_editLimit->isHidden());
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(dialog.graph.m_editLimit, key);
    EXPECT_EQ(pressed, 0) << "the default button was not pressed";
    EXPECT_TRUE(dialog.isVisible()) << "the dialog was not closed";
    EXPECT_EQ(dialog.result(), 0);
    EXPECT_FALSE(dialog.graph.m_editLimit->isHidden());
    EXPECT_EQ(dialog.graph.m_fYMax, 100.f) << "nothing committed";
    EXPECT_TRUE(dialog.codes.empty());
}

TEST(GraphScript, UserZoomsUnzoomsEditsALimitAndReleasesOutside)
{
    Dialog dialog;
    CGraphWnd& g = dialog.graph;
    const GraphPoint points[] = {{0, 0}, {5, 40}, {10, 80}, {15, 100}};
    g.AddSeries("", RGB(255, 0, 0), 0, points, 4);
    g.SetXMax(15);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    g.repaint();
    const Rect plot = g.m_rcPlot;
    ASSERT_FALSE(plot.IsRectEmpty());
    auto at = [&](int dx, int dy) { return QPoint(plot.left + dx, plot.top + dy); };
    dialog.codes.clear();

    // Frame a band downward and release: the view zooms onto it.
    QTest::mouseMove(&g, at(20, 20));
    QTest::mousePress(&g, Qt::LeftButton, {}, at(20, 20));
    QTest::mouseMove(&g, at(80, 50));
    EXPECT_TRUE(g.m_bDragInPlot);
    QTest::mouseMove(&g, at(120, 90));
    QTest::mouseRelease(&g, Qt::LeftButton, {}, at(120, 90));
    const float u = 15.f / static_cast<float>(plot.Width());
    EXPECT_NEAR(g.m_fXMin, 20 * u, 1e-4);
    EXPECT_NEAR(g.m_fXMax, 120 * u, 1e-4);
    EXPECT_EQ(g.m_nViewTop, 1);
    EXPECT_EQ(std::count(dialog.codes.begin(), dialog.codes.end(), GRAPHN_RANGECHANGED), 1);

    // Drag upward: back to the view before.
    g.repaint();
    QTest::mousePress(&g, Qt::LeftButton, {}, at(50, 80));
    QTest::mouseMove(&g, at(60, 30));
    QTest::mouseRelease(&g, Qt::LeftButton, {}, at(60, 30));
    EXPECT_EQ(g.m_fXMin, 0.f);
    EXPECT_EQ(g.m_fXMax, 15.f);
    EXPECT_EQ(g.m_nViewTop, 0);

    // Click the y-max label, type a value, click in the plot: the limit takes it.
    g.repaint();
    const Rect box = g.m_rcYMaxLabel;
    const QPoint onLabel(box.left + 3, box.top + 3);
    QTest::mouseMove(&g, onLabel);
    QTest::mouseClick(&g, Qt::LeftButton, {}, onLabel);
    ASSERT_FALSE(g.m_editLimit->isHidden());
    EXPECT_EQ(g.m_editLimit->text(), "100.0");
    g.m_editLimit->selectAll();
    QTest::keyClicks(g.m_editLimit, "50");
    QTest::keyClick(g.m_editLimit, Qt::Key_Return);
    dialog.codes.clear();
    QTest::mouseMove(&g, at(30, 30));
    QTest::mouseClick(&g, Qt::LeftButton, {}, at(30, 30));
    EXPECT_TRUE(g.m_editLimit->isHidden());
    EXPECT_EQ(g.m_fYMax, 50.f);
    EXPECT_EQ(std::count(dialog.codes.begin(), dialog.codes.end(), GRAPHN_RANGECHANGED), 1);
    EXPECT_TRUE(g.m_series[0].m_bDirty) << "the series are projected anew";

    // Press in the plot, drag, release outside the control. Through the window, as a real
    // pointer: Qt hands the pressed control the moves and the release outside it too.
    g.repaint();
    dialog.codes.clear();
    QWindow* window = dialog.windowHandle();
    const QPoint offset = g.mapTo(&dialog, QPoint(0, 0));
    QTest::mousePress(window, Qt::LeftButton, {}, at(20, 20) + offset);
    QTest::mouseMove(window, at(60, 60) + offset);
    QTest::mouseMove(window, QPoint(450, 320));
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(450, 320));
    EXPECT_TRUE(g.m_bButtonDown);
    EXPECT_EQ(g.m_rcDrag.right, at(60, 60).x()) << "moves outside the control were not seen";
    EXPECT_EQ(g.m_nViewTop, 0);
    EXPECT_EQ(std::count(dialog.codes.begin(), dialog.codes.end(), GRAPHN_RANGECHANGED), 0);
    // Back over the control, the band follows the pointer until a release inside it.
    QTest::mouseMove(&g, at(90, 70));
    EXPECT_EQ(g.m_rcDrag.right, at(90, 70).x());
    QTest::mousePress(&g, Qt::LeftButton, {}, at(10, 10));
    QTest::mouseMove(&g, at(40, 40));
    QTest::mouseRelease(&g, Qt::LeftButton, {}, at(40, 40));
    EXPECT_FALSE(g.m_bButtonDown);
    EXPECT_EQ(g.m_nViewTop, 1);
}

} // namespace
