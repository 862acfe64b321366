#include "scopecontrols/DialGeometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <set>

using platform::Rect;

namespace {

double Degrees(double radians)
{
    return radians / kDegToRad;
}

struct SizeCase {
    Rect client;
    int centreX, centreY, radius, hub, fontHeight;
};

TEST(DialGeometry, OnlyTheHeightSizesTheDial)
{
    const SizeCase cases[] = {
        {Rect(0, 0, 200, 200), 100, 100, 66, 6, 16},
        {Rect(0, 0, 400, 200), 200, 100, 66, 6, 16},
        {Rect(0, 0, 150, 90), 75, 45, 30, 3, 7},
        {Rect(0, 0, 20, 7), 10, 3, 2, 0, 1}, // (2 + 7 - 3) / 10 is 0: the smallest font instead
        {Rect(0, 0, 0, 0), 0, 0, 0, 0, 1},
    };
    for (const SizeCase& c : cases) {
        const DialGeometry dial(c.client);
        SCOPED_TRACE(testing::Message() << c.client.Width() << " x " << c.client.Height());
        EXPECT_EQ(dial.nCentreX, c.centreX);
        EXPECT_EQ(dial.nCentreY, c.centreY);
        EXPECT_EQ(dial.nRadius, c.radius);
        EXPECT_EQ(dial.nHubRadius, c.hub);
        EXPECT_EQ(dial.FontHeight(), c.fontHeight);
    }
}

TEST(DialGeometry, OutlineRunsRoundTheOuterArcAndBackAlongTheHub)
{
    const DialGeometry dial(Rect(0, 0, 200, 200));
    const auto outline = dial.Outline();
    EXPECT_EQ(outline[0], (POINT{117, 164})) << "outer arc at -75 degrees, lower right";
    EXPECT_EQ(outline[33], (POINT{100, 34})) << "straight up";
    EXPECT_EQ(outline[66], (POINT{83, 164})) << "outer arc at 255 degrees, lower left";
    EXPECT_EQ(outline[67], (POINT{98, 106})) << "hub arc at 255 degrees";
    EXPECT_EQ(outline[133], (POINT{102, 106})) << "hub arc at -75 degrees";
}

TEST(DialGeometry, TwentyOneTicksEveryFifteenDegreesButAtTheEnds)
{
    const DialGeometry dial(Rect(0, 0, 200, 200));
    const auto ticks = dial.Ticks();
    EXPECT_EQ(ticks[0][0], (POINT{100, 34}));
    EXPECT_EQ(ticks[0][1], (POINT{100, 40})) << "inner end a tenth of the ring in: 66 - 6";
    std::set<long> angles;
    for (const auto& tick : ticks) {
        const double a = Degrees(std::atan2(dial.nCentreY - tick[0].y, tick[0].x - dial.nCentreX));
        angles.insert(std::lround(a / 15) * 15);
        EXPECT_NEAR(std::hypot(tick[0].x - dial.nCentreX, tick[0].y - dial.nCentreY), 66, 0.75);
    }
    // 255 degrees is -105 as atan2 gives it.
    const std::set<long> expected{90,  75,  60,  45,  30,  15,  0,    -15,  -30,  -45, -60,
                                  105, 120, 135, 150, 165, 180, -165, -150, -135, -120};
    EXPECT_EQ(angles, expected);
}

struct AngleCase {
    const char* what;
    double value, min, max;
    double degrees;
};

TEST(DialGeometry, ValueAnglesArePinnedAndNeverNaN)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    const AngleCase cases[] = {
        {"minimum", 0, 0, 100, 255},
        {"maximum", 100, 0, 100, -75},
        {"middle", 50, 0, 100, 90},
        {"10% below the minimum", -10, 0, 100, 255},
        {"above the maximum", 130, 0, 100, -75},
        {"reversed scale, its minimum", 100, 100, 0, 255},
        {"reversed scale, its maximum", 0, 100, 0, -75},
        {"empty scale, at it", 5, 5, 5, 255},
        {"empty scale, below", 4, 5, 5, 255},
        {"empty scale, above", 6, 5, 5, -75},
        {"empty scale, NaN", nan, 5, 5, 255},
        {"NaN", nan, 0, 100, 255},
        {"infinite", inf, 0, 100, -75},
        {"minus infinite", -inf, 0, 100, 255},
        {"scale wider than a double", 1e308, -1e308, 1e308, -75},
    };
    for (const AngleCase& c : cases) {
        const double a = ValueAngle(c.value, c.min, c.max);
        EXPECT_FALSE(std::isnan(a)) << c.what;
        EXPECT_NEAR(Degrees(a), c.degrees, 1e-9) << c.what;
    }
}

TEST(DialGeometry, NeedleShadeSwapsSidesJustPastStraightUp)
{
    const DialGeometry dial(Rect(0, 0, 200, 200));
    const NeedleBody up = dial.Needle(90 * kDegToRad);
    EXPECT_EQ(up.lit, (Triangle{POINT{100, 116}, POINT{98, 113}, POINT{100, 34}}))
        << "tail, side at a + 170 degrees, tip: lit on the left";
    EXPECT_EQ(up.shaded, (Triangle{POINT{100, 116}, POINT{102, 113}, POINT{100, 34}}));

    const NeedleBody past = dial.Needle(91 * kDegToRad);
    EXPECT_EQ(past.lit, (Triangle{POINT{100, 116}, POINT{102, 113}, POINT{99, 34}})) << "lit on the right";
    EXPECT_EQ(past.shaded, (Triangle{POINT{100, 116}, POINT{98, 113}, POINT{99, 34}}));
}

TEST(DialGeometry, MarkersPointOutwardFromTwentyPixelsIn)
{
    const DialGeometry dial(Rect(0, 0, 200, 200));
    EXPECT_EQ(dial.MinMarker(90 * kDegToRad), (Triangle{POINT{100, 54}, POINT{100, 34}, POINT{104, 54}}));
    EXPECT_EQ(dial.MaxMarker(90 * kDegToRad), (Triangle{POINT{100, 54}, POINT{100, 34}, POINT{96, 54}}));
}

} // namespace
