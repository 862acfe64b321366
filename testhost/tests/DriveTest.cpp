#include "testhost/Drive.h"

#include <gtest/gtest.h>

namespace {

TEST(Drive, GoesFromStandstillTo130AndBackEveryMinute)
{
    EXPECT_EQ(testhost::DriveAt(0).roadSpeed, 0.0);
    EXPECT_EQ(testhost::DriveAt(0).engineSpeed, 800.0);
    EXPECT_DOUBLE_EQ(testhost::DriveAt(15).roadSpeed, 65.0);
    EXPECT_EQ(testhost::DriveAt(30).roadSpeed, 130.0);
    EXPECT_EQ(testhost::DriveAt(90).roadSpeed, 130.0);
    EXPECT_EQ(testhost::DriveAt(59).roadSpeed, 0.0);
    double previous = -1.0;
    for (double t = 5.0; t < 25.0; t += 0.5) {
        EXPECT_GT(testhost::DriveAt(t).roadSpeed, previous);
        previous = testhost::DriveAt(t).roadSpeed;
        EXPECT_GT(testhost::DriveAt(t).fuelRate, 0.0);
    }
}

} // namespace
