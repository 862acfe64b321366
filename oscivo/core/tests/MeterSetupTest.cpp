// Where the meters open, how they are set up and what they show.

#include "oscivo/core/MeterSetup.h"

#include "CoreFixture.h"

namespace {

struct Placement {
    const char* what;
    MeterSetup setup;
    MeterRect rect;
    UINT number;
    COLORREF needle;
};

} // namespace

class MeterSetupTest : public CoreTest {};

TEST_F(MeterSetupTest, EachKindOfMeterOpensInItsPlaceWithItsNeedle)
{
    g_crLineColor[9] = 0x123456;
    g_crBackColor = 0x202020;
    const Placement cases[] = {
        {"slot (2, 1)", SlotMeterSetup(2, 1), {64, 32, 264, 232}, 9, 0x123456},
        {"slot (0, 0)", SlotMeterSetup(0, 0), {0, 0, 200, 200}, 0, g_crLineColor[0]},
        {"advanced value 9", AdvancedMeterSetup(9), {288, 0, 488, 200}, 9, 0x123456},
        {"mileage", MileageMeterSetup(), {96, 0, 296, 200}, 13, g_crLineColor[1]},
        {"consumption", ConsumptionMeterSetup(), {96, 32, 296, 232}, 14, g_crLineColor[2]},
    };
    for (const Placement& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.setup.rect.left, c.rect.left);
        EXPECT_EQ(c.setup.rect.top, c.rect.top);
        EXPECT_EQ(c.setup.rect.right, c.rect.right);
        EXPECT_EQ(c.setup.rect.bottom, c.rect.bottom);
        EXPECT_EQ(c.setup.number, c.number);
        EXPECT_EQ(c.setup.needleColor, c.needle);
        EXPECT_EQ(c.setup.backColor, 0x202020u);
    }
}

TEST_F(MeterSetupTest, ASlotMeterTakesTheSlotsUnitScaleAndLabels)
{
    g_nSlotGroup[6] = 5;
    g_nSlotField[6] = 2;
    g_strSlotUnit[6] = "/min";
    g_nScaleMin[5][2] = 10;
    g_nScaleMax[5][2] = 90;

    MeterSetup setup = SlotMeterSetup(1, 2);
    ASSERT_TRUE(setup.configured);
    EXPECT_EQ(setup.units, "/min");
    EXPECT_EQ(setup.title, "Oscivo Meter - /min"); // the group has no labels
    EXPECT_DOUBLE_EQ(setup.scaleMin, 10);
    EXPECT_DOUBLE_EQ(setup.scaleMax, 90);
    EXPECT_EQ(setup.readoutDigits, 1);
    EXPECT_EQ(setup.scaleDigits, 0);

    // The labels of the entry's own field, whichever column the slot is in.
    g_labels[5].name[2] = "Motordrehzahl";
    g_labels[5].text[2] = "Ist";
    EXPECT_EQ(SlotMeterSetup(1, 2).title, " Motordrehzahl Ist");
    g_labels[5].name[2].clear();
    EXPECT_EQ(SlotMeterSetup(1, 2).title, "  Ist");
}

TEST_F(MeterSetupTest, ASlotWithoutDataKeepsTheMetersOwnSettings)
{
    g_nSlotGroup[3] = -1; // before any reply
    EXPECT_FALSE(SlotMeterSetup(0, 3).configured);
    g_nSlotGroup[3] = 0; // an empty entry
    EXPECT_FALSE(SlotMeterSetup(0, 3).configured);
}

TEST_F(MeterSetupTest, AdvancedAndFuelMetersHaveFixedTitlesAndScales)
{
    g_nMaxMileage = 70;
    g_nMaxConsumption = 25;
    const MeterSetup advanced = AdvancedMeterSetup(9);
    EXPECT_EQ(advanced.title, "Feld#10");
    EXPECT_EQ(advanced.units, "");
    EXPECT_DOUBLE_EQ(advanced.scaleMax, 255.0);
    EXPECT_EQ(advanced.readoutDigits, 0);

    const MeterSetup mileage = MileageMeterSetup();
    EXPECT_EQ(mileage.title, "Reichweite in Meilen/Gal(US)");
    EXPECT_EQ(mileage.units, "MPG");
    EXPECT_DOUBLE_EQ(mileage.scaleMax, 70);
    const MeterSetup consumption = ConsumptionMeterSetup();
    EXPECT_EQ(consumption.title, "Verbrauch in Liter/100km");
    EXPECT_EQ(consumption.units, "l/100km");
    EXPECT_DOUBLE_EQ(consumption.scaleMax, 25);
}

TEST_F(MeterSetupTest, EachMeterShowsItsValue)
{
    double values[kScopeSlots];
    for (int k = 0; k < kScopeSlots; ++k)
        values[k] = k + 0.5;
    g_dMileage = 23.5;
    g_dConsumption = 10.0;
    EXPECT_DOUBLE_EQ(MeterValue(0, values), 0.5);
    EXPECT_DOUBLE_EQ(MeterValue(11, values), 11.5);
    EXPECT_DOUBLE_EQ(MeterValue(kMileageMeter, values), 23.5);
    EXPECT_DOUBLE_EQ(MeterValue(kConsumptionMeter, values), 10.0);
    EXPECT_DOUBLE_EQ(MeterValue(kFirstAdvancedMeter, values), 0.5);
    EXPECT_DOUBLE_EQ(MeterValue(kMeters - 1, values), 9.5);
}
