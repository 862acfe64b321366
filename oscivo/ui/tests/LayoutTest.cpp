// The dialog's layout: opening in log mode, the title hint, resizing, the A/F boxes, the step
// width.

#include "OscivoDialogFixture.h"
#include "platform/DialogUnits.h"

#include <QCursor>
#include <QPointer>

namespace oscivotest {
namespace {

using Layout = OscivoDialogTest;

TEST_F(Layout, WithoutTheHostThePlaybackControlsShowAndNothingConnects)
{
    QStringList titles;
    Open(false);
    QObject::connect(dlg.get(), &QWidget::windowTitleChanged, [&](const QString& t) { titles << t; });
    const UINT playback[] = {IDC_FASTER, IDC_SLOWER,      IDC_SPEED, IDC_TIME,
                             IDC_LOAD,   IDC_SPEED_GROUP, IDC_STOP,  IDC_PAUSE};
    ASSERT_TRUE(WaitFor([&] { return Shown(IDC_LOAD); }));
    for (const UINT id : playback)
        EXPECT_TRUE(Shown(id)) << id;
    EXPECT_TRUE(Enabled(IDC_LOAD));
    EXPECT_FALSE(Enabled(IDC_STOP));
    EXPECT_FALSE(Enabled(IDC_PAUSE));
    EXPECT_EQ(Text(IDC_SPEED), "1x");
    EXPECT_FALSE(g_bLive);

    // The hint points at the icon frame by frame, then the title stands.
    ASSERT_TRUE(WaitFor([&] { return dlg->windowTitle() == "Oscivo V1.9"; }));
    ASSERT_EQ(titles.size(), 16);
    EXPECT_EQ(titles.front(), "<" + QString(15, '=') + "Icon klicken um Einstellungen zu bearbeiten");
    EXPECT_EQ(titles[14], "<=Icon klicken um Einstellungen zu bearbeiten");
    EXPECT_EQ(host.ConnectionCount(), 0);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(Layout, ABurstOfResizesLaysTheDialogOutOnceAfterTheLast)
{
    Open(false);
    QWidget* pause = dlg->GetDlgItem(IDC_PAUSE);
    const QPoint pausePos = pause->pos();
    const QPointer<QWidget> firstScope = dlg->m_scope.GetSafeHwnd();
    for (int i = 1; i <= 10; ++i) {
        dlg->resize(634 + 10 * i, 433 + 5 * i);
        QCoreApplication::processEvents();
        tickClock.Advance(50);
    }
    EXPECT_EQ(pause->pos(), pausePos) << "laid out during the burst";
    EXPECT_TRUE(firstScope);

    tickClock.Advance(100);
    EXPECT_EQ(pause->pos(), pausePos + QPoint(0, 50));
    EXPECT_FALSE(firstScope);
    const QPointer<QWidget> secondScope = dlg->m_scope.GetSafeHwnd();
    EXPECT_EQ(secondScope->geometry(), QRect(0, 0, 734, 400));
    tickClock.Advance(1000);
    EXPECT_TRUE(secondScope) << "laid out again";
    EXPECT_EQ(g_nPrefWidth, 734);
    EXPECT_EQ(g_nPrefHeight, 483);

    // Below 200 pixels of height nothing moves; grown again, the whole difference is laid out.
    dlg->resize(734, 150);
    QCoreApplication::processEvents();
    tickClock.Advance(500);
    EXPECT_EQ(pause->pos(), pausePos + QPoint(0, 50));
    EXPECT_TRUE(secondScope);
    dlg->resize(700, 500);
    QCoreApplication::processEvents();
    tickClock.Advance(150);
    EXPECT_EQ(pause->pos(), pausePos + QPoint(0, 67));
    EXPECT_EQ(dlg->m_scope.GetSafeHwnd()->geometry(), QRect(0, 0, 700, 417));

    // The smallest window still leaves the scope a width.
    dlg->resize(1, 300);
    QCoreApplication::processEvents();
    tickClock.Advance(150);
    EXPECT_GT(dlg->m_scope.GetSafeHwnd()->width(), 0);
    EXPECT_GT(dlg->m_scope.PlotRect().Width(), 0);
}

TEST_F(Layout, AResizeInTheAdvancedLayoutMovesEverySwatch)
{
    host.SetReplyPayload(testhost::AdvancedReply(kModule, {"1"}, {Entry{2, 0, "7", "V"}}));
    Open();
    ASSERT_TRUE(WaitFor([&] { return g_bAdvancedMode && g_nRepliesShown > 0; }));
    QWidget* pause = dlg->GetDlgItem(IDC_PAUSE);
    const QPoint pausePos = pause->pos();
    dlg->resize(700, 520);
    ASSERT_TRUE(WaitFor([&] { return pause->pos() != pausePos; }));
    for (int k = 4; k < kScopeSlots; ++k)
        EXPECT_EQ(dlg->m_frameSlot[k]->geometry(), dlg->GetDlgItem(IDC_SLOT_FRAME + k)->geometry()) << k;
    for (int i = 0; i < kAdvancedValues; ++i)
        EXPECT_EQ(dlg->m_frameAdvanced[i]->geometry(), dlg->GetDlgItem(IDC_ADV_FRAME + i)->geometry()) << i;

    // And back in the standard layout, the first row's swatches are made where their statics are.
    host.SetReplyPayload(DriveReply());
    ASSERT_TRUE(WaitFor([&] { return !g_bAdvancedMode; }));
    for (int k = 0; k < kScopeSlots; ++k)
        EXPECT_EQ(dlg->m_frameSlot[k]->geometry(), dlg->GetDlgItem(IDC_SLOT_FRAME + k)->geometry()) << k;
}

TEST_F(Layout, ALambdaValueMakesRoomForItsAirFuelBoxOnceAndGivesItBack)
{
    const int width = platform::DluToPixelsX(42);
    OpenAndShow(testhost::StandardReply(kModule, {Entry{31, 0, "1.02", ""}, Entry{31, 1, "12", "%"}}));
    Settle();
    const int narrowed = width - dlg->CheckBox(1101)->width(); // the box's text fits beside its square
    QWidget* edit = dlg->GetDlgItem(IDC_VALUE + 0);
    EXPECT_TRUE(Shown(1101));
    EXPECT_EQ(edit->width(), narrowed);
    EXPECT_FALSE(Shown(1102)) << "a value with a unit is no lambda value";
    EXPECT_EQ(dlg->GetDlgItem(IDC_VALUE + 1)->width(), width);

    // Ticked, the value shows as the air/fuel ratio, on the next replies.
    QTest::mouseClick(dlg->CheckBox(1101), Qt::LeftButton, {}, QPoint(4, 4));
    ASSERT_TRUE(WaitFor([&] { return Text(IDC_VALUE + 0) == "15.0"; }));
    Settle();
    EXPECT_EQ(edit->width(), narrowed);

    host.SetReplyPayload(testhost::StandardReply(kModule, {Entry{31, 0, "1.35", ""}}));
    ASSERT_TRUE(WaitFor([&] { return Text(IDC_VALUE + 0) == "1.35 "; }));
    Settle();
    EXPECT_FALSE(Shown(1101));
    EXPECT_EQ(edit->width(), width);
}

TEST_F(Layout, RestingOnASwatchOrAGraphBoxShowsItsBalloon)
{
    Open(false);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
    const struct {
        UINT id;
        const char* text;
    } cases[] = {
        {IDC_SLOT_FRAME + 5, "Rechts-Klick zeigt Rundinstrument."}, // under the slot's swatch
        {IDC_GRAPH + 2, "Kästchen markieren um Graph anzuzeigen."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.id);
        QCursor::setPos(QPoint(2, 2));
        QCoreApplication::processEvents();
        QWidget* control = dlg->GetDlgItem(c.id);
        QCursor::setPos(control->mapToGlobal(control->rect().center()));
        QCoreApplication::processEvents();
        tickClock.Advance(dlg->m_tip.m_nDelay);
        EXPECT_TRUE(dlg->m_tip.isVisible());
        EXPECT_EQ(dlg->m_tip.m_strText, QString::fromUtf8(c.text));
    }
}

TEST_F(Layout, TheStepButtonsKeepTheStepWidthWithinOneToFifteen)
{
    host.SetSilent(true);
    Open();
    EXPECT_EQ(Text(IDC_STEP), "Schrittweite"); // until the first exchange
    QPushButton* down = dlg->Button(IDC_STEP_DOWN);
    QPushButton* up = dlg->Button(IDC_STEP_UP);
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(g_nStepWidth, 1);
    EXPECT_EQ(Text(IDC_STEP), "Schr.weite:1");
    for (int i = 0; i < 20; ++i)
        QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(g_nStepWidth, 15);
    EXPECT_EQ(Text(IDC_STEP), "Schr.weite:15");
}

} // namespace
} // namespace oscivotest
