#include "hostlink/ExtractField.h"

#include <climits>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/mman.h>

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
    std::string viewed = "untouched";
    EXPECT_EQ(ExtractField(viewed, std::string_view(text), c.index, c.sep), c.found ? TRUE : FALSE);
    EXPECT_EQ(viewed, c.field);
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

TEST(ExtractField, ATextLongerThanAnIntCountsIsReadUpToThatLength)
{
    // Pages never written read as zeros and take no memory.
    const std::size_t size = std::size_t{INT_MAX} + 4097;
    void* pages =
        ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    ASSERT_NE(pages, MAP_FAILED);
    std::memcpy(pages, "a,b,", 4);
    const std::string_view text(static_cast<const char*>(pages), size);
    std::string out;
    EXPECT_EQ(ExtractField(out, text, 1), TRUE);
    EXPECT_EQ(out, "b");
    ::munmap(pages, size);
}

} // namespace
