// Runs with a screen left of the main one and lower than it (screens.json), as a second monitor
// on the left gives it.

#include "platform/TickClock.h"
#include "scopecontrols/InfoTip.h"
#include "scopecontrols/tests/TipTestSupport.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using tiptest::CalloutPoint;
using tiptest::MoveTo;

namespace {

// The screen layout, set before the test main makes the application object.
[[maybe_unused]] const bool kScreensSet = [] {
    return qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=" TOOLSET_SCREENS));
}();

class InfoTipOnAScreenNotAtZero : public testing::Test {
protected:
    void SetUp() override
    {
        const QList<QScreen*> screens = QGuiApplication::screens();
        ASSERT_EQ(screens.size(), 2) << "started without the screen layout";
        left = screens[0]->geometry();
        ASSERT_EQ(left.topLeft(), QPoint(-1280, 200));
        // A dialog in the top left corner of the left screen, a button in its corner.
        dialog.setGeometry(QRect(left.topLeft(), QSize(400, 300)));
        button = new QPushButton(QStringLiteral("Start"), &dialog);
        button->setGeometry(0, 0, 200, 100);
        tip.Create(&dialog);
        tip.AddTool(button, QStringLiteral("Startet die Aufzeichnung"));
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    platform::ManualTickClock clock;
    platform::ScopedTickClock useClock{clock};
    QRect left;
    QWidget dialog;
    QPushButton* button = nullptr;
    CInfoTip tip;
    tiptest::Relay relay{tip};
};

TEST_F(InfoTipOnAScreenNotAtZero, BalloonStaysOnTheCursorsScreenBesideTheCursor)
{
    struct Case {
        QPoint offset; // of the cursor from the screen's top left corner
        bool clampedLeft, clampedTop;
    };
    const Case cases[] = {
        {{20, 10}, true, true},
        {{190, 90}, false, false},
    };
    for (const Case& c : cases) {
        // Off any tool: the first move after a balloon showed only counts as the one it caused.
        MoveTo(&dialog, QPoint(300, 250));
        MoveTo(&dialog, QPoint(301, 250));
        ASSERT_FALSE(tip.isVisible());
        const QPoint at = MoveTo(left.topLeft() + c.offset);
        clock.Advance(tip.m_nDelay);
        ASSERT_TRUE(tip.isVisible());
        SCOPED_TRACE(testing::Message() << c.offset.x() << "," << c.offset.y());
        ASSERT_EQ(tip.width() > c.offset.x(), c.clampedLeft);
        ASSERT_EQ(tip.height() > c.offset.y(), c.clampedTop);
        if (c.clampedLeft)
            EXPECT_EQ(tip.x(), left.left() + 8) << "8 pixels from the screen's left edge, not at 8";
        else
            EXPECT_EQ(tip.x() + tip.width() - 8, at.x());
        if (c.clampedTop)
            EXPECT_EQ(tip.y(), left.top() + 8);
        else
            EXPECT_EQ(CalloutPoint(tip), at);
        EXPECT_EQ(QGuiApplication::screenAt(tip.geometry().center()), QGuiApplication::screens()[0]);
    }
}

} // namespace
