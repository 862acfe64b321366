#include "oscivo/core/ScalingFile.h"

#include "CoreFixture.h"
#include "oscivo/core/ReplyParser.h"
#include "oscivo/core/SettingsStream.h"
#include "platform/Numbers.h"
#include "testhost/ReplyPayload.h"

#include <QDir>

#include <algorithm>
#include <climits>
#include <vector>

namespace {

using testhost::Entry;

// A scaling file as a new module gets it: step width, then 0..100 for every group.
std::string FreshScalingFile(int step, bool obd)
{
    std::string text = platform::FormatC("%d,\r\n", step);
    for (int g = 1; g <= 255; ++g)
        text += platform::FormatC("%d,", g) + (obd ? "0,100," : "0,100,0,100,0,100,0,100,") + "\r\n";
    return text;
}

std::string Reply(const std::string& module, const std::vector<Entry>& entries)
{
    return testhost::StandardReply(module, entries);
}

} // namespace

class ScalingFileTest : public CoreTest {
protected:
    // Parses a payload and brings the scales to its module, as a shown standard reply does.
    int Load(const std::string& payload)
    {
        EXPECT_TRUE(model.TakeReply("1", payload));
        return model.LoadScaling();
    }

    // The names in a folder below the start-up directory, in their order, between commas.
    std::string Folder(const std::string& relative) const
    {
        return QDir(Path(relative)).entryList(QDir::Files | QDir::Hidden).join(',').toStdString();
    }
};

TEST_F(ScalingFileTest, ANewModuleGetsDefaultsAndAScalingFile)
{
    ASSERT_TRUE(Show(Reply("123 456 789 AB", {{1, 0, "5", "bar"}})));
    EXPECT_EQ(ReadFile("Scaling/Defaults.cfg"),
              "/min,0,6000,\r\nV,0,20,\r\n\xB0"
              "C,-10,120,\r\nmg/str,0,1500,\r\n%,-50,150,\r\nkm/h,0,250,\r\n"
              "mbar,900,2500,\r\nNm,0,400,\r\n\xB0,-50,50,\r\nms,0,30,\r\n");
    EXPECT_EQ(g_nPresetCount, 10);
    EXPECT_EQ(ReadFile("Scaling/123-456-789-AB.SCL"), FreshScalingFile(3, false));
    EXPECT_EQ(Folder("Scaling"), "123-456-789-AB.SCL,Defaults.cfg");

    // The same module again reads nothing.
    WriteFile("Scaling/123-456-789-AB.SCL", "9,\r\n1,5,6,5,6,5,6,5,6,\r\n");
    ASSERT_TRUE(Show(Reply("123 456 789 AB", {{1, 0, "5", "bar"}})));
    EXPECT_EQ(g_nStepWidth, 3);
    EXPECT_EQ(g_nScaleMax[1][0], 100);

    Restart();
    ASSERT_TRUE(Show(testhost::ObdReply({{12, "850", "/min"}})));
    EXPECT_EQ(ReadFile("Scaling/OBD.SCL"), FreshScalingFile(3, true));
}

TEST_F(ScalingFileTest, AScalingFileSetsStepWidthScalesAndTheRangesOfOccupiedSlots)
{
    WriteFile("Scaling/123-456-789-AB.SCL", "7,\r\n5,0,100,0,100,10,90,0,100,\r\n6,1,2,3,4,5,6,7,8,\r\n");
    ASSERT_EQ(Load(Reply("123 456 789 AB", {{5, 2, "1", "V"}, {0, 0, "", ""}, {6, 3, "1", "V"}})), 0);
    EXPECT_EQ(g_nStepWidth, 7);
    EXPECT_EQ(model.m_strStep, "Schr.weite:7");
    const ReplyEffects effects = model.TakeEffects();
    ASSERT_TRUE(effects.traceRange[0] && effects.meterRange[0]);
    EXPECT_DOUBLE_EQ(effects.traceRange[0]->min, 10);
    EXPECT_DOUBLE_EQ(effects.meterRange[0]->max, 90);
    EXPECT_FALSE(effects.meterUnits[0]);
    EXPECT_FALSE(effects.traceRange[1]); // no data
    ASSERT_TRUE(effects.traceRange[2]);
    EXPECT_DOUBLE_EQ(effects.traceRange[2]->max, 8);
}

TEST_F(ScalingFileTest, AStepWidthOutsideOneToFifteenKeepsTheCurrentOne)
{
    const struct {
        const char* file;
        int step;
    } cases[] = {{"7,\r\n", 7},  {"1,", 1}, {"15,", 15}, {"0,", 3}, {"16,", 3},
                 {"-2,\r\n", 3}, {"x,", 3}, {"", 3},     {"12", 3}, {" \r\n 9,", 9}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        Restart();
        WriteFile("Scaling/123-456-789-AB.SCL", c.file);
        ASSERT_EQ(Load(Reply("123 456 789 AB", {{1, 0, "1", "V"}})), 0);
        EXPECT_EQ(g_nStepWidth, c.step);
        EXPECT_EQ(model.m_strStep, platform::FormatC("Schr.weite:%d", c.step));
    }
}

TEST_F(ScalingFileTest, ReadingStopsAtTheEndOrABadGroupAndKeepsTokensInBounds)
{
    const struct {
        const char* what;
        std::string file;
        bool obd;
        int group, field, min, max;
    } cases[] = {
        {"a whole line", "3,\r\n4,1,2,3,4,5,6,7,8,\r\n", false, 4, 3, 7, 8},
        {"line ends of a Unix editor", "3,\n4,1,2,3,4,5,6,7,8,\n", false, 4, 1, 3, 4},
        {"the OBD layout, one pair a group", "3,\r\n4,1,2,\r\n5,3,4,\r\n", true, 5, 0, 3, 4},
        {"group 0 is read too", "3,\r\n0,1,2,3,4,5,6,7,8,\r\n", false, 0, 0, 1, 2},
        {"a group above 255 ends the reading", "3,\r\n256,1,2,3,4,5,6,7,8,\r\n4,1,2,", false, 4, 0, 0, 100},
        {"a line cut off keeps what was whole", "3,\r\n4,1,2,3,4,5,6,7", false, 4, 1, 3, 4},
        {"a number cut off by the end is not taken", "3,\r\n4,1,2,3,4,5,6,7", false, 4, 3, 0, 100},
        {"a whole minimum before the end is taken", "3,\r\n4,1,2,3,", false, 4, 1, 3, 100},
        {"a byte 0xFF is a character like any other",
         "3,\r\n4,1,2,\xFF"
         "3,4,5,6,7,8,",
         false, 4, 3, 7, 8},
        {"a long token keeps 15 characters", "3,\r\n4,123456789012345678,-1234567890123456,0,0,0,0,0,0,",
         false, 4, 0, INT_MAX, INT_MIN},
        {"reading stops after group 255", "3,\r\n255,1,2,1,2,1,2,1,2,\r\n4,9,9,9,9,9,9,9,9,", false, 4, 0, 0,
         100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ResetOscivoState();
        ReadScalingFile(c.file, c.obd);
        EXPECT_EQ(g_nScaleMin[c.group][c.field], c.min);
        EXPECT_EQ(g_nScaleMax[c.group][c.field], c.max);
    }
}

TEST_F(ScalingFileTest, AScaleTypedAsAnyNumberIsSavedAndReadBack)
{
    // -99999 typed into Min: a value once taken for the end of the file, which lost the rest.
    for (const bool obd : {false, true}) {
        SCOPED_TRACE(obd);
        Restart();
        const std::string reply =
            obd ? testhost::ObdReply({{5, "1", "bar"}}) : Reply("123 456 789 AB", {{5, 0, "1", "bar"}});
        ASSERT_TRUE(Show(reply));
        model.SelectScaleSlot(0, 0);
        model.OnKillFocusMin("-99999");
        g_nScaleMin[6][0] = INT_MIN;
        g_nScaleMax[6][0] = -99999;
        g_nScaleMax[200][0] = 77;
        ASSERT_EQ(model.SaveScaling(), ScalingSave::Saved);

        Restart();
        ASSERT_TRUE(Show(reply));
        EXPECT_EQ(g_nScaleMin[5][0], -99999);
        EXPECT_EQ(g_nScaleMax[5][0], 100);
        EXPECT_EQ(g_nScaleMin[6][0], INT_MIN);
        EXPECT_EQ(g_nScaleMax[6][0], -99999);
        EXPECT_EQ(g_nScaleMax[200][0], 77);
    }
}

TEST_F(ScalingFileTest, TokensAsTheSettingsStreamReadsThem)
{
    SettingsStream stream("12,\r\n 0x1F,\nkm/h\n,\xB0"
                          "C,a very long unit text,ff,,-99999,EOF,\xFF,fffe7961,7");
    EXPECT_EQ(stream.ReadIntToken(), 12);
    EXPECT_EQ(stream.ReadHexToken(), 0x1F);
    EXPECT_EQ(stream.ReadStringToken(), "km/h");
    EXPECT_EQ(stream.ReadStringToken(), "\xB0"
                                        "C");
    EXPECT_EQ(stream.ReadStringToken(), "a very long uni");
    EXPECT_EQ(stream.ReadHexToken(), 255);
    EXPECT_EQ(stream.ReadIntToken(), 0);
    // Values are values; only the stream tells the end of the file.
    EXPECT_EQ(stream.ReadIntToken(), -99999);
    EXPECT_EQ(stream.ReadStringToken(), "EOF");
    EXPECT_EQ(stream.ReadStringToken(), "\xFF");
    EXPECT_EQ(stream.ReadHexToken(), -99999);
    EXPECT_EQ(stream.ReadIntToken(), std::nullopt); // "7" has no comma
    EXPECT_EQ(stream.ReadStringToken(), std::nullopt);
    EXPECT_EQ(SettingsStream("fffffffff,").ReadHexToken(), -1);
    EXPECT_EQ(SettingsStream("-1,").ReadHexToken(), -1);
}

TEST_F(ScalingFileTest, ScalesAreSavedOnlyToTheFileTheyCameFrom)
{
    // Nothing identified: nothing is saved and no folder is made.
    EXPECT_EQ(model.SaveScaling(), ScalingSave::Nothing);
    EXPECT_FALSE(QFileInfo::exists(Path("Scaling")));

    ASSERT_EQ(Load(Reply("111 111 111 A", {{1, 0, "1", "bar"}})), 0);
    g_nScaleMax[1][0] = 777;
    // Another module in live mode: the first one's scales go to its file, the new one's are read.
    ASSERT_EQ(Load(Reply("222 222 222 B", {{1, 0, "1", "bar"}})), 0);
    EXPECT_FALSE(model.TakeEffects().scalingSaveFailed);
    EXPECT_NE(ReadFile("Scaling/111-111-111-A.SCL").find("\r\n1,0,777,0,100,"), std::string::npos);
    EXPECT_EQ(ReadFile("Scaling/222-222-222-B.SCL"), FreshScalingFile(3, false));
    EXPECT_EQ(g_nScaleMax[1][0], 100);

    // A file that lacks groups gives them fresh scales, not the previous module's.
    WriteFile("Scaling/444-444-444-D.SCL", "3,\r\n2,0,50,0,50,0,50,0,50,\r\n");
    g_nScaleMax[7][0] = 888;
    ASSERT_EQ(Load(Reply("444 444 444 D", {{1, 0, "1", "bar"}})), 0);
    EXPECT_EQ(g_nScaleMax[7][0], 100);
    EXPECT_EQ(g_nScaleMax[2][0], 50);
    EXPECT_NE(ReadFile("Scaling/222-222-222-B.SCL").find("\r\n7,0,888,"), std::string::npos);
    ASSERT_EQ(Load(Reply("222 222 222 B", {{1, 0, "1", "bar"}})), 0);
    EXPECT_EQ(ReadFile("Scaling/444-444-444-D.SCL").find("888"), std::string::npos);

    // An OBD module's scales are saved in its layout, even after the next module has changed it.
    ASSERT_EQ(Load(testhost::ObdReply({{12, "850", "/min"}})), 0);
    g_nScaleMax[12][0] = 6500;
    ASSERT_EQ(Load(Reply("222 222 222 B", {{1, 0, "1", "bar"}})), 0);
    EXPECT_FALSE(model.m_bObdMode);
    EXPECT_NE(ReadFile("Scaling/OBD.SCL").find("\r\n12,0,6500,\r\n13,0,100,\r\n"), std::string::npos);

    // A save at stop goes to the loaded module's file, whatever reply came last.
    ASSERT_TRUE(model.TakeReply("1", testhost::AdvancedReply("333 333 333 C", {"1"}, {})));
    g_nScaleMin[1][0] = -3;
    EXPECT_EQ(model.SaveScaling(), ScalingSave::Saved);
    EXPECT_NE(ReadFile("Scaling/222-222-222-B.SCL").find("\r\n1,-3,100,"), std::string::npos);
    EXPECT_EQ(ReadFile("Scaling/333-333-333-C.SCL"), "<missing>");
    EXPECT_EQ(Folder("Scaling"),
              "111-111-111-A.SCL,222-222-222-B.SCL,444-444-444-D.SCL,Defaults.cfg,OBD.SCL");
}

TEST_F(ScalingFileTest, AnAdvancedFirstReplyLeavesTheLoadToTheFirstStandardOne)
{
    WriteFile("Scaling/123-456-789-AB.SCL", "3,\r\n5,10,90,0,100,0,100,0,100,\r\n");
    ASSERT_TRUE(Show(testhost::AdvancedReply("123 456 789 AB", {"1", "2"}, {{5, 0, "3", "bar"}})));
    EXPECT_EQ(g_nScaleMin[5][0], 0);
    ASSERT_TRUE(Show(Reply("123 456 789 AB", {{5, 0, "3", "bar"}})));
    EXPECT_EQ(g_nScaleMin[5][0], 10);
    EXPECT_EQ(model.SaveScaling(), ScalingSave::Saved);
    EXPECT_NE(ReadFile("Scaling/123-456-789-AB.SCL").find("\r\n5,10,90,0,100,"), std::string::npos);
}

TEST_F(ScalingFileTest, AFailedLoadGivesFreshScalesAndItsSaveReportsTheFailure)
{
    WriteFile("Scaling", "not a folder");
    g_nScaleMax[1][0] = 555;
    ASSERT_EQ(Load(Reply("111 111 111 A", {{1, 0, "1", "bar"}})), -1);
    EXPECT_EQ(g_nScaleMax[1][0], 100);
    EXPECT_EQ(g_nPresetCount, 10); // the built-in presets, though they could not be written
    // Not tried again while the module stays.
    EXPECT_EQ(Load(Reply("111 111 111 A", {{1, 0, "1", "bar"}})), 0);
    EXPECT_EQ(model.SaveScaling(), ScalingSave::Failed);
    model.TakeEffects();
    ASSERT_EQ(Load(Reply("222 222 222 B", {{1, 0, "1", "bar"}})), -1);
    EXPECT_TRUE(model.TakeEffects().scalingSaveFailed);
}

TEST_F(ScalingFileTest, FoldersAndFilesAreFoundWhateverTheirCase)
{
    WriteFile("scaling/123-456-789-ab.scl", "9,\r\n1,5,60,0,100,0,100,0,100,\r\n");
    WriteFile("scaling/DEFAULTS.CFG", "bar,0,10,\r\n");
    ASSERT_EQ(Load(Reply("123 456 789 AB", {{1, 0, "1", "bar"}})), 0);
    EXPECT_EQ(g_nStepWidth, 9);
    EXPECT_EQ(g_nScaleMax[1][0], 60);
    EXPECT_EQ(g_nPresetCount, 1);
    g_nScaleMax[1][0] = 61;
    EXPECT_EQ(model.SaveScaling(), ScalingSave::Saved);
    EXPECT_NE(ReadFile("scaling/123-456-789-ab.scl").find("1,5,61,"), std::string::npos);
    EXPECT_EQ(Folder("scaling"), "123-456-789-ab.scl,DEFAULTS.CFG");
    EXPECT_FALSE(QFileInfo::exists(Path("Scaling")));
}

TEST_F(ScalingFileTest, ANameIsFoundInItsFolderWhateverTheCaseOfItsLetters)
{
    WriteFile("f/123-456-789-ab.lbl", "");
    WriteFile("f/Exact.LBL", "");
    WriteFile("f/exact.lbl", "");
    WriteFile("f/\xC3\x84RGER.LBL", ""); // "ÄRGER.LBL"
    const QString dir = Path("f");
    const struct {
        const char* wanted;
        std::vector<const char*> found; // any of them; the folder's order decides
    } cases[] = {
        {"123-456-789-AB.LBL", {"123-456-789-ab.lbl"}},
        {"Exact.LBL", {"Exact.LBL"}},
        {"EXACT.lbl", {"Exact.LBL", "exact.lbl"}},
        {"\xC3\xA4rger.lbl", {"\xC3\x84RGER.LBL"}}, // "ärger.lbl"
        {"missing.LBL", {"missing.LBL"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.wanted);
        const QString found = QFileInfo(FindNoCase(dir, QString::fromUtf8(c.wanted))).fileName();
        EXPECT_TRUE(std::any_of(c.found.begin(), c.found.end(), [&](const char* name) {
            return found == QString::fromUtf8(name);
        })) << found.toStdString();
    }
}

TEST_F(ScalingFileTest, DefaultsFileReadsCompleteEntriesAndWritesWhatReadsBack)
{
    const struct {
        const char* what;
        std::string file;
        int count;
    } cases[] = {
        {"three lines", "km/h,0,250,\r\nV,0,20,\r\n/min,0,6000,\r\n", 3},
        {"a maximum cut off by the end", "km/h,0,250,\r\nV,0,", 1},
        {"the text EOF is a unit like any other", "km/h,0,250,\r\nEOF,1,2,\r\nV,0,20,\r\n", 3},
        {"an empty file", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ReadDefaultsFile(c.file);
        EXPECT_EQ(g_nPresetCount, c.count);
    }

    std::string many;
    for (int i = 0; i < 300; ++i)
        many += platform::FormatC("u%d,0,%d,\r\n", i, i + 1);
    ReadDefaultsFile(many);
    EXPECT_EQ(g_nPresetCount, 256);
    EXPECT_EQ(g_presets[255].unit, "u255");

    // Every preset in use is written as it is (the preferences dialog saves none that it
    // refuses), its unit as a line can hold it.
    g_nPresetCount = 5;
    g_presets[0] = {"km/h", 0, 250};
    g_presets[1] = {"", 0, 10};
    g_presets[2] = {"bar", 5, 5};
    g_presets[3] = {"a,b\r\nc", -1, 1};          // commas and line ends go
    g_presets[4] = {"0123456789abcdefgh", 0, 1}; // 15 characters stay
    const std::string written = FormatDefaultsFile();
    EXPECT_EQ(written, "km/h,0,250,\r\n,0,10,\r\nbar,5,5,\r\nabc,-1,1,\r\n0123456789abcde,0,1,\r\n");
    ReadDefaultsFile(written);
    EXPECT_EQ(g_nPresetCount, 5);
    EXPECT_EQ(g_presets[4].unit, "0123456789abcde");

    // The preferences' spelling of the mass unit, when they make the file.
    ASSERT_EQ(LoadPresets(kMassUnitPreferences), 1);
    EXPECT_NE(ReadFile("Scaling/Defaults.cfg").find("\r\nmg/R,0,1500,\r\n"), std::string::npos);
    ASSERT_EQ(LoadPresets(kMassUnitScaling), 0);
    EXPECT_EQ(g_presets[3].unit, "mg/R");
}

TEST_F(ScalingFileTest, NoWrittenPresetEndsTheListBeforeThePresetsAfterIt)
{
    // The unit "EOF", the byte 0xFF and the maximum -99999 were once read as the end of the file.
    g_nPresetCount = 4;
    g_presets[0] = {"EOF", 0, 10};
    g_presets[1] = {"a\xFF"
                    "b",
                    0, 20};
    g_presets[2] = {"x", -100000, -99999};
    g_presets[3] = {"km/h", 0, 250};
    const std::string written = FormatDefaultsFile();
    EXPECT_EQ(written, "EOF,0,10,\r\na\xFF"
                       "b,0,20,\r\nx,-100000,-99999,\r\nkm/h,0,250,\r\n");
    g_presets.fill(Preset{});
    ReadDefaultsFile(written);
    ASSERT_EQ(g_nPresetCount, 4);
    EXPECT_EQ(g_presets[0].unit, "EOF");
    EXPECT_EQ(g_presets[1].unit, "a\xFF"
                                 "b");
    EXPECT_EQ(g_presets[2].min, -100000);
    EXPECT_EQ(g_presets[2].max, -99999);
    EXPECT_EQ(g_presets[3].unit, "km/h");
}

TEST_F(ScalingFileTest, SlotNumbersOutsideTheTablesAreSkipped)
{
    // A log header can give a slot any three-digit group and any field digit.
    ASSERT_EQ(Load(Reply("123 456 789 AB", {{1, 0, "1", "bar"}, {1, 1, "1", "bar"}, {1, 2, "1", "bar"}})), 0);
    model.TakeEffects();
    g_nSlotGroup[0] = 300;
    g_nSlotField[1] = 7;
    g_szLoadedScaling = "Bogus";
    g_scalesOwner = ScalesOwner{};
    ASSERT_EQ(model.LoadScaling(), 0);
    const ReplyEffects effects = model.TakeEffects();
    EXPECT_FALSE(effects.traceRange[0]);
    EXPECT_FALSE(effects.traceRange[1]);
    EXPECT_TRUE(effects.traceRange[2]);
    model.ShowStandardValues();
    model.SelectScaleSlot(0, 0);
    EXPECT_EQ(model.m_strMax, "");
    model.OnKillFocusMax("5");
}
