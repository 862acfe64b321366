#include "RecordingActions.h"

#include <gtest/gtest.h>

namespace {

using namespace dynalyt;
using dynalyt::testing::UnitFixture;

class Power : public ::testing::Test, public UnitFixture {};

TEST_F(Power, WorkedRowGivesEnergyPowersAndG)
{
    unit.VehicleMass = 1000;
    auto& rows = unit.ResultRows;
    rows[0].kmh = 36;
    rows[0].tAcc = 2.0;
    rows[0].tCoast = 20;
    rows[1].kmh = 39.6;
    rows[1].tAcc = 2.5;
    rows[1].tCoast = 18;
    unit.ComputeEnergyAndPower();
    unit.SumPower();
    EXPECT_DOUBLE_EQ(rows[0].v, 10);
    EXPECT_DOUBLE_EQ(rows[0].E, 50000);
    EXPECT_NEAR(rows[0].pAcc, 21, 1e-9);
    EXPECT_NEAR(rows[0].pDrag, 5.25, 1e-9);
    EXPECT_NEAR(rows[0].pSum, 26.25, 1e-9);
    EXPECT_NEAR(rows[0].g, 0.2039, 5e-5);
    EXPECT_EQ(rows[47].pAcc, 0);
    EXPECT_EQ(rows[47].pDrag, 0);
    EXPECT_EQ(rows[47].g, 0);
}

TEST_F(Power, EqualTimesGiveZeroAndFallingSpeedGivesNegativePower)
{
    unit.VehicleMass = 1000;
    auto& rows = unit.ResultRows;
    rows[0] = {.kmh = 50, .tAcc = 1, .tCoast = 5};
    rows[1] = {.kmh = 60, .tAcc = 1, .tCoast = 5}; // same times as row 0
    rows[2] = {.kmh = 55, .tAcc = 2, .tCoast = 6}; // falling speed
    unit.ComputeEnergyAndPower();
    EXPECT_EQ(rows[0].pAcc, 0);
    EXPECT_EQ(rows[0].pDrag, 0);
    EXPECT_EQ(rows[0].g, 0);
    EXPECT_LT(rows[1].pAcc, 0);
    EXPECT_LT(rows[1].g, 0);
}

TEST_F(Power, CorrectionAndTorque)
{
    struct Case {
        double air, tyre, pCorr, torque;
    };
    const Case cases[] = {
        {1, 1, 29.6625, 94.42},
        {1, 1.2, 29.6625 * 1.2, 94.42 * 1.44},
        {1.021855, 1, 29.6625 * 1.021855, 94.42 * 1.021855},
    };
    for (const Case& c : cases) {
        unit.AirCorrection = c.air;
        unit.TyreRatio = c.tyre;
        for (ResultRow& r : unit.ResultRows)
            r.pSmooth = 26.25, r.rpm = 3000;
        unit.CorrectPower();
        EXPECT_NEAR(unit.ResultRows[10].pCorr, c.pCorr, 1e-9);
        EXPECT_NEAR(unit.ResultRows[10].torque, c.torque, 0.01 * c.tyre * c.tyre);
    }
}

TEST_F(Power, SmoothingKeepsAnEvenPowerAndIsPulledDownByTheLastRow)
{
    for (ResultRow& r : unit.ResultRows)
        r.pSum = 7.5;
    unit.SmoothPower();
    for (const ResultRow& r : unit.ResultRows)
        EXPECT_DOUBLE_EQ(r.pSmooth, 7.5);

    for (ResultRow& r : unit.ResultRows)
        r.pSum = 10;
    unit.ResultRows[47].pSum = 0;
    unit.SmoothPower();
    EXPECT_DOUBLE_EQ(unit.ResultRows[43].pSmooth, 10);
    EXPECT_DOUBLE_EQ(unit.ResultRows[44].pSmooth, 9.375);
    EXPECT_NEAR(unit.ResultRows[45].pSmooth, 8.6667, 5e-5);
    EXPECT_NEAR(unit.ResultRows[46].pSmooth, 7.6923, 5e-5);
    EXPECT_DOUBLE_EQ(unit.ResultRows[47].pSmooth, 6);
    EXPECT_EQ(unit.ResultRows[47].pSum, 0); // not overwritten
}

TEST_F(Power, SmoothingWeighsTheFirstRowsWithTheTruncatedWeights)
{
    for (int i = 0; i < ResultRowCount; ++i)
        unit.ResultRows[i].pSum = i;
    unit.SmoothPower();
    EXPECT_DOUBLE_EQ(unit.ResultRows[0].pSmooth, (3 * 1 + 2 * 2 + 3) / 10.0);
    EXPECT_DOUBLE_EQ(unit.ResultRows[1].pSmooth, (4 + 3 * 2 + 2 * 3 + 4) / 13.0);
    EXPECT_DOUBLE_EQ(unit.ResultRows[2].pSmooth, (3 + 4 * 2 + 3 * 3 + 2 * 4 + 5) / 15.0);
    EXPECT_DOUBLE_EQ(unit.ResultRows[20].pSmooth, 20);
}

TEST_F(Power, CoastTimesFromTheBracketingSegment)
{
    unit.CoastRun = {{0, 100}, {10, 80}, {30, 40}, {110, 4}};
    auto& rows = unit.ResultRows;
    rows[0].kmh = 90;
    rows[1].kmh = 100;
    rows[2].kmh = 80;  // lies in the second segment, not the first
    rows[3].kmh = 101; // above the first speed
    rows[4].kmh = 4;   // at the last speed: bracketed by none
    rows[5].kmh = 22;
    unit.InterpolateCoastTimes();
    EXPECT_DOUBLE_EQ(rows[0].tCoast, 5);
    EXPECT_DOUBLE_EQ(rows[1].tCoast, 0);
    EXPECT_DOUBLE_EQ(rows[2].tCoast, 10);
    EXPECT_EQ(rows[3].tCoast, 0);
    EXPECT_EQ(rows[4].tCoast, 0);
    EXPECT_DOUBLE_EQ(rows[5].tCoast, 70);

    // Where the speed rose, the later falling segment wins; a rising one brackets nothing.
    unit.CoastRun = {{0, 100}, {10, 80}, {20, 90}, {40, 70}};
    rows[0].tCoast = 0;
    unit.InterpolateCoastTimes();
    EXPECT_DOUBLE_EQ(rows[0].tCoast, 20);
}

TEST_F(Power, ArithmeticFailuresEndTheChainWithTheirMessages)
{
    struct Case {
        QStringList accel;
        QStringList coast;
        const char* message;
    };
    const Case cases[] = {
        // two coast-down samples with one time, even where no row lies in the segment
        {{"1;1000;50", "2;2000;60"}, {"0;100", "5;90", "5;200"}, "Gleitkommadivision durch Null"},
        {{"1;1000;50", "2;2000;60"}, {"0;100", "5;90", "5;90"}, "Ungültige Gleitkommaoperation"},
        // an engine speed of 0: torque over zero
        {{"1;0;50", "2;2000;60"}, {"0;100", "10;40"}, "Gleitkommadivision durch Null"},
        // values beyond a double on the way
        {{"1;1000;1e300", "2;2000;2e300"}, {"0;100", "10;40"}, "Gleitkommaüberlauf"},
    };
    for (const Case& c : cases) {
        UnitFixture f;
        FillGrid(f.unit.fMain.m_beschl, c.accel);
        FillGrid(f.unit.fMain.m_ausr, c.coast);
        EXPECT_EQ(f.unit.TabsChange(), ChainResult::Failed) << c.message;
        // Shown as the handler guard shows every error: with the error sign.
        EXPECT_EQ(f.actions.calls, QStringList{"error:" + QString::fromUtf8(c.message)});
        EXPECT_TRUE(f.unit.fMain.a.Cell(0, 0).isEmpty());
        EXPECT_EQ(f.unit.Chart1.Series1.Count(), 0);
        EXPECT_EQ(f.unit.fMain.maxps, "kW: ...");
    }
}

} // namespace
