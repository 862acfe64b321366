#include "RecordingActions.h"
#include "TempFiles.h"
#include "dynalyt/core/NumberFormat.h"
#include "platform/Codec1252.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>
#include <random>
#include <utility>
#include <vector>

namespace {

using namespace dynalyt;
using dynalyt::testing::TempFiles;
using dynalyt::testing::UnitFixture;

const QString SaveFailed = QString::fromUtf8("Messungsdatei kann nicht gespeichert werden.");
const QString OpenFailed = QString::fromUtf8("Messungsdatei kann nicht geöffnet werden.");

class MeasurementFile : public ::testing::Test, public UnitFixture {
protected:
    void FillMeasurement()
    {
        const char* inputs[] = {"10.12.2026", "1200",       "80",  "40",  "",     "1320", "1000",
                                "25",         "Kübelwagen", "150", "ABC", "2001", "",     "1,05"};
        for (int i = 0; i < InputEditCount; ++i)
            unit.fMain.edits[i] = QString::fromUtf8(inputs[i]);
        FillGrid(unit.fMain.m_beschl, {"0;2000;50", "0,8;2350;56,5", "1,6;2700,25;63", "x;1;1"});
        FillGrid(unit.fMain.m_ausr, {"0;130", "5;121,006"});
    }

    TempFiles files;
};

TEST_F(MeasurementFile, SavesTheOwnLayoutByteForByte)
{
    FillMeasurement();
    unit.TabsChange();
    ASSERT_TRUE(unit.SaveMeasurement(files.Path("run.dym")));
    const QByteArray expected = "[eingaben]\r\n\r\n"
                                "10.12.2026\r\n1200\r\n80\r\n40\r\n \r\n1320\r\n1000\r\n25\r\n"
                                "K\xFC"
                                "belwagen\r\n150\r\nABC\r\n2001\r\n \r\n1,05\r\n"
                                "\r\n[beschleunigen]\r\n\r\n"
                                "0,00\t2000,0\t50,00\r\n0,80\t2350,0\t56,50\r\n1,60\t2700,3\t63,00\r\n"
                                "\r\n[ausrollen]\r\n\r\n"
                                "0,00\t130,00\r\n5,00\t121,01\r\n";
    EXPECT_EQ(files.Read("run.dym"), expected);
    EXPECT_TRUE(actions.messages.isEmpty());
}

TEST_F(MeasurementFile, RoundTripRestoresEveryInputAndTheReformattedRuns)
{
    FillMeasurement();
    unit.TabsChange();
    ASSERT_TRUE(unit.SaveMeasurement(files.Path("run.dym")));
    const FormTexts saved = unit.fMain;

    UnitFixture other;
    for (QString& e : other.unit.fMain.edits)
        e = "old";
    other.unit.fMain.m_ausr.SetCell(1, 100, "stale");
    ASSERT_TRUE(other.unit.LoadMeasurement(files.Path("run.dym")));
    EXPECT_EQ(other.unit.fMain.edits, saved.edits);
    EXPECT_EQ(other.unit.fMain.m_beschl.Cell(1, 2), "2700,3");
    EXPECT_EQ(other.unit.fMain.m_beschl.Cell(0, 3), ""); // the row that did not convert is gone
    EXPECT_EQ(other.unit.fMain.m_ausr.Cell(1, 1), "121,01");
    EXPECT_EQ(other.unit.fMain.m_ausr.Cell(1, 100), "");
    EXPECT_EQ(other.unit.TabsChange(), ChainResult::Filled);
    EXPECT_EQ(other.unit.AccelRun.size(), 3u);
    EXPECT_EQ(other.unit.CoastRun.size(), 3u);
}

TEST_F(MeasurementFile, AnInputWithLineBreaksKeepsItsOneLine)
{
    FillMeasurement();
    Edit(InputEdit::e_modif) = "Chip\r\nAuspuff\nFilter\r";
    unit.TabsChange();
    ASSERT_TRUE(unit.SaveMeasurement(files.Path("run.dym")));
    EXPECT_TRUE(files.Read("run.dym").contains("\r\n2001\r\nChip  Auspuff Filter \r\n1,05\r\n"));

    UnitFixture other;
    ASSERT_TRUE(other.unit.LoadMeasurement(files.Path("run.dym")));
    EXPECT_EQ(other.Edit(InputEdit::e_modif), "Chip  Auspuff Filter");
    EXPECT_EQ(other.Edit(InputEdit::e_abruv), "1,05");
}

TEST_F(MeasurementFile, InputsHoldingSectionNamesOrTabsReadBackAsSaved)
{
    struct Case {
        const char* what;
        std::vector<std::pair<InputEdit, const char*>> inputs;
    };
    const Case cases[] = {
        // Read as a section, this lost every later input, and the TAB made a coast-down sample.
        {"a vehicle named after a section",
         {{InputEdit::e_fahrzeug, "Golf [ausrollen]"}, {InputEdit::e_modif, "60\t30"}}},
        {"every section name",
         {{InputEdit::e_datum, "[eingaben]"},
          {InputEdit::e_fahrzeug, "[beschleunigen]"},
          {InputEdit::e_motorkenn, " [ausrollen] "}}},
        {"a sample's line",
         {{InputEdit::e_modelljahr, "[beschleunigen]"}, {InputEdit::e_modif, "1,0\t9000\t300"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UnitFixture saving;
        for (int i = 0; i < InputEditCount; ++i)
            saving.unit.fMain.edits[i] = QStringLiteral("x%1").arg(i);
        saving.Edit(InputEdit::e_gew) = "1320";
        saving.Edit(InputEdit::e_abruv) = "1,05";
        for (const auto& [edit, text] : c.inputs)
            saving.Edit(edit) = QString::fromUtf8(text);
        FillGrid(saving.unit.fMain.m_beschl, {"0;2000;50", "0,8;2350;56,5", "1,6;2700;63"});
        FillGrid(saving.unit.fMain.m_ausr, {"0;70", "5;66", "10;62"});
        ASSERT_EQ(saving.unit.TabsChange(), ChainResult::Filled);
        ASSERT_TRUE(saving.unit.SaveMeasurement(files.Path("sections.dym")));

        UnitFixture loading;
        ASSERT_TRUE(loading.unit.LoadMeasurement(files.Path("sections.dym")));
        EXPECT_EQ(loading.unit.TabsChange(), ChainResult::Filled);
        for (int i = 0; i < InputEditCount; ++i)
            EXPECT_EQ(loading.unit.fMain.edits[i], saving.unit.fMain.edits[i].trimmed()) << i;
        EXPECT_EQ(loading.unit.TyreRatio, 1.05);
        EXPECT_EQ(loading.unit.CoastRun.size(), 4u);
        EXPECT_EQ(loading.unit.fMain.maxps, saving.unit.fMain.maxps);
        EXPECT_TRUE(loading.actions.messages.isEmpty());
    }
}

// Files as the program writes them, as the Windows program wrote them and as editors leave them:
// each gives its inputs, and every one gives both runs.
TEST_F(MeasurementFile, EveryInputSectionLeavesBothRunsToRead)
{
    // The inputs as the program writes them; the partial weights add up to the stored weight.
    const QList<QByteArray> written = {"10.12.2026", "1320", "0",   "0",   " ",    "1320", "1000",
                                       "25",         "Golf", "150", "ABC", "2001", " ",    "1,05"};
    const QByteArray runs = "[beschleunigen]\r\n\r\n0,00\t2000,0\t50,00\r\n0,80\t2350,0\t56,50\r\n\r\n"
                            "[ausrollen]\r\n\r\n0,00\t130,00\r\n5,00\t121,01\r\n";
    const auto file = [&](const QList<QByteArray>& inputs) {
        return "[eingaben]\r\n\r\n" + inputs.join("\r\n") + "\r\n\r\n" + runs;
    };
    // Each input as written, without the blank that stands for an empty one.
    const auto asWritten = [](const QList<QByteArray>& inputs) {
        QStringList texts;
        for (const QByteArray& input : inputs)
            texts.append(QString::fromLatin1(input.trimmed()));
        return texts;
    };
    QList<QByteArray> named = written;
    named[0] = "[eingaben]";
    named[8] = "Golf [ausrollen]";
    named[11] = "[beschleunigen]";
    named[12] = "1,0\t9000\t300";
    QByteArray namedLf = file(named);
    namedLf.replace("\r\n", "\n");
    QList<QByteArray> stripped = written;
    stripped.replace(4, "");
    stripped.replace(12, "");

    struct Case {
        std::string what;
        QString name;
        QByteArray bytes;
        QStringList inputs; // "old" where the file leaves an input as it was
    };
    std::vector<Case> cases = {
        {"the program's own, section names and a TAB in inputs", "own.dym", file(named), asWritten(named)},
        {"the program's own with LF line ends", "lf.dym", namedLf, asWritten(named)},
        {"written on Windows", "win.dym", file(written), asWritten(written)},
        // Read as the Windows program read it: the lines after a stripped one move up.
        {"blank inputs stripped",
         "stripped.dym",
         file(stripped),
         {"10.12.2026", "1320", "0", "0", "1320", "1000", "25", "Golf", "150", "ABC", "2001", "1,05", "old",
          "old"}},
        // The layout of a name other than ".dym": the line after the weight is its own.
        {"written on Windows under another name",
         "win.txt",
         file(written),
         {"10.12.2026", "1320", "0", "0", "", "1320", "25", "Golf", "150", "ABC", "2001", "", "1,05", "old"}},
    };
    for (int kept = 1; kept < InputEditCount; ++kept) {
        Case cut{"the inputs cut after " + std::to_string(kept) + " lines", "cut.dym",
                 file(written.mid(0, kept)), asWritten(written.mid(0, kept))};
        while (cut.inputs.size() < InputEditCount)
            cut.inputs.append("old");
        if (kept >= 2) // a partial weight read puts the sum into the weight
            cut.inputs[static_cast<int>(InputEdit::e_gew)] = "1320";
        cases.push_back(cut);
    }

    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UnitFixture loading;
        for (QString& edit : loading.unit.fMain.edits)
            edit = "old";
        ASSERT_TRUE(loading.unit.LoadMeasurement(files.Write(c.name, c.bytes)));
        EXPECT_EQ(QStringList(loading.unit.fMain.edits.begin(), loading.unit.fMain.edits.end()), c.inputs);
        const TextGrid& accel = loading.unit.fMain.m_beschl;
        EXPECT_EQ(QStringList({accel.Cell(0, 1), accel.Cell(1, 1), accel.Cell(2, 1), accel.Cell(0, 2)}),
                  QStringList({"0,80", "2350,0", "56,50", ""}));
        const TextGrid& coast = loading.unit.fMain.m_ausr;
        EXPECT_EQ(QStringList({coast.Cell(0, 1), coast.Cell(1, 1), coast.Cell(0, 2)}),
                  QStringList({"5,00", "121,01", ""}));
    }
}

// Random typed forms: inputs built from section names, line breaks, TABs, blanks, control
// characters and characters the code page lacks; grids of numbers of every size, texts that
// do not convert and empty rows between.
class RandomForms {
public:
    QString Input()
    {
        static const QString Pieces[] = {"[eingaben]",
                                         "[beschleunigen]",
                                         "[ausrollen]",
                                         "\t",
                                         "\r",
                                         "\n",
                                         "\r\n",
                                         " ",
                                         "Golf",
                                         "1,5",
                                         QString::fromUtf8("Kübel €"),
                                         QString(QChar(0)),
                                         QString(QChar(1)),
                                         QString(QChar(0x7F)),
                                         QString(QChar(0x81)),
                                         QString(QChar(0x2028)),
                                         QString::fromUtf8("\xE4\xB8\xAD"),
                                         QString::fromUtf8("\xF0\x9F\x98\x80")};
        QString text;
        for (int n = Below(6); n > 0; --n)
            text += Pieces[Below(std::size(Pieces))];
        return text;
    }

    QString Cell()
    {
        static const char* Cells[] = {"0",     "12,5",   "-3",  "1e5", "1,23456789", "1e300", "-1e400",
                                      "abc",   "",       "1.5", " 7 ", "-0,001",     "0,005", "2700,25",
                                      "1,005", "4e-320", "+8",  "9,",  "[ausrollen]"};
        return QString::fromUtf8(Cells[Below(std::size(Cells))]);
    }

    // Fills up to `rows` rows of the grid, from row 0 on, some left empty.
    void Grid(TextGrid& grid, int rows)
    {
        for (int row = Below(rows + 1) - 1; row >= 0; --row)
            if (Below(8) != 0)
                for (int col = 0; col < grid.ColCount(); ++col)
                    grid.SetCell(col, row, Cell());
    }

    int Below(std::size_t n)
    {
        return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random));
    }

private:
    std::mt19937 m_random{20261211};
};

// An input as the file gives it back: line breaks as blanks, through the code page both ways,
// blanks and control characters off both ends.
QString SavedInput(QString text)
{
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    static const QRegularExpression Ends(QStringLiteral("^[\\x00-\\x20]+|[\\x00-\\x20]+$"));
    return platform::FromCp1252(platform::ToCp1252(text)).remove(Ends);
}

double Reformatted(double value, int decimals)
{
    return *NumberFormat.StrToFloat(NumberFormat.FormatFloat(value, decimals));
}

TEST_F(MeasurementFile, AnyTypedFormReadsBackAsSaved)
{
    RandomForms random;
    for (int form = 0; form < 150; ++form) {
        SCOPED_TRACE(form);
        UnitFixture saving;
        for (QString& edit : saving.unit.fMain.edits)
            edit = random.Input();
        random.Grid(saving.unit.fMain.m_beschl, random.Below(2) ? 6 : GridRows);
        random.Grid(saving.unit.fMain.m_ausr, random.Below(2) ? 4 : GridRows);
        saving.unit.TabsChange();
        ASSERT_TRUE(saving.unit.SaveMeasurement(files.Path("random.dym")));

        UnitFixture loading;
        ASSERT_TRUE(loading.unit.LoadMeasurement(files.Path("random.dym")));
        loading.unit.TabsChange();
        for (int i = 0; i < InputEditCount; ++i)
            ASSERT_EQ(loading.unit.fMain.edits[i], SavedInput(saving.unit.fMain.edits[i])) << i;
        const AccelRunArray& accel = saving.unit.AccelRun;
        ASSERT_EQ(loading.unit.AccelRun.size(), accel.size());
        for (std::size_t i = 0; i < accel.size(); ++i) {
            EXPECT_EQ(loading.unit.AccelRun[i].time, Reformatted(accel[i].time, 2)) << i;
            EXPECT_EQ(loading.unit.AccelRun[i].rpm, Reformatted(accel[i].rpm, 1)) << i;
            EXPECT_EQ(loading.unit.AccelRun[i].speed, Reformatted(accel[i].speed, 2)) << i;
        }
        // The extra point is not saved; the load makes it anew from the last measured sample.
        const CoastRunArray& coast = saving.unit.CoastRun;
        ASSERT_EQ(loading.unit.CoastRun.size(), coast.size());
        for (std::size_t i = 0; i < (coast.size() >= 3 ? coast.size() - 1 : coast.size()); ++i) {
            EXPECT_EQ(loading.unit.CoastRun[i].time, Reformatted(coast[i].time, 2)) << i;
            EXPECT_EQ(loading.unit.CoastRun[i].speed, Reformatted(coast[i].speed, 2)) << i;
        }
    }
}

TEST_F(MeasurementFile, ASingleCoastDownRowIsSavedWithoutExtraPoint)
{
    FillGrid(unit.fMain.m_beschl, {"0;2000;50", "1;3000;60"});
    FillGrid(unit.fMain.m_ausr, {"5;121"});
    unit.TabsChange();
    ASSERT_TRUE(unit.SaveMeasurement(files.Path("one.dym")));
    EXPECT_TRUE(files.Read("one.dym").endsWith("[ausrollen]\r\n\r\n5,00\t121,00\r\n"));
}

TEST_F(MeasurementFile, FinalNameAlwaysEndsInTheOwnExtension)
{
    struct Case {
        const char* chosen;
        const char* final;
    };
    const Case cases[] = {
        {"/m/test", "/m/test.dym"},         {"/m/test.dym", "/m/test.dym"},
        {"/m/TEST.DYM", "/m/TEST.DYM"},     {"/m/test.knt", "/m/test.knt.dym"},
        {"/m/test.txt", "/m/test.txt.dym"}, {"/m.d/run", "/m.d/run.dym"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MainUnit::FinalSaveName(c.chosen), c.final);
}

TEST_F(MeasurementFile, AFailedSaveIsShownAndLeavesNoFile)
{
    FillMeasurement();
    unit.TabsChange();
    EXPECT_FALSE(unit.SaveMeasurement(files.Path("missing/run.dym")));
    EXPECT_EQ(actions.messages, QStringList{SaveFailed});
    EXPECT_FALSE(QFileInfo::exists(files.Path("missing/run.dym")));

    // A directory in the way: nothing written, the directory left alone.
    actions.Clear();
    ASSERT_TRUE(QDir(files.Path("")).mkdir("taken.dym"));
    EXPECT_FALSE(unit.SaveMeasurement(files.Path("taken.dym")));
    EXPECT_EQ(actions.messages, QStringList{SaveFailed});
    EXPECT_TRUE(QFileInfo(files.Path("taken.dym")).isDir());
}

TEST_F(MeasurementFile, AChainErrorBeforeTheSaveIsShownAndTheFileStillWritten)
{
    FillGrid(unit.fMain.m_beschl, {"0;0;50", "1;3000;60"}); // engine speed 0: torque fails
    FillGrid(unit.fMain.m_ausr, {"0;130", "5;121"});
    EXPECT_EQ(unit.TabsChange(), ChainResult::Failed);
    EXPECT_TRUE(unit.SaveMeasurement(files.Path("err.dym")));
    EXPECT_EQ(actions.messages, QStringList{"Gleitkommadivision durch Null"});
    EXPECT_TRUE(files.Read("err.dym").contains("0,00\t0,0\t50,00\r\n1,00\t3000,0\t60,00\r\n"));
}

TEST_F(MeasurementFile, AFileThatCannotBeOpenedChangesNothing)
{
    FillMeasurement();
    const FormTexts before = unit.fMain;
    EXPECT_FALSE(unit.LoadMeasurement(files.Path("absent.dym")));
    EXPECT_EQ(actions.messages, QStringList{OpenFailed});
    EXPECT_EQ(unit.fMain.edits, before.edits);
    EXPECT_EQ(unit.fMain.m_beschl, before.m_beschl);
    EXPECT_EQ(unit.fMain.m_ausr, before.m_ausr);
}

TEST_F(MeasurementFile, ForeignLayoutSkipsItsExtraLineAndNeverSetsTheTyreRatio)
{
    const QByteArray knt = "[eingaben]\r\n\r\nd\r\n1\r\n2\r\n3\r\n4\r\n1400\r\nextra\r\n990\r\n30\r\n"
                           "Wagen\r\n90\r\nXY\r\n1999\r\nmods\r\nbeyond\r\n\r\n"
                           "[beschleunigen]\r\n\r\n1.5\t2000\t50\r\n\r\n[ausrollen]\r\n\r\n0\t100\r\n";
    Edit(InputEdit::e_abruv) = "1,2";
    ASSERT_TRUE(unit.LoadMeasurement(files.Write("run.knt", knt)));
    const char* expected[] = {"d",  "1",     "2",  "3",  "4",    "1400", "990",
                              "30", "Wagen", "90", "XY", "1999", "mods", "1,2"};
    for (int i = 0; i < InputEditCount; ++i)
        EXPECT_EQ(unit.fMain.edits[i], expected[i]) << i;
    EXPECT_EQ(unit.fMain.m_beschl.Cell(0, 0), "1,5");

    // A file in the own layout under another name is read the foreign way: inputs shift.
    const QByteArray own = "[eingaben]\r\n\r\nd\r\n1\r\n2\r\n3\r\n4\r\n1400\r\n1000\r\n20\r\nWagen\r\n";
    ASSERT_TRUE(unit.LoadMeasurement(files.Write("run.txt", own)));
    EXPECT_EQ(Edit(InputEdit::e_luftdr), "20");
    EXPECT_EQ(Edit(InputEdit::e_temp), "Wagen");
}

TEST_F(MeasurementFile, ReadsAnyLineEndsAndKeepsWhatTheFileDoesNotReach)
{
    Edit(InputEdit::e_modif) = "kept";
    // An input section shorter than fourteen lines.
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        QByteArray text = "[eingaben]\r\n\r\n 01.01.2027 \r\n1000\r\n100\r\n0\r\n\t\r\n1500\r\n"
                          "[beschleunigen]\r\n\r\n1,0\t2000\t50\r\n2,0\t3000\r\n"
                          "[ausrollen]\r\n\r\n0\t100\r\n10\t90";
        text.replace("\r\n", eol);
        ASSERT_TRUE(unit.LoadMeasurement(files.Write("eol.knt", text))) << eol;
        EXPECT_EQ(Edit(InputEdit::e_datum), "01.01.2027");
        EXPECT_EQ(Edit(InputEdit::e_sonstgew), "");
        // The partial weights set the sum; the stored vehicle weight comes later and stays.
        EXPECT_EQ(Edit(InputEdit::e_gew), "1500");
        EXPECT_EQ(Edit(InputEdit::e_modif), "kept");
        // A row without its last field: that field is empty, never the engine speed again.
        EXPECT_EQ(unit.fMain.m_beschl.Cell(1, 1), "3000");
        EXPECT_EQ(unit.fMain.m_beschl.Cell(2, 1), "");
        EXPECT_EQ(unit.fMain.m_ausr.Cell(1, 1), "90"); // last line without a line end
    }
}

TEST_F(MeasurementFile, PartialWeightsOfTheFileSetTheSumWhenNoWeightFollows)
{
    const QByteArray text = "[eingaben]\r\n\r\nd\r\n1000\r\n100\r\n\r\n";
    ASSERT_TRUE(unit.LoadMeasurement(files.Write("w.dym", text)));
    EXPECT_EQ(Edit(InputEdit::e_gew), "1100");
}

TEST_F(MeasurementFile, ARunLongerThanTheGridFillsItsRows)
{
    QByteArray text = "[beschleunigen]\r\n\r\n";
    for (int i = 0; i < 300; ++i)
        text += QByteArray::number(i) + "\t2000\t50\r\n";
    ASSERT_TRUE(unit.LoadMeasurement(files.Write("long.dym", text)));
    EXPECT_EQ(unit.fMain.m_beschl.Cell(0, 255), "255");
}

} // namespace
