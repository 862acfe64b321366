#include "RecordingActions.h"

#include <gtest/gtest.h>

namespace {

using namespace dynalyt;
using dynalyt::testing::UnitFixture;

class Resample : public ::testing::Test, public UnitFixture {
protected:
    // N samples with distinct values: time 1 + k/2, engine speed 1000 + 37k, speed 20 + 3k.
    static AccelSample Sample(int k) { return {1.0 + 0.5 * k, 1000.0 + 37 * k, 20.0 + 3 * k}; }
    void MakeRun(int n)
    {
        unit.AccelRun.clear();
        for (int k = 0; k < n; ++k)
            unit.AccelRun.push_back(Sample(k));
        unit.ResultRows.fill(ResultRow{});
    }
    bool RowHolds(int row, int sample) const
    {
        const ResultRow& r = unit.ResultRows[row];
        const AccelSample s = Sample(sample);
        return r.tAcc == s.time && r.rpm == s.rpm && r.kmh == s.speed;
    }
};

TEST_F(Resample, PlacesEveryMeasuredSampleExactly)
{
    struct Case {
        int n;
        int firstRow, rowStep;       // stretching: sample k in row firstRow + k * rowStep
        int firstSample, sampleStep; // thinning: row i takes sample firstSample + i * sampleStep
    };
    const Case cases[] = {
        {2, 0, 47, 0, 0}, {10, 1, 5, 0, 0},  {47, 0, 1, 0, 0},   {48, 0, 1, 0, 0},
        {49, 0, 0, 0, 1}, {100, 0, 0, 2, 2}, {256, 0, 0, 10, 5},
    };
    for (const Case& c : cases) {
        MakeRun(c.n);
        unit.ResampleRun();
        if (c.rowStep > 0) {
            for (int k = 0; k < c.n; ++k)
                EXPECT_TRUE(RowHolds(c.firstRow + k * c.rowStep, k)) << "N " << c.n << " sample " << k;
        } else {
            for (int i = 0; i < ResultRowCount; ++i)
                EXPECT_TRUE(RowHolds(i, c.firstSample + i * c.sampleStep)) << "N " << c.n << " row " << i;
        }
    }
}

TEST_F(Resample, TwoSamplesFillTheRowsOnOneStraightLine)
{
    unit.AccelRun = {{2.0, 2000, 50}, {6.7, 6700, 97}};
    unit.ResampleRun();
    for (int j = 0; j < ResultRowCount; ++j) {
        const ResultRow& r = unit.ResultRows[j];
        EXPECT_NEAR(r.tAcc, 2.0 + j * 0.1, 1e-9) << j;
        EXPECT_NEAR(r.rpm, 2000 + j * 100.0, 1e-6) << j;
        EXPECT_NEAR(r.kmh, 50 + j * 1.0, 1e-9) << j;
    }
}

TEST_F(Resample, TenSamplesExtrapolateTheEndRowsWithTheirNeighboursSpeeds)
{
    MakeRun(10);
    unit.ResampleRun();
    const auto& rows = unit.ResultRows;
    EXPECT_DOUBLE_EQ(rows[0].tAcc, 1.0 - 0.5 / 5);
    EXPECT_EQ(rows[0].rpm, rows[1].rpm);
    EXPECT_EQ(rows[0].kmh, rows[1].kmh);
    EXPECT_DOUBLE_EQ(rows[47].tAcc, rows[46].tAcc + 0.5 / 5);
    EXPECT_EQ(rows[47].kmh, rows[46].kmh);
    // Four rows on the line between samples 0 and 1.
    for (int j = 2; j <= 5; ++j) {
        EXPECT_NEAR(rows[j].tAcc, 1.0 + (j - 1) * 0.1, 1e-12);
        EXPECT_NEAR(rows[j].rpm, 1000 + 37 * (j - 1) / 5.0, 1e-9);
        EXPECT_NEAR(rows[j].kmh, 20 + 3 * (j - 1) / 5.0, 1e-9);
    }

    // A first sample at time 0 would put row 0 before 0: it takes row 1's time.
    for (AccelSample& s : unit.AccelRun)
        s.time -= 1.0;
    unit.ResampleRun();
    EXPECT_EQ(rows[0].tAcc, 0.0);
    EXPECT_EQ(rows[1].tAcc, 0.0);
}

TEST_F(Resample, FortySevenSamplesLeaveOnlyTheLastRowExtrapolated)
{
    MakeRun(47);
    unit.ResampleRun();
    EXPECT_TRUE(RowHolds(46, 46));
    EXPECT_DOUBLE_EQ(unit.ResultRows[47].tAcc, Sample(46).time + 0.5);
    EXPECT_EQ(unit.ResultRows[47].rpm, Sample(46).rpm);
}

TEST_F(Resample, FitLineIsTheLeastSquaresLine)
{
    unit.AccelRun = {{0, 1000, 10}, {1, 1100, 12}, {2, 1300, 14}, {3, 1300, 16}};
    const FittedLine all = unit.FitLine(0, 3, RunQuantity::EngineSpeed);
    EXPECT_NEAR(all.slope, 110, 1e-9);
    EXPECT_NEAR(all.intercept, 1010, 1e-9);
    const FittedLine two = unit.FitLine(1, 2, RunQuantity::RoadSpeed);
    EXPECT_NEAR(two.slope, 2, 1e-12);
    EXPECT_NEAR(two.intercept, 10, 1e-12);
}

TEST_F(Resample, SamplesWithOneTimeEndTheChainWithDivisionByZero)
{
    unit.AccelRun = {{1, 1000, 10}, {1, 1100, 12}};
    EXPECT_THROW(unit.FitLine(0, 1, RunQuantity::EngineSpeed), DynalytError);

    // Through TabsChange: shown, table and chart left cleared.
    FillGrid(unit.fMain.m_beschl, {"1;1000;10", "1;1100;12", "2;1200;14"});
    FillGrid(unit.fMain.m_ausr, {"0;100", "10;80"});
    EXPECT_EQ(unit.TabsChange(), ChainResult::Failed);
    EXPECT_EQ(actions.messages, QStringList{"Gleitkommadivision durch Null"});
    EXPECT_TRUE(unit.fMain.a.Cell(0, 0).isEmpty());
    EXPECT_EQ(unit.Chart1.Series1.Count(), 0);
    EXPECT_EQ(unit.fMain.maxps, "kW: ...");
}

TEST_F(Resample, ReadRunsSkipsRowsThatDoNotConvertAndClosesTheCoastDown)
{
    TextGrid& accel = unit.fMain.m_beschl;
    for (int row = 0; row < 10; ++row) {
        if (row == 5)
            continue;
        accel.SetCell(0, row, QString::number(row));
        accel.SetCell(1, row, "2000");
        accel.SetCell(2, row, QStringLiteral("%1,5").arg(row + 10));
    }
    accel.SetCell(0, 200, "99");
    accel.SetCell(1, 200, "3000");
    accel.SetCell(2, 200, "12.5"); // decimal point: dropped
    accel.SetCell(1, 210, "3000"); // column 0 empty: not looked at
    accel.SetCell(2, 210, "50");
    accel.SetCell(0, 220, "100"); // an empty engine speed: dropped
    accel.SetCell(2, 220, "50");
    unit.ReadRuns();
    ASSERT_EQ(unit.AccelRun.size(), 9u);
    EXPECT_EQ(unit.AccelRun[5].time, 6);
    EXPECT_EQ(unit.AccelRun[5].speed, 16.5);

    FillGrid(unit.fMain.m_ausr, {"0;100", "30;40"});
    unit.ReadRuns();
    ASSERT_EQ(unit.CoastRun.size(), 3u);
    EXPECT_EQ(unit.CoastRun[2].time, 110);
    EXPECT_EQ(unit.CoastRun[2].speed, 4);

    unit.fMain.m_ausr.Clear();
    FillGrid(unit.fMain.m_ausr, {"30;40"});
    unit.ReadRuns();
    EXPECT_EQ(unit.CoastRun.size(), 1u); // no extra point for a single sample
}

TEST_F(Resample, TooFewSamplesLeaveTableAndChartClearedWithoutMessage)
{
    FillGrid(unit.fMain.m_beschl, {"1;1000;10", "2;2000;20", "3;3000;30"});
    FillGrid(unit.fMain.m_ausr, {"0;100"});
    EXPECT_EQ(unit.TabsChange(), ChainResult::TooFewSamples);
    EXPECT_TRUE(actions.calls.isEmpty());
    EXPECT_TRUE(unit.fMain.a.Cell(0, 0).isEmpty());
    EXPECT_EQ(unit.Chart1.Series1.Count(), 0);
    EXPECT_EQ(unit.Chart1.LeftAxis.Maximum(), 0);
    EXPECT_EQ(unit.fMain.maxnm, "Nm: ...");
}

} // namespace
