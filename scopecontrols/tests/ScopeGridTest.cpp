// The scope's grid: the layout of margin, grid lines and limit labels, and the grid surface's
// pixels on the screen and for the page; the window's life across a resize.

#include "scopecontrols/tests/ScopeTestSupport.h"

#include <QApplication>

using platform::Rect;

namespace scopetest {
namespace {

// The application's settings: 9 x 9 grid lines, one decimal, units shown; slots 0, 1 and 2 hold
// data with the ranges 0 to 100, 0 to 8000 and -40 to 140.
GridSpec ApplicationSpec()
{
    GridSpec spec;
    spec.client = Rect(0, 0, 400, 200);
    spec.plot = Rect(20, 10, 390, 190);
    spec.vertLines = 9;
    spec.horzLines = 9;
    spec.labelDecimals = 1;
    spec.gridColor = kWhite;
    spec.traces = {{0, 100, kTraceColors[0]}, {0, 8000, kTraceColors[1]}, {-40, 140, kTraceColors[2]}};
    for (int s = 3; s < kScopeSlots; ++s)
        spec.traces.push_back({0, 100, kTraceColors[s]});
    g_nSlotGroup = {1, 2, 3, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    g_strSlotUnit[0] = "km/h";
    g_strSlotUnit[1] = "/min";
    g_strSlotUnit[2] = "\xB0"
                       "C"; // the host's Windows-1252 degree sign
    return spec;
}

class ScopeGridLayout : public ScopeTest {};

TEST_F(ScopeGridLayout, TheApplicationsLabelsFollowTheirSlotsAndTheMarginFollowsTraceZero)
{
    struct Case {
        BOOL showZeros;
        std::vector<GridLabel> lower;
    } cases[] = {
        {FALSE, {{QString::fromUtf8("-40 °C"), kTraceColors[2], {50, 191}, TA_RIGHT | TA_BASELINE}}},
        {TRUE,
         {{"0 km/h", kTraceColors[0], {50, 191}, TA_RIGHT | TA_BASELINE},
          {"0 /min", kTraceColors[1], {50, 180}, TA_RIGHT | TA_BASELINE},
          {QString::fromUtf8("-40 °C"), kTraceColors[2], {50, 169}, TA_RIGHT | TA_BASELINE}}},
    };
    for (const Case& c : cases) {
        const GridSpec spec = ApplicationSpec();
        g_bShowZeros = c.showZeros;
        const GridLayout layout = LayOutGrid(spec);
        EXPECT_EQ(layout.plot, Rect(54, 10, 390, 190)) << "6 x (2 digits + 2 for units + 1 decimal + 4)";
        std::vector<GridLabel> expected = {
            {"100 km/h", kTraceColors[0], {50, 5}, TA_RIGHT | TA_TOP},
            {"8000 /min", kTraceColors[1], {50, 16}, TA_RIGHT | TA_TOP},
            {QString::fromUtf8("140 °C"), kTraceColors[2], {50, 27}, TA_RIGHT | TA_TOP},
        };
        expected.insert(expected.end(), c.lower.begin(), c.lower.end());
        EXPECT_EQ(layout.labels, expected) << "show zeros " << c.showZeros;
        EXPECT_EQ(layout.rows, (std::vector<int>{28, 46, 64, 82, 100, 118, 136, 154, 172}));
        EXPECT_EQ(layout.columns.front(), 54 + 336 / 10);
        EXPECT_EQ(layout.columns.size(), 9u);
    }
}

TEST_F(ScopeGridLayout, LabelsDependOnTheSlotsAndTheMode)
{
    const std::vector<GridLabel> fallback = {
        {"0", kWhite, {50, 191}, TA_RIGHT | TA_BASELINE},
        {"255", kWhite, {50, 14}, TA_RIGHT | TA_BASELINE},
        {"128", kWhite, {50, 102}, TA_RIGHT | TA_BASELINE},
    };
    struct Case {
        const char* what;
        int slot0Group;
        BOOL advanced;
        BOOL showUnits;
        std::vector<GridLabel> labels;
    } cases[] = {
        {"before the first reply", -1, FALSE, TRUE, {}},
        {"slot 0 without data", 0, FALSE, TRUE, fallback},
        {"advanced block, slot 0 without data", 0, TRUE, TRUE, fallback},
        {"advanced block", 1, TRUE, TRUE, {}},
        {"units off",
         1,
         FALSE,
         FALSE,
         {{"100", kTraceColors[0], {38, 5}, TA_RIGHT | TA_TOP}}}, // the margin without room for units
    };
    for (const Case& c : cases) {
        GridSpec spec = ApplicationSpec();
        g_nSlotGroup = {c.slot0Group, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
        g_bAdvancedMode = c.advanced;
        g_bShowUnits = c.showUnits;
        const GridLayout layout = LayOutGrid(spec);
        EXPECT_EQ(layout.labels, c.labels) << c.what;
    }
}

TEST_F(ScopeGridLayout, YTextsReplaceTheNumberLabels)
{
    GridSpec spec = ApplicationSpec();
    spec.upperText = "oben";
    spec.lowerText = "unten";
    const GridLayout layout = LayOutGrid(spec);
    ASSERT_EQ(layout.labels.size(), 6u);
    for (int s = 0; s < 3; ++s) {
        EXPECT_EQ(layout.labels[s], (GridLabel{"oben", kTraceColors[s], {50, -6}, TA_RIGHT | TA_TOP}));
        EXPECT_EQ(layout.labels[3 + s],
                  (GridLabel{"unten", kTraceColors[s], {50, 202}, TA_RIGHT | TA_BASELINE}));
    }
}

TEST_F(ScopeGridLayout, OnlyTracesThatExistAreLabelled)
{
    GridSpec spec = ApplicationSpec();
    spec.traces.resize(2);
    g_nSlotGroup.fill(1);
    EXPECT_EQ(LayOutGrid(spec).labels.size(), 2u);
    spec.traces.clear();
    const GridLayout none = LayOutGrid(spec);
    EXPECT_TRUE(none.labels.empty());
    EXPECT_EQ(none.plot.left, 6 * 7) << "no trace 0: its limits count no digits";
}

// The scope's own grid surface, 300 x 200: plot L 66, T 10, R 290, B 190.
class ScopeGridSurface : public ScopeTest {
protected:
    void SetUp() override
    {
        Make(300, 200);
        ASSERT_EQ(scope->PlotRect(), Rect(66, 10, 290, 190));
    }
    void ExpectFrameAndDots(COLORREF back, COLORREF frame, COLORREF dots)
    {
        const int L = 66, T = 10, R = 290, B = 190;
        for (POINT p : {POINT{L, T}, POINT{R + 1, T}, POINT{R + 1, B + 1}, POINT{L, B + 1}, POINT{150, T},
                        POINT{R + 1, 100}, POINT{150, B + 1}, POINT{L, 100}})
            EXPECT_EQ(GridAt(p.x, p.y), frame) << p.x << "," << p.y;
        const int row = T + 1 * (B - T) / 5, column = L + 1 * (R - L) / 7; // the first grid lines
        EXPECT_EQ(GridAt(L + 4, row), dots);
        EXPECT_EQ(GridAt(L + 8, row), dots);
        EXPECT_EQ(GridAt(L + 5, row), back);
        EXPECT_EQ(GridAt(column, T + 4), dots);
        EXPECT_EQ(GridAt(column, T + 5), back);
        EXPECT_EQ(GridAt(R, B), back);
        EXPECT_EQ(GridAt(R + 2, B + 2), back);
        EXPECT_EQ(GridAt(2, 100), back);
    }
};

TEST_F(ScopeGridSurface, ScreenAndPrintColoursWithLabelsInTheirTracesColours)
{
    g_nSlotGroup[0] = 1;
    g_nSlotGroup[5] = 4;
    g_bShowZeros = TRUE;
    scope->SetTraceRange(10, 100, 0); // "10": a straight stem of solid colour
    scope->SetGridColor(RGB(0, 160, 0));
    ExpectFrameAndDots(kBlack, RGB(0, 160, 0), RGB(0, 160, 0));
    const QRect upper(0, 5, 62, 14), lower(0, 180, 62, 14); // the label cells right of x = L - 4
    EXPECT_TRUE(HasColor(Grid(), upper, kTraceColors[0]));
    EXPECT_TRUE(HasColor(Grid(), upper.translated(0, 11), kTraceColors[5]));
    EXPECT_TRUE(HasColor(Grid(), lower, kTraceColors[0]));

    scope->RebuildGrid(TRUE);
    ExpectFrameAndDots(kWhite, RGB(128, 128, 128), kBlack);
    EXPECT_TRUE(HasColor(Grid(), upper, kTraceColors[0])) << "the labels keep their colours";
    EXPECT_EQ(GridAt(61, 6), kWhite) << "the label's cell (its trailing blank) on the page's background";
}

TEST_F(ScopeGridSurface, AnUpperTextStandsOnceInTheColourOfTheLastSlotWithData)
{
    g_nSlotGroup[0] = 1;
    g_nSlotGroup[5] = 4;
    scope->SetYLabels("", "", "oben");
    const QRect top(0, 0, 62, 8); // the cell hangs from T - 16, above the client
    EXPECT_TRUE(HasColor(Grid(), top, kTraceColors[5]));
    EXPECT_FALSE(HasColor(Grid(), top, kTraceColors[0])) << "drawn over by the last slot's";
    EXPECT_FALSE(HasColor(Grid(), QRect(0, 8, 62, 192), kTraceColors[5])) << "no number labels";
}

TEST_F(ScopeGridSurface, EveryRebuildEmptiesThePlot)
{
    const std::vector<double> values(kScopeSlots, 50);
    scope->PushValues(values.data());
    ASSERT_NE(Inked(Plot(), kBlack), QRect());
    scope->SetTraceRange(0, 200, 3);
    EXPECT_EQ(Inked(Plot(), kBlack), QRect());
    scope->PushValues(values.data());
    EXPECT_EQ(PlotAt(289, 145), kTraceColors[3]) << "50 in the new range";
    EXPECT_TRUE(HasColor(Plot(), QRect(286, 101, 4, 43), kTraceColors[3])) << "rising from where it stood";
}

// The dialog makes the scope before it is shown, and makes it anew at every resize.
class ScopeWindowLife : public ScopeTest {};

TEST_F(ScopeWindowLife, CreateLaysOutTheGivenRectangleAndShowingKeepsTheMargin)
{
    scope = std::make_unique<COScopeCtrl>(kScopeSlots);
    ASSERT_TRUE(scope->Create(WS_CHILD | WS_VISIBLE, Rect(10, 20, 216, 146), &parent, 0));
    EXPECT_EQ(scope->ClientRect(), Rect(0, 0, 200, 120));
    EXPECT_EQ(scope->PlotRect(), Rect(66, 10, 190, 110));
    EXPECT_EQ(scope->PlotSurface()->size(), QSize(200, 120));
    EXPECT_FALSE(scope->Create(WS_CHILD, Rect(0, 0, 50, 50), &parent, 0)) << "the window exists";

    parent.resize(400, 300);
    parent.show();
    QApplication::processEvents();
    EXPECT_EQ(scope->GetSafeHwnd()->geometry(), QRect(10, 20, 206, 126));
    EXPECT_EQ(scope->PlotRect(), Rect(66, 10, 190, 110)) << "the first resize event must not undo the margin";

    // The window shows the client area inside its sunken edges.
    const QImage window = scope->GetSafeHwnd()->grab().toImage();
    const QImage client = Painted();
    EXPECT_EQ(window.pixel(3 + 66, 3 + 10), client.pixel(66, 10));
    EXPECT_EQ(platform::FromQColor(window.pixel(3 + 66, 3 + 10)), kWhite);
    EXPECT_NE(platform::FromQColor(window.pixel(0, 0)), kBlack);
}

TEST_F(ScopeWindowLife, ARecreatedWindowKeepsTheSettingsAndStartsEmpty)
{
    Make(200, 120);
    scope->SetTraceRange(-40, 140, 0);
    scope->SetBackColor(RGB(0, 0, 64));
    scope->m_nVertGridLines = 9;
    const std::vector<double> values(kScopeSlots, 50);
    scope->PushValues(values.data());

    scope->ReleaseSurfaces();
    EXPECT_EQ(scope->PlotSurface(), nullptr);
    scope->PushValues(values.data()); // stored, not drawn
    EXPECT_TRUE(scope->DestroyWindow());
    scope->SetGridColor(kWhite); // without a window: nothing to build
    EXPECT_EQ(scope->GetSafeHwnd(), nullptr);
    EXPECT_EQ(scope->PlotSurface(), nullptr);
    ASSERT_TRUE(scope->Create(WS_CHILD | WS_VISIBLE, Rect(0, 0, 306, 206), &parent, 0));

    EXPECT_EQ(scope->PlotSurface()->size(), QSize(300, 200));
    EXPECT_EQ(scope->GridSurface()->size(), QSize(300, 200));
    EXPECT_EQ(Inked(Plot(), RGB(0, 0, 64)), QRect());
    EXPECT_EQ(scope->GetTraceColor(5), kTraceColors[5]);
    EXPECT_EQ(scope->Trace(0).lower, -40);
    EXPECT_EQ(scope->m_nVertGridLines, 9);
    EXPECT_EQ(scope->Trace(0).pixelsPerUnit, 180.0 / 180.0);
    EXPECT_EQ(GridAt(150, 100), RGB(0, 0, 64));
}

TEST_F(ScopeWindowLife, TheParentsEndTakesTheWindowWithIt)
{
    auto owner = std::make_unique<QWidget>();
    scope = std::make_unique<COScopeCtrl>(kScopeSlots);
    ASSERT_TRUE(scope->Create(WS_CHILD, Rect(0, 0, 100, 100), owner.get(), 0));
    EXPECT_FALSE(scope->GetSafeHwnd()->isVisibleTo(owner.get()));
    owner.reset();
    EXPECT_EQ(scope->GetSafeHwnd(), nullptr);
    const std::vector<double> values(kScopeSlots, 50);
    scope->PushValues(values.data());
    scope->SetBackColor(RGB(1, 2, 3));
    EXPECT_FALSE(scope->DestroyWindow());
    EXPECT_FALSE(scope->Create(WS_CHILD, Rect(0, 0, 100, 100), nullptr, 0)) << "a child needs a parent";
}

} // namespace
} // namespace scopetest
