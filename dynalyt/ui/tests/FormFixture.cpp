#include "dynalyt/ui/tests/FormFixture.h"

#include "dynalyt/ui/TStringGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <cmath>

namespace dynalyt::testing {
namespace {

constexpr double kMass = 1380; // kg
constexpr double kRatio = 50;  // 1/min per km/h in the gear of the run

// Wheel power over engine speed: a broad curve with its top at 5200 1/min.
double WheelPowerW(double rpm)
{
    const double x = (rpm - 5200) / 4200;
    return 95000 * (1 - x * x);
}

QString Fixed(double v)
{
    return QString::number(v, 'f', 2);
}

} // namespace

Measurement RealisticMeasurement()
{
    Measurement m;
    // Pull-through: dv/dt = (P / v - drag) / m, sampled every 0.5 s from 30 km/h.
    double v = 30 / 3.6;
    double t = 0.3;
    const double dt = 0.01;
    while (v * 3.6 * kRatio < 6500) {
        const double kmh = v * 3.6;
        if (m.accel.empty() || t - m.accel.back().time >= 0.5 - 1e-9)
            m.accel.push_back(
                {std::round(t * 100) / 100, std::round(kmh * kRatio), std::round(kmh * 100) / 100});
        const double drag = 200 + 0.4 * v * v;
        v += (WheelPowerW(kmh * kRatio) / v - drag) / kMass * dt;
        t += dt;
    }
    // Coast-down in neutral, sampled every second.
    double tc = t + 1;
    for (int i = 0; i < 45; ++i) {
        m.coast.push_back({std::round(tc * 100) / 100, std::round(v * 360) / 100});
        for (int k = 0; k < 100; ++k)
            v -= (200 + 0.4 * v * v) / kMass * dt;
        tc += 1;
    }
    return m;
}

QString CellsText(const AccelRunArray& run)
{
    QString text;
    for (const AccelSample& s : run)
        text +=
            Fixed(s.time) + u'\t' + QString::number(s.rpm) + u'\t' + Fixed(s.speed) + QStringLiteral("\r\n");
    return text.replace(u'.', u',');
}

QString CellsText(const CoastRunArray& run)
{
    QString text;
    for (const CoastSample& s : run)
        text += Fixed(s.time) + u'\t' + Fixed(s.speed) + QStringLiteral("\r\n");
    return text.replace(u'.', u',');
}

QByteArray HostLog(const Measurement& m)
{
    QByteArray log = "Donnerstag,10,Dezember,2026,14:02:11:0123,Diagnoma-Log\r\n"
                     "038906019BH  ,ADRESSE 01,R4 1.9L EDC\r\n"
                     "\r\n"
                     ",,Gruppe A:,'005,,,,,Gruppe B:,Nicht ausgewählt\r\n"
                     ",,Drehzahl,Last,Geschwindigkeit,Betriebszustand\r\n"
                     "Marke,STAMP, /min, %, km/h,\r\n";
    auto line = [&](double t, double rpm, double kmh) {
        log += QStringLiteral(",%1,%2,100.0,%3,Vollast\r\n")
                   .arg(Fixed(t), QString::number(rpm), Fixed(kmh))
                   .toLatin1();
    };
    for (const AccelSample& s : m.accel)
        line(s.time, s.rpm, s.speed);
    for (const CoastSample& s : m.coast)
        line(s.time, 900, s.speed);
    return log;
}

void FormFixture::SetUp()
{
    ASSERT_TRUE(dir.isValid());
    WriteSettingsFile();
    CreateForm();
}

void FormFixture::TearDown()
{
    form.reset();
}

void FormFixture::WriteSettingsFile()
{
    QFile ini(Path(QStringLiteral("dynalyt.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("K\r\nSTAMP\r\n /min\r\n km/h\r\n1380\r\n1013\r\n20\r\n1,0\r\n");
}

void FormFixture::CreateForm()
{
    form = std::make_unique<TfMain>(Path(QStringLiteral("dynalyt")));
    form->show();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
}

void FormFixture::ClickTab(Page page)
{
    QTabBar* bar = form->Tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(static_cast<int>(page)).center());
}

void FormFixture::TypeCell(TStringGrid* grid, int col, int row, const QString& text, bool commit)
{
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, col));
    // The first key opens the cell's editor; the rest go to the editor.
    for (QChar c : text) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : grid;
        QTest::keyClicks(target, QString(c));
    }
    if (commit)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

void FormFixture::TypeEdit(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void FormFixture::PasteInto(TStringGrid* grid, QPushButton* button, const QString& text, int col, int row)
{
    QGuiApplication::clipboard()->setText(text);
    grid->setCurrentIndex(grid->model()->index(row, col));
    QTest::mouseClick(button, Qt::LeftButton);
}

void FormFixture::PasteMeasurement()
{
    const Measurement m = RealisticMeasurement();
    ClickTab(Page::ts2);
    PasteInto(form->m_beschl, form->b_beschl, CellsText(m.accel));
    PasteInto(form->m_ausr, form->b_ausr, CellsText(m.coast));
}

} // namespace dynalyt::testing
