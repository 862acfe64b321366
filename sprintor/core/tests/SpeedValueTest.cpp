#include "sprintor/core/SpeedValue.h"

#include <cfloat>
#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace {

struct SpeedCase {
    const char* field;
    float speed;
};

// The leading number of the field; what is not one reads as 0, and nothing overflows.
const SpeedCase kSpeedCases[] = {
    {"57", 57.0f},
    {" 57", 57.0f},
    {"57.25", 57.25f},
    {"99.9", 99.9f},
    {"100.2 km/h", 100.2f},
    {"12abc", 12.0f},
    {"", 0.0f},
    {"km/h", 0.0f},
    {".5", 0.0f},
    {"-3.5", 0.0f},
    {"+8", 8.0f},
    {"inf", 0.0f},
    {"nan", 0.0f},
    {"0x1A", 0.0f},
    {"1e3", 1.0f},
    {"57,3", 57.0f},
    {"340282366920938463463374607431768211456000", FLT_MAX},
};

TEST(SpeedValue, ReadsTheLeadingNumberOfTheField)
{
    for (const SpeedCase& c : kSpeedCases)
        EXPECT_FLOAT_EQ(ReadSpeed(c.field), c.speed) << '"' << c.field << '"';
}

TEST(SpeedValue, HugeDigitStringsSaturateInsteadOfOverflowing)
{
    EXPECT_EQ(ReadSpeed(std::string(400, '9')), FLT_MAX);
}

TEST(SpeedValue, DoesNotDependOnTheLocale)
{
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    EXPECT_FLOAT_EQ(ReadSpeed("57.25"), 57.25f);
    EXPECT_FLOAT_EQ(ReadSpeed("57,25"), 57.0f);
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace
