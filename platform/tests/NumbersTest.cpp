#include "platform/Numbers.h"

#include <clocale>
#include <gtest/gtest.h>
#include <limits>

namespace {

struct ParseCase {
    const char* text;
    char point;
    bool ok;
    double value;
};

class NumbersUnderLocale : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        const char* name = GetParam();
        ASSERT_NE(std::setlocale(LC_ALL, name), nullptr)
            << "locale " << name << " is not available; scripts/setup generates it";
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_P(NumbersUnderLocale, ParseDecimalTakesOnlyItsOwnMark)
{
    const ParseCase cases[] = {
        {"1,5", ',', true, 1.5},    {"-12,25", ',', true, -12.25}, {" 3 ", ',', true, 3},
        {"1.5", ',', false, 0},     {"1.5", '.', true, 1.5},       {"1,5", '.', false, 0},
        {"2,5E3", ',', true, 2500}, {"5,", ',', true, 5},          {",5", ',', true, 0.5},
        {"", ',', false, 0},        {",", ',', false, 0},          {"-", ',', false, 0},
        {"inf", '.', false, 0},     {"nan", '.', false, 0},        {"0x10", '.', false, 0},
        {"1e", '.', false, 0},      {"12abc", '.', false, 0},      {"+7", '.', true, 7},
    };
    for (const auto& c : cases) {
        const auto v = platform::ParseDecimal(c.text, c.point);
        EXPECT_EQ(v.has_value(), c.ok) << c.text;
        if (v && c.ok) {
            EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
        }
    }
}

TEST_P(NumbersUnderLocale, ReadLeadingDecimalTakesTheNumberAtTheStart)
{
    const ParseCase cases[] = {
        {" 50.5 km/h", '.', true, 50.5}, {"-3", '.', true, -3},  {"7.", '.', true, 7},
        {"12.5.3", '.', true, 12.5},     {"", '.', false, 0},    {" km/h", '.', false, 0},
        {".5", '.', false, 0},           {"inf", '.', false, 0}, {"0x1A", '.', true, 0},
        {"nan", '.', false, 0},
    };
    for (const auto& c : cases) {
        const auto v = platform::ReadLeadingDecimal(c.text, c.point);
        EXPECT_EQ(v.has_value(), c.ok) << c.text;
        if (v && c.ok) {
            EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
        }
    }
}

TEST_P(NumbersUnderLocale, ReadLeadingNumberReadsAsTheCLibraryDoes)
{
    const ParseCase cases[] = {
        {".5 l/h", '.', true, 0.5}, {"-.5", '.', true, -0.5}, {"7.", '.', true, 7},
        {"\t\n 3", '.', true, 3},   {"5e-1", '.', true, 0.5}, {"1.5E1x", '.', true, 15},
        {"2e", '.', true, 2},       {"2e+", '.', true, 2},    {"e5", '.', false, 0},
        {".", '.', false, 0},       {"-", '.', false, 0},     {"inf", '.', false, 0},
        {"nan", '.', false, 0},     {"0x10", '.', true, 0},   {"1,5", '.', true, 1},
    };
    for (const auto& c : cases) {
        const auto v = platform::ReadLeadingNumber(c.text);
        EXPECT_EQ(v.has_value(), c.ok) << c.text;
        if (v && c.ok) {
            EXPECT_DOUBLE_EQ(*v, c.value) << c.text;
        }
    }
}

TEST_P(NumbersUnderLocale, FormattingUsesTheGivenMark)
{
    EXPECT_EQ(platform::FormatFixed(1.005, 2, ','), "1,00");
    EXPECT_EQ(platform::FormatFixed(10.0, 2), "10.00");
    EXPECT_EQ(platform::FormatFixed(-2.5, 0), "-2");
    EXPECT_EQ(platform::FormatC("%g %s", 2.5, "V"), "2.5 V");
    EXPECT_EQ(platform::FormatC("%.2f", 1234567.891), "1234567.89");
}

INSTANTIATE_TEST_SUITE_P(Locales, NumbersUnderLocale, ::testing::Values("C", "de_DE.UTF-8"));

TEST(Numbers, HugeValuesSaturate)
{
    EXPECT_EQ(platform::SaturatedInt(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(platform::SaturatedInt(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(platform::SaturatedInt(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(platform::SaturatedInt(-7.9), -7);
    const auto big = platform::ParseDecimal("1e999");
    ASSERT_TRUE(big.has_value());
    EXPECT_EQ(*big, std::numeric_limits<double>::max());
}

} // namespace
