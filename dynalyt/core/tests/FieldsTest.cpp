#include "dynalyt/core/Fields.h"

#include "dynalyt/core/TextLines.h"

#include <gtest/gtest.h>

namespace {

using namespace dynalyt;

TEST(Fields, FieldByNumberWithPointsAsCommas)
{
    struct Case {
        const char* line;
        int column;
        char separator;
        const char* field;
    };
    const Case cases[] = {
        {"a,b,c", 1, ',', "a"},
        {"a,b,c", 3, ',', "c"},
        {"a,b,c", 4, ',', ""},
        {"a,b,c", 9, ',', ""},
        {",12.5, km/h", 2, ',', "12,5"},
        {",12.5, km/h", 3, ',', " km/h"},
        {"a,,c", 2, ',', ""},
        {"", 1, ',', ""},
        {"1.2;3.4", 2, ';', "3,4"},
        {"1.2;3.4", 1, ',', "1,2;3,4"},
        {"x,", 2, ',', ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CsvField(c.line, c.column, c.separator), c.field) << c.line << " " << c.column;
    EXPECT_EQ(TabField("1.5\t2000\t50", 2), "2000");
    EXPECT_EQ(TabField("1.5\t2000", 3), "");
}

TEST(Fields, LinesEndAtCrLfLfAndLoneCr)
{
    const std::vector<std::string_view> expected = {"a", "", "b", "c", "", "d"};
    EXPECT_EQ(SplitLines("a\r\n\r\nb\nc\r\rd"), expected);
    EXPECT_EQ(SplitLines("a\r\n"), std::vector<std::string_view>{"a"});
    EXPECT_TRUE(SplitLines("").empty());
}

} // namespace
