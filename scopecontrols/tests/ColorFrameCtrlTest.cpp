#include "scopecontrols/ColorFrameCtrl.h"

#include "platform/Colour.h"
#include "platform/SystemMetrics.h"
#include "platform/WindowStyles.h"

#include <QTest>

#include <gtest/gtest.h>

using platform::Rect;

namespace {

COLORREF At(const QImage& image, int x, int y)
{
    return platform::FromQColor(QColor::fromRgb(image.pixel(x, y)));
}

class ColorFrame : public testing::Test {
protected:
    void SetUp() override
    {
        dialog.setGeometry(100, 100, 200, 150);
        swatch.Create(WS_CHILD | WS_VISIBLE, Rect(20, 30, 40, 42), &dialog, 0);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    QWidget dialog;
    CColorFrameCtrl swatch;
};

TEST_F(ColorFrame, NewSwatchIsBlackWithACyanFrameInsideAStaticEdge)
{
    EXPECT_EQ(swatch.geometry(), QRect(20, 30, 20, 12));
    EXPECT_EQ(swatch.objectName(), QStringLiteral("0")) << "the child id";
    const QImage image = swatch.grab().toImage();
    EXPECT_EQ(At(image, 0, 0), GetSysColor(COLOR_BTNSHADOW)) << "the edge, sunken";
    EXPECT_EQ(At(image, 19, 11), GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(At(image, 1, 1), 0xFFFF00u) << "the frame";
    EXPECT_EQ(At(image, 18, 10), 0xFFFF00u);
    EXPECT_EQ(At(image, 2, 2), 0x000000u) << "the fill";
    EXPECT_EQ(At(image, 17, 9), 0x000000u);
    EXPECT_EQ(swatch.m_rectClient, Rect(0, 0, 18, 10));
}

TEST_F(ColorFrame, BothColoursAlikeShowOneSolidArea)
{
    swatch.SetBackColor(0x3366CC);
    swatch.SetFrameColor(0x3366CC);
    const QImage image = swatch.grab().toImage();
    for (int y = 1; y < 11; ++y) {
        for (int x = 1; x < 19; ++x)
            ASSERT_EQ(At(image, x, y), 0x3366CCu) << x << "," << y;
    }
    EXPECT_EQ(swatch.m_crBackColor, 0x3366CCu);
}

TEST_F(ColorFrame, SettingTheColourItHasRepaintsAllTheSame)
{
    QTest::qWait(0);
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    swatch.installEventFilter(&counter);
    swatch.SetBackColor(swatch.m_crBackColor);
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }, 2000));
}

TEST_F(ColorFrame, ResizingFollowsTheNewClientArea)
{
    swatch.setGeometry(0, 0, 30, 20);
    QTest::qWait(0);
    EXPECT_EQ(swatch.m_rectClient, Rect(0, 0, 28, 18));
    const QImage image = swatch.grab().toImage();
    EXPECT_EQ(At(image, 28, 18), 0xFFFF00u);
}

} // namespace
