#include "platform/StringTable.h"
#include "platform/WindowStyles.h"
#include "platform/testing/ContextMenu.h"
#include "platform/testing/RecordingColorDialog.h"
#include "scopecontrols/3DMeterCtrl.h"
#include "scopecontrols/tests/MeterTestSupport.h"

#include <QMenu>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using metertest::At;
using platform::Rect;

namespace {

constexpr DWORD kMeterStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;

struct MenuEntry {
    QString text;
    bool checkable;
    bool checked;
};

// Opens the meter's context menu as a right click does and, once it shows, notes its entries and
// picks the one with that text (an empty text closes the menu).
std::vector<MenuEntry> ChooseFromMenu(C3DMeterCtrl* meter, const QString& pick)
{
    std::vector<MenuEntry> seen;
    platform::RightClickWithMenu(meter, QPoint(100, 100), [&](QMenu* menu) {
        if (!menu)
            return;
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            seen.push_back({action->text(), action->isCheckable(), action->isChecked()});
            if (action->text() == pick)
                chosen = action;
        }
        if (chosen)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(chosen).center());
    });
    return seen;
}

class MeterWindow : public testing::Test {
protected:
    void SetUp() override
    {
        platform::SetStringTable({{49, "Spitze:"}});
        dialog = std::make_unique<QWidget>();
        dialog->setGeometry(300, 300, 400, 300);
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    }

    // As the owner opens a meter: the entry first, then the window.
    C3DMeterCtrl* Open(int entry)
    {
        C3DMeterCtrl*& slot = m_pMeters[entry];
        slot = new C3DMeterCtrl(&slot);
        slot->Create(QStringLiteral("OscivoMeter"), kMeterStyle, Rect(64, 32, 264, 232), dialog.get(),
                     static_cast<UINT>(entry));
        return slot;
    }

    static void DeleteLaterNow() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    C3DMeterCtrl* m_pMeters[24] = {}; // outlives the dialog, as the owner's member does
    std::unique_ptr<QWidget> dialog;
};

TEST_F(MeterWindow, CreateMakesAFloatingToolWindowThatPaintsItself)
{
    C3DMeterCtrl* meter = Open(9);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(meter));
    EXPECT_EQ(meter->windowType(), Qt::Tool);
    EXPECT_EQ(meter->windowTitle(), QStringLiteral("Oscivo Meter"));
    EXPECT_TRUE(meter->isVisible());
    EXPECT_EQ(meter->pos(), QPoint(64, 32));
    EXPECT_TRUE(QTest::qWaitFor([meter] { return meter->m_dcFace != nullptr; }, 2000))
        << "painted with no value set";
    meter->SetTitle(QStringLiteral(" Drehzahl Motor"));
    EXPECT_EQ(meter->windowTitle(), QStringLiteral(" Drehzahl Motor"));
}

TEST_F(MeterWindow, TheRectangleIsTheWholeWindowSoTheDialFollowsTheClientHeight)
{
    C3DMeterCtrl* slot = nullptr;
    auto* meter = new C3DMeterCtrl(&slot);
    slot = meter;
    ASSERT_TRUE(
        meter->Create(QStringLiteral("OscivoMeter"), kMeterStyle, Rect(0, 0, 200, 200), dialog.get(), 0));
    // Less a tool window's caption of 15 and its sizing frame of 4 on each side.
    EXPECT_EQ(meter->size(), QSize(192, 177));
    ASSERT_TRUE(QTest::qWaitFor([meter] { return meter->m_dcFace != nullptr; }, 2000));
    EXPECT_EQ(meter->m_dial.nCentreX, 96);
    EXPECT_EQ(meter->m_dial.nCentreY, 88);
    EXPECT_EQ(meter->m_dial.nRadius, 59);
    EXPECT_EQ(meter->m_nTextHeight, 14) << "font height (59 + 177 - 88) / 10";
}

TEST_F(MeterWindow, MenuShowsItsEntriesWithChecksAndTheyActOnTheMeter)
{
    C3DMeterCtrl* meter = Open(0);
    const std::vector<MenuEntry> entries = ChooseFromMenu(meter, QString());
    const std::vector<std::pair<QString, bool>> expected = {
        {"Maximalwert Marker", true},       {"Minimalwert Marker", true},  {"Höchstwert", true},
        {"Höchstwert zurücksetzen", false}, {"Farben invertieren", false}, {"Nadelfarbe...", false},
        {"Hintergrundfarbe...", false},     {"Vodergrundfarbe...", false}, {"Teilstrichfarbe...", false},
    };
    ASSERT_EQ(entries.size(), expected.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].text, expected[i].first) << i;
        EXPECT_EQ(entries[i].checked, expected[i].second) << i;
    }
    EXPECT_TRUE(entries[4].checkable) << "inverting carries a check mark once on";
    EXPECT_FALSE(entries[3].checkable);

    meter->SetScaleRange(0, 100);
    for (double v : {5.0, 3.0, 8.0, 6.0})
        meter->SetValue(v);
    EXPECT_EQ(meter->m_dMinMarker, 3);
    EXPECT_EQ(meter->m_dMaxMarker, 8) << "the peak";
    meter->SetScaleRange(0, 100);
    EXPECT_EQ(meter->m_dMinMarker, 3) << "the same scale keeps the markers";
    ChooseFromMenu(meter, QStringLiteral("Höchstwert zurücksetzen"));
    EXPECT_EQ(meter->m_dMaxMarker, 6) << "the peak is the value shown";
    meter->SetValue(7);
    EXPECT_EQ(meter->m_dMaxMarker, 7);
    ChooseFromMenu(meter, QStringLiteral("Maximalwert Marker"));
    meter->SetValue(9);
    EXPECT_EQ(meter->m_dMaxMarker, 7) << "a marker switched off no longer follows";
    EXPECT_FALSE(ChooseFromMenu(meter, QString())[0].checked);

    ChooseFromMenu(meter, QStringLiteral("Farben invertieren"));
    EXPECT_EQ(meter->m_crDial, 0xFFFFFFu);
    EXPECT_EQ(meter->m_crTicks, 0x000000u);
    EXPECT_TRUE(ChooseFromMenu(meter, QString())[4].checked);
    ChooseFromMenu(meter, QStringLiteral("Farben invertieren"));
    EXPECT_EQ(meter->m_crDial, 0x000000u);
    EXPECT_EQ(meter->m_crTicks, 0xFFFFFFu);
}

TEST_F(MeterWindow, ColoursChosenThroughTheMenuThenClosedByTheUser)
{
    platform::RecordingColorDialog chooser;
    C3DMeterCtrl* meter = Open(5);
    meter->SetValue(50); // straight up
    struct Case {
        const char* entry;
        COLORREF colour;
        POINT where;
    };
    const Case cases[] = {
        {"Nadelfarbe...", 0x00FF00, {95, 70}},
        {"Hintergrundfarbe...", 0x112233, {5, 5}},
        {"Vodergrundfarbe...", 0x445566, {127, 70}},
        {"Teilstrichfarbe...", 0x778899, {152, 88}}, // the tick at 0 degrees
    };
    for (const Case& c : cases) {
        chooser.Answer(c.colour);
        ChooseFromMenu(meter, QString::fromUtf8(c.entry));
        EXPECT_EQ(At(meter->grab().toImage(), c.where), c.colour) << c.entry;
    }
    EXPECT_EQ(meter->m_crNeedleShade, 0x00A500u);
    ASSERT_EQ(chooser.Requests().size(), 4u);
    for (const auto& asked : chooser.Requests()) {
        EXPECT_EQ(asked.flags, CC_ANYCOLOR | CC_PREVENTFULLOPEN | CC_ENABLEHOOK) << "no initial colour";
        EXPECT_EQ(asked.owner, dialog.get()) << "the owner's window owns the dialog";
    }

    ChooseFromMenu(meter, QStringLiteral("Nadelfarbe...")); // cancelled
    EXPECT_EQ(meter->m_crNeedle, 0x00FF00u);

    QPointer<C3DMeterCtrl> watch(meter);
    meter->close(); // the caption's close box
    EXPECT_EQ(m_pMeters[5], nullptr) << "the owner's entry is emptied at once";
    DeleteLaterNow();
    EXPECT_TRUE(watch.isNull()) << "the meter deleted itself";
}

TEST_F(MeterWindow, TheOwnerDeletesAnOpenMeter)
{
    C3DMeterCtrl* meter = Open(12);
    meter->SetValue(20);
    delete meter;
    EXPECT_EQ(m_pMeters[12], meter) << "the meter leaves the entry to the owner";
    m_pMeters[12] = nullptr;
    DeleteLaterNow();
    dialog.reset();
    EXPECT_EQ(m_pMeters[12], nullptr);
}

TEST_F(MeterWindow, TheOwnersWindowGoingClosesItsMeters)
{
    QPointer<C3DMeterCtrl> first(Open(0));
    QPointer<C3DMeterCtrl> second(Open(13));
    // A meter closed by the user, and one opened again in its place before the first was gone.
    first->close();
    QPointer<C3DMeterCtrl> again(Open(0));
    dialog.reset();
    EXPECT_EQ(m_pMeters[0], nullptr);
    EXPECT_EQ(m_pMeters[13], nullptr);
    DeleteLaterNow();
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(second.isNull());
    EXPECT_TRUE(again.isNull());
}

TEST(MeterSetters, NeedleShadeIsSixtyFivePercentOfEachChannel)
{
    struct Case {
        COLORREF needle, shade;
    };
    const Case cases[] = {
        {0x0000FF, 0x0000A5}, {0xFF8040, 0xA55329}, {0xFFFFFF, 0xA5A5A5}, {0x000000, 0x000000}};
    for (const Case c : cases) {
        C3DMeterCtrl* slot = nullptr;
        C3DMeterCtrl meter(&slot);
        meter.SetNeedleColor(c.needle);
        EXPECT_EQ(meter.m_crNeedleShade, c.shade) << std::hex << c.needle;
    }
}

} // namespace
