#include "platform/Colour.h"
#include "platform/DialogUnits.h"

#include <gtest/gtest.h>

namespace {

TEST(Colour, WindowsValuesAreBgr)
{
    EXPECT_EQ(RGB(0x80, 0xFF, 0x00), 0x00FF80u);
    const QColor c = platform::ToQColor(0x00FF80);
    EXPECT_EQ(c.red(), 0x80);
    EXPECT_EQ(c.green(), 0xFF);
    EXPECT_EQ(c.blue(), 0x00);
    EXPECT_EQ(platform::FromQColor(QColor(1, 2, 3)), RGB(1, 2, 3));
}

TEST(DialogUnits, FixedBaseUnitsRoundLikeMulDiv)
{
    EXPECT_EQ(platform::DluToPixelsX(4), 6);
    EXPECT_EQ(platform::DluToPixelsY(8), 13);
    EXPECT_EQ(platform::DluToPixelsX(7), 11); // 10.5 rounds up
    EXPECT_EQ(platform::DialogRect(7, 7, 50, 14), QRect(11, 11, 75, 23));
}

} // namespace
