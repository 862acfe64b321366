// Dialog 102's controls: every id once, each at its place in dialog units, and where the
// opening moves them for the window size of the preferences.

#include "oscivo/ui/OscivoTemplate.h"

#include "OscivoDialogFixture.h"
#include "dialogkit/GroupFrame.h"
#include "platform/DialogUnits.h"

#include <QStyle>
#include <QStyleOptionButton>

#include <set>

namespace oscivotest {
namespace {

using platform::DialogRect;

TEST(DialogTemplate, HoldsEveryIdFrom1002To1112OnceAndTheScopesFrame)
{
    std::multiset<UINT> ids;
    for (const ControlTemplate& t : OscivoDialogTemplate())
        ids.insert(t.id);
    std::multiset<UINT> expected = {IDC_SCOPE_FRAME};
    for (UINT id = IDC_FIRST; id <= IDC_LAST; ++id)
        expected.insert(id);
    EXPECT_EQ(ids, expected);
}

// Controls of every kind and family, by id, with their place in dialog units and whether they
// show when the dialog is made.
struct Placed {
    UINT id;
    int x, y, cx, cy;
    bool visible;
};

const Placed kPlaces[] = {
    {IDC_SCOPE_FRAME, 0, 0, 362, 179, true},
    {IDC_LOAD, 2, 215, 17, 15, false},
    {IDC_PAUSE, 22, 215, 17, 15, true},
    {IDC_STOP, 42, 215, 17, 15, false},
    {IDC_SPEED_GROUP, 3, 178, 57, 35, false},
    {IDC_SLOWER, 7, 187, 15, 8, false},
    {IDC_SPEED, 24, 187, 14, 8, false},
    {IDC_FASTER, 40, 187, 15, 8, false},
    {IDC_TIME, 13, 198, 34, 12, false},
    {IDC_MILEAGE, 7, 185, 51, 10, false},
    {IDC_CONSUMPTION, 7, 198, 51, 10, false},
    {IDC_VERT_SCALE, 289, 178, 71, 33, true},
    {IDC_NEXT_SLOT, 291, 188, 15, 9, true},
    {IDC_PREV_SLOT, 291, 199, 15, 9, true},
    {IDC_MAX_LABEL, 311, 187, 16, 8, true},
    {IDC_MIN_LABEL, 311, 199, 16, 8, true},
    {IDC_MAX, 330, 185, 27, 12, true},
    {IDC_MIN, 330, 198, 27, 12, true},
    {IDC_HORZ_SCALE, 289, 211, 71, 20, true},
    {IDC_STEP_DOWN, 292, 219, 9, 11, true},
    {IDC_STEP, 304, 220, 40, 8, true},
    {IDC_STEP_UP, 347, 219, 9, 11, true},
    // slot 0 (row 0, field 0), slot 6 (row 1, field 2), slot 11 (row 2, field 3)
    {IDC_VALUE + 0, 65, 184, 42, 12, true},
    {IDC_VALUE + 6, 177, 200, 42, 12, true},
    {IDC_VALUE + 11, 233, 215, 42, 12, true},
    {IDC_GRAPH + 0, 108, 189, 8, 8, true},
    {IDC_GRAPH + 6, 220, 205, 8, 8, true},
    {IDC_GRAPH + 11, 276, 220, 8, 8, true},
    {IDC_SLOT_FRAME + 0, 108, 183, 7, 6, true},
    {IDC_SLOT_FRAME + 6, 220, 199, 7, 6, true},
    {IDC_SLOT_FRAME + 11, 276, 215, 7, 6, true},
    {1101, 89, 183, 18, 8, false},   // A/F of slot 0
    {1105, 145, 199, 18, 8, false},  // of slot 5: row 1, field 1
    {1106, 89, 199, 18, 8, false},   // of slot 4
    {1112, 257, 215, 18, 8, false},  // of slot 11
    {1092, 63, 178, 54, 20, false},  // selection of slot 0
    {1090, 175, 194, 54, 20, false}, // of slot 6
    {1087, 231, 210, 54, 20, false}, // of slot 11
    // advanced values 0, 4 and 9
    {IDC_ADV_VALUE + 0, 10, 185, 18, 12, false},
    {IDC_ADV_VALUE + 4, 121, 185, 18, 12, false},
    {IDC_ADV_VALUE + 9, 258, 185, 18, 12, false},
    {IDC_ADV_GRAPH + 0, 29, 190, 8, 8, false},
    {IDC_ADV_GRAPH + 9, 276, 190, 8, 8, false},
    {IDC_ADV_FRAME + 4, 140, 185, 7, 6, false},
    {IDC_ADV_FRAME + 9, 276, 185, 7, 6, false},
};

// A static is widened where its text needs more room than the template gives it, an A/F box
// to its left, over its value edit.
void ExpectAt(const QWidget* control, const Placed& p, int dy = 0)
{
    const QRect expected = DialogRect(p.x, p.y, p.cx, p.cy).translated(0, dy);
    if (qobject_cast<const QLabel*>(control)) {
        EXPECT_EQ(control->pos(), expected.topLeft());
        EXPECT_EQ(control->height(), expected.height());
        EXPECT_GE(control->width(), expected.width());
    } else if (const auto* box = qobject_cast<const QCheckBox*>(control); box && box->text() == "A/F") {
        EXPECT_EQ(control->geometry().topRight(), expected.topRight());
        EXPECT_EQ(control->height(), expected.height());
        EXPECT_GE(control->width(), expected.width());
    } else {
        EXPECT_EQ(control->geometry(), expected);
    }
}

TEST_F(OscivoDialogTest, EachControlIsFoundByItsIdAtItsPlace)
{
    COscivoDlg made(host.Port());
    EXPECT_EQ(made.size(), QSize(543, 374)); // 362 x 230 dialog units
    EXPECT_EQ(made.windowTitle(), "Oscivo");
    for (const Placed& p : kPlaces) {
        SCOPED_TRACE(p.id);
        const QWidget* control = made.GetDlgItem(p.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->objectName(), QString::number(p.id));
        EXPECT_EQ(control->isHidden(), !p.visible);
        ExpectAt(control, p);
    }
    EXPECT_EQ(made.GetDlgItem(1001), nullptr);
    EXPECT_EQ(made.GetDlgItem(1113), nullptr);
}

TEST_F(OscivoDialogTest, OpeningSizesTheWindowFromThePreferencesAndMovesTheControlsDown)
{
    host.SetSilent(true);
    Open();
    // No Prefs.cfg: 634 x 433, so the controls move down by 59 and the scope takes the room.
    EXPECT_EQ(dlg->size(), QSize(634, 433));
    for (const Placed& p : kPlaces) {
        SCOPED_TRACE(p.id);
        if (p.id != IDC_SCOPE_FRAME)
            ExpectAt(dlg->GetDlgItem(p.id), p, 59);
    }
    EXPECT_EQ(dlg->GetDlgItem(IDC_SCOPE_FRAME)->geometry(), QRect(0, 0, 634, 350));
    EXPECT_EQ(dlg->m_scope.GetSafeHwnd()->geometry(), QRect(0, 0, 634, 350));
    // The slots' swatches lie over their statics.
    for (int k = 0; k < kScopeSlots; ++k)
        EXPECT_EQ(dlg->m_frameSlot[k]->geometry(), dlg->GetDlgItem(IDC_SLOT_FRAME + k)->geometry()) << k;
    EXPECT_EQ(g_nLastWidth, 634);
    EXPECT_EQ(g_nLastHeight, 433);
}

// The text a control shows fits the room its style leaves it: a static's whole width, a check
// box's beside its square, a button's inside its bevel, a group box's title on its top line.
void ExpectTextFits(const QWidget* control)
{
    SCOPED_TRACE(control->objectName().toStdString());
    const QFontMetrics fm(control->font());
    if (const auto* group = dynamic_cast<const GroupFrame*>(control)) {
        if (!group->Title().isEmpty()) { // the selection rectangles have none
            EXPECT_TRUE(group->rect().contains(group->TitleRect())) << group->Title().toStdString();
        }
    } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
        EXPECT_LE(fm.horizontalAdvance(label->text()), label->contentsRect().width())
            << label->text().toStdString();
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool box = qobject_cast<const QCheckBox*>(button) != nullptr;
        const QRect room = button->style()->subElementRect(
            box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
        // The graph boxes are as narrow as their square: their text is never shown.
        if (!button->text().isEmpty() && room.width() > 0) {
            EXPECT_LE(fm.horizontalAdvance(button->text()), room.width()) << button->text().toStdString();
        }
    }
}

TEST_F(OscivoDialogTest, EveryTextFitsItsControlWhateverItSays)
{
    Open(false); // log mode, with the playback controls
    ASSERT_TRUE(WaitFor([&] { return Shown(IDC_LOAD); }));
    for (const ControlTemplate& t : OscivoDialogTemplate())
        ExpectTextFits(dlg->GetDlgItem(t.id));
    // The texts the statics take later: every step width and every playback speed.
    for (int i = 0; i < 15; ++i) {
        dlg->Button(IDC_STEP_UP)->click();
        ExpectTextFits(dlg->GetDlgItem(IDC_STEP));
    }
    EXPECT_EQ(Text(IDC_STEP), "Schr.weite:15");
    for (const UINT button : {IDC_SLOWER, IDC_FASTER}) {
        for (int i = 0; i < 5; ++i) {
            dlg->Button(button)->click();
            ExpectTextFits(dlg->GetDlgItem(IDC_SPEED));
        }
    }
    EXPECT_EQ(Text(IDC_SPEED), "8x");
}

} // namespace
} // namespace oscivotest
