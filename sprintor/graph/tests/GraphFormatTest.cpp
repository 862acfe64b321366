#include "sprintor/graph/GraphFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(GraphFormat, ValuesWithClampedDecimals)
{
    EXPECT_EQ(FormatGraphValue(12.345, 1), "12.3");
    EXPECT_EQ(FormatGraphValue(-0.5, 0), "-0");
    EXPECT_EQ(FormatGraphValue(1, 0xFFFFFFFFu), "1." + QString(int(kMaxGraphDecimals), '0'));
    EXPECT_EQ(FormatGraphWhole(-5.5), "-6");
    EXPECT_EQ(FormatGraphWhole(3.4e38).size(), 39);
}

TEST(GraphFormat, CursorReadoutTakesOnlyDoubleConversions)
{
    struct Case {
        const char* format;
        const char* expected;
    } cases[] = {
        {"    (%0.3f, %0.3f)", "    (1.500, -2.250)"},
        {"x=%g", "x=1.5"},
        {"%lf%%", "1.500000%"},
        {"%+8.1e|%-6.2f|", "+1.5e+00|-2.25 |"},
        {"%s", ""},
        {"%d", ""},
        {"%n", ""},
        {"%f %f %f", ""},
        {"%*f", ""},
        {"%Lf", ""},
        {"trailing %", ""},
        {"no conversion", "no conversion"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatGraphCursor(c.format, 1.5, -2.25), c.expected) << c.format;
    EXPECT_EQ(FormatGraphCursor("%99999999.99999999f", 1, 2), "1." + QString(64, QChar('0'))) << "cut to 64";
}

} // namespace
