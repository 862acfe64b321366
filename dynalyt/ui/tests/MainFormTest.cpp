// The main form driven as a user drives it: start, pages, typing and pasting, the plausibility
// messages, closing, help and about.
#include "dynalyt/ui/LinkLabel.h"
#include "dynalyt/ui/TChart.h"
#include "dynalyt/ui/TStringGrid.h"
#include "dynalyt/ui/TfAbout.h"
#include "dynalyt/ui/tests/FormFixture.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

namespace dynalyt::testing {
namespace {

using MainForm = FormFixture;

QString Cell(TStringGrid* grid, int col, int row)
{
    return grid->model()->index(row, col).data().toString();
}

TEST_F(MainForm, StartsOnTheDiagramWithAnEmptyChartAndTheDesignedLabels)
{
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(form->Tabs->currentWidget(), form->ts4);
    EXPECT_EQ(form->windowTitle(),
              QStringLiteral("Quellbach Messtechnik  Dynalyt V3.0.8 - Leistungsmessung mit Diagnoma"));
    EXPECT_EQ(form->centralWidget()->size(), QSize(707, 508));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    const QStringList captions = {"Eingaben", "Messwerte", "Auswertung", "Diagramm", "Einstellungen"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(form->Tabs->tabText(i), captions[i]);
    EXPECT_EQ(form->Chart1->size(), QSize(665, 425));
    EXPECT_EQ(form->m_unit.Chart1.Title, QStringLiteral("Dynalyt - Leistungsdiagramm"));
    EXPECT_EQ(form->m_unit.Chart1.Series1.Count() + form->m_unit.Chart1.Series2.Count() +
                  form->m_unit.Chart1.Series3.Count(),
              0);
    EXPECT_EQ(form->Label18->text(), QStringLiteral("Maximalwerte:"));
    EXPECT_EQ(form->maxps->text(), QStringLiteral("kW: ... (...PS)"));
    EXPECT_EQ(form->maxnm->text(), QStringLiteral("Nm: ..."));
    EXPECT_EQ(form->maxg->text(), QStringLiteral("G: ..."));
    EXPECT_EQ(Cell(form->a, 0, 0), QString());
    // The settings file beside the program filled the import settings and four inputs.
    EXPECT_EQ(form->z_trenner->currentText(), QStringLiteral("Komma"));
    EXPECT_EQ(form->s_umin->text(), QStringLiteral(" /min"));
    EXPECT_EQ(form->e_gew->text(), QStringLiteral("1380"));
    EXPECT_EQ(form->e_abruv->text(), QStringLiteral("1,0"));
    EXPECT_EQ(form->m_unit.ImportSeparator, ',');
    EXPECT_EQ(form->m_beschl->model()->rowCount(), 256);
    EXPECT_EQ(form->m_ausr->model()->columnCount(), 2);
    EXPECT_EQ(form->a->model()->rowCount(), 48);
    EXPECT_EQ(form->a->model()->columnCount(), 12);
}

TEST_F(MainForm, MenuItemsCarryTheirTextsAndShortcuts)
{
    struct Item {
        QAction* action;
        const char* text;
        QKeySequence key;
    };
    const Item items[] = {
        {form->laden, "Eingaben und Messung &laden", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {form->speichern, "Eingaben und Messung &speichern", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {form->drucken, "Diagramm &drucken", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {form->grafik_speichern, "Diagramm als &Grafik speichern", QKeySequence()},
        {form->beenden, "Programm &beenden", QKeySequence()},
        {form->Help, "Hilfe", QKeySequence(Qt::Key_F1)},
        {form->About, "Über...", QKeySequence()},
    };
    for (const Item& item : items) {
        EXPECT_EQ(item.action->text(), QString::fromUtf8(item.text));
        EXPECT_EQ(item.action->shortcut(), item.key) << item.text;
    }
    EXPECT_EQ(form->Datei1->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(form->Info1->title(), QStringLiteral("&Info"));
}

TEST_F(MainForm, MissingSettingsFileIsReportedOnceAtStart)
{
    form.reset();
    QFile::remove(Path(QStringLiteral("dynalyt.ini")));
    boxes.Clear();
    CreateForm();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("\rKonfigurationsdatei nicht gefunden!"));
    EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("Dynalyt V3.0.8"));
    EXPECT_EQ(form->z_trenner->currentIndex(), -1);
    // "Standard" makes the import settings complete at once.
    QTest::mouseClick(form->zsetzen, Qt::LeftButton);
    EXPECT_EQ(form->z_trenner->currentText(), QStringLiteral("Komma"));
    EXPECT_EQ(form->s_zeit->text(), QStringLiteral("STAMP"));
    EXPECT_EQ(form->s_kmh->text(), QStringLiteral(" km/h"));
    EXPECT_EQ(form->m_unit.ImportSeparator, ',');
}

TEST_F(MainForm, TypedRunsAndAPageChangeFillTableAndChart)
{
    ClickTab(Page::ts2);
    const char* accel[][3] = {{"1,0", "2000", "40"}, {"2,0", "3000", "60"}, {"3,0", "4000", "80"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            TypeCell(form->m_beschl, c, r, QString::fromLatin1(accel[r][c]));
    TypeCell(form->m_ausr, 0, 0, QStringLiteral("10"));
    TypeCell(form->m_ausr, 1, 0, QStringLiteral("80"));
    TypeCell(form->m_ausr, 0, 1, QStringLiteral("30"));
    // The last value is still in the cell's editor when the page changes.
    TypeCell(form->m_ausr, 1, 1, QStringLiteral("40"), false);
    EXPECT_EQ(form->m_unit.fMain.m_ausr.Cell(1, 1), QString());

    ClickTab(Page::ts3);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(form->m_unit.fMain.m_ausr.Cell(1, 1), QStringLiteral("40"));
    EXPECT_EQ(form->Tabs->currentWidget(), form->ts3);
    EXPECT_EQ(Cell(form->a, 0, 0), QStringLiteral("40,00"));
    EXPECT_EQ(Cell(form->a, 3, 0), QStringLiteral("2000"));
    EXPECT_EQ(Cell(form->a, 0, 47), QStringLiteral("80,00"));
    EXPECT_EQ(Cell(form->a, 11, 0), QString());
    EXPECT_EQ(form->m_unit.Chart1.Series1.Count(), 48);
    EXPECT_TRUE(form->maxps->text().startsWith(QStringLiteral("kW: "))) << form->maxps->text().toStdString();
    EXPECT_NE(form->maxps->text(), QStringLiteral("kW: ..."));
}

TEST_F(MainForm, PastedMeasurementShowsInTheDiagram)
{
    ClickTab(Page::ts2);
    PasteMeasurement();
    const Measurement m = RealisticMeasurement();
    EXPECT_EQ(Cell(form->m_beschl, 0, 0), QString::number(m.accel[0].time, 'f', 2).replace(u'.', u','));
    EXPECT_EQ(Cell(form->m_ausr, 1, 1), QString::number(m.coast[1].speed, 'f', 2).replace(u'.', u','));
    // Paste and clear do not compute.
    EXPECT_EQ(form->m_unit.Chart1.Series1.Count(), 0);

    ClickTab(Page::ts4);
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(form->m_unit.Chart1.Series2.Count(), 48);
    EXPECT_GT(form->m_unit.Chart1.LeftAxis.Maximum(), 100);
    EXPECT_TRUE(form->maxps->text().endsWith(QStringLiteral("PS)")));

    // A paste at a selected cell starts there; what falls outside the columns is dropped.
    ClickTab(Page::ts2);
    PasteInto(form->m_beschl, form->b_beschl, QStringLiteral("1\t2\t3\r\n4\t5\t6\r\n"), 1, 5);
    EXPECT_EQ(Cell(form->m_beschl, 0, 0), QString());
    EXPECT_EQ(Cell(form->m_beschl, 1, 5), QStringLiteral("1"));
    EXPECT_EQ(Cell(form->m_beschl, 2, 6), QStringLiteral("5"));

    QTest::mouseClick(form->b_ausr_l, Qt::LeftButton);
    EXPECT_EQ(Cell(form->m_ausr, 0, 0), QString());
    EXPECT_EQ(form->m_unit.Chart1.Series1.Count(), 48);
    ClickTab(Page::ts4);
    EXPECT_EQ(form->m_unit.Chart1.Series1.Count(), 0);
    EXPECT_EQ(form->maxps->text(), QStringLiteral("kW: ..."));
}

TEST_F(MainForm, ImplausibleInputShowsItsMessageOnTheInputPage)
{
    PasteMeasurement();
    ClickTab(Page::ts1);
    boxes.Clear();
    TypeEdit(form->e_temp, QStringLiteral("81"));
    ClickTab(Page::ts4);
    ASSERT_EQ(boxes.Boxes().size(), 1u); // the program's own page switch computes nothing again
    EXPECT_EQ(boxes.Boxes()[0].text,
              QStringLiteral("Einstellungen prüfen!\r\rTemperatur unplausibel (-30 - 80°C)."));
    EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("Dynalyt V3.0.8"));
    EXPECT_EQ(boxes.Boxes()[0].flags, MB_OK); // a message, not an error
    EXPECT_EQ(form->Tabs->currentWidget(), form->ts1);
    EXPECT_EQ(form->focusWidget(), form->e_temp);
    EXPECT_EQ(form->e_temp->text(), QStringLiteral("81"));
    // The computation went on with 20 degrees.
    EXPECT_EQ(form->m_unit.Chart1.Series1.Count(), 48);
}

TEST_F(MainForm, ArithmeticErrorsShowTheErrorSign)
{
    ClickTab(Page::ts2);
    // Two samples at one time: the line through them divides by zero.
    PasteInto(form->m_beschl, form->b_beschl, QStringLiteral("1\t2000\t40\r\n1\t3000\t60\r\n"));
    PasteInto(form->m_ausr, form->b_ausr, QStringLiteral("0\t100\r\n10\t80\r\n"));
    ClickTab(Page::ts4);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Gleitkommadivision durch Null"));
    EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("Dynalyt V3.0.8"));
    EXPECT_EQ(boxes.Boxes()[0].flags, MB_OK | MB_ICONERROR);
    EXPECT_EQ(form->m_unit.Chart1.Series1.Count(), 0);
}

TEST_F(MainForm, PartialWeightsSumIntoTheVehicleWeight)
{
    ClickTab(Page::ts1);
    TypeEdit(form->e_leergew, QStringLiteral("1200"));
    TypeEdit(form->e_insassengew, QStringLiteral("150,5"));
    EXPECT_EQ(form->e_gew->text(), QStringLiteral("1351"));
    TypeEdit(form->e_kraftstoffgew, QStringLiteral("40"));
    EXPECT_EQ(form->e_gew->text(), QStringLiteral("1391"));
    // A weight typed into the total stays until a partial weight changes again.
    TypeEdit(form->e_gew, QStringLiteral("1500"));
    EXPECT_EQ(form->m_unit.fMain.Edit(InputEdit::e_gew), QStringLiteral("1500"));
    TypeEdit(form->e_sonstgew, QStringLiteral("10"));
    EXPECT_EQ(form->e_gew->text(), QStringLiteral("1401"));
    // Undoing is a change of the user's too.
    QTest::keyClick(form->e_sonstgew, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->e_sonstgew->text(), QString());
    EXPECT_EQ(form->m_unit.fMain.Edit(InputEdit::e_sonstgew), QString());
    EXPECT_EQ(form->e_gew->text(), QStringLiteral("1391"));
}

TEST_F(MainForm, SeparatorFollowsTheUsersChoice)
{
    ClickTab(Page::ts5);
    form->z_trenner->setFocus();
    QTest::keyClick(form->z_trenner, Qt::Key_Down); // "Semikolon"
    EXPECT_EQ(form->z_trenner->currentIndex(), 1);
    EXPECT_EQ(form->m_unit.ImportSeparator, ';');
    QTest::keyClick(form->z_trenner, Qt::Key_End); // "Tabulator"
    EXPECT_EQ(form->m_unit.ImportSeparator, '\t');
}

TEST_F(MainForm, ClosingAsksAndNoKeepsTheWindow)
{
    ClickTab(Page::ts1);
    TypeEdit(form->e_fahrzeug, QStringLiteral("Kombi 1.9"));
    boxes.SetAnswer(IDNO);
    form->beenden->trigger();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("\rDynalyt beenden?"));
    EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("Bestätigen"));
    EXPECT_EQ(boxes.Boxes()[0].flags, MB_YESNO | MB_ICONQUESTION);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->e_fahrzeug->text(), QStringLiteral("Kombi 1.9"));
    EXPECT_FALSE(form->close());

    boxes.SetAnswer(IDYES);
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MainForm, HelpOpensTheTextBesideTheProgramAndLinksTheWebPage)
{
    form->Help->trigger();
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(shell.opened[0], Path(QStringLiteral("readme.txt")));
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(form->Tabs->currentWidget(), form->ts4);

    QTest::mouseClick(form->URL, Qt::LeftButton);
    QTest::mouseClick(form->Label59, Qt::LeftButton);
    ASSERT_EQ(shell.opened.size(), 3);
    EXPECT_EQ(shell.opened[1], QStringLiteral("http://www.quellbach.example.org"));
    EXPECT_EQ(shell.opened[2], shell.opened[1]);
    EXPECT_EQ(form->URL->toolTip(), QStringLiteral("Professionelle Diagnosesysteme zu günstigen Preisen!"));
    EXPECT_TRUE(form->URL->geometry().intersects(form->Chart1->geometry()));
}

TEST_F(MainForm, AboutShowsModallyUntilOk)
{
    bool shown = false;
    QTimer::singleShot(0, [&] {
        shown = form->fAbout->isVisible() && form->fAbout->isModal();
        EXPECT_EQ(form->fAbout->windowTitle(), QStringLiteral("Info über..."));
        EXPECT_EQ(form->fAbout->size(), QSize(285, 186));
        EXPECT_TRUE(form->fAbout->PRGNAME->text().contains(QStringLiteral("V3.0.8")));
        QTest::mouseClick(form->fAbout->URL, Qt::LeftButton);
        QTest::mouseClick(form->fAbout->Button1, Qt::LeftButton);
    });
    form->About->trigger();
    EXPECT_TRUE(shown);
    EXPECT_FALSE(form->fAbout->isVisible());
    EXPECT_EQ(shell.opened, QStringList{QStringLiteral("http://www.quellbach.example.org")});
}

} // namespace
} // namespace dynalyt::testing
