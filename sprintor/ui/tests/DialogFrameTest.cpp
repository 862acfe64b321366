// The dialog around the run: what it shows when it opens, the speed axis from the two edits,
// their validation, the unit, saving, printing, the web address and the about box.

#include "SprintorDialogFixture.h"
#include "platform/DialogUnits.h"
#include "platform/testing/ContextMenu.h"
#include "platform/testing/PdfPrintDialog.h"
#include "sprintor/core/Resource.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <ctime>

namespace sprintortest {
namespace {

using Dialog = SprintorDialogTest;

TEST_F(Dialog, OpensWithItsTextsSpeedsAndGraph)
{
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral("Musterwerk Messtechnik - Sprintor"));
    EXPECT_EQ(dlg->size(), QSize(530, 405));
    EXPECT_FALSE(dlg->windowIcon().isNull());
    EXPECT_EQ(dlg->m_btnStartStop.text(), QStringLiteral("Los!"));
    EXPECT_TRUE(dlg->m_btnStartStop.isDefault());
    EXPECT_EQ(dlg->m_btnSave.text(), QStringLiteral("Speichern"));
    EXPECT_EQ(dlg->m_btnPrint.text(), QStringLiteral("Drucken"));
    EXPECT_EQ(dlg->m_editFrom.text(), QStringLiteral("0"));
    EXPECT_EQ(dlg->m_editTo.text(), QStringLiteral("100"));
    EXPECT_EQ(dlg->m_comboUnit.count(), 2);
    EXPECT_EQ(dlg->m_comboUnit.currentText(), QStringLiteral("km/h"));
    EXPECT_TRUE(LampIs(dlg->m_bmpLampOff));
    EXPECT_EQ(dlg->m_staticLamp.size(), QSize(24, 56));

    const CGraphWnd& g = dlg->m_graph;
    EXPECT_EQ(g.geometry(), platform::DialogRect(13, 51, 325, 173));
    ASSERT_EQ(g.m_series.size(), 1u);
    EXPECT_EQ(g.m_series[0].m_crColor, 0x0000FFu);
    EXPECT_EQ(g.m_series[0].m_nType, 0);
    EXPECT_TRUE(g.m_series[0].m_strName.isEmpty());
    EXPECT_EQ(g.m_fXMin, 0.0f);
    EXPECT_EQ(g.m_fXMax, 15.0f);
    EXPECT_EQ(g.m_fYMin, 0.0f);
    EXPECT_EQ(g.m_fYMax, 110.0f);
    EXPECT_EQ(g.m_nYDivisions, 11);
    EXPECT_EQ(g.m_strXTitle, QStringLiteral("Beschleunigungszeit (s)"));
    EXPECT_EQ(g.m_strYTitle, QStringLiteral("Geschwindigkeit (km/h)"));
    EXPECT_TRUE(boxes.Boxes().empty());
}

// Every pair is painted too: the degenerate axes (no division, an empty range) must draw safely.
TEST_F(Dialog, TheSpeedAxisFollowsTheEdits)
{
    struct AxisCase {
        int from, to;
        int divisions;
        float yMin, yMax;
    };
    const AxisCase cases[] = {
        {0, 100, 11, 0, 110},     {50, 100, 6, 40, 110}, {100, 50, -4, 90, 60},
        {5, 300, 30, 0, 310},     {100, 85, 0, 90, 95},  {100, 90, 0, 90, 100},
        {120, 100, -1, 110, 110}, {0, 0, 1, 0, 10},      {280, 300, 3, 270, 310},
    };
    for (const AxisCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " to " << c.to);
        dlg->m_editFrom.setText(QString::number(c.from));
        dlg->m_editTo.setText(QString::number(c.to));
        EXPECT_EQ(dlg->m_nFrom, c.from);
        EXPECT_EQ(dlg->m_nTo, c.to);
        EXPECT_EQ(dlg->m_graph.m_nYDivisions, c.divisions);
        EXPECT_EQ(dlg->m_graph.m_fYMin, c.yMin);
        EXPECT_EQ(dlg->m_graph.m_fYMax, c.yMax);
        EXPECT_FALSE(dlg->grab().isNull());
    }
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(Dialog, InvalidSpeedsAreReportedAndTheAxisFollowsTheMembers)
{
    dlg->m_editFrom.setText(QStringLiteral("500"));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Enter an integer between 0 and 280."));
    EXPECT_EQ(dlg->m_nFrom, 500);
    EXPECT_EQ(dlg->m_graph.m_fYMin, 490.0f);
    EXPECT_EQ(dlg->m_graph.m_nYDivisions, -39);

    // The exchange ends at the start speed, so the end speed is not read.
    boxes.Clear();
    dlg->m_editTo.setText(QStringLiteral("200"));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Enter an integer between 0 and 280."));
    EXPECT_EQ(dlg->m_nTo, 100);
    EXPECT_EQ(dlg->m_graph.m_fYMax, 110.0f);

    // A valid start speed lets the exchange read the end speed, 200, too.
    boxes.Clear();
    dlg->m_editFrom.setText(QStringLiteral("20"));
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(dlg->m_nTo, 200);
    dlg->m_editTo.clear();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Enter an integer."));
    EXPECT_EQ(dlg->m_nTo, 200);
    EXPECT_EQ(dlg->m_graph.m_fYMin, 10.0f);

    // Typed text passes only digits.
    boxes.Clear();
    dlg->m_editTo.setFocus();
    QTest::keyClicks(&dlg->m_editTo, QStringLiteral("1a2-"));
    EXPECT_EQ(dlg->m_editTo.text(), QStringLiteral("12"));
    EXPECT_EQ(dlg->m_nTo, 12);
}

TEST_F(Dialog, ExtremeSpeedsCannotOverflowTheAxis)
{
    dlg->m_editTo.setText(QStringLiteral("2147483647"));
    dlg->m_editFrom.setText(QStringLiteral("2147483647"));
    EXPECT_EQ(dlg->m_nTo, 2147483647);
    EXPECT_EQ(dlg->m_nFrom, 2147483647);
    EXPECT_EQ(dlg->m_graph.m_fYMax, 2147483657.0f);
    EXPECT_EQ(dlg->m_graph.m_nYDivisions, 1);
    EXPECT_FALSE(dlg->grab().isNull());
}

TEST_F(Dialog, TheUnitNamesTheSpeedAxisAtOnce)
{
    dlg->m_comboUnit.setCurrentIndex(1);
    EXPECT_EQ(dlg->m_graph.m_strYTitle, QStringLiteral("Geschwindigkeit (mph)"));
    dlg->m_comboUnit.setCurrentIndex(0);
    EXPECT_EQ(dlg->m_graph.m_strYTitle, QStringLiteral("Geschwindigkeit (km/h)"));
}

TEST_F(Dialog, ReturnInAnEditStartsTheRun)
{
    dlg->m_editTo.setFocus();
    QTest::keyClick(&dlg->m_editTo, Qt::Key_Return);
    EXPECT_EQ(dlg->m_run.RunState(), AccelerationRun::STATE_ARMED);
    EXPECT_EQ(dlg->m_btnStartStop.text(), QStringLiteral("Abbrechen"));
}

QString ProposedName(std::time_t at)
{
    char name[64];
    std::tm local{};
    localtime_r(&at, &local);
    std::strftime(name, sizeof name, "Acceleration_%y%m%d_%H%M", &local);
    return QString::fromLatin1(name);
}

TEST_F(Dialog, SavesTheGraphAsABitmapUnderTheChosenName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("run.bmp"));
    platform::RecordingFileDialog files;
    files.Answer(std::nullopt);
    files.Answer(path);

    const std::time_t before = std::time(nullptr);
    QTest::mouseClick(&dlg->m_btnSave, Qt::LeftButton);
    EXPECT_FALSE(QFileInfo::exists(path)) << "cancelled";
    QTest::mouseClick(&dlg->m_btnSave, Qt::LeftButton);
    const std::time_t after = std::time(nullptr);

    ASSERT_EQ(files.Requests().size(), 2u);
    const platform::FileDialogRequest& r = files.Requests()[1].request;
    EXPECT_TRUE(files.Requests()[1].save);
    EXPECT_TRUE(r.fileName == ProposedName(before) || r.fileName == ProposedName(after))
        << r.fileName.toStdString();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^Acceleration_\\d{6}_\\d{4}$")).match(r.fileName).hasMatch());
    EXPECT_EQ(r.filter, QStringLiteral("Bitmap Dateien (*.bmp; *.dib)|*.bmp; *.dib||"));
    EXPECT_EQ(r.defaultExt, QStringLiteral("bmp"));
    EXPECT_TRUE(r.promptOverwrite);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(2), "BM");
}

TEST_F(Dialog, AGraphThatCannotBeSavedIsReportedUnderTheProgramsName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/run.bmp"));
    platform::RecordingFileDialog files;
    files.Answer(path);
    QTest::mouseClick(&dlg->m_btnSave, Qt::LeftButton);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text,
              QStringLiteral("Datei kann nicht erstellt werden, bitte Zugriffsrechte und "
                             "Platz auf dem Datenträger prüfen."));
    EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("Sprintor"));
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(Dialog, PrintsTheGraph)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.pdf"));
    platform::PdfPrintDialog printDialog(path); // the machine has no printer: a PDF file
    QTest::mouseClick(&dlg->m_btnPrint, Qt::LeftButton);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.read(5), "%PDF-");
}

TEST_F(Dialog, TheWebAddressOpensTheMakersPage)
{
    platform::RecordingShell shell;
    auto* url = dlg->findChild<QLabel*>(QString::number(IDC_URL));
    ASSERT_NE(url, nullptr);
    EXPECT_EQ(url->geometry(), platform::DialogRect(122, 228, 98, 8));
    // The right and middle buttons are no click on the address.
    for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), url->mapToGlobal(QPointF(5, 5)), button,
                          button, Qt::NoModifier);
        QCoreApplication::sendEvent(url, &press);
    }
    EXPECT_TRUE(shell.opened.isEmpty());
    QTest::mouseClick(url, Qt::LeftButton);
    EXPECT_EQ(shell.opened, QStringList{CSprintorDlg::MakerUrl()});
    EXPECT_TRUE(CSprintorDlg::MakerUrl().contains(QStringLiteral(".example.org")));
}

TEST_F(Dialog, TheAboutCommandOpensTheAboutBox)
{
    QString title;
    QStringList texts;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        const QPushButton* ok = box->findChild<QPushButton*>();
        ASSERT_NE(ok, nullptr);
        for (const QLabel* label : box->findChildren<QLabel*>()) {
            texts << label->text();
            if (label->text().isEmpty())
                continue; // the icon
            // Every text is shown whole, beside the button.
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
            EXPECT_FALSE(label->geometry().intersects(ok->geometry())) << label->text().toStdString();
        }
        static_cast<QDialog*>(box)->accept();
    });
    dlg->OnSysCommand(IDM_ABOUTBOX | 0x3, 0);
    EXPECT_EQ(title, QStringLiteral("About Sprintor"));
    EXPECT_TRUE(texts.contains(QStringLiteral("Sprintor Version 1.0")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Copyright (C) Musterwerk Messtechnik")));
}

// What Sprintor gives the dialog frame, whose behaviour is tested with the frame: its about item,
// the host's "Quit" (idle Sprintor takes no messages, so a run is armed), and its message when the
// host cannot be reached.
TEST_F(Dialog, TheFrameShowsItsTextsAndTakesItsHostMessages)
{
    QStringList items;
    QString title;
    platform::RightClickWithMenu(dlg.get(), QPoint(300, 380), [&](QMenu* menu) {
        ASSERT_NE(menu, nullptr);
        for (const QAction* action : menu->actions())
            items << action->text();
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            static_cast<QDialog*>(box)->accept();
        });
        menu->setActiveAction(menu->actions().at(0));
        QTest::keyClick(menu, Qt::Key_Return);
    });
    EXPECT_EQ(items, QStringList{QString::fromUtf8("&Über Sprintor...")});
    EXPECT_EQ(title, QStringLiteral("About Sprintor"));

    PressStartStop();
    host.SendQuit();
    ASSERT_TRUE(host.Flush());
    for (int i = 0; i < 250 && dlg->isVisible(); ++i) {
        Tick();
        QTest::qWait(20); // for the host's message to arrive
    }
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_TRUE(host.WaitForClosed(0));
    EXPECT_TRUE(boxes.Boxes().empty());

    host.SetRefusing(true);
    CSprintorDlg unreachable(host.Port());
    unreachable.show();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text,
              QStringLiteral("Diagnoma / BrokaraSwitch läuft nicht oder ist nicht erreichbar."));
    EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("Sprintor"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !unreachable.isVisible(); }, 5000));
}

// Closing the limit editor gives the keyboard back to the graph: digits typed next must not
// change the start speed.
TEST_F(Dialog, TheLimitEditorGivesTheFocusBackToTheGraph)
{
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    CGraphWnd& g = dlg->m_graph;
    g.repaint();
    const platform::Rect box = g.m_rcYMaxLabel;
    const QPoint onLabel(box.left + 3, box.top + 3);
    QTest::mouseMove(&g, onLabel);
    QTest::mouseClick(&g, Qt::LeftButton, {}, onLabel);
    ASSERT_FALSE(g.m_editLimit->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), g.m_editLimit);
    const QPoint inPlot(g.m_rcPlot.left + 30, g.m_rcPlot.top + 30);
    QTest::mouseMove(&g, inPlot);
    QTest::mouseClick(&g, Qt::LeftButton, {}, inPlot);
    ASSERT_TRUE(g.m_editLimit->isHidden());
    EXPECT_EQ(QApplication::focusWidget(), &g);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
    EXPECT_EQ(dlg->m_editFrom.text(), QStringLiteral("0"));
    EXPECT_EQ(dlg->m_nFrom, 0);
}

TEST_F(Dialog, ALostConnectionDuringARunIsMadeAgainAndTheRunGoesOn)
{
    ArmAndCountDown();
    host.CloseConnection(0);
    ASSERT_TRUE(host.WaitForClosed(0));
    for (int i = 0; i < 250 && host.ConnectionCount() < 2; ++i) {
        Tick();
        QThread::msleep(20);
    }
    ASSERT_EQ(host.ConnectionCount(), 2);
    EXPECT_TRUE(dlg->m_run.IsRunning());
    EXPECT_EQ(dlg->m_run.RunState(), AccelerationRun::STATE_MEASURING);
    Ticks(3);
    EXPECT_TRUE(host.WaitForFrames(1, 3));
    EXPECT_TRUE(boxes.Boxes().empty());
}

} // namespace
} // namespace sprintortest
