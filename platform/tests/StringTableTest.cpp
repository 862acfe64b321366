#include "platform/StringTable.h"

#include <gtest/gtest.h>

namespace {

TEST(StringTable, LooksUpByNumberAndMarksAMissingId)
{
    platform::SetStringTable({{32000, "Kann nicht verbinden."}, {1, "Über"}});
    EXPECT_EQ(ResStr(32000), QString("Kann nicht verbinden."));
    EXPECT_EQ(ResStr(1), QString::fromUtf8("Über"));
    EXPECT_EQ(ResStr(2), QString("ResStr ???"));
    EXPECT_TRUE(platform::HasString(1));
    EXPECT_FALSE(platform::HasString(2));
}

} // namespace
