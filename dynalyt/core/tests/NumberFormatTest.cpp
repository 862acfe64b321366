#include "dynalyt/core/NumberFormat.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberFormat, Placeholder)
{
    EXPECT_EQ(dynalyt::NumberFormat.FormatFloat(1.5, 2), "1,50");
}

} // namespace
