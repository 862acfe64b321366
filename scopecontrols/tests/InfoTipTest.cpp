#include "scopecontrols/InfoTip.h"

#include "platform/Colour.h"
#include "platform/StringTable.h"
#include "platform/SystemMetrics.h"
#include "platform/TickClock.h"
#include "scopecontrols/tests/TipTestSupport.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <gtest/gtest.h>

using platform::CDC;
using platform::Region;
using tiptest::CalloutPoint;
using tiptest::MoveTo;

namespace {

class InfoTip : public testing::Test {
protected:
    void SetUp() override
    {
        platform::SetStringTable({{1005, "Nächste Zeile"}, {1006, "Erste Zeile\nZweite, längere Zeile"}});
        dialog.setGeometry(200, 200, 400, 300);
        const auto control = [this](QWidget* w, const char* id, QRect rect) {
            w->setParent(&dialog);
            w->setObjectName(QLatin1String(id));
            w->setGeometry(rect);
            // The move reaches the filter at the window and again at the control.
            w->setMouseTracking(true);
            return w;
        };
        next = control(new QPushButton(QStringLiteral("+")), "1005", QRect(10, 10, 100, 30));
        twoLines = control(new QPushButton(QStringLiteral("-")), "1006", QRect(10, 50, 100, 30));
        noText = control(new QPushButton(QStringLiteral("Mileage")), "1099", QRect(10, 90, 100, 30));
        label = control(new QLabel(QStringLiteral("Min:")), "", QRect(200, 10, 100, 30));
        tip.Create(&dialog);
        tip.Activate(TRUE, &dialog);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        MoveTo(QPoint(5, 5)); // off every window
    }

    // Rests on the control until the balloon shows.
    QPoint ShowOn(QWidget* control)
    {
        const QPoint at = MoveTo(control, QPoint(30, 15));
        clock.Advance(tip.m_nDelay);
        return at;
    }

    platform::ManualTickClock clock; // the tip's timers run on it
    platform::ScopedTickClock useClock{clock};
    QWidget dialog;
    QWidget* next = nullptr;
    QWidget* twoLines = nullptr;
    QWidget* noText = nullptr;
    QWidget* label = nullptr;
    CInfoTip tip;
    tiptest::Relay relay{tip};
};

TEST_F(InfoTip, ShowsOnlyOnceTheCursorHasRestedForTheDelay)
{
    const QPoint at = MoveTo(next, QPoint(30, 15));
    EXPECT_TRUE(tip.IsTimerRunning(CInfoTip::kShowTimer));
    clock.Advance(1249);
    EXPECT_FALSE(tip.isVisible());
    clock.Advance(1);
    ASSERT_TRUE(tip.isVisible());
    EXPECT_EQ(tip.m_strText, QStringLiteral("Nächste Zeile"));
    EXPECT_EQ(CalloutPoint(tip), at) << "the callout points at the cursor, the balloon above and left";
    EXPECT_FALSE(tip.IsTimerRunning(CInfoTip::kShowTimer));
    EXPECT_TRUE(tip.IsTimerRunning(CInfoTip::kWatchTimer));
}

TEST_F(InfoTip, MovingOnBeforeTheDelayShowsNothing)
{
    MoveTo(next, QPoint(30, 15));
    clock.Advance(1200);
    MoveTo(&dialog, QPoint(300, 250)); // the dialog itself has no tip
    EXPECT_FALSE(tip.IsTimerRunning(CInfoTip::kShowTimer));
    clock.Advance(5000);
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(InfoTip, AMoveWhileShownHidesWithinTheWatchPeriodOrAtOnce)
{
    const QPoint at = ShowOn(next);
    ASSERT_TRUE(tip.isVisible());
    // The first move after showing is taken for the one the popup causes: only the watch sees it.
    // Counted once per delivery, it would re-arm the tip on the button instead.
    MoveTo(at + QPoint(1, 0));
    EXPECT_TRUE(tip.isVisible());
    EXPECT_TRUE(tip.IsTimerRunning(CInfoTip::kWatchTimer));
    clock.Advance(CInfoTip::kWatchPeriod);
    EXPECT_FALSE(tip.isVisible());

    ShowOn(twoLines);
    ASSERT_TRUE(tip.isVisible());
    MoveTo(twoLines, QPoint(31, 15));
    MoveTo(&dialog, QPoint(300, 250));
    EXPECT_FALSE(tip.isVisible()) << "a move reaching the relay off every tool";
    EXPECT_FALSE(tip.IsTimerRunning(CInfoTip::kWatchTimer));
}

TEST_F(InfoTip, OnlyTheBalloonsRegionCoversWhatIsBelowIt)
{
    const QPoint at = ShowOn(next);
    ASSERT_TRUE(tip.isVisible());
    MoveTo(at + QPoint(1, 1)); // the move the balloon causes
    // Right of the callout and below the body: inside the balloon's window, outside its region.
    const QPoint beside = MoveTo(at + QPoint(4, 4));
    ASSERT_TRUE(tip.geometry().contains(beside));
    EXPECT_TRUE(tip.IsTimerRunning(CInfoTip::kShowTimer)) << "over the button again, not over the balloon";
    clock.Advance(tip.m_nDelay);
    EXPECT_TRUE(tip.isVisible());
    EXPECT_EQ(CalloutPoint(tip), beside);

    MoveTo(beside + QPoint(1, 1));
    MoveTo(beside + QPoint(-20, -20)); // into the body
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(InfoTip, AWindowWithoutTextNeverShowsAndHidesAShownBalloon)
{
    EXPECT_TRUE(tip.m_toolMap.count(noText)) << "registered, with the empty text of a missing string";
    EXPECT_TRUE(tip.m_toolMap.at(noText).text.isEmpty());
    ShowOn(next);
    ASSERT_TRUE(tip.isVisible());
    MoveTo(noText, QPoint(30, 15));
    MoveTo(noText, QPoint(31, 15));
    EXPECT_FALSE(tip.isVisible());
    clock.Advance(5000);
    EXPECT_FALSE(tip.isVisible());
}

TEST_F(InfoTip, ClicksKeysAndFocusChangesHideAShownOrArmedTip)
{
    struct Case {
        const char* what;
        std::function<void()> act;
    };
    const Case cases[] = {
        {"left click", [this] { QTest::mouseClick(twoLines, Qt::LeftButton); }},
        {"right click", [this] { QTest::mouseClick(&dialog, Qt::RightButton, {}, QPoint(300, 250)); }},
        {"middle click", [this] { QTest::mouseClick(label, Qt::MiddleButton); }},
        {"key", [this] { QTest::keyClick(&dialog, Qt::Key_A); }},
        {"focus",
         [this] {
             QFocusEvent focus(QEvent::FocusIn);
             QCoreApplication::sendEvent(twoLines, &focus);
         }},
    };
    int x = 5;
    for (const Case& c : cases) {
        for (bool shown : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.what << (shown ? ", shown" : ", armed"));
            // Back onto the point where it was armed last, the tip would not arm again.
            MoveTo(next, QPoint(++x, 15));
            if (shown)
                clock.Advance(tip.m_nDelay);
            ASSERT_EQ(tip.isVisible(), shown);
            c.act();
            EXPECT_FALSE(tip.isVisible());
            EXPECT_FALSE(tip.IsTimerRunning(CInfoTip::kShowTimer));
            EXPECT_FALSE(tip.IsTimerRunning(CInfoTip::kWatchTimer))
                << "a watch left running could cancel a later tip";
            clock.Advance(5000);
            EXPECT_FALSE(tip.isVisible());
        }
    }
}

TEST_F(InfoTip, ShowStopsTheWatchAndHideStopsBothTimers)
{
    ShowOn(next);
    tip.Show(QStringLiteral("anderer Text"));
    EXPECT_FALSE(tip.IsTimerRunning(CInfoTip::kWatchTimer));
    EXPECT_TRUE(tip.IsTimerRunning(CInfoTip::kShowTimer));
    EXPECT_EQ(tip.m_ptCursor, (POINT{QCursor::pos().x(), QCursor::pos().y()}))
        << "no point: where the cursor is";
    tip.Hide();
    EXPECT_FALSE(tip.IsTimerRunning(CInfoTip::kShowTimer));
    EXPECT_FALSE(tip.IsTimerRunning(CInfoTip::kWatchTimer));
}

TEST_F(InfoTip, AnInactiveTipIsNeverArmedAndKeepsItsTools)
{
    tip.Activate(FALSE);
    MoveTo(next, QPoint(30, 15));
    EXPECT_FALSE(tip.IsTimerRunning(CInfoTip::kShowTimer));
    clock.Advance(5000);
    EXPECT_FALSE(tip.isVisible());
    EXPECT_TRUE(tip.m_toolMap.count(next));
    tip.Activate(TRUE);
    MoveTo(next, QPoint(40, 15));
    clock.Advance(tip.m_nDelay);
    EXPECT_TRUE(tip.isVisible());
}

TEST_F(InfoTip, RegistersControlsWithAnIdAndOneLevelOfChildren)
{
    EXPECT_TRUE(tip.m_toolMap.count(next));
    EXPECT_TRUE(tip.m_toolMap.count(twoLines));
    EXPECT_FALSE(tip.m_toolMap.count(label)) << "a static has no id";
    EXPECT_FALSE(tip.m_toolMap.count(&dialog));

    QGroupBox box(&dialog);
    QWidget inner(&box);
    QWidget innermost(&inner);
    tip.AddTool(&box, QStringLiteral("Vert.Maßstab"));
    EXPECT_EQ(tip.m_toolMap.at(&box).text, QStringLiteral("Vert.Maßstab"));
    EXPECT_EQ(tip.m_toolMap.at(&inner).text, QStringLiteral("Vert.Maßstab"));
    EXPECT_FALSE(tip.m_toolMap.count(&innermost));

    tip.AddTool(&box, QStringLiteral("neu"));
    EXPECT_EQ(tip.m_toolMap.at(&box).text, QStringLiteral("neu"))
        << "a second registration replaces the first";

    const QWidget* gone = noText;
    delete noText;
    noText = nullptr;
    EXPECT_FALSE(tip.m_toolMap.count(gone)) << "a window that goes takes its entry with it";
}

TEST_F(InfoTip, BalloonRegionIsTheRoundedBodyAndTheCallout)
{
    const auto measure = [this](const QString& text, Region* region) {
        tip.m_strText = text;
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(tip.m_font);
        SIZE size;
        tip.MakeTipRegion(&dc, region, &size);
        return std::pair{size, dc.GetTextExtent(text).cx};
    };
    Region region;
    const auto [size, textWidth] = measure(QStringLiteral("Nächste Zeile"), &region);
    const int w = size.cx, h = size.cy - 10;
    EXPECT_EQ(w, textWidth + 16);
    const QRegion& r = region.Get();
    EXPECT_TRUE(r.contains(QPoint(w / 2, h / 2)));
    EXPECT_TRUE(r.contains(QPoint(w / 2, 0)));
    EXPECT_TRUE(r.contains(QPoint(0, h / 2)));
    EXPECT_FALSE(r.contains(QPoint(0, 0))) << "rounded corner";
    EXPECT_FALSE(r.contains(QPoint(w - 1, h - 1)));
    EXPECT_TRUE(r.contains(QPoint(w - 9, h))) << "the callout below the body";
    EXPECT_FALSE(r.contains(QPoint(w - 14, h)));
    EXPECT_FALSE(r.contains(QPoint(w - 9, h + 3)));
    EXPECT_FALSE(r.contains(QPoint(w, h / 2)));

    Region twoLineRegion;
    const auto [twoLineSize, unused] =
        measure(QStringLiteral("Erste Zeile\nZweite, längere Zeile"), &twoLineRegion);
    Region longerRegion;
    const auto [longerSize, longerWidth] = measure(QStringLiteral("Zweite, längere Zeile"), &longerRegion);
    EXPECT_EQ(twoLineSize.cx, longerWidth + 16) << "as wide as the longer line";
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(tip.m_font);
    EXPECT_EQ(twoLineSize.cy, longerSize.cy + dc.GetTextMetrics().tmHeight) << "one line more";

    // The window shows it: the offscreen platform keeps the mask without applying it.
    MoveTo(next, QPoint(30, 15));
    clock.Advance(tip.m_nDelay);
    Region shown;
    const auto [shownSize, shownWidth] = measure(tip.m_strText, &shown);
    EXPECT_EQ(tip.size(), QSize(shownSize.cx, shownSize.cy));
    EXPECT_EQ(tip.mask(), shown.Get());
}

TEST_F(InfoTip, AnIconWidensTheBalloonAndSetsItsHeight)
{
    QPixmap icon(32, 32);
    icon.fill(Qt::red);
    tip.SetIcon(icon);
    EXPECT_EQ(tip.m_sizeIcon, (SIZE{32, 32}));
    tip.m_strText = QStringLiteral("x");
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    dc.SelectObject(tip.m_font);
    Region region;
    SIZE size;
    tip.MakeTipRegion(&dc, &region, &size);
    EXPECT_EQ(size.cx, dc.GetTextExtent(QStringLiteral("x")).cx + 16 + 36);
    EXPECT_EQ(size.cy, 40 + 10) << "a body lower than the icon is made icon + 8 high";
}

TEST_F(InfoTip, BalloonPixels)
{
    ShowOn(next);
    ASSERT_TRUE(tip.isVisible());
    const QImage image = tip.grab().toImage();
    const auto at = [&](int x, int y) { return platform::FromQColor(QColor::fromRgb(image.pixel(x, y))); };
    const int mid = tip.width() / 2;
    EXPECT_EQ(at(mid, 0), GetSysColor(COLOR_WINDOWTEXT)) << "a one-pixel outline";
    EXPECT_EQ(at(mid, 1), GetSysColor(COLOR_SCROLLBAR)) << "inside a three-pixel border";
    EXPECT_EQ(at(mid, 2), GetSysColor(COLOR_SCROLLBAR));
    EXPECT_EQ(at(mid, 3), GetSysColor(COLOR_WINDOW));
    int dark = 0;
    for (int y = 8; y < tip.height() - 18; ++y) {
        for (int x = 8; x < tip.width() - 8; ++x)
            dark += qGray(image.pixel(x, y)) < 100;
    }
    EXPECT_GT(dark, 20) << "the text, black from the top left inside the margin";
}

TEST_F(InfoTip, NearTheScreensEdgeTheBalloonKeepsEightPixelsFromIt)
{
    QWidget edge;
    edge.setGeometry(0, 400, 300, 100);
    QPushButton button(QStringLiteral("Reset"), &edge);
    button.setGeometry(0, 0, 200, 100);
    edge.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&edge));
    tip.AddTool(&button, QStringLiteral("Setzt die Fahrstrecke und den Verbrauch auf null"));
    const QPoint at = MoveTo(QPoint(20, button.mapToGlobal(QPoint(0, 50)).y()));
    clock.Advance(tip.m_nDelay);
    ASSERT_TRUE(tip.isVisible());
    ASSERT_GT(tip.width(), 28);
    EXPECT_EQ(tip.x(), 8);
    EXPECT_EQ(tip.y() + tip.height() - 8, at.y())
        << "away from the top the callout still points at the cursor";
}

} // namespace
