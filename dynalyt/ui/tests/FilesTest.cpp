// Measurement files and the log import through the file dialogs.
#include "dynalyt/ui/TStringGrid.h"
#include "dynalyt/ui/tests/FormFixture.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace dynalyt::testing {
namespace {

using Files = FormFixture;

TEST_F(Files, SaveAndLoadRoundTripAMeasurement)
{
    PasteMeasurement();
    ClickTab(Page::ts1);
    TypeEdit(form->e_datum, QStringLiteral("10.12.2026"));
    TypeEdit(form->e_fahrzeug, QStringLiteral("Kombi 1.9 TD"));
    TypeEdit(form->e_temp, QStringLiteral("25"));
    dialogs.Answer(Path(QStringLiteral("messung")));
    form->speichern->trigger();
    ASSERT_EQ(dialogs.Requests().size(), 1u);
    EXPECT_EQ(dialogs.Requests()[0].request.title, QStringLiteral("Messungsdatei speichern"));
    EXPECT_EQ(dialogs.Requests()[0].request.filter,
              QStringLiteral("Messungen (*.dym)|*.dym|alle Dateien|*.*"));
    ASSERT_TRUE(QFileInfo::exists(Path(QStringLiteral("messung.dym"))));
    const TextGrid accel = form->m_unit.fMain.m_beschl;
    const TextGrid coast = form->m_unit.fMain.m_ausr;
    const auto maxps = form->maxps->text();

    // A fresh form loads it back.
    form.reset();
    CreateForm();
    dialogs.Answer(Path(QStringLiteral("messung.dym")));
    form->laden->trigger();
    EXPECT_EQ(dialogs.Requests().back().request.title, QStringLiteral("Messungsdatei laden"));
    EXPECT_EQ(dialogs.Requests().back().request.filter,
              QStringLiteral("Messungen (*.dym)|*.dym|Kinetra Messungen (*.knt)|*.knt|alle Dateien|*.*"));
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(form->e_datum->text(), QStringLiteral("10.12.2026"));
    EXPECT_EQ(form->e_fahrzeug->text(), QStringLiteral("Kombi 1.9 TD"));
    EXPECT_EQ(form->e_temp->text(), QStringLiteral("25"));
    EXPECT_EQ(form->e_modif->text(), QString());
    EXPECT_EQ(form->m_beschl->model()->index(0, 0).data().toString(), accel.Cell(0, 0));
    EXPECT_EQ(form->m_ausr->model()->index(3, 1).data().toString(), coast.Cell(1, 3));
    EXPECT_EQ(form->maxps->text(), maxps);
    EXPECT_EQ(form->m_unit.Chart1.Series1.Count(), 48);
}

TEST_F(Files, SaveAsksAboutOverwritingTheFinalName)
{
    QFile old(Path(QStringLiteral("messung.dym")));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    boxes.SetAnswer(IDNO);
    dialogs.Answer(Path(QStringLiteral("messung")));
    form->speichern->trigger();
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_TRUE(boxes.Boxes()[0].text.contains(QStringLiteral("messung.dym")));
    EXPECT_EQ(QFileInfo(old).size(), 3);
}

TEST_F(Files, ImportOfAHostLogFillsBothGridsAndTheDiagram)
{
    QFile log(Path(QStringLiteral("log.csv")));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write(HostLog(RealisticMeasurement()));
    log.close();
    ClickTab(Page::ts2);
    dialogs.Answer(log.fileName());
    QTest::mouseClick(form->b_logimport, Qt::LeftButton);
    ASSERT_EQ(dialogs.Requests().size(), 1u);
    EXPECT_EQ(dialogs.Requests()[0].request.title, QStringLiteral("Diagnoma Logdatei importieren"));
    EXPECT_EQ(dialogs.Requests()[0].request.filter,
              QStringLiteral("Log-Dateien (*.csv)|*.csv|alle Dateien|*.*"));
    EXPECT_TRUE(boxes.Boxes().empty());
    const Measurement m = RealisticMeasurement();
    EXPECT_EQ(form->m_beschl->model()->index(0, 1).data().toString(),
              QString::number(m.accel[0].rpm) + ",00");
    EXPECT_NE(form->m_ausr->model()->index(5, 0).data().toString(), QString());
    EXPECT_EQ(form->m_unit.Chart1.Series3.Count(), 48);
    EXPECT_NE(form->maxnm->text(), QStringLiteral("Nm: ..."));
    EXPECT_EQ(form->Tabs->currentWidget(), form->ts2);
}

TEST_F(Files, FailedImportShowsTheSettingsPage)
{
    QFile log(Path(QStringLiteral("leer.csv")));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write("Marke,STAMP, /min, km/h\r\n");
    log.close();
    ClickTab(Page::ts2);
    dialogs.Answer(log.fileName());
    QTest::mouseClick(form->b_logimport, Qt::LeftButton);
    ASSERT_FALSE(boxes.Boxes().empty());
    EXPECT_EQ(boxes.Boxes().back().text,
              QStringLiteral("Log-Datei prüfen, keine ausreichenden Messwerte oder Spaltenbezeichnung nicht "
                             "gefunden!\r\rImport abgebrochen!"));
    EXPECT_EQ(form->Tabs->currentWidget(), form->ts5);
}

TEST_F(Files, ImportWithIncompleteSettingsAsksForNoFile)
{
    ClickTab(Page::ts5);
    TypeEdit(form->s_zeit, QString());
    ClickTab(Page::ts2);
    QTest::mouseClick(form->b_logimport, Qt::LeftButton);
    EXPECT_TRUE(dialogs.Requests().empty());
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Einstellungen prüfen!\r\rImport für Log-Dateien"));
}

} // namespace
} // namespace dynalyt::testing
