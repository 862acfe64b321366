#include "platform/LineRaster.h"

#include <gtest/gtest.h>
#include <limits>
#include <set>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels Rasterise(QPoint from, QPoint to, const QRect& box = QRect(-1000, -1000, 2000, 2000), int phase = -1,
                 bool onOnly = true)
{
    Pixels pixels;
    platform::RasterLine(from, to, box, phase, [&](const QRect& run, bool on) {
        if (onOnly && !on)
            return;
        for (int y = run.top(); y <= run.bottom(); ++y)
            for (int x = run.left(); x <= run.right(); ++x)
                pixels.insert({x, y});
    });
    return pixels;
}

TEST(LineRaster, LeavesOutTheEndPixelInEveryDirection)
{
    struct Case {
        QPoint from, to;
        Pixels expected;
    } cases[] = {
        {{2, 3}, {6, 3}, {{2, 3}, {3, 3}, {4, 3}, {5, 3}}},
        {{6, 3}, {2, 3}, {{6, 3}, {5, 3}, {4, 3}, {3, 3}}},
        {{1, 1}, {1, 4}, {{1, 1}, {1, 2}, {1, 3}}},
        {{0, 0}, {3, 3}, {{0, 0}, {1, 1}, {2, 2}}},
        {{0, 0}, {4, 2}, {{0, 0}, {1, 1}, {2, 1}, {3, 2}}},
        {{5, 5}, {5, 5}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Rasterise(c.from, c.to), c.expected) << c.from.x() << "," << c.from.y();
}

TEST(LineRaster, DotsRunThreeOnThreeOff)
{
    std::string pattern;
    platform::RasterLine({0, 0}, {14, 0}, QRect(0, 0, 20, 1), 0, [&](const QRect& run, bool on) {
        pattern += std::string(std::size_t(run.width()), on ? '#' : '.');
    });
    EXPECT_EQ(pattern, "###...###...##");
}

TEST(LineRaster, FarEndPointsCostOnlyTheBox)
{
    const int big = std::numeric_limits<int>::max(), small = std::numeric_limits<int>::min();
    long long pixels = 0;
    const long long steps = platform::RasterLine({small, 50}, {big, 50}, QRect(0, 0, 100, 100), -1,
                                                 [&](const QRect& run, bool) { pixels += run.width(); });
    EXPECT_EQ(steps, 4294967295LL);
    EXPECT_EQ(pixels, 100);
    // A steep line far off: its pixels within the box are those of the same line drawn near.
    const Pixels cut = Rasterise({-3000000, -2000000}, {3000000, 2000000}, QRect(0, 0, 10, 10));
    EXPECT_EQ(cut, (Pixels{{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 3}, {5, 3}, {6, 4}, {7, 5}, {8, 5}, {9, 6}}));
}

} // namespace
