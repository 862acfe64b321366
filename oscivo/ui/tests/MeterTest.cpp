// The floating meters: opened by a right click on a swatch or by the fuel-economy buttons,
// fed by every reply, closed by the user, the display or the dialog's end; and the context
// menu where no swatch is.

#include "OscivoDialogFixture.h"
#include "hostlink/testing/ModalWatch.h"
#include "platform/StringTable.h"
#include "platform/testing/ContextMenu.h"
#include "platform/testing/PdfPrintDialog.h"

#include <QPointer>

namespace oscivotest {
namespace {

using Meters = OscivoDialogTest;
using platform::RightClickWithMenu;

QStringList MenuTexts(const QMenu* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    return texts;
}

TEST_F(Meters, ARightClickOnAPlottedSlotsSwatchOpensItsMeterOnce)
{
    OpenAndShow(DriveReply("850"));
    RightClick(dlg->GetDlgItem(IDC_SLOT_FRAME + 0));
    C3DMeterCtrl* meter = dlg->m_pMeters[0];
    ASSERT_NE(meter, nullptr);
    EXPECT_TRUE(meter->isVisible());
    EXPECT_EQ(meter->pos(), QPoint(0, 0));
    EXPECT_EQ(meter->windowTitle(), "Oscivo Meter - /min");
    EXPECT_EQ(meter->m_strUnits, "/min");
    EXPECT_DOUBLE_EQ(meter->m_dMaxValue, 6000);
    EXPECT_EQ(meter->m_crNeedle, g_crLineColor[0]);
    EXPECT_EQ(meter->m_crBack, g_crBackColor);
    EXPECT_TRUE(WaitFor([&] { return meter->m_dValue == 850; }));
    EXPECT_EQ(ResStr(49), "Spitze:") << "the peak readout's label is the program's";

    RightClick(dlg->GetDlgItem(IDC_SLOT_FRAME + 0));
    EXPECT_EQ(dlg->m_pMeters[0], meter);

    // Closed by the user, its entry empties; the next click makes a new one.
    const QPointer<C3DMeterCtrl> closed = meter;
    meter->close();
    EXPECT_EQ(dlg->m_pMeters[0], nullptr);
    EXPECT_TRUE(WaitFor([&] { return closed.isNull(); }));
    RightClick(dlg->GetDlgItem(IDC_SLOT_FRAME + 0));
    EXPECT_NE(dlg->m_pMeters[0], nullptr);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(Meters, ASwatchWhoseBoxIsClearedOpensNothingAndEmptySpaceShowsTheMenu)
{
    OpenAndShow(DriveReply());
    RightClickWithMenu(dlg.get(), dlg->GetDlgItem(IDC_SLOT_FRAME + 5)->geometry().center(),
                       [](QMenu* menu) { EXPECT_EQ(menu, nullptr); });
    EXPECT_EQ(dlg->m_pMeters[5], nullptr);

    RightClickWithMenu(dlg.get(), QPoint(400, 410), [](QMenu* menu) {
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(MenuTexts(menu),
                  QStringList({"&Einstellungen", QString::fromUtf8("&Über"), "Bild &drucken"}));
    });
}

TEST_F(Meters, TheMenuPrintsAndOpensThePreferencesAndTheAboutBox)
{
    OpenAndShow(DriveReply());
    const QString pdf = Path("scope.pdf");
    platform::PdfPrintDialog printer(pdf);
    dlg->OnSysCommand(IDM_PRINT, 0);
    EXPECT_GT(QFileInfo(pdf).size(), 0);

    // A file changed by hand: its colours reach the scope and the open meters.
    RightClick(dlg->GetDlgItem(IDC_SLOT_FRAME + 0));
    QFile prefs(Path("Scaling/Prefs.cfg"));
    ASSERT_TRUE(prefs.open(QIODevice::WriteOnly));
    prefs.write("BackColor=ff\r\nLine0Color=ff00\r\n");
    prefs.close();
    // The preferences dialog cancelled: the file's settings stand.
    EXPECT_TRUE(StillOpenAfter(300, [&] { dlg->OnSysCommand(IDM_PREFERENCES, 0); }));
    EXPECT_EQ(dlg->m_scope.m_crBackColor, 0xFFu);
    EXPECT_EQ(dlg->m_scope.GetTraceColor(0), 0xFF00u);
    EXPECT_EQ(dlg->m_pMeters[0]->m_crNeedle, 0xFF00u);
    EXPECT_EQ(dlg->m_pMeters[0]->m_crBack, 0xFFu);

    QString about;
    QTimer::singleShot(200, [&] { about = QApplication::activeModalWidget()->windowTitle(); });
    EXPECT_TRUE(StillOpenAfter(300, [&] { dlg->OnSysCommand(IDM_ABOUTBOX, 0); }));
    EXPECT_EQ(about, QString::fromUtf8("Über Oscivo"));
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(Meters, TheFuelEconomyMetersFollowSpeedAndFuelRate)
{
    OpenAndShow(DriveReply("850", "60", "6"));
    QTest::mouseClick(dlg->Button(IDC_MILEAGE), Qt::LeftButton);
    QTest::mouseClick(dlg->Button(IDC_CONSUMPTION), Qt::LeftButton);
    C3DMeterCtrl* mileage = dlg->m_pMeters[kMileageMeter];
    C3DMeterCtrl* consumption = dlg->m_pMeters[kConsumptionMeter];
    ASSERT_NE(mileage, nullptr);
    ASSERT_NE(consumption, nullptr);
    EXPECT_EQ(mileage->windowTitle(), "Reichweite in Meilen/Gal(US)");
    EXPECT_EQ(consumption->windowTitle(), "Verbrauch in Liter/100km");
    EXPECT_EQ(mileage->pos(), QPoint(96, 0));
    EXPECT_EQ(consumption->pos(), QPoint(96, 32));
    ASSERT_TRUE(WaitFor([&] { return consumption->m_dValue == 10.0; }));
    EXPECT_NEAR(mileage->m_dValue, 23.52145, 1e-9);
    EXPECT_EQ(mileage->m_strUnits, "MPG");
    EXPECT_DOUBLE_EQ(mileage->m_dMaxValue, 60);

    // Standing: gallons per hour on a scale of 4, the fuel rate in its own unit on one of 10.
    host.SetReplyPayload(DriveReply("850", "0", "1.2"));
    ASSERT_TRUE(WaitFor([&] { return consumption->m_dValue == 1.2; }));
    EXPECT_EQ(consumption->m_strUnits, "l/h");
    EXPECT_DOUBLE_EQ(consumption->m_dMaxValue, 10.0);
    EXPECT_EQ(mileage->m_strUnits, "Gal. ppro Stunde");
    EXPECT_DOUBLE_EQ(mileage->m_dMaxValue, 4.0);
    EXPECT_EQ(mileage->m_nReadoutDigits, 2);

    // Without a speed the buttons go, and the meters with them.
    host.SetReplyPayload(testhost::StandardReply(kModule, {Entry{1, 2, "5", "l/h"}}));
    ASSERT_TRUE(WaitFor([&] { return !Shown(IDC_MILEAGE); }));
    EXPECT_FALSE(Shown(IDC_CONSUMPTION));
    EXPECT_EQ(dlg->m_pMeters[kMileageMeter], nullptr);
    EXPECT_EQ(dlg->m_pMeters[kConsumptionMeter], nullptr);
}

TEST_F(Meters, AnAdvancedValuesMeterShowsItsValue)
{
    host.SetReplyPayload(testhost::AdvancedReply(kModule, {"10", "11", "12"}, {}));
    Open();
    ASSERT_TRUE(WaitFor([&] { return g_bAdvancedMode && Text(IDC_ADV_VALUE + 2) == "12"; }));
    RightClick(dlg->GetDlgItem(IDC_ADV_FRAME + 2));
    C3DMeterCtrl* meter = dlg->m_pMeters[kFirstAdvancedMeter + 2];
    ASSERT_NE(meter, nullptr);
    EXPECT_EQ(meter->windowTitle(), "Feld#3");
    EXPECT_EQ(meter->pos(), QPoint(64, 0));
    EXPECT_DOUBLE_EQ(meter->m_dMaxValue, 255.0);
    EXPECT_TRUE(WaitFor([&] { return meter->m_dValue == 12; }));
    // Value 4 is not plotted: its swatch opens nothing.
    RightClick(dlg->GetDlgItem(IDC_ADV_FRAME + 4));
    EXPECT_EQ(dlg->m_pMeters[kFirstAdvancedMeter + 4], nullptr);
}

TEST_F(Meters, OpenMetersGoWithTheDialogBeforeItsMembers)
{
    OpenAndShow(DriveReply());
    RightClick(dlg->GetDlgItem(IDC_SLOT_FRAME + 0));
    RightClick(dlg->GetDlgItem(IDC_SLOT_FRAME + 1));
    QTest::mouseClick(dlg->Button(IDC_MILEAGE), Qt::LeftButton);
    const QPointer<C3DMeterCtrl> meters[] = {dlg->m_pMeters[0], dlg->m_pMeters[1],
                                             dlg->m_pMeters[kMileageMeter]};
    for (const auto& meter : meters)
        ASSERT_FALSE(meter.isNull());
    dlg.reset(); // under the address sanitizer, a meter that wrote into the gone table is found
    for (const auto& meter : meters)
        EXPECT_TRUE(meter.isNull());
    QCoreApplication::processEvents();
}

} // namespace
} // namespace oscivotest
