#include "RecordingActions.h"
#include "TempFiles.h"

#include <gtest/gtest.h>

namespace {

using namespace dynalyt;
using dynalyt::testing::TempFiles;
using dynalyt::testing::UnitFixture;

class SettingsFile : public ::testing::Test, public UnitFixture {
protected:
    TempFiles files;
};

TEST_F(SettingsFile, NameIsTheProgramPathWithIni)
{
    EXPECT_EQ(MainUnit::SettingsFileName("/opt/toolset/bin/dynalyt"), "/opt/toolset/bin/dynalyt.ini");
}

TEST_F(SettingsFile, EightLinesFillTheImportSettingsAndFourInputs)
{
    const QString name =
        files.Write("dynalyt.ini", "K\r\nSTAMP\r\n /min\r\n km/h\r\n1380\r\n1013\r\n20\r\n1,0\r\n"
                                   "ninth\r\n");
    unit.ReadSettingsFile(name);
    EXPECT_TRUE(actions.messages.isEmpty());
    EXPECT_EQ(unit.fMain.z_trenner, 0);
    EXPECT_EQ(unit.ImportSeparator, 0); // applied by z_trennerChange only
    unit.z_trennerChange();
    EXPECT_EQ(unit.ImportSeparator, ',');
    EXPECT_EQ(unit.fMain.s_zeit, "STAMP");
    EXPECT_EQ(unit.fMain.s_umin, " /min");
    EXPECT_EQ(unit.fMain.s_kmh, " km/h");
    EXPECT_EQ(Edit(InputEdit::e_gew), "1380");
    EXPECT_EQ(Edit(InputEdit::e_luftdr), "1013");
    EXPECT_EQ(Edit(InputEdit::e_temp), "20");
    EXPECT_EQ(Edit(InputEdit::e_abruv), "1,0");
}

TEST_F(SettingsFile, FirstLetterChoosesTheSeparator)
{
    struct Case {
        const char* line;
        int item;
        char separator;
    };
    const Case cases[] = {
        {"Komma", 0, ','},          {"semikolon", 1, ';'}, {"s", 1, ';'},
        {"Doppelpunkt", 2, ':'},    {"tab", 3, '\t'},      {"Xyz", NoSeparatorItem, 0},
        {" K", NoSeparatorItem, 0},
    };
    for (const Case& c : cases) {
        UnitFixture f;
        f.unit.ReadSettingsFile(files.Write("s.ini", QByteArray(c.line) + "\r\n"));
        f.unit.z_trennerChange();
        EXPECT_EQ(f.unit.fMain.z_trenner, c.item) << c.line;
        EXPECT_EQ(f.unit.ImportSeparator, c.separator) << c.line;
    }
}

TEST_F(SettingsFile, EmptyLinesCountButChangeNothing)
{
    unit.fMain.s_zeit = "before";
    Edit(InputEdit::e_gew) = "1500";
    unit.ReadSettingsFile(files.Write("s.ini", "S\n\n /min\r\n\r\n\r\n 990"));
    EXPECT_EQ(unit.fMain.s_zeit, "before");
    EXPECT_EQ(unit.fMain.s_umin, " /min");
    EXPECT_EQ(Edit(InputEdit::e_gew), "1500");
    EXPECT_EQ(Edit(InputEdit::e_luftdr), " 990"); // as it stands; the computation reads it
    unit.TabsChange();
    EXPECT_EQ(unit.AirPressure, 990);
    EXPECT_EQ(Edit(InputEdit::e_leergew), ""); // the weight is not a partial weight
}

TEST_F(SettingsFile, AMissingFileIsReportedAndChangesNothing)
{
    unit.ReadSettingsFile(files.Path("absent.ini"));
    EXPECT_EQ(actions.messages, QStringList{"\rKonfigurationsdatei nicht gefunden!"});
    EXPECT_EQ(unit.fMain.z_trenner, NoSeparatorItem);
    unit.z_trennerChange();
    EXPECT_EQ(unit.ImportSeparator, 0);
    EXPECT_FALSE(unit.ImportSettingsComplete());
}

TEST_F(SettingsFile, StandardButtonSetsTheStandardImportSettings)
{
    unit.fMain.z_trenner = 3;
    unit.ImportSeparator = '\t';
    Edit(InputEdit::e_gew) = "1500";
    unit.zsetzenClick();
    EXPECT_EQ(unit.fMain.z_trenner, 0);
    EXPECT_EQ(unit.ImportSeparator, ',');
    EXPECT_EQ(unit.fMain.s_zeit, "STAMP");
    EXPECT_EQ(unit.fMain.s_umin, " /min");
    EXPECT_EQ(unit.fMain.s_kmh, " km/h");
    EXPECT_EQ(Edit(InputEdit::e_gew), "1500");
    EXPECT_TRUE(unit.ImportSettingsComplete());
    EXPECT_TRUE(actions.messages.isEmpty());

    unit.fMain.z_trenner = 3;
    unit.z_trennerChange();
    EXPECT_EQ(unit.ImportSeparator, '\t');
}

TEST_F(SettingsFile, IncompleteImportSettingsAreRefused)
{
    unit.zsetzenClick();
    unit.fMain.s_kmh.clear();
    EXPECT_FALSE(unit.ImportSettingsComplete());
    EXPECT_EQ(actions.messages,
              QStringList{QString::fromUtf8("Einstellungen prüfen!\r\rImport für Log-Dateien")});
}

} // namespace
