#include "RecordingActions.h"

#include <gtest/gtest.h>

namespace {

using namespace dynalyt;
using dynalyt::testing::UnitFixture;

class Results : public ::testing::Test, public UnitFixture {
protected:
    // Rows with the given highest power and torque (at rows 10 and 20), engine speed rising.
    void SetPeaks(double power, double torque)
    {
        for (int i = 0; i < ResultRowCount; ++i) {
            ResultRow& r = unit.ResultRows[i];
            r.rpm = 2000 + 50 * i;
            r.pCorr = power / 2;
            r.torque = torque / 2;
            r.g = 0.01 * i;
        }
        unit.ResultRows[10].pCorr = power;
        unit.ResultRows[20].torque = torque;
    }
};

TEST_F(Results, TableShowsElevenFormattedColumnsAndLeavesTheLastEmpty)
{
    ResultRow& r = unit.ResultRows[3];
    r = {.kmh = 36.125,
         .tAcc = 2,
         .tCoast = 20.004,
         .rpm = 2999.5,
         .v = 10,
         .E = 50000.4,
         .pAcc = 21,
         .pDrag = -5.2551,
         .pSum = 1,
         .pSmooth = 2,
         .pCorr = 29.6625,
         .torque = 94.4195,
         .g = 0.2039};
    unit.FillResultTable();
    QStringList cells;
    for (int col = 0; col < ResultCols; ++col)
        cells.append(unit.fMain.a.Cell(col, 3));
    const QStringList expected = {"36,13", "2,00",  "20,00", "3000",  "10,00", "50000",
                                  "21,00", "-5,26", "29,66", "94,42", "0,20",  ""};
    EXPECT_EQ(cells, expected);
    EXPECT_EQ(unit.fMain.a.Cell(0, 47), "0,00");
}

TEST_F(Results, LeftAxisCoversTheHighestValueInStepsOfTwenty)
{
    struct Case {
        double power, torque;
        double maximum;
    };
    const Case cases[] = {
        {120, 250, 260}, // X = 275: as the rule has it
        {60, 20, 60},
        {59, 20, 60},
        {190, 20, 200},
        {182, 0, 200},
        {181.37, 0, 200},
        {18.2, 0, 20},
        {101, 50, 120}, // the rule alone gives 100, below the top of the
                        // curve
        {15, 10, 20},   // the rule alone gives 0 .. 0
        {0, 0, 0},
        {-17.73, -30, 0}, // the rule alone gives -20
    };
    for (const Case& c : cases) {
        SetPeaks(c.power, c.torque);
        unit.FillChart();
        EXPECT_EQ(unit.Chart1.LeftAxis.Maximum(), c.maximum) << c.power << " " << c.torque;
        EXPECT_EQ(unit.Chart1.LeftAxis.Minimum(), 0);
        EXPECT_EQ(unit.Chart1.LeftAxis.Increment(), 20);
    }
}

TEST_F(Results, LeftAxisOfAHugeNegativeCurveEndsInARefusal)
{
    // Adding 20 to -6.6e15 changes nothing: raising the axis one step at a time never ended.
    SetPeaks(-6e15, -6e15);
    EXPECT_THROW(unit.FillChart(), DynalytError);
    EXPECT_EQ(unit.Chart1.LeftAxis.Maximum(), 0);
}

TEST_F(Results, ChartGetsSeriesAxesAndLabels)
{
    SetPeaks(120, 250);
    unit.ResultRows[30].g = 0.9;    // above the right axis: cut off, not rescaled
    unit.ResultRows[40].rpm = 2100; // a falling engine speed is drawn in engine-speed order
    unit.FillChart();
    const ChartModel& c = unit.Chart1;
    ASSERT_EQ(c.Series1.Count(), ResultRowCount);
    for (int i = 1; i < ResultRowCount; ++i)
        EXPECT_LE(c.Series1.Points()[i - 1].x, c.Series1.Points()[i].x);
    EXPECT_EQ(c.Series1.Points()[3].x, 2100);
    EXPECT_EQ(c.Series3.Points()[3].y, 0.4);
    EXPECT_EQ(c.RightAxis.Minimum(), 0);
    EXPECT_EQ(c.RightAxis.Maximum(), 0.6);
    EXPECT_EQ(c.RightAxis.Increment(), 0.1);
    EXPECT_EQ(c.BottomAxis.Minimum(), 2000);
    EXPECT_EQ(c.BottomAxis.Maximum(), 2000 + 50 * 47);
    EXPECT_EQ(c.BottomAxis.Increment(), 50);
    EXPECT_EQ(unit.fMain.maxps, "kW: 120,00 (163,20PS)");
    EXPECT_EQ(unit.fMain.maxnm, "Nm: 250,00");
    EXPECT_EQ(unit.fMain.maxg, "G: 0,90");

    SetPeaks(100, 10);
    unit.FillChart();
    EXPECT_EQ(unit.fMain.maxps, "kW: 100,00 (136,00PS)");

    unit.ClearResults();
    EXPECT_EQ(c.Series3.Count(), 0);
    for (const ChartAxis* axis : {&c.LeftAxis, &c.RightAxis, &c.BottomAxis}) {
        EXPECT_EQ(axis->Minimum(), 0);
        EXPECT_EQ(axis->Maximum(), 0);
    }
    EXPECT_EQ(unit.fMain.maxps, "kW: ...");
    EXPECT_EQ(unit.fMain.maxnm, "Nm: ...");
    EXPECT_EQ(unit.fMain.maxg, "G: ...");
    EXPECT_EQ(unit.ResultRows[10].pCorr, 0);
}

TEST_F(Results, EqualEngineSpeedsFollowThePointsAlreadyThere)
{
    ChartSeries s(QStringLiteral("kW"), 0, VerticalAxis::Left);
    s.AddXY(2000, 1);
    s.AddXY(1000, 2);
    s.AddXY(2000, 3);
    s.AddXY(1500, 4);
    ASSERT_EQ(s.Count(), 4);
    const double ys[] = {2, 4, 1, 3};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(s.Points()[i].y, ys[i]);
    EXPECT_EQ(s.MinXValue(), 1000);
    EXPECT_EQ(s.MaxXValue(), 2000);
    EXPECT_EQ(s.MaxYValue(), 4);
}

TEST_F(Results, AxesRefuseCrossedLimits)
{
    ChartAxis axis(QStringLiteral("G"));
    axis.SetMaximum(10);
    axis.SetMinimum(5);
    try {
        axis.SetMinimum(11);
        FAIL();
    } catch (const DynalytError& e) {
        EXPECT_EQ(e.Text(), "Der Minimalwert einer Achse muss <= Maximum sein");
    }
    try {
        axis.SetMaximum(4);
        FAIL();
    } catch (const DynalytError& e) {
        EXPECT_EQ(e.Text(), "Der Maximalwert einer Achse muss >= Minimum sein");
    }
    EXPECT_EQ(axis.Minimum(), 5);
    EXPECT_EQ(axis.Maximum(), 10);
}

TEST_F(Results, ANegativeLeftMaximumIsRefusedAndEndsTheChartWithTheTableFilled)
{
    // Every power and torque negative: the left axis maximum falls below its minimum 0.
    FillGrid(unit.fMain.m_beschl, {"1;2000;100", "2;3000;90"});
    FillGrid(unit.fMain.m_ausr, {"0;200", "10;190"});
    EXPECT_EQ(unit.TabsChange(), ChainResult::Failed);
    EXPECT_EQ(actions.calls, QStringList{"error:Der Maximalwert einer Achse muss >= Minimum sein"});
    EXPECT_FALSE(unit.fMain.a.Cell(0, 0).isEmpty());
    EXPECT_EQ(unit.Chart1.LeftAxis.Maximum(), 0);
    EXPECT_EQ(unit.Chart1.RightAxis.Maximum(), 0.6);
    EXPECT_EQ(unit.fMain.maxps, "kW: ...");
}

TEST_F(Results, TitlesAndColoursOfTheDiagram)
{
    const ChartModel& c = unit.Chart1;
    EXPECT_EQ(c.Title, "Dynalyt - Leistungsdiagramm");
    EXPECT_EQ(c.BottomAxis.Title(), "U/min");
    EXPECT_EQ(c.LeftAxis.Title(), "kW + Nm");
    EXPECT_EQ(c.RightAxis.Title(), "G");
    EXPECT_EQ(c.Series1.Title(), "kW");
    EXPECT_EQ(c.Series1.Colour(), 0x0000FFu);
    EXPECT_EQ(c.Series2.Title(), "Nm");
    EXPECT_EQ(c.Series2.Colour(), 0x800000u);
    EXPECT_EQ(c.Series3.Title(), "G");
    EXPECT_EQ(c.Series3.Colour(), 0x00FF80u);
    EXPECT_EQ(c.Series3.Axis(), VerticalAxis::Right);
    EXPECT_EQ(unit.fMain.maxps, "kW: ... (...PS)");
}

} // namespace
