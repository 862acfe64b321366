// Editing the scale of the selected slot: the selection, the Min and Max edits, and what a
// reply that moves the selection does to them.

#include "OscivoDialogFixture.h"

namespace oscivotest {
namespace {

using ScaleEdit = OscivoDialogTest;

// Types into the edit and leaves it for the other one, as a user tabbing along does.
void TypeAndLeave(QLineEdit* edit, QLineEdit* next, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
    next->setFocus();
}

TEST_F(ScaleEdit, BeforeAnyDataMinAndMaxChangeNothing)
{
    host.SetSilent(true);
    Open();
    ASSERT_TRUE(WaitFor([&] { return RequestCount(0) >= 1; }));
    dlg->activateWindow();
    TypeAndLeave(Edit(IDC_MAX), Edit(IDC_MIN), "250");
    TypeAndLeave(Edit(IDC_MIN), Edit(IDC_MAX), "-5");
    for (int g = 0; g < kGroups; ++g)
        for (int f = 0; f < kFields; ++f) {
            ASSERT_EQ(g_nScaleMin[g][f], 0);
            ASSERT_EQ(g_nScaleMax[g][f], 100);
        }
    for (int k = 0; k < kScopeSlots; ++k)
        EXPECT_FALSE(g_bSlotRangeEdited[k]) << k;
}

TEST_F(ScaleEdit, AValueBoxSelectsItsSlotAndTheEditsChangeItsScale)
{
    OpenAndShow(DriveReply());
    dlg->activateWindow();
    Edit(IDC_VALUE + 1)->setFocus(); // a click into the speed's box
    EXPECT_TRUE(Edit(IDC_MAX)->hasFocus()) << "the value boxes never keep the focus";
    EXPECT_TRUE(Shown(1093));
    EXPECT_FALSE(Shown(1092));
    EXPECT_EQ(Text(IDC_MIN), "0");
    EXPECT_EQ(Text(IDC_MAX), "250");

    TypeAndLeave(Edit(IDC_MAX), Edit(IDC_MIN), "300");
    EXPECT_EQ(g_nScaleMax[1][1], 300);
    ASSERT_TRUE(WaitFor([&] { return dlg->m_scope.Trace(1).upper == 300; }));
    // Letters change nothing.
    TypeAndLeave(Edit(IDC_MIN), Edit(IDC_MAX), "abc");
    EXPECT_EQ(g_nScaleMin[1][1], 0);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ScaleEdit, AClickIntoAValueBoxLeavesNoCaretInIt)
{
    OpenAndShow(DriveReply()); // the same reply every time, so the box's text stays
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    QLineEdit* box = Edit(IDC_VALUE + 1);
    const QImage unfocused = box->grab().toImage();
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    ASSERT_TRUE(Edit(IDC_MAX)->hasFocus());
    // Over more than a blink of the caret, the box looks as it did before the click.
    for (int i = 0; i < 12; ++i) {
        QTest::qWait(100);
        ASSERT_EQ(box->grab().toImage(), unfocused) << "a caret at " << i * 100 + 100 << " ms";
    }
}

TEST_F(ScaleEdit, RepliesDoNotDisturbTyping)
{
    OpenAndShow(DriveReply());
    dlg->activateWindow();
    QLineEdit* max = Edit(IDC_MAX);
    max->setFocus();
    max->clear();
    QTest::keyClicks(max, "12");
    QTest::keyClick(max, Qt::Key_Home);
    const std::size_t asked = RequestCount(0);
    ASSERT_TRUE(WaitFor([&] { return RequestCount(0) >= asked + 5; })); // replies shown meanwhile
    QTest::keyClicks(max, "9");
    EXPECT_EQ(max->text(), "912");
}

TEST_F(ScaleEdit, TheSlotButtonsMoveTheSelectionAndShowItsScaleAtOnce)
{
    OpenAndShow(DriveReply());
    QPushButton* next = dlg->Button(IDC_NEXT_SLOT);
    QPushButton* previous = dlg->Button(IDC_PREV_SLOT);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_TRUE(Shown(1093));
    EXPECT_EQ(Text(IDC_MAX), "250");
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_TRUE(Shown(1095));
    EXPECT_EQ(Text(IDC_MIN), "-10"); // the coolant's preset
    // Slot 4 has no data: the selection goes back to slot 0.
    QTest::mouseClick(next, Qt::LeftButton);
    EXPECT_TRUE(Shown(1092));
    EXPECT_FALSE(Shown(1088));
    EXPECT_EQ(Text(IDC_MAX), "6000");
    QTest::mouseClick(previous, Qt::LeftButton);
    EXPECT_TRUE(Shown(1092));
}

TEST_F(ScaleEdit, AReplyThatMovesTheSelectionShowsTheNewSlotsScale)
{
    OpenAndShow(DriveReply());
    QTest::mouseClick(dlg->Button(IDC_NEXT_SLOT), Qt::LeftButton);
    dlg->activateWindow();
    Edit(IDC_MAX)->setFocus();
    Edit(IDC_MAX)->selectAll();
    QTest::keyClicks(Edit(IDC_MAX), "77"); // still typing when the groups change
    host.SetReplyPayload(testhost::StandardReply(kModule, {Entry{2, 0, "12", "V"}}));
    ASSERT_TRUE(WaitFor([&] { return g_nSlotGroup[0] == 2; }));
    Settle();
    EXPECT_TRUE(Shown(1092));
    EXPECT_EQ(Text(IDC_MIN), "0");
    EXPECT_EQ(Text(IDC_MAX), "20");
    Edit(IDC_MIN)->setFocus();
    EXPECT_EQ(g_nScaleMax[2][0], 20) << "a stale text went into the new slot's scale";
    EXPECT_EQ(g_nScaleMax[1][1], 250);
}

} // namespace
} // namespace oscivotest
