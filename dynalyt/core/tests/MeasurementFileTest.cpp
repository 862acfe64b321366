#include "RecordingActions.h"
#include "TempFiles.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

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
    for (const char* eol : {"\r\n", "\n", "\r"}) {
        QByteArray text = "[eingaben]\r\n\r\n 01.01.2027 \r\n1000\r\n100\r\n0\r\n\t\r\n1500\r\n"
                          "[beschleunigen]\r\n\r\n1,0\t2000\t50\r\n2,0\t3000\r\n"
                          "[ausrollen]\r\n\r\n0\t100\r\n10\t90";
        text.replace("\r\n", eol);
        ASSERT_TRUE(unit.LoadMeasurement(files.Write("eol.dym", text))) << eol;
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
