#include "oscivo/core/LabelFile.h"

#include "CoreFixture.h"

#include <QThread>

#include <functional>

class LabelFileTest : public CoreTest {};

TEST_F(LabelFileTest, FileNamesComeFromThePartBeforeTheExtension)
{
    const struct {
        const char* scalingName;
        const char* withSuffix;
        const char* withoutSuffix;
        const char* suffix;
    } cases[] = {
        {"123-456-789-AB.SCL", "123-456-789-AB.LBL", "123-456-789.LBL", "AB"},
        {"123-456-789.SCL", "123-456-789.LBL", "123-456-789.LBL", ""},
        {"123-456-789-.SCL", "123-456-789.LBL", "123-456-789.LBL", ""},
        {"123x456y789zA1b.SCL", "123-456-789-A1b.LBL", "123-456-789.LBL", "A1B"},
        {"123-456-789-A-B.SCL", "123-456-789-AB.LBL", "123-456-789.LBL", "A"},
        {"123-456-789--B.SCL", "123-456-789B.LBL", "123-456-789.LBL", ""},
        {"12345678901.SCL", "123-567-901.LBL", "123-567-901.LBL", ""},
        {"1234567890.SCL", "1234567890.LBL", "1234567890.LBL", ""},
        {"OBD.SCL", "OBD.LBL", "OBD.LBL", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scalingName);
        g_szScalingName = c.scalingName;
        EXPECT_EQ(MakeLabelFileName(true), c.withSuffix);
        EXPECT_EQ(MakeLabelFileName(false), c.withoutSuffix);
        EXPECT_EQ(ModuleSuffix(), c.suffix);
    }
}

TEST_F(LabelFileTest, RedirectLinesListTheSuffixesTheyTakeAway)
{
    const struct {
        const char* module;
        const char* line;
        bool matches;
    } cases[] = {
        {"123-456-789-AB.SCL", "REDIRECT,123-456-789-XY.LBL,AA,AB,AC", true},
        {"123-456-789-AD.SCL", "REDIRECT,123-456-789-XY.LBL,AA,AB,AC", false},
        {"123-456-789-AB.SCL", "redirect,x.lbl,ab", true},
        {"123-456-789-AB.SCL", "REDIRECT,x.lbl,ABC", false},
        {"123-456-789-AB.SCL", "REDIRECT,x.lbl,ABCDE,AB", false},
        {"123-456-789-AB.SCL", "REDIRECTS,x.lbl,AB", false},
        {"123-456-789-AB.SCL", ";REDIRECT,x.lbl,AB", false},
        {"123-456-789-AB.SCL", "REDIRECT,x/y.lbl,AB", false},
        {"123-456-789-AB.SCL", "REDIRECT,x.lbl", false},
        {"123-456-789-AB.SCL", "REDIRECT,1234567890123456789,AB", true},
        {"123-456-789-AB.SCL", "REDIRECT,12345678901234567890,AB", false},
        {"123-456-789.SCL", "REDIRECT,x.lbl,AA,,BB", true},
        {"123-456-789.SCL", "REDIRECT,x.lbl,AA,BB", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        g_szScalingName = c.module;
        EXPECT_EQ(MatchRedirectLine(c.line), c.matches);
    }
    g_szScalingName = "123-456-789-AB.SCL";
    ASSERT_TRUE(MatchRedirectLine("Redirect,T-1.lbl,AB,"));
    EXPECT_EQ(g_szRedirectPath, "T-1.lbl");
}

TEST_F(LabelFileTest, LabelLinesSetTitlesNamesAndDescriptions)
{
    const struct {
        std::string line;
        int group;
        int field; // -1: the title
        std::string name;
        std::string text;
    } cases[] = {
        {"1,2,Engine speed,actual;comment", 1, 1, "Engine speed", "actual"},
        {"1,0,Idle", 1, -1, "Idle", ""},
        {"1,2,Engine speed", 1, 1, "Engine speed", ""},
        {"7,1,Name;comment,more", 7, 0, "Name", ""},
        {"7,1,,desc", 7, 0, "", "desc"},
        {"255,4,N,D,E", 255, 3, "N", "D"},
        {"2,1," + std::string(200, 'n') + "," + std::string(50, 't'), 2, 0, std::string(127, 'n'),
         std::string(31, 't')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        ClearLabels();
        ParseLabelLine(c.line);
        const GroupLabels& labels = g_labels[c.group];
        if (c.field < 0) {
            EXPECT_EQ(labels.title, c.name);
        } else {
            EXPECT_EQ(labels.name[c.field], c.name);
            EXPECT_EQ(labels.text[c.field], c.text);
        }
    }

    const char* ignored[] = {"0,1,x", "256,1,x", "12,7,x", "12,5,x", "1234,1,x", ";1,1,x",
                             "",      "x,1,a",   "1,x,a",  "1,1",    "1;1,a",    "REDIRECT,a.lbl,AB"};
    ClearLabels();
    for (const char* line : ignored)
        ParseLabelLine(line);
    for (const GroupLabels& labels : g_labels) {
        EXPECT_EQ(labels.title, "");
        for (int f = 0; f < kFields; ++f)
            EXPECT_EQ(labels.name[f] + labels.text[f], "");
    }
}

TEST_F(LabelFileTest, LinesEndAtLineFeedsAndAnOverlongOneIsCutNotSplit)
{
    std::string longLine = "1,1," + std::string(LabelLineReader::kLineSize - 4, 'A') + "3,1,Split";
    ReadLabelFile(longLine + "\n2,1,B\r\n4,1,Last");
    EXPECT_EQ(g_labels[1].name[0], std::string(127, 'A'));
    EXPECT_EQ(g_labels[2].name[0], "B");
    EXPECT_EQ(g_labels[3].name[0], "");
    EXPECT_EQ(g_labels[4].name[0], ""); // no line feed after it
}

TEST_F(LabelFileTest, TheModulesFileOrItsRedirectionIsLoaded)
{
    WriteFile("labels/123-456-789.LBL", "; shared\nREDIRECT,123-456-789-XY.LBL,AA,AB,AC\n1,1,Plain\n");
    WriteFile("labels/123-456-789-XY.LBL", "1,1,Target\n");
    WriteFile("labels/123-456-789-OW.LBL", "1,1,Own\n");

    const struct {
        const char* module;
        const char* name;
    } cases[] = {
        {"123-456-789-OW.SCL", "Own"}, {"123-456-789-AB.SCL", "Target"}, {"123-456-789-AD.SCL", "Plain"},
        {"123-456-789.SCL", "Plain"},  {"999-999-999-AB.SCL", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.module);
        g_szScalingName = c.module;
        LoadLabels();
        EXPECT_EQ(g_labels[1].name[0], c.name);
    }

    // A redirection to a file that does not exist leaves the table empty.
    WriteFile("labels/555-555-555.LBL", "REDIRECT,nowhere.LBL,AB\n1,1,Plain\n");
    g_szScalingName = "555-555-555-AB.SCL";
    LoadLabels();
    EXPECT_EQ(g_labels[1].name[0], "");
}

TEST_F(LabelFileTest, LabelFilesAreFoundWhateverTheirCaseAtEveryIdentification)
{
    WriteFile("LABELS/123-456-789-ab.lbl", "5,3,Lambda,actual\n");
    ASSERT_TRUE(Show("123 456 789 AB,G005,F2,1,,G000,,,,G000,,,,G000,,,,G000,,,,G000,,,,G000,,,,G000,,,,"
                     "G000,,,,G000,,,,G000,,,,G000,,,,"));
    EXPECT_EQ(g_labels[5].name[2], "Lambda");
    EXPECT_EQ(g_labels[5].text[2], "actual");
    ASSERT_TRUE(Show("999 999 999,G005,F2,1,,G000,,,,G000,,,,G000,,,,G000,,,,G000,,,,G000,,,,G000,,,,"
                     "G000,,,,G000,,,,G000,,,,G000,,,,"));
    EXPECT_EQ(g_labels[5].name[2], "");
}

// Live mode loads the labels at every reply, and a load may give again what the last one read
// while its files stay as they were; every change still shows at the next load. Each step
// starts once the files have stood unchanged a while, so that the load before it is one that
// may be given again.
TEST_F(LabelFileTest, AChangeOfTheFilesOrTheModuleShowsAtTheNextLoad)
{
    WriteFile("labels/123-456-789.LBL", "REDIRECT,T.LBL,AB\n1,1,Shared\n");
    WriteFile("labels/T.LBL", "1,1,Target\n");
    g_szScalingName = "123-456-789-AB.SCL";
    const struct {
        const char* change;
        std::function<void()> make;
        const char* name;
    } steps[] = {
        {"the target rewritten, as long as before", [&] { WriteFile("labels/T.LBL", "1,1,Tarxet\n"); },
         "Tarxet"},
        {"the redirection gone", [&] { WriteFile("labels/123-456-789.LBL", "1,1,Shared\n"); }, "Shared"},
        {"the module's own file added, in small letters",
         [&] { WriteFile("labels/123-456-789-ab.lbl", "1,1,Own\n"); }, "Own"},
        {"its own file removed", [&] { QFile::remove(Path("labels/123-456-789-ab.lbl")); }, "Shared"},
        {"the redirection back",
         [&] { WriteFile("labels/123-456-789.LBL", "REDIRECT,T.LBL,AB\n1,1,Shared\n"); }, "Tarxet"},
        {"another module of the family", [&] { g_szScalingName = "123-456-789-AC.SCL"; }, "Shared"},
        {"the labels folder renamed", [&] { QDir(m_dir.path()).rename("labels", "old"); }, ""},
    };
    LoadLabels();
    std::string shown = g_labels[1].name[0];
    EXPECT_EQ(shown, "Target");
    for (const auto& step : steps) {
        SCOPED_TRACE(step.change);
        QThread::msleep(200);
        LoadLabels();
        EXPECT_EQ(g_labels[1].name[0], shown);
        step.make();
        LoadLabels();
        EXPECT_EQ(g_labels[1].name[0], step.name);
        shown = step.name;
    }
}
