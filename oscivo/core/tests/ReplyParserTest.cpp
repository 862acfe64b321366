#include "oscivo/core/ReplyParser.h"

#include "CoreFixture.h"
#include "testhost/Drive.h"
#include "testhost/ReplyPayload.h"

#include <cmath>
#include <vector>

namespace {

using testhost::AdvancedEntry;
using testhost::EmptyEntry;
using testhost::Entry;
using testhost::StandardEntry;

std::string Repeat(const std::string& part, int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += part;
    return text;
}

// A slot as the parse left it.
struct SlotCase {
    int slot;
    int group;
    int field;
    double value;
    std::string unit;
};

struct ParseCase {
    const char* what;
    std::string payload;
    int result;
    BOOL advanced;
    std::vector<SlotCase> expected;
};

const std::string kId = "123 456 789 AB,";
const std::string kEmptyRows12 = Repeat(EmptyEntry(), 8);
const std::string kDegreeC = "\xB0"
                             "C";

// Row 0 of group 1 and the eight empty entries after it, with one entry replaced.
std::string StandardWith(const std::string& first)
{
    return kId + first + Repeat(StandardEntry({1, 1, "2", "V"}), 3) + kEmptyRows12;
}

std::string TenAdvanced()
{
    std::string text;
    for (int i = 0; i < 10; ++i)
        text += AdvancedEntry(i, std::to_string(i * 10 + 1));
    return text;
}

} // namespace

class ReplyParserTest : public CoreTest {};

TEST_F(ReplyParserTest, PayloadsParseAsTheirAlgorithmReadsThem)
{
    const std::string value100 = "1" + std::string(99, '0');
    const std::string unit99 = std::string(99, 'u');
    const ParseCase cases[] = {
        {"standard: values, empty value, units with their blank dropped",
         kId + "G001,F0,0.5, V,G001,F1,12, %,G001,F2,,,G001,F3,-3.5, " + kDegreeC + "," + kEmptyRows12,
         1,
         FALSE,
         {{0, 1, 0, 0.5, "V"},
          {1, 1, 1, 12, "%"},
          {2, 1, 2, 0, ""},
          {3, 1, 3, -3.5, kDegreeC},
          {4, 0, 0, 0, ""},
          {11, 0, 0, 0, ""}}},
        {"advanced: slots 0..3 empty, rows 1 and 2 in slots 4..11",
         kId + TenAdvanced() + StandardEntry({7, 2, "3.5", "bar"}) + Repeat(EmptyEntry(), 7),
         1,
         TRUE,
         {{0, 0, 0, 0, ""}, {3, 0, 0, 0, ""}, {4, 7, 2, 3.5, "bar"}, {5, 0, 0, 0, ""}}},
        {"an advanced entry's unit is passed over",
         kId + "GZER,F0,5, x," + TenAdvanced().substr(11) + kEmptyRows12,
         1,
         TRUE,
         {{0, 0, 0, 0, ""}}},
        {"OBD: parameters as group, field 0",
         testhost::ObdReply({{12, "850", "/min"}, {13, "50", "km/h"}}),
         1,
         FALSE,
         {{0, 12, 0, 850, "/min"}, {1, 13, 0, 50, "km/h"}, {2, 0, 0, 0, ""}}},
        {"a value of 100 characters",
         StandardWith("G001,F0," + value100 + ", V,"),
         1,
         FALSE,
         {{0, 1, 0, 1e99, "V"}}},
        {"a value of 101 characters", StandardWith("G001,F0," + value100 + "0, V,"), -1, FALSE, {}},
        {"a unit of 100 characters with its blank",
         StandardWith("G001,F0,1, " + unit99 + ","),
         1,
         FALSE,
         {{0, 1, 0, 1, unit99}}},
        {"a unit of 101 characters with its blank",
         StandardWith("G001,F0,1, " + unit99 + "u,"),
         -1,
         FALSE,
         {}},
        {"a unit of 100 characters without a blank",
         StandardWith("G001,F0,1,u" + unit99 + ","),
         1,
         FALSE,
         {{0, 1, 0, 1, "u" + unit99}}},
        {"41 stray characters after an entry with data",
         kId + StandardEntry({1, 0, "1", "V"}) + std::string(41, 'x') + Repeat(EmptyEntry(), 11),
         1,
         FALSE,
         {{0, 1, 0, 1, "V"}}},
        {"42 stray characters after an entry with data",
         kId + StandardEntry({1, 0, "1", "V"}) + std::string(42, 'x') + Repeat(EmptyEntry(), 11),
         -1,
         FALSE,
         {}},
        {"40 stray characters after an empty entry",
         kId + EmptyEntry() + std::string(40, 'x') + Repeat(EmptyEntry(), 11),
         1,
         FALSE,
         {}},
        {"41 stray characters after an empty entry",
         kId + EmptyEntry() + std::string(41, 'x') + Repeat(EmptyEntry(), 11),
         -1,
         FALSE,
         {}},
        {"12.5.3 reads as 12.5", StandardWith("G001,F0,12.5.3, V,"), 1, FALSE, {{0, 1, 0, 12.5, "V"}}},
        {"a lone minus leaves 0", StandardWith("G001,F0,-, V,"), 1, FALSE, {{0, 1, 0, 0, "V"}}},
        {"an exponent makes 0", StandardWith("G001,F0,1e3, V,"), 1, FALSE, {{0, 1, 0, 0, "V"}}},
        {"a blank in the value makes 0", StandardWith("G001,F0, 5, V,"), 1, FALSE, {{0, 1, 0, 0, "V"}}},
        {"too few entries", kId + Repeat(EmptyEntry(), 11), -1, FALSE, {}},
        {"no F", StandardWith("G001,X0,1, V,"), -1, FALSE, {}},
        {"group 256", StandardWith("G256,F0,1, V,"), -1, FALSE, {}},
        {"group 255", StandardWith("G255,F0,1, V,"), 1, FALSE, {{0, 255, 0, 1, "V"}}},
        {"a negative group", StandardWith("G-01,F0,1, V,"), -1, FALSE, {}},
        {"field 4", StandardWith("G001,F4,1, V,"), -1, FALSE, {}},
        {"a field that is not a digit", StandardWith("G001,Fx,1, V,"), -1, FALSE, {}},
        {"an advanced index that is not a digit",
         kId + "GZER,Fx,1,," + TenAdvanced().substr(11) + kEmptyRows12,
         -1,
         TRUE,
         {}},
        {"an empty payload", "", -1, FALSE, {}},
        {"no comma at all", "123 456 789 AB", -1, FALSE, {}},
        {"the last entry cut off by the end",
         kId + Repeat(StandardEntry({1, 0, "1", "V"}), 11) + "G001,F3,4",
         1,
         FALSE,
         {{11, 1, 3, 4, ""}}},
        {"the last entry is a bare G",
         kId + Repeat(StandardEntry({1, 0, "1", "V"}), 11) + "G",
         1,
         FALSE,
         {{11, 0, 0, 0, ""}}},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.what);
        Restart();
        ASSERT_TRUE(SetReply(c.payload));
        EXPECT_EQ(model.ParseReply(), c.result);
        EXPECT_EQ(g_bAdvancedMode, c.result == 1 ? c.advanced : FALSE);
        EXPECT_LE(g_nReplyPos, static_cast<int>(c.payload.size()));
        for (const SlotCase& s : c.expected) {
            SCOPED_TRACE(s.slot);
            EXPECT_EQ(g_nSlotGroup[s.slot], s.group);
            EXPECT_EQ(g_nSlotField[s.slot], s.field);
            EXPECT_DOUBLE_EQ(g_dSlotValue[s.slot], s.value);
            EXPECT_EQ(g_strSlotUnit[s.slot], s.unit);
        }
    }
}

TEST_F(ReplyParserTest, AdvancedValuesGoByTheirOwnIndexAndAnEmptyOneKeepsTheLast)
{
    std::string advanced;
    for (int i = 9; i >= 0; --i)
        advanced += AdvancedEntry(i, std::to_string(i) + ".5");
    ASSERT_TRUE(SetReply(kId + advanced + kEmptyRows12));
    ASSERT_EQ(model.ParseReply(), 1);
    for (int i = 0; i < 10; ++i)
        EXPECT_DOUBLE_EQ(g_dAdvValue[i], i + 0.5);

    ASSERT_TRUE(SetReply(kId + testhost::AdvancedEntry(0, "") + TenAdvanced().substr(11) + kEmptyRows12));
    ASSERT_EQ(model.ParseReply(), 1);
    EXPECT_DOUBLE_EQ(g_dAdvValue[0], 0.5);
    EXPECT_DOUBLE_EQ(g_dAdvValue[1], 11);
}

TEST_F(ReplyParserTest, StandInHostPayloadsReadAsBuilt)
{
    const testhost::DriveSample sample = testhost::DriveAt(17.3);
    ASSERT_TRUE(SetReply(testhost::DrivePayload(sample, false)));
    ASSERT_EQ(model.ParseReply(), 1);
    EXPECT_EQ(g_szScalingName, "123-456-789-AB.SCL");
    EXPECT_FALSE(model.m_bObdMode);
    const std::string units[] = {"/min", "km/h", "l/h", kDegreeC};
    const double values[] = {std::round(sample.engineSpeed), std::round(sample.roadSpeed * 10) / 10,
                             std::round(sample.fuelRate * 100) / 100, std::round(sample.coolant * 10) / 10};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(g_nSlotGroup[k], 1);
        EXPECT_EQ(g_nSlotField[k], k);
        EXPECT_EQ(g_strSlotUnit[k], units[k]);
        EXPECT_NEAR(g_dSlotValue[k], values[k], 1e-9);
    }

    ASSERT_TRUE(SetReply(testhost::DrivePayload(sample, true)));
    ASSERT_EQ(model.ParseReply(), 1);
    EXPECT_EQ(g_szScalingName, "OBD.SCL");
    EXPECT_TRUE(model.m_bObdMode);
    const int pids[] = {12, 13, 94, 5};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(g_nSlotGroup[k], pids[k]);
        EXPECT_EQ(g_nSlotField[k], 0);
        EXPECT_EQ(g_strSlotUnit[k], units[k]);
    }

    ASSERT_TRUE(SetReply(testhost::AdvancedReply("123 456 789 AB", {"1", "2"}, {{3, 1, "4", "V"}})));
    ASSERT_EQ(model.ParseReply(), 1);
    EXPECT_TRUE(g_bAdvancedMode);
    EXPECT_DOUBLE_EQ(g_dAdvValue[1], 2);
    EXPECT_EQ(g_nSlotGroup[4], 3);
}

TEST_F(ReplyParserTest, IdentifiersNameTheScalingFile)
{
    const struct {
        std::string identifier;
        std::string name;
    } cases[] = {
        {"123 456 789 AB", "123-456-789-AB.SCL"},
        {"123 456 789    ", "123-456-789-.SCL"}, // only characters 13 to 15 are cleared
        {"123 456 789 A  ", "123-456-789-A.SCL"},
        {"12 ", "12-.SCL"},                           // a short name keeps its blank
        {"123 456 789 ABCDE", "123-456-789-ABC.SCL"}, // 17 characters
        {"123 456 789 AB 123456", "123-456-789-AB.SCL"},
        {std::string(300, '7'), std::string(15, '7') + ".SCL"},
        {"OBD.LBL", "OBD.SCL"},
        {".hidden", ".hidden.SCL"}, // the first character is not looked at
        {"12.34.56", "12.SCL"},
        {"a/b\\c\x01\x7F"
         "d",
         "a_b_c__d.SCL"},
        {"12\x81"
         "3\x8D\x8F\x90\x9D",
         "12_3____.SCL"}, // the bytes Windows-1252 leaves undefined decode to control characters
        {"..", "..SCL"},
        {"", ".SCL"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.identifier);
        EXPECT_EQ(MakeScalingName(c.identifier), c.name);
    }
}

TEST_F(ReplyParserTest, IdentificationKeepsTheWholeIdentifierAndDropsOverlongPayloads)
{
    const std::string identifier(300, 'K');
    const std::string payload = identifier + "," + Repeat(EmptyEntry(), 12);
    ASSERT_TRUE(model.TakeReply("1", payload));
    EXPECT_EQ(g_szModuleText, identifier);
    EXPECT_EQ(g_szScalingName, std::string(15, 'K') + ".SCL");
    EXPECT_EQ(g_strTitle, "Oscivo  -  Live Daten  -  " + identifier);
    EXPECT_TRUE(model.TakeEffects().titleChanged);

    const std::string longest = "ID," + Repeat(EmptyEntry(), 12) + std::string(1027 - 3 - 96, 'x');
    ASSERT_EQ(longest.size(), 1027u);
    EXPECT_TRUE(model.TakeReply("1", longest));
    EXPECT_EQ(g_szModuleText, "ID");

    const std::string tooLong = "XY," + Repeat(EmptyEntry(), 12) + std::string(1028 - 3 - 96, 'x');
    EXPECT_FALSE(model.TakeReply("1", tooLong));
    EXPECT_EQ(g_szModuleText, "ID");
    EXPECT_EQ(ReplyText(), longest);
}

TEST_F(ReplyParserTest, TheHandlerLooksOnlyAtKindOneAndCopiesButIgnoresWhileStopped)
{
    const std::string payload = testhost::StandardReply("123 456 789 AB", {Entry{1, 0, "5", "V"}});
    EXPECT_FALSE(model.TakeReply("2", payload));
    EXPECT_EQ(ReplyText(), "");

    g_bStopped = TRUE;
    EXPECT_FALSE(model.TakeReply("1", payload));
    EXPECT_EQ(ReplyText(), payload);
    EXPECT_EQ(g_nSlotGroup[0], -1);
    EXPECT_EQ(g_szScalingName, "");
}

TEST_F(ReplyParserTest, ObdLayoutFollowsEachIdentification)
{
    ASSERT_TRUE(model.TakeReply("1", testhost::ObdReply({{12, "850", "/min"}})));
    EXPECT_TRUE(model.m_bObdMode);
    ASSERT_TRUE(model.TakeReply("1", testhost::StandardReply("123 456 789 AB", {Entry{1, 0, "5", "V"}})));
    EXPECT_FALSE(model.m_bObdMode);
}

TEST_F(ReplyParserTest, IdentificationIsSkippedWhileTheLoadedModuleStays)
{
    // As in playback: the scaling is loaded once, and later lines only skip the identifier.
    g_bRunning = TRUE;
    g_strLogFileName = "drive.csv";
    ASSERT_TRUE(SetReply(testhost::StandardReply("123 456 789 AB", {Entry{1, 0, "5", "V"}})));
    ASSERT_EQ(model.ParseReply(), 1);
    EXPECT_EQ(g_strTitle, "Oscivo   -   123 456 789 AB  -   drive.csv");
    EXPECT_EQ(model.LoadScaling(), 0);
    model.TakeEffects();

    g_strTitle = "unchanged";
    ASSERT_TRUE(SetReply(testhost::StandardReply("999 999 999 ZZ", {Entry{2, 1, "6", "V"}})));
    ASSERT_EQ(model.ParseReply(), 1);
    EXPECT_EQ(g_strTitle, "unchanged");
    EXPECT_EQ(g_szModuleText, "123 456 789 AB");
    EXPECT_EQ(g_nSlotGroup[0], 2);
    EXPECT_FALSE(model.TakeEffects().titleChanged);
}

TEST_F(ReplyParserTest, AMalformedReplyBetweenTwoAdvancedOnesSwitchesNoLayout)
{
    const std::string advanced = kId + TenAdvanced() + kEmptyRows12;
    const std::string malformed = StandardWith("G001,F9,1, V,"); // fails before any advanced entry
    auto first = Show(advanced);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->layout, LayoutSwitch::ToAdvanced);
    EXPECT_TRUE(first->rebuildGrid);

    EXPECT_FALSE(Show(malformed));
    EXPECT_TRUE(g_bAdvancedMode);
    EXPECT_FALSE(g_bPrevAdvancedMode);

    model.m_nAdvGraph[0] = 0; // the user clears a box; a second switch would set it again
    auto third = Show(advanced);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->layout, LayoutSwitch::None);
    EXPECT_FALSE(third->rebuildGrid);
    EXPECT_EQ(model.m_nAdvGraph[0], 0);
}
