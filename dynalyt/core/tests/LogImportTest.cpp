#include "RecordingActions.h"
#include "TempFiles.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

using namespace dynalyt;
using dynalyt::testing::TempFiles;
using dynalyt::testing::UnitFixture;

const QString TimeMissing =
    QString::fromUtf8("\rSpalte für \"Zeitpunkt\" (STAMP) nicht gefunden. Bitte Importeinstellungen prüfen.");
const QString RpmMissing =
    QString::fromUtf8("\rSpalte für \"Drehzahl\" nicht gefunden. Bitte Importeinstellungen prüfen.");
const QString SpeedMissing = QString::fromUtf8(
    "\rSpalte für \"Geschwindigkeit\" (STAMP) nicht gefunden. Bitte Importeinstellungen prüfen.");
const QString ImportFailed = QString::fromUtf8(ImportFailedText);

struct S {
    double t, rpm, v;
};

// A log as the host writes it: a preamble, the units line with the column texts, data lines
// with decimal points.
QByteArray Log(const std::vector<S>& samples, const QByteArray& header = "MARKE,STAMP, /min, km/h,STAMP,")
{
    QByteArray out = "Dienstag,10,Dezember,2026,19:21:33:0100\r\n038 906 019 FM,\r\n\r\n,,Group A:,'005\r\n";
    out += header + "\r\n";
    for (const S& s : samples)
        out += "," + QByteArray::number(s.t) + "," + QByteArray::number(s.rpm) + "," +
               QByteArray::number(s.v) + ",0.1\r\n";
    return out;
}

// A run from 2000 to 4000 1/min and 40 to 60 km/h, then a coast-down falling by 1.0, 1.5, 3.0
// and 7.0 km/h, then speed rising again.
std::vector<S> Drive(double thirdDrop = 3.0)
{
    return {{0.5, 3500, 38},
            {1.0, 2000, 40},
            {1.5, 2500, 45},
            {2.0, 3000, 50},
            {2.5, 3500, 55},
            {3.0, 4000, 60},
            {3.5, 3900, 59},
            {4.0, 3800, 57.5},
            {4.5, 3700, 57.5 - thirdDrop},
            {5.0, 3600, 50.5 - thirdDrop},
            {5.5, 3000, 60}};
}

QStringList Rows(const TextGrid& grid)
{
    QStringList rows;
    for (int row = 0; row < grid.RowCount(); ++row) {
        QStringList cells;
        for (int col = 0; col < grid.ColCount(); ++col)
            cells.append(grid.Cell(col, row));
        if (cells.join(QString()).isEmpty())
            continue;
        rows.append(QString::number(row) + ":" + cells.join(u';'));
    }
    return rows;
}

class LogImport : public ::testing::Test, public UnitFixture {
protected:
    void SetUp() override { unit.zsetzenClick(); }
    bool Import(const QByteArray& log) { return unit.ImportLogFile(files.Write("log.csv", log)); }

    TempFiles files;
};

TEST_F(LogImport, CutsTheRunsIntoTheGridsAndRecomputes)
{
    ASSERT_TRUE(Import(Log(Drive())));
    EXPECT_TRUE(actions.messages.isEmpty());
    const QStringList accel = {"0:1,00;2000,00;40,00", "1:1,50;2500,00;45,00", "2:2,00;3000,00;50,00",
                               "3:2,50;3500,00;55,00", "4:3,00;4000,00;60,00"};
    EXPECT_EQ(Rows(unit.fMain.m_beschl), accel);
    // The fourth drop, 7.0, exceeds 2 x 3.0 + 0.01 and ends the coast-down.
    const QStringList coast = {"0:3,50;59,00", "1:4,00;57,50", "2:4,50;54,50"};
    EXPECT_EQ(Rows(unit.fMain.m_ausr), coast);
    EXPECT_FALSE(unit.fMain.a.Cell(0, 0).isEmpty());
    EXPECT_EQ(unit.Chart1.Series1.Count(), ResultRowCount);
}

TEST_F(LogImport, ADropAboveTwiceThePreviousEndsTheCoastDown)
{
    ASSERT_TRUE(Import(Log(Drive(3.2))));
    EXPECT_EQ(Rows(unit.fMain.m_ausr), QStringList({"0:3,50;59,00", "1:4,00;57,50"}));
}

TEST_F(LogImport, FindsTheColumnsByTheirTextsAndTheSeparator)
{
    struct Case {
        char separator;
        int item;
        QByteArray header;
        const char* timeText;
        QByteArray line; // one data line with time 1.5, 2000 1/min, 50 km/h
    };
    const Case cases[] = {
        {';', 1, "MARKE;STAMP; /min; km/h", "STAMP", ";1.5;2000;50"},
        {',', 0, "MARKE, km/h,x, /min", "ZEIT", "1.5,50,x,2000"}, // "MARKE" heads the time column
        {'\t', 3, "\tSTAMP\t /min\t km/h\tSTAMP\t /min\t km/h", "STAMP", "\t1.5\t2000\t50\t9\t9\t9"},
        {':', 2, "STAMP: /min: km/h", "STAMP", "1.5:2000:50"},
    };
    for (const Case& c : cases) {
        UnitFixture f;
        f.unit.zsetzenClick();
        f.unit.fMain.z_trenner = c.item;
        f.unit.z_trennerChange();
        f.unit.fMain.s_zeit = c.timeText;
        QByteArray log = "preamble " + c.header.left(3) + "\r\n" + c.header + "\r\n";
        QByteArray second = c.line;
        second.replace("1.5", "2.5").replace("2000", "3000").replace("50", "60");
        QByteArray third = c.line;
        third.replace("1.5", "3.5").replace("2000", "2500").replace("50", "55");
        QByteArray fourth = c.line;
        fourth.replace("1.5", "4.5").replace("2000", "2400").replace("50", "52");
        log += c.line + "\r\n" + second + "\r\n" + third + "\r\n" + fourth + "\r\n";
        ASSERT_TRUE(f.unit.ImportLogFile(files.Write("sep.csv", log))) << c.header.toStdString();
        EXPECT_EQ(Rows(f.unit.fMain.m_beschl), QStringList({"0:1,50;2000,00;50,00", "1:2,50;3000,00;60,00"}))
            << c.header.toStdString();
        EXPECT_EQ(Rows(f.unit.fMain.m_ausr), QStringList({"0:3,50;55,00", "1:4,50;52,00"}));
    }
}

TEST_F(LogImport, SkipsLinesThatDoNotConvertHoldAZeroOrRepeatTheSpeed)
{
    QByteArray log = Log({});
    log += ",1.0,2000,40,0\r\n"
           ",0,2100,41,0\r\n"   // time 0
           ",1.2,0,42,0\r\n"    // engine speed 0
           ",1.3,2200,0,0\r\n"  // road speed 0
           ",1.4,2300,40,0\r\n" // the previous road speed again
           ",1.5,abc,43,0\r\n"  // no number
           ",1.6,2400\r\n"      // short line: the speed field is empty, not "2400" again
           ",2.0,2600,45.5,0\r\n"
           ",3.0,2500,44.5,0\r\n"
           ",4.0,2400,43.5,0\r\n";
    ASSERT_TRUE(Import(log));
    EXPECT_EQ(Rows(unit.fMain.m_beschl), QStringList({"0:1,00;2000,00;40,00", "1:2,00;2600,00;45,50"}));
    EXPECT_EQ(Rows(unit.fMain.m_ausr), QStringList({"0:3,00;44,50", "1:4,00;43,50"}));
}

TEST_F(LogImport, EndsTheAccelerationAtTheFirstMaximumAndStartsTheCoastDownAfterTheLater)
{
    // The highest engine speed comes two samples after the highest road speed.
    const std::vector<S> log = {{1, 2000, 40},   {2, 3000, 50},   {3, 4000, 60}, {4, 4500, 59},
                                {5, 4600, 58.5}, {6, 4400, 57.5}, {7, 4300, 56}, {8, 4200, 55}};
    ASSERT_TRUE(Import(Log(log)));
    EXPECT_EQ(Rows(unit.fMain.m_beschl),
              QStringList({"0:1,00;2000,00;40,00", "1:2,00;3000,00;50,00", "2:3,00;4000,00;60,00"}));
    EXPECT_EQ(Rows(unit.fMain.m_ausr), QStringList({"0:6,00;57,50", "1:7,00;56,00", "2:8,00;55,00"}));
}

TEST_F(LogImport, BlanksCoastDownRowsBelowTheStartSpeed)
{
    const std::vector<S> log = {{1, 2000, 40}, {2, 3000, 50}, {3, 2900, 45},
                                {4, 2800, 41}, {5, 2700, 38}, {6, 2600, 35}};
    ASSERT_TRUE(Import(Log(log)));
    // The row whose speed before it is below 40 km/h stays empty.
    EXPECT_EQ(Rows(unit.fMain.m_ausr), QStringList({"0:3,00;45,00", "1:4,00;41,00", "2:5,00;38,00"}));
}

TEST_F(LogImport, ALongAccelerationFillsTheGridsRows)
{
    std::vector<S> log;
    log.reserve(302);
    for (int i = 0; i < 300; ++i)
        log.push_back({1 + 0.1 * i, 2000.0 + 10 * i, 20.0 + 0.5 * i});
    log.push_back({40, 4000, 150});
    log.push_back({41, 3900, 149});
    ASSERT_TRUE(Import(Log(log)));
    EXPECT_EQ(unit.fMain.m_beschl.Cell(0, 255), "26,50");
    EXPECT_EQ(unit.fMain.m_beschl.Cell(2, 255), "147,50");
}

TEST_F(LogImport, FailuresLeaveTheGridsAsTheyWere)
{
    struct Case {
        const char* what;
        QByteArray log;
        QStringList messages;
    };
    const Case cases[] = {
        {"no engine speed column", "STAMP, km/h\r\n,1,50\r\n", {RpmMissing, ImportFailed}},
        {"no column at all", "a,b\r\n", {TimeMissing, RpmMissing, SpeedMissing, ImportFailed}},
        {"texts on different lines", "STAMP\r\n /min\r\n km/h\r\n", {ImportFailed}},
        {"header but no data", Log({}), {ImportFailed}},
        {"another separator", "STAMP; /min; km/h\r\n;1;2000;50\r\n;2;3000;60\r\n", {ImportFailed}},
    };
    for (const Case& c : cases) {
        UnitFixture f;
        f.unit.zsetzenClick();
        f.unit.fMain.m_beschl.SetCell(0, 0, "kept");
        f.unit.fMain.m_ausr.SetCell(1, 0, "kept");
        EXPECT_FALSE(f.unit.ImportLogFile(files.Write("bad.csv", c.log))) << c.what;
        EXPECT_EQ(f.actions.messages, c.messages) << c.what;
        EXPECT_EQ(f.actions.calls.last(), "page:4") << c.what;
        EXPECT_EQ(f.unit.fMain.m_beschl.Cell(0, 0), "kept") << c.what;
        EXPECT_EQ(f.unit.fMain.m_ausr.Cell(1, 0), "kept") << c.what;
    }
}

// An 18-sample pull from 1500 to 5750 1/min, and the log ends: no coast-down.
std::vector<S> PullWithoutCoastDown()
{
    std::vector<S> log;
    log.reserve(18);
    for (int i = 0; i < 18; ++i)
        log.push_back({1 + 0.5 * i, 1500.0 + 250 * i, 30.0 + 4 * i});
    return log;
}

TEST_F(LogImport, AShortCutIsImportedAsCutAndTheDiagramWaitsForTheOtherRun)
{
    struct Case {
        const char* what;
        std::vector<S> log;
        int accelRows;
        QStringList coast;
    };
    const Case cases[] = {
        {"a pull without coast-down", PullWithoutCoastDown(), 18, {}},
        // The road-speed maximum comes first and the engine speed just before it is higher: the
        // acceleration is that one sample, and the coast-down lies below its speed.
        {"one acceleration sample",
         {{1, 3000, 50}, {2, 4000, 60}, {3, 3500, 120}, {4, 5000, 110}, {5, 4000, 100}, {6, 3000, 90}},
         1,
         {}},
        // The sample after the first coast-down sample is faster again.
        {"one coast-down sample",
         {{1, 2000, 40}, {2, 3000, 50}, {3, 4000, 60}, {4, 3900, 59}, {5, 3800, 59.5}, {6, 3700, 58}},
         3,
         {"0:4,00;59,00"}},
        {"a single usable line", {{1, 2000, 40}}, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UnitFixture f;
        f.unit.zsetzenClick();
        f.unit.fMain.m_beschl.SetCell(0, 200, "old");
        f.unit.fMain.m_ausr.SetCell(1, 0, "old");
        EXPECT_TRUE(f.unit.ImportLogFile(files.Write("short.csv", Log(c.log))));
        // No message and no page switch: the short run is what the log holds.
        EXPECT_TRUE(f.actions.calls.isEmpty());
        EXPECT_EQ(Rows(f.unit.fMain.m_beschl).size(), c.accelRows);
        EXPECT_EQ(Rows(f.unit.fMain.m_ausr), c.coast);
        EXPECT_TRUE(f.unit.fMain.a.Cell(0, 0).isEmpty());
        EXPECT_EQ(f.unit.Chart1.Series1.Count(), 0);
    }

    // The pull is kept: with a coast-down typed in, the diagram shows it.
    ASSERT_TRUE(Import(Log(PullWithoutCoastDown())));
    EXPECT_EQ(Rows(unit.fMain.m_beschl).first(), "0:1,00;1500,00;30,00");
    EXPECT_EQ(Rows(unit.fMain.m_beschl).last(), "17:9,50;5750,00;98,00");
    FillGrid(unit.fMain.m_ausr, {"10;98", "12;94", "14;90,5"});
    EXPECT_EQ(unit.TabsChange(), ChainResult::Filled);
    EXPECT_TRUE(actions.messages.isEmpty());
    EXPECT_EQ(unit.Chart1.Series1.Count(), ResultRowCount);
}

TEST_F(LogImport, AFileThatCannotBeOpenedReportsAllThreeColumns)
{
    EXPECT_FALSE(unit.ImportLogFile(files.Path("absent.csv")));
    EXPECT_EQ(actions.messages, QStringList({TimeMissing, RpmMissing, SpeedMissing, ImportFailed}));
}

} // namespace
