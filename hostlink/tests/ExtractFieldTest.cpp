#include "hostlink/ExtractField.h"

#include <gtest/gtest.h>

namespace {

struct FieldCase {
    const char* text;
    int index;
    char sep;
    bool found;
    const char* field;
};

class ExtractFieldCases : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ExtractFieldCases, ReadsTheField)
{
    const FieldCase& c = GetParam();
    std::string out = "untouched";
    const std::string text = c.text;
    EXPECT_EQ(ExtractField(out, text.data(), static_cast<int>(text.size()), c.index, c.sep, '\\'),
              c.found ? TRUE : FALSE);
    EXPECT_EQ(out, c.field);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ExtractFieldCases,
    ::testing::Values(FieldCase{"a,b,c", 0, ',', true, "a"}, FieldCase{"a,b,c", 2, ',', true, "c"},
                      FieldCase{"a,b,c", 3, ',', false, ""}, FieldCase{"a,b,", 2, ',', true, ""},
                      FieldCase{",a", 0, ',', true, ""}, FieldCase{"a,b", -3, ',', true, "a"},
                      // an escaped separator joins the field, the escape byte goes
                      FieldCase{"x\\,y,z,w", 0, ',', true, "x,y"}, FieldCase{"x\\,y,z,w", 1, ',', true, "z"},
                      // only the one byte before the separator is looked at
                      FieldCase{"x\\\\,y", 0, ',', true, "x,y"}, FieldCase{"a\\\\b,c", 0, ',', true, "ab"},
                      FieldCase{"Event=EVT_CON_DROP", 1, '=', true, "EVT_CON_DROP"}));

TEST(ExtractField, NoTextLeavesTheOutputAlone)
{
    std::string out = "kept";
    EXPECT_EQ(ExtractField(out, "a,b", 0, 0, ',', '\\'), FALSE);
    EXPECT_EQ(ExtractField(out, nullptr, 3, 0, ',', '\\'), FALSE);
    EXPECT_EQ(out, "kept");
}

} // namespace
