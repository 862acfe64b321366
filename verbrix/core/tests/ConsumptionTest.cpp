#include "verbrix/core/Consumption.h"

#include "platform/Numbers.h"
#include "platform/TickClock.h"
#include "verbrix/core/Resource.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

// A reply as the host writes it: speed in field 3 with its unit in field 4, fuel rate in
// field 7 with its unit in field 8.
std::string Reply(const std::string& speed, const std::string& rate)
{
    return "03L906022  ,G005,F0," + speed + ", km/h,G005,F1," + rate + ", l/h,G000,,,,";
}

class ConsumptionTest : public ::testing::Test {
protected:
    // The first reply finds the fields and starts the clock.
    void Detect()
    {
        ASSERT_EQ(meter.OnHostDataReply("1", Reply("0", "0")).nMessageId, 0u);
        ASSERT_FALSE(meter.IsDetecting());
    }

    // count replies, each stepMs after the previous one.
    void Drive(const std::string& speed, const std::string& rate, std::uint32_t stepMs, int count = 1)
    {
        for (int i = 0; i < count; ++i) {
            clock.Advance(stepMs);
            ASSERT_EQ(meter.OnHostDataReply("1", Reply(speed, rate)).nMessageId, 0u);
        }
    }

    void ExpectTexts(const char* consumption, const char* average, const char* total, const char* distance)
    {
        EXPECT_EQ(meter.Consumption(), consumption);
        EXPECT_EQ(meter.AverageText(), average);
        EXPECT_EQ(meter.TotalText(), total);
        EXPECT_EQ(meter.DistanceText(), distance);
    }

    platform::ManualTickClock clock{100000};
    platform::ScopedTickClock scopedClock{clock};
    FuelAccounting meter;
};

struct DetectionCase {
    const char* what;
    const char* payload;
    int speedField;
    int fuelRateField;
    UINT messageId;
};

TEST_F(ConsumptionTest, FirstReplyFindsTheFieldsOrNamesWhatIsMissing)
{
    const DetectionCase cases[] = {
        {"ordinary, unit in field 5", "ID,G001,F0,x,50, km/h,3, l/h", 4, 6, 0},
        {"OBD, unit in field 7", "OBD-II,a,b,50,c,d,e, km/h,5,f,g,h, l/h", 3, 8, 0},
        {"the first field with each unit counts", "ID,50, km/h,60, km/h,5, l/h,6, l/h", 1, 5, 0},
        {"units in field 0 name no value", "v km/h r l/h,50, km/h,5, l/h", 1, 3, 0},
        {"OBD units before the offset name no value", "OBD,x l/h, km/h,y,50,a,b, km/h,5,c,d, l/h", 3, 7, 0},
        {"OBD is looked for case-sensitively", "obd,50, km/h,5, l/h", 1, 3, 0},
        {"an escaped comma stays inside its field", "ID,a\\,b,50, km/h,5, l/h", 2, 4, 0},
        {"a doubled backslash still escapes", "ID,x\\\\, km/h,50, km/h,5, l/h", 0, 4, 0},
        {"a closing comma ends the last field", "ID,50, km/h,5, l/h,", 1, 3, 0},
        {"empty reply", "", -1, -1, IDS_NO_DATA},
        {"no speed in km/h", "ID,50, mph,5, l/h", -1, 3, IDS_NO_SPEED},
        {"a unit needs its leading blank", "ID,50,km/h,5, l/h", -1, 3, IDS_NO_SPEED},
        {"a unit only in field 0", "50 km/h", -1, -1, IDS_NO_SPEED},
        {"no fuel rate in l/h", "ID,50, km/h,5, l/100km", 1, -1, IDS_NO_FUEL_RATE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FuelAccounting fresh;
        const ReplyVerdict verdict = fresh.OnHostDataReply("1", c.payload);
        EXPECT_EQ(verdict.nMessageId, c.messageId);
        EXPECT_EQ(verdict.bClose, c.messageId != 0 ? TRUE : FALSE);
        EXPECT_EQ(fresh.SpeedField(), c.speedField);
        EXPECT_EQ(fresh.FuelRateField(), c.fuelRateField);
    }
}

TEST_F(ConsumptionTest, FirstReplyShowsNothingAndKindTwoChangesNothing)
{
    EXPECT_EQ(meter.OnHostDataReply("2", Reply("50", "5")).nMessageId, 0u);
    EXPECT_EQ(meter.OnHostDataReply("2", "").nMessageId, 0u); // not even an empty one fails
    EXPECT_TRUE(meter.IsDetecting());

    Detect();
    clock.Advance(60000);
    ExpectTexts(" --- ", " --- ", "0.00", "0.00");
    meter.OnHostDataReply("2", Reply("50", "5"));
    meter.OnHostDataReply("01", Reply("50", "5"));
    ExpectTexts(" --- ", " --- ", "0.00", "0.00");
    EXPECT_EQ(meter.DistanceKm(), 0.0);

    // The clock still runs from the first reply: kind 2 did not restart it.
    Drive("50", "5", 0);
    ExpectTexts("10.00", "10.00", "0.08", "0.83");
}

TEST_F(ConsumptionTest, SteadyDriveAddsEveryFiftyMilliseconds)
{
    Detect();
    Drive("50", "5", 50);
    EXPECT_EQ(meter.Consumption(), "10.00");
    // A single tick's worth must count: 50 ms at 50 km/h.
    EXPECT_DOUBLE_EQ(meter.DistanceKm(), 50.0 * 50 / 3600000);
    EXPECT_DOUBLE_EQ(meter.TotalLitres(), 50.0 * 5 / 3600000);

    Drive("50", "5", 50, 719); // 36 s in all
    ExpectTexts("10.00", "10.00", "0.05", "0.50");
    EXPECT_NEAR(meter.DistanceKm(), 0.5, 1e-9);
    EXPECT_NEAR(meter.Average(), 10.0, 1e-9);
}

TEST_F(ConsumptionTest, StandingAddsFuelButNoDistance)
{
    Detect();
    Drive("0.6", "2", 1800000); // half an hour below 1 km/h
    ExpectTexts(" --- ", " --- ", "1.00", "0.00");
    EXPECT_EQ(meter.Average(), 0.0);

    Drive("50", "5", 36000);
    ExpectTexts("10.00", "210.00", "1.05", "0.50");
    // Fuel used while standing counts into the average once there is a distance.
    Drive("0", "2", 90000);
    ExpectTexts(" --- ", "220.00", "1.10", "0.50");
}

TEST_F(ConsumptionTest, OneKilometrePerHourCountsAsMoving)
{
    Detect();
    Drive("1.0", "5", 3600000);
    ExpectTexts("500.00", "500.00", "5.00", "1.00");
    Drive("0.99", "5", 3600000);
    ExpectTexts(" --- ", "1000.00", "10.00", "1.00");
}

TEST_F(ConsumptionTest, AClockThatWrapsAddsOnlyTheRealTime)
{
    clock.Set(0xFFFF0000u);
    Detect();
    clock.Set(0xFFFF0000u + 3600000u); // past the wrap: 0x0027FB80
    ASSERT_LT(clock.Now(), 0xFFFF0000u);
    ASSERT_EQ(meter.OnHostDataReply("1", Reply("50", "5")).nMessageId, 0u);
    ExpectTexts("10.00", "10.00", "5.00", "50.00");
}

TEST_F(ConsumptionTest, ValuesAreReadAsTheirLeadingNumber)
{
    Detect();
    Drive("80.5 km/h", "4.025abc", 3600000);
    ExpectTexts("5.00", "5.00", "4.03", "80.50");
    Drive("fast", "3", 3600000); // no number: standing
    ExpectTexts(" --- ", "8.73", "7.03", "80.50");
}

TEST_F(ConsumptionTest, ValuesAreReadAsTheCLibraryReadsADecimalNumber)
{
    const struct {
        const char* rate;
        const char* consumption; // at 50 km/h; a negative rate is not accounted
    } cases[] = {
        {".5", "1.00"},   {"-.5", " --- "},   {"7.", "14.00"}, {"+2.5", "5.00"}, {"  3", "6.00"},
        {"5e-1", "1.00"}, {"1.5E1", "30.00"}, {"2e", "4.00"},  {"2e+", "4.00"},  {"e5", "0.00"},
        {".", "0.00"},    {"-", "0.00"},      {"inf", "0.00"}, {"nan", "0.00"},  {"-0", "0.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rate);
        FuelAccounting fresh;
        ASSERT_EQ(fresh.OnHostDataReply("1", Reply("0", "0")).nMessageId, 0u);
        clock.Advance(50);
        fresh.OnHostDataReply("1", Reply("50", c.rate));
        EXPECT_EQ(fresh.Consumption(), c.consumption);
    }
}

TEST_F(ConsumptionTest, HugeValuesStayFiniteAndDefined)
{
    const std::string huge = "1" + std::string(400, '0');
    Detect();
    Drive("50", huge, 50);
    EXPECT_EQ(meter.Consumption(), " --- ");
    Drive(huge, huge, 50);
    EXPECT_EQ(meter.Consumption(), " --- ");
}

// Such a reply changes neither a sum nor a display, as if it had not come.
TEST_F(ConsumptionTest, AReplyWithASpeedOrRateBelowZeroOrAboveOneThousandIsNotAccounted)
{
    const struct {
        const char* what;
        const char* speed;
        const char* rate;
        std::uint32_t gapMs;
    } cases[] = {
        {"a huge rate standing makes the average infinite", "0", "1e308", 60000},
        {"a huge speed after two hours makes the distance infinite", "1e308", "5", 7200000},
        {"a huge rate standing after two hours makes the total infinite", "0", "1e308", 7200000},
        {"a huge negative rate after two hours", "0", "-1e308", 7200000},
        {"beyond a double after two hours", "1e400", "1e400", 7200000},
        {"a huge rate moving, held at the float range, fills the displays with digits", "50", "1e308", 50},
        {"a huge speed after a tick fills the distance with digits", "1e308", "5", 50},
        {"a rate just above 1000 l/h", "50", "1000.01", 36000},
        {"a speed just above 1000 km/h", "1000.01", "5", 36000},
        {"a negative rate moving", "50", "-5", 36000},
        {"a negative rate standing", "0", "-5", 36000},
        {"a negative speed", "-20", "5", 36000},
        {"a speed just below zero", "-0.01", "5", 36000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FuelAccounting fresh;
        ASSERT_EQ(fresh.OnHostDataReply("1", Reply("0", "0")).nMessageId, 0u);
        clock.Advance(36000);
        fresh.OnHostDataReply("1", Reply("50", "5"));
        const double total = fresh.TotalLitres();
        const double distance = fresh.DistanceKm();

        clock.Advance(c.gapMs);
        EXPECT_EQ(fresh.OnHostDataReply("1", Reply(c.speed, c.rate)).nMessageId, 0u);
        EXPECT_EQ(fresh.TotalLitres(), total);
        EXPECT_EQ(fresh.DistanceKm(), distance);
        EXPECT_EQ(fresh.Consumption(), "10.00");
        EXPECT_EQ(fresh.AverageText(), "10.00");
        EXPECT_EQ(fresh.TotalText(), "0.05");
        EXPECT_EQ(fresh.DistanceText(), "0.50");

        // The next reply counts the time since the last one accounted.
        clock.Advance(36000);
        fresh.OnHostDataReply("1", Reply("50", "5"));
        const double hours = (36000.0 + c.gapMs + 36000) / 3600000;
        EXPECT_NEAR(fresh.DistanceKm(), 50 * hours, 1e-9);
        EXPECT_NEAR(fresh.TotalLitres(), 5 * hours, 1e-9);
        EXPECT_EQ(fresh.AverageText(), "10.00");
    }
}

TEST_F(ConsumptionTest, ExactlyOneThousandIsAccounted)
{
    Detect();
    Drive("1000", "1000", 3600000);
    ExpectTexts("100.00", "100.00", "1000.00", "1000.00");
}

// Any reply, after any time, keeps every sum and every shown value a finite number, and none
// of them negative.
TEST_F(ConsumptionTest, SumsAndShownValuesStayFiniteWhateverTheHostSends)
{
    static const char* Values[] = {"50",     "0.6",    "1",      "-20", "1e308", "-1e308", "1e400",
                                   "-1e400", "3.4e38", "1e-300", "nan", "inf",   "abc",    ""};
    static const std::uint32_t Gaps[] = {0, 50, 1000, 3600000, 7200000, 0x7FFFFFFFu, 0xFFFFFFFFu};
    std::mt19937 random(20261211);
    auto pick = [&random](const auto& table) {
        return table[std::uniform_int_distribution<std::size_t>(0, std::size(table) - 1)(random)];
    };
    auto isShownNumber = [](const std::string& text) {
        if (text == " --- ")
            return true;
        const auto value = platform::ReadLeadingNumber(text);
        return value && std::isfinite(*value) && text.find_first_not_of("-0123456789.") == std::string::npos;
    };
    Detect();
    for (int i = 0; i < 5000; ++i) {
        clock.Advance(pick(Gaps));
        if (i % 997 == 0)
            meter.Reset();
        meter.OnHostDataReply("1", Reply(pick(Values), pick(Values)));
        ASSERT_TRUE(std::isfinite(meter.TotalLitres())) << i;
        ASSERT_TRUE(std::isfinite(meter.DistanceKm())) << i;
        ASSERT_TRUE(std::isfinite(meter.Average())) << i;
        ASSERT_GE(meter.TotalLitres(), 0) << i;
        ASSERT_GE(meter.DistanceKm(), 0) << i;
        ASSERT_GE(meter.Average(), 0) << i;
        for (const std::string* text :
             {&meter.Consumption(), &meter.AverageText(), &meter.TotalText(), &meter.DistanceText()})
            ASSERT_TRUE(isShownNumber(*text) && !text->starts_with('-')) << i << ": " << *text;
    }
}

TEST_F(ConsumptionTest, ALaterReplyTooShortNamesTheMissingFieldAndKeepsTheValues)
{
    Detect();
    Drive("50", "5", 36000);
    const struct {
        const char* payload;
        UINT messageId;
    } cases[] = {
        {"03L906022  ,G005,F0", IDS_NO_SPEED},
        {"03L906022  ,G005,F0,50, km/h,G005", IDS_NO_FUEL_RATE},
        {"", IDS_NO_SPEED},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.payload);
        clock.Advance(36000);
        const ReplyVerdict verdict = meter.OnHostDataReply("1", c.payload);
        EXPECT_EQ(verdict.nMessageId, c.messageId);
        EXPECT_EQ(verdict.bClose, FALSE);
        ExpectTexts("10.00", "10.00", "0.05", "0.50");
        EXPECT_FALSE(meter.IsDetecting());
    }
}

TEST_F(ConsumptionTest, ResetClearsTheSumsAndCountsFromTheReset)
{
    Detect();
    Drive("50", "5", 36000);
    clock.Advance(600000); // ten minutes pass before the reset; they must not count
    meter.Reset();
    ExpectTexts("10.00", " --- ", "0.00", "0.00");
    EXPECT_EQ(meter.SpeedField(), 3);
    EXPECT_EQ(meter.FuelRateField(), 7);

    Drive("50", "5", 36000);
    ExpectTexts("10.00", "10.00", "0.05", "0.50");

    Drive("0", "5", 1000);
    meter.Reset(); // standing: the average waits for a distance again
    Drive("0", "36", 1000);
    ExpectTexts(" --- ", " --- ", "0.01", "0.00");
}

} // namespace
