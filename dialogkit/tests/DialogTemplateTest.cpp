// The dialog kit's factory and lookup: each kind of row made as its control, at its place in
// dialog units; members attached in place of their controls; controls found by id.

#include "dialogkit/DialogControls.h"
#include "dialogkit/GroupFrame.h"
#include "platform/DialogUnits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using K = ControlKind;
using platform::DialogRect;

const ControlTemplate kRows[] = {
    {10, K::BlackFrame, "", 0, 0, 100, 40},
    {11, K::PushButton, "Mileage", 5, 45, 40, 14},
    {12, K::DefaultPushButton, "Los!", 50, 45, 40, 14},
    {13, K::IconButton, "Pause", 95, 45, 17, 15, false},
    {14, K::DefaultIconButton, "Load log file", 115, 45, 17, 15},
    {15, K::GroupBox, "Vert.Maßstab", 0, 60, 80, 30},
    {16, K::Static, "Max:", 5, 70, 16, 8},
    {17, K::CentredStatic, "Schrittweite", 25, 70, 40, 8},
    {18, K::SunkenStatic, "<CONS>", 70, 70, 60, 20},
    {19, K::SunkenPicture, "", 135, 70, 16, 34},
    {21, K::Edit, "", 5, 95, 27, 12},
    {22, K::CentredEdit, "", 35, 95, 34, 12},
    {23, K::NumberEdit, "", 70, 95, 20, 12},
    {24, K::DropList, "", 95, 95, 37, 48},
    {25, K::CheckBox, "A/F", 135, 95, 18, 8},
    {26, K::SwatchStatic, "", 155, 95, 7, 6},
    {IDC_STATIC, K::Static, "bis", 165, 95, 8, 8},
};

class DialogTemplateTest : public ::testing::Test {
protected:
    void Make(std::initializer_list<AttachedControl> attached = {})
    {
        controls.Create(&dialog, kRows, attached);
    }
    template <class Control> Control* Item(UINT id) const
    {
        return dynamic_cast<Control*>(controls.GetDlgItem(id));
    }

    QWidget dialog;
    DialogControls controls;
};

TEST_F(DialogTemplateTest, EachRowIsMadeAsItsKindAtItsPlaceAndFoundByItsId)
{
    Make();
    for (const ControlTemplate& row : kRows) {
        if (row.id == IDC_STATIC)
            continue;
        SCOPED_TRACE(row.id);
        const QWidget* control = controls.GetDlgItem(row.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->parentWidget(), &dialog);
        EXPECT_EQ(control->objectName(), QString::number(row.id));
        EXPECT_EQ(control->isHidden(), !row.visible);
        const QRect place = DialogRect(row.x, row.y, row.cx, row.cy);
        const bool text =
            row.kind == K::Static || row.kind == K::CentredStatic || row.kind == K::SunkenStatic;
        if (text) {
            EXPECT_EQ(control->pos(), place.topLeft()); // a text may widen it
            EXPECT_GE(control->width(), place.width());
        } else if (row.kind != K::DropList) {
            EXPECT_EQ(control->geometry(), place);
        }
    }
    EXPECT_EQ(Item<QFrame>(10)->frameShape(), QFrame::Box);
    EXPECT_EQ(Item<QFrame>(10)->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(Item<QPushButton>(11)->text(), "Mileage");
    EXPECT_FALSE(Item<QPushButton>(11)->isDefault());
    EXPECT_TRUE(Item<QPushButton>(12)->isDefault());
    EXPECT_EQ(Item<QPushButton>(13)->text(), "");
    EXPECT_EQ(Item<QPushButton>(13)->accessibleName(), "Pause");
    EXPECT_EQ(Item<QPushButton>(13)->iconSize(), QSize(20, 20)); // 17 x 15 dialog units, less 4
    EXPECT_FALSE(Item<QPushButton>(13)->isDefault());
    EXPECT_TRUE(Item<QPushButton>(14)->isDefault());
    EXPECT_EQ(Item<GroupFrame>(15)->Title(), QString::fromUtf8("Vert.Maßstab"));
    EXPECT_EQ(Item<QLabel>(16)->text(), "Max:");
    EXPECT_EQ(Item<QLabel>(16)->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(Item<QLabel>(17)->alignment(), Qt::AlignHCenter | Qt::AlignTop);
    EXPECT_EQ(Item<QLabel>(18)->alignment(), Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(Item<QLabel>(18)->frameStyle(), QFrame::Panel | QFrame::Sunken);
    EXPECT_EQ(Item<QLabel>(18)->indent(), 0);
    EXPECT_EQ(Item<QLabel>(19)->frameStyle(), QFrame::Panel | QFrame::Sunken);
    EXPECT_EQ(Item<QLineEdit>(21)->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    EXPECT_EQ(Item<QLineEdit>(22)->alignment(), Qt::AlignCenter);
    EXPECT_EQ(Item<QCheckBox>(25)->text(), "A/F");
    EXPECT_EQ(Item<QFrame>(26)->frameStyle(), QFrame::Panel | QFrame::Sunken);
    // The row of a drop-down list gives the open list's height; closed, it is one edit line.
    EXPECT_EQ(controls.GetDlgItem(24)->geometry(), DialogRect(95, 95, 37, 12));
}

TEST_F(DialogTemplateTest, ANumberEditTakesDigitsOnly)
{
    Make();
    QLineEdit* edit = Item<QLineEdit>(23);
    QTest::keyClicks(edit, QStringLiteral("1a2-3"));
    EXPECT_EQ(edit->text(), "123");
    QLineEdit* plain = Item<QLineEdit>(21);
    QTest::keyClicks(plain, QStringLiteral("1a"));
    EXPECT_EQ(plain->text(), "1a");
}

// The machine's font may be wider than the one the layout was made for.
TEST_F(DialogTemplateTest, AStaticIsWidenedToItsTextNeverClipped)
{
    const ControlTemplate rows[] = {{1, K::Static, "Gefahrene Strecke im km:", 7, 19, 20, 10},
                                    {2, K::CentredStatic, "Schr.weite:15", 304, 220, 10, 8}};
    DialogControls made;
    made.Create(&dialog, rows);
    for (const ControlTemplate& row : rows) {
        SCOPED_TRACE(row.id);
        const auto* label = static_cast<QLabel*>(made.GetDlgItem(row.id));
        const QRect place = row.Rect();
        EXPECT_EQ(label->pos(), place.topLeft());
        EXPECT_EQ(label->height(), place.height());
        EXPECT_GE(label->contentsRect().width(), label->fontMetrics().horizontalAdvance(label->text()));
        EXPECT_GT(label->width(), place.width());
    }
}

TEST_F(DialogTemplateTest, AnIdNotInTheTemplateOrNoneFindsNothingAndTwiceTheFirst)
{
    const ControlTemplate rows[] = {{7, K::Static, "first", 0, 0, 20, 8},
                                    {IDC_STATIC, K::Static, "unnamed", 0, 10, 20, 8},
                                    {7, K::Static, "second", 0, 20, 20, 8}};
    DialogControls made;
    made.Create(&dialog, rows);
    ASSERT_NE(made.GetDlgItem(7), nullptr);
    EXPECT_EQ(static_cast<QLabel*>(made.GetDlgItem(7))->text(), "first");
    EXPECT_EQ(made.GetDlgItem(IDC_STATIC), nullptr);
    EXPECT_EQ(made.GetDlgItem(6), nullptr);
    EXPECT_EQ(made.GetDlgItem(8), nullptr);
    EXPECT_EQ(dialog.findChildren<QLabel*>().size(), 3);
    EXPECT_EQ(DialogControls().GetDlgItem(7), nullptr);
}

// The members are made before the dialog's other controls; the keyboard still goes through
// the controls in the template's order.
TEST_F(DialogTemplateTest, AttachedMembersBecomeTheirRowsControlsInTheTemplatesOrder)
{
    QLineEdit to;
    QLineEdit from;
    QPushButton start;
    Make({{23, &from}, {12, &start}, {22, &to}});
    EXPECT_EQ(controls.GetDlgItem(23), &from);
    EXPECT_EQ(controls.GetDlgItem(12), &start);
    EXPECT_EQ(controls.GetDlgItem(22), &to);
    EXPECT_EQ(from.parentWidget(), &dialog);
    EXPECT_EQ(from.geometry(), DialogRect(70, 95, 20, 12));
    EXPECT_TRUE(start.isDefault());
    EXPECT_EQ(start.text(), "Los!");
    QTest::keyClicks(&from, QStringLiteral("4x2"));
    EXPECT_EQ(from.text(), "42");

    std::vector<UINT> focusOrder;
    for (QWidget* w = dialog.nextInFocusChain(); w != &dialog; w = w->nextInFocusChain())
        if (w->focusPolicy() & Qt::TabFocus)
            focusOrder.push_back(w->objectName().toUInt());
    const std::vector<UINT> expected = {11, 12, 13, 14, 21, 22, 23, 24, 25};
    EXPECT_EQ(focusOrder, expected);
}

TEST_F(DialogTemplateTest, AMemberThatDoesNotFitItsRowIsRefused)
{
    QLabel label;
    GroupFrame group(QString(), nullptr);
    const ControlTemplate edit[] = {{1, K::Edit, "", 0, 0, 20, 12}};
    const ControlTemplate box[] = {{2, K::GroupBox, "", 0, 0, 20, 12}};
    DialogControls made;
    EXPECT_THROW(made.Create(&dialog, edit, {{1, &label}}), std::invalid_argument);
    EXPECT_THROW(made.Create(&dialog, box, {{2, &group}}), std::invalid_argument);
    EXPECT_EQ(label.parentWidget(), nullptr);
}

} // namespace
