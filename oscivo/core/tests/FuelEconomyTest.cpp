#include "CoreFixture.h"

#include <vector>

class FuelEconomyTest : public CoreTest {
protected:
    // A fuel rate in slot 2 and a speed in slot 5, as a shown reply leaves them.
    void Slots(double rate, double speed, const std::string& rateUnit = "l/h")
    {
        g_nSlotGroup[2] = 1;
        g_strSlotUnit[2] = rateUnit;
        g_dSlotValue[2] = rate;
        g_nSlotGroup[5] = 2;
        g_strSlotUnit[5] = "km/h";
        g_dSlotValue[5] = speed;
    }
};

TEST_F(FuelEconomyTest, ConsumptionAndMileageFromRateAndSpeed)
{
    const struct {
        const char* what;
        int depth;
        double rate, speed;
        const char* rateUnit;
        double consumption, mileage, newest;
    } cases[] = {
        {"6 l/h at 60 km/h", 1, 6, 60, "l/h", 10.0, 23.52145, 10.0},
        {"the start values stay out of the average", 5, 8, 100, "l/h", 8.0, 29.4018125, 8.0},
        {"walking pace is stored but not averaged", 1, 5, 0.4, "l/h", 1250, 0.188171600, 1250},
        {"mileage is capped", 1, 0.02, 10, "l/h", 0.2, 999.9, 0.2},
        {"no fuel flowing", 1, 0, 50, "l/h", 0, 999.9, 0},
        {"a unit that contains l/h", 1, 6000, 60, "ml/h", 10000, 0.02352145, 10000},
        {"a depth beyond the history is held to it", 25, 6, 60, "l/h", 10.0, 23.52145, 10.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Restart();
        g_nFuelHistoryDepth = c.depth;
        Slots(c.rate, c.speed, c.rateUnit);
        model.UpdateFuelEconomy();
        const ReplyEffects effects = model.TakeEffects();
        EXPECT_NEAR(g_dConsumption, c.consumption, 1e-9);
        EXPECT_NEAR(g_dMileage, c.mileage, 1e-9);
        EXPECT_NEAR(g_dFuelHistory[0], c.newest, 1e-9);
        EXPECT_EQ(g_dFuelHistory[1], 2000.0);
        EXPECT_TRUE(model.m_fuelButtonsShown);
        ASSERT_TRUE(effects.consumptionMeter && effects.mileageMeter);
        EXPECT_EQ(effects.consumptionMeter->units, "l/100km");
        EXPECT_EQ(effects.consumptionMeter->scaleMax, 20);
        EXPECT_EQ(effects.mileageMeter->units, "MPG");
        EXPECT_EQ(effects.mileageMeter->scaleMax, 60);
        EXPECT_EQ(effects.mileageMeter->readoutDigits, 1);
    }
}

TEST_F(FuelEconomyTest, StandingShowsTheRateAndGallonsPerHour)
{
    Slots(1.2, 0);
    model.UpdateFuelEconomy();
    const ReplyEffects effects = model.TakeEffects();
    EXPECT_DOUBLE_EQ(g_dConsumption, 1.2);
    EXPECT_NEAR(g_dMileage, 0.31700646, 1e-8);
    EXPECT_EQ(g_dFuelHistory[0], 2000.0);
    ASSERT_TRUE(effects.consumptionMeter && effects.mileageMeter);
    EXPECT_EQ(effects.consumptionMeter->units, "l/h");
    EXPECT_EQ(effects.consumptionMeter->scaleMax, 10.0);
    EXPECT_FALSE(effects.consumptionMeter->readoutDigits);
    EXPECT_EQ(effects.mileageMeter->units, "Gal. ppro Stunde");
    EXPECT_EQ(effects.mileageMeter->scaleMax, 4.0);
    EXPECT_EQ(effects.mileageMeter->readoutDigits, 2);
}

TEST_F(FuelEconomyTest, TheAverageCoversTheNewestSamplesOfTheDepth)
{
    g_nFuelHistoryDepth = 3;
    const double rates[] = {10, 20, 30, 40, 5};
    const double averages[] = {10, 15, 20, 30, 25};
    for (int i = 0; i < 5; ++i) {
        Slots(rates[i], 100);
        model.UpdateFuelEconomy();
        EXPECT_DOUBLE_EQ(g_dConsumption, averages[i]) << i;
    }
    const std::vector<double> newestFirst(g_dFuelHistory.begin(), g_dFuelHistory.begin() + 6);
    EXPECT_EQ(newestFirst, (std::vector<double>{5, 40, 30, 20, 10, 2000}));
}

TEST_F(FuelEconomyTest, WithoutRateOrSpeedTheButtonsAndMetersGo)
{
    Slots(6, 60);
    model.UpdateFuelEconomy();
    ASSERT_TRUE(model.m_fuelButtonsShown);
    model.TakeEffects();

    g_strSlotUnit[5] = "mph";
    model.UpdateFuelEconomy();
    EXPECT_FALSE(model.m_fuelButtonsShown);
    const ReplyEffects effects = model.TakeEffects();
    EXPECT_TRUE(effects.closeFuelMeters);
    EXPECT_FALSE(effects.consumptionMeter);
    EXPECT_EQ(g_dFuelHistory[1], 2000.0);
}

TEST_F(FuelEconomyTest, TheLastMatchingSlotIsTakenAndPlaybackComputesNothing)
{
    Slots(100, 60);
    g_nSlotGroup[9] = 3;
    g_strSlotUnit[9] = "l/h";
    g_dSlotValue[9] = 6;
    model.UpdateFuelEconomy();
    EXPECT_DOUBLE_EQ(g_dConsumption, 10.0);

    g_bRunning = TRUE;
    g_dSlotValue[9] = 12;
    model.UpdateFuelEconomy();
    EXPECT_DOUBLE_EQ(g_dConsumption, 10.0);
}
