#include "oscivo/core/PrefsFile.h"

#include "CoreFixture.h"

namespace {

constexpr ScreenSize kScreen{1920, 1080};

const std::array<COLORREF, kScopeSlots> kTableColours = {0x0000FF, 0x00FF00, 0x00FFFF, 0xFFC0C0,
                                                         0x00A0FF, 0xFFFF00, 0x00A000, 0x7F0000,
                                                         0x0060A0, 0xC0C0FF, 0xFFA000, 0xA0A000};

} // namespace

class PrefsFileTest : public CoreTest {};

TEST_F(PrefsFileTest, AFreshStartWritesTheTwentyFourLines)
{
    g_nCurWidth = 634;
    g_nCurHeight = 433;
    g_bAutorun = TRUE;
    WriteFile("Scaling/.keep", "");
    ASSERT_EQ(WritePrefsFile(), 0);
    EXPECT_EQ(ReadFile("Scaling/Prefs.cfg"),
              "BackColor=0\r\nGridColor=ffffff\r\nLine0Color=ff\r\nLine1Color=ff00\r\nLine2Color=ffff\r\n"
              "Line3Color=ffc0c0\r\nLine4Color=a0ff\r\nLine5Color=ffff00\r\nLine6Color=a000\r\n"
              "Line7Color=7f0000\r\nLine8Color=60a0\r\nLine9Color=c0c0ff\r\nLine10Color=ffa000\r\n"
              "Line11Color=a0a000\r\nThickness=0\r\nAutorun=1\r\nShowUnits=1\r\nShowZeros=0\r\n"
              "SaveWindowSize=1\r\nWidth=27a\r\nHeight=1b1\r\nMaxMileage=60\r\nMaxConsumption=20\r\n"
              "FuelHistoryDepth=1\r\n");

    // Without a scaling folder the file cannot be written, and that is all.
    QFile::remove(Path("Scaling/Prefs.cfg"));
    QFile::remove(Path("Scaling/.keep"));
    QDir().rmdir(Path("Scaling"));
    EXPECT_EQ(WritePrefsFile(), -1);
}

TEST_F(PrefsFileTest, WhatIsWrittenReadsBack)
{
    g_crBackColor = 0x123456;
    g_crGridColor = 0x00FF00;
    g_crLineColor[11] = 0xABCDEF;
    g_nThickness = 4;
    g_bAutorun = FALSE;
    g_bShowUnits = FALSE;
    g_bShowZeros = TRUE;
    g_bSaveWindowSize = FALSE;
    g_nCurWidth = 1024;
    g_nCurHeight = 700;
    g_nMaxMileage = 80;
    g_nMaxConsumption = 1000;
    g_nFuelHistoryDepth = 20;
    const std::string written = FormatPrefsFile();

    Restart();
    LoadPrefsFrom(std::string_view(written), kScreen);
    EXPECT_EQ(g_crBackColor, 0x123456u);
    EXPECT_EQ(g_crGridColor, 0x00FF00u);
    EXPECT_EQ(g_crLineColor[11], 0xABCDEFu);
    EXPECT_EQ(g_crLineColor[0], 0x0000FFu);
    EXPECT_EQ(g_nThickness, 4);
    EXPECT_EQ(g_bAutorun, FALSE);
    EXPECT_EQ(g_bShowUnits, FALSE);
    EXPECT_EQ(g_bShowZeros, TRUE);
    EXPECT_EQ(g_bSaveWindowSize, FALSE);
    EXPECT_EQ(g_nPrefWidth, 1024);
    EXPECT_EQ(g_nPrefHeight, 700);
    EXPECT_EQ(g_nMaxMileage, 80);
    EXPECT_EQ(g_nMaxConsumption, 1000);
    EXPECT_EQ(g_nFuelHistoryDepth, 20);
}

TEST_F(PrefsFileTest, KeysAreSearchedAsTheirValuesAreWritten)
{
    const struct {
        const char* what;
        std::string file;
        int width, thickness, mileage, depth;
        BOOL autorun, zeros;
        COLORREF back;
    } cases[] = {
        {"only a width, in hexadecimal", "Width=320", 800, 0, 60, 1, TRUE, FALSE, 0},
        {"ShowZeros only for 1, Autorun for anything but 0", "ShowZeros=2\nAutorun=2\nWidth=320\n", 800, 0,
         60, 1, TRUE, FALSE, 0},
        {"a key anywhere in a line", "xxBackColor=ff;Width=320", 800, 0, 60, 1, TRUE, FALSE, 0xFF},
        {"the first place of a key decides", "Widthx=1\nWidth=320\nBackColor=1", 634, 0, 60, 1, TRUE, FALSE,
         1},
        {"a decimal value starting with a letter is missing", "MaxMileage=a5\nBackColor=1", 634, 0, 60, 1,
         TRUE, FALSE, 1},
        {"a decimal value stops at a letter", "MaxMileage=45ab", 634, 0, 45, 1, TRUE, FALSE, 0},
        {"leading zeros count among eleven digits", "Width=000000320\nBackColor=0000000ff", 800, 0, 60, 1,
         TRUE, FALSE, 0xFF},
        {"a longer run is read by its first eleven", "Width=000000003201\nMaxMileage=000000005001", 800, 0,
         500, 1, TRUE, FALSE, 0},
        {"a hexadecimal value above ffffffff is missing", "BackColor=100000000\nWidth=1", 1, 0, 60, 1, TRUE,
         FALSE, 0},
        {"a decimal value above 2147483647 is missing", "MaxMileage=2147483648\nFuelHistoryDepth=99999999999",
         634, 0, 60, 1, TRUE, FALSE, 0},
        {"a decimal value up to 2147483647 is taken", "MaxMileage=2147483647\nFuelHistoryDepth=00000000002",
         634, 0, 1000, 2, TRUE, FALSE, 0},
        {"eight f read as -1, which is missing", "BackColor=ffffffff\nWidth=1", 1, 0, 60, 1, TRUE, FALSE, 0},
        {"the depth is held to 1..20", "FuelHistoryDepth=25", 634, 0, 60, 20, TRUE, FALSE, 0},
        {"a depth of 0 is 1", "FuelHistoryDepth=0", 634, 0, 60, 1, TRUE, FALSE, 0},
        {"meter maxima are held to 1..1000", "MaxMileage=5000\nMaxConsumption=0", 634, 0, 1000, 1, TRUE,
         FALSE, 0},
        {"a width beyond the screen takes the default", "Width=781\nHeight=100", 634, 0, 60, 1, TRUE, FALSE,
         0},
        {"the pen width is held to 0..10", "Thickness=7fffffff", 634, 10, 60, 1, TRUE, FALSE, 0},
        // append rather than +, which GCC 12 takes for a copy past the end of this table (-Warray-bounds)
        {"a value after the first 1024 characters is missing", std::string(1020, ';').append("Width=2"), 634,
         0, 60, 1, TRUE, FALSE, 0},
        {"a byte 0xFF ends the text",
         "Width=2\xFF"
         "BackColor=5",
         2, 0, 60, 1, TRUE, FALSE, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Restart();
        g_crLineColor[3] = 0x010203;
        LoadPrefsFrom(std::string_view(c.file), kScreen);
        EXPECT_EQ(g_nPrefWidth, c.width);
        EXPECT_EQ(g_nThickness, c.thickness);
        EXPECT_EQ(g_nMaxMileage, c.mileage);
        EXPECT_EQ(g_nFuelHistoryDepth, c.depth);
        EXPECT_EQ(g_bAutorun, c.autorun);
        EXPECT_EQ(g_bShowZeros, c.zeros);
        EXPECT_EQ(g_crBackColor, c.back);
        EXPECT_EQ(g_crGridColor, 0xFFFFFFu);
        EXPECT_EQ(g_crLineColor[3], 0x010203u); // a missing line colour stays
    }
}

TEST_F(PrefsFileTest, TheOlderFormIsReadThroughTheSettingsStream)
{
    LoadPrefsFrom(
        std::string_view("1,0,ffffff,ff,ff00,ffff,ffc0c0,a0ff,ffff00,a000,7f0000,60a0,c0c0ff,ffa000,"
                         "a0a000,\r\n1,0,"),
        kScreen);
    EXPECT_EQ(g_bAutorun, TRUE);
    EXPECT_EQ(g_crBackColor, 0u);
    EXPECT_EQ(g_crGridColor, 0xFFFFFFu);
    EXPECT_EQ(g_crLineColor, kTableColours);
    EXPECT_EQ(g_bShowUnits, TRUE);
    EXPECT_EQ(g_bShowZeros, FALSE);
    EXPECT_EQ(g_nPrefWidth, 634);
    EXPECT_EQ(g_nMaxConsumption, 20);

    EXPECT_EQ(ReadLegacyPrefs("0,10,20,"), 0);
    EXPECT_EQ(g_bAutorun, FALSE);
    EXPECT_EQ(g_crGridColor, 0x20u);
    EXPECT_EQ(ReadLegacyPrefs("0,1,2,3,4,5,6,7,8,9,a,b,c,d,e,1,2,"), 1);
    EXPECT_EQ(g_bShowZeros, TRUE);
}

TEST_F(PrefsFileTest, NumbersOfTheOlderFormThatLookLikeTheEndAreRead)
{
    // -99999, in decimal and as the hexadecimal fffe7961, was once taken for the end of the file.
    EXPECT_EQ(ReadLegacyPrefs("-99999,0,123456,fffe7961,ff00,ffff,ffc0c0,a0ff,ffff00,a000,7f0000,60a0,"
                              "c0c0ff,ffa000,a0a000,-99999,0,"),
              1);
    EXPECT_EQ(g_bAutorun, TRUE);
    EXPECT_EQ(g_crGridColor, 0x123456u);
    EXPECT_EQ(g_crLineColor[0], 0xFE7961u);
    EXPECT_EQ(g_crLineColor[11], 0xA0A000u);
    EXPECT_EQ(g_bShowUnits, TRUE);
    EXPECT_EQ(g_bShowZeros, FALSE);
}

TEST_F(PrefsFileTest, ColoursOfTheOlderFormReadBackFromTheNextWrite)
{
    // All 32 bits set would be written as "ffffffff", which reads as a missing key.
    LoadPrefsFrom(std::string_view("1,ffffffff,-1,"), kScreen);
    const std::string written = FormatPrefsFile();
    Restart();
    LoadPrefsFrom(std::string_view(written), kScreen);
    EXPECT_EQ(g_crBackColor, 0xFFFFFFu);
    EXPECT_EQ(g_crGridColor, 0xFFFFFFu);
}

TEST_F(PrefsFileTest, AMissingOrEmptyFileGivesTheDefaults)
{
    for (const bool empty : {false, true}) {
        SCOPED_TRACE(empty);
        Restart();
        g_crLineColor.fill(0x111111);
        g_bSaveWindowSize = FALSE;
        g_bShowZeros = TRUE;
        g_nThickness = 3;
        if (empty)
            WriteFile("Scaling/Prefs.cfg", "");
        LoadPrefs(kScreen);
        EXPECT_EQ(g_crLineColor, kTableColours);
        EXPECT_EQ(g_crGridColor, 0xFFFFFFu);
        EXPECT_EQ(g_bAutorun, TRUE);
        EXPECT_EQ(g_bShowZeros, FALSE);
        EXPECT_EQ(g_nThickness, 0);
        EXPECT_EQ(g_nPrefWidth, 634);
        EXPECT_EQ(g_nPrefHeight, 433);
        EXPECT_EQ(g_bSaveWindowSize, FALSE); // a missing file leaves it as it was
    }
    QDir(Path("Scaling")).removeRecursively();
    WriteFile("scaling/PREFS.CFG", "Width=400\nHeight=300\n");
    LoadPrefs(kScreen);
    EXPECT_EQ(g_nPrefWidth, 0x400);
}
