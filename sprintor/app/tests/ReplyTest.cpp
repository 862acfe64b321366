// What the run makes of the host's replies: the speed field, the speeds around the start and
// end speeds, the three reply errors and the completion text.

#include "SprintorDialogFixture.h"

#include <clocale>
#include <vector>

namespace sprintortest {
namespace {

using Replies = SprintorDialogTest;

struct Step {
    std::uint32_t afterMs; // on the test clock, before the reply
    std::string payload;
    std::string kind = "1";
};

struct ReplyCase {
    const char* name;
    const char* unit;
    int from, to;
    std::vector<Step> steps;
    const char* message; // the box shown, nullptr for none
    int points;          // on the curve at the end
};

const std::string kFirst = SpeedReply("57");
const std::string kFirstMph = SpeedReply("35", "mph");

const ReplyCase kCases[] = {
    {"km/h found, the run completes",
     "km/h",
     0,
     100,
     {{0, kFirst}, {0, SpeedReply("0")}, {1000, SpeedReply("50")}, {1350, SpeedReply("101")}},
     "Beschleunigung von 0 auf 100 dauerte 2.35 Sekunden.",
     3},
    {"mph found",
     "mph",
     0,
     60,
     {{0, kFirstMph}, {0, SpeedReply("0", "mph")}, {4000, SpeedReply("61", "mph")}},
     "Beschleunigung von 0 auf 60 dauerte 4.00 Sekunden.",
     2},
    {"mph chosen, the host shows km/h",
     "mph",
     0,
     100,
     {{0, kFirst}},
     "Bitte in Diagnoma einen Messwertblock auswählen, der die Fahrzeuggeschwindigkeit enthält und "
     "sicherstellen, daß die korrekte Einheit ausgewählt ist (km/h oder mph).",
     0},
    {"only the identifier mentions the unit",
     "km/h",
     0,
     100,
     {{0, "km/h sensor,G001,F0,12, /min"}},
     "Bitte in Diagnoma einen Messwertblock auswählen, der die Fahrzeuggeschwindigkeit enthält und "
     "sicherstellen, daß die korrekte Einheit ausgewählt ist (km/h oder mph).",
     0},
    {"empty first reply",
     "km/h",
     0,
     100,
     {{0, ""}},
     "Hm, what's this? We acquired some sort of data containing vehicle speed... Auf deutsch: komische Daten "
     "kommen an.",
     0},
    {"a later reply too short",
     "km/h",
     0,
     100,
     {{0, kFirst}, {100, "123 456 789 AB,G001,F0,850"}},
     "Bitte den Messwertblock in Diagnoma während der Messung nicht umschalten!",
     0},
    {"a later reply empty",
     "km/h",
     0,
     100,
     {{0, kFirst}, {100, SpeedReply("20")}, {100, ""}},
     "Bitte den Messwertblock in Diagnoma während der Messung nicht umschalten!",
     1},
    {"exactly the end speed does not complete",
     "km/h",
     0,
     100,
     {{0, kFirst}, {100, SpeedReply("100")}, {100, SpeedReply("100.9")}},
     nullptr,
     2},
    {"end 99: 99.9 truncates to 99, 100.2 completes",
     "km/h",
     0,
     99,
     {{0, kFirst}, {100, SpeedReply("99.9")}, {100, SpeedReply("100.2")}},
     "Beschleunigung von 0 auf 99 dauerte 0.20 Sekunden.",
     2},
    {"kind 2 is ignored",
     "km/h",
     0,
     100,
     {{0, kFirst, "2"},
      {0, SpeedReply("20"), "2"},
      {0, kFirst},
      {100, SpeedReply("20")},
      {100, SpeedReply("150"), "2"}},
     nullptr,
     1},
    {"at the start speed the clock restarts",
     "km/h",
     50,
     100,
     {{0, kFirst},
      {1000, SpeedReply("50")},
      {500, SpeedReply("51")},
      {500, SpeedReply("50.7")},
      {300, SpeedReply("80")},
      {400, SpeedReply("120")}},
     "Beschleunigung von 50 auf 100 dauerte 0.70 Sekunden.",
     3},
    {"a negative speed counts as 0",
     "km/h",
     0,
     100,
     {{0, kFirst}, {100, SpeedReply("30")}, {100, SpeedReply("-4")}, {100, SpeedReply("-0.5")}},
     nullptr,
     1},
    {"a field without a number reads 0",
     "km/h",
     10,
     100,
     {{0, kFirst}, {100, SpeedReply("40")}, {100, SpeedReply("x")}, {250, SpeedReply("101")}},
     "Beschleunigung von 10 auf 100 dauerte 0.25 Sekunden.",
     2},
    {"a huge speed saturates and completes",
     "km/h",
     0,
     100,
     {{0, kFirst}, {0, SpeedReply("0")}, {3000, SpeedReply(std::string(60, '9'))}},
     "Beschleunigung von 0 auf 100 dauerte 3.00 Sekunden.",
     2},
    {"inf and hex are no numbers",
     "km/h",
     0,
     100,
     {{0, kFirst}, {0, SpeedReply("40")}, {100, SpeedReply("inf")}, {100, SpeedReply("0x7FFF")}},
     nullptr,
     1},
};

void Choose(CSprintorDlg& dlg, const ReplyCase& c)
{
    dlg.m_comboUnit.setCurrentIndex(dlg.m_comboUnit.findText(QString::fromLatin1(c.unit)));
    dlg.m_editFrom.setText(QString::number(c.from));
    dlg.m_editTo.setText(QString::number(c.to));
}

TEST_F(Replies, TableOfReplies)
{
    for (const ReplyCase& c : kCases) {
        SCOPED_TRACE(c.name);
        boxes.Clear();
        Choose(*dlg, c);
        ASSERT_EQ(dlg->m_nFrom, c.from);
        ASSERT_EQ(dlg->m_nTo, c.to);
        ArmAndCountDown();
        for (const Step& s : c.steps) {
            clock.Advance(s.afterMs);
            Reply(s.payload, s.kind);
        }
        EXPECT_EQ(Points(), static_cast<std::size_t>(c.points));
        if (!c.message) {
            EXPECT_TRUE(boxes.Boxes().empty());
            EXPECT_EQ(dlg->m_nRunState, CSprintorDlg::STATE_MEASURING);
            PressStartStop();
            continue;
        }
        ASSERT_EQ(boxes.Boxes().size(), 1u);
        EXPECT_EQ(boxes.Boxes()[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(boxes.Boxes()[0].caption, QStringLiteral("Sprintor"));
        EXPECT_EQ(boxes.Boxes()[0].flags, MB_OK);
        EXPECT_EQ(dlg->m_nRunState, CSprintorDlg::STATE_IDLE);
        EXPECT_EQ(dlg->m_btnStartStop.text(), QStringLiteral("Los!"));
        EXPECT_TRUE(dlg->m_editFrom.isEnabled());
    }
}

TEST_F(Replies, TheSpeedFieldIsFoundInTheFirstReplyOfEachRun)
{
    ArmAndCountDown();
    Reply("id,G001,F0,57, km/h,G001,F1,33, km/h");
    EXPECT_EQ(dlg->m_nSpeedColumn, 3) << "the field before the first that mentions the unit";
    EXPECT_EQ(Points(), 0u) << "the first reply's value is not used";
    PressStartStop();
    ArmAndCountDown();
    EXPECT_EQ(dlg->m_nSpeedColumn, -1);
    Reply(SpeedReply("12"));
    EXPECT_EQ(dlg->m_nSpeedColumn, 7);
}

TEST_F(Replies, TheResultLabelAndTheLinkAfterAnError)
{
    ArmAndCountDown();
    Reply(kFirst);
    Reply(SpeedReply("0"));
    clock.Advance(5000);
    Reply(SpeedReply("105"));
    ASSERT_EQ(dlg->m_graph.m_texts.size(), 1u);
    EXPECT_EQ(dlg->m_graph.m_texts[0].text,
              QStringLiteral("Beschleunigung von 0 auf 100 dauerte 5.00 Sekunden."));
    EXPECT_FLOAT_EQ(dlg->m_graph.m_texts[0].x, 1.5f);
    EXPECT_FLOAT_EQ(dlg->m_graph.m_texts[0].y, 100.0f);
    EXPECT_TRUE(dlg->m_client.IsConnected()) << "a completed run keeps the link";

    // A new run clears curve and label; a reply error disconnects, the next start connects again.
    ArmAndCountDown();
    EXPECT_TRUE(dlg->m_graph.m_texts.empty());
    EXPECT_EQ(Points(), 0u);
    Reply("");
    EXPECT_FALSE(dlg->m_client.IsConnected());
    const int connections = host.ConnectionCount();
    PressStartStop();
    EXPECT_TRUE(dlg->m_client.IsConnected());
    EXPECT_TRUE(host.WaitForConnections(connections + 1));
}

TEST_F(Replies, TheTimeAxisGrowsByFiveSecondsWhenAPointReachesIt)
{
    ArmAndCountDown();
    Reply(kFirst);
    Reply(SpeedReply("0"));
    struct Growth {
        std::uint32_t atMs;
        float xMax;
    };
    for (const Growth g :
         {Growth{14990, 15}, Growth{15000, 20}, Growth{19000, 20}, Growth{20000, 25}, Growth{40000, 30}}) {
        clock.Set(dlg->m_dwStartTime + g.atMs);
        Reply(SpeedReply("40"));
        EXPECT_EQ(dlg->m_graph.m_fXMax, g.xMax) << g.atMs;
    }
}

TEST_F(Replies, TheClockIsRightAcrossAWrapOfTheCounter)
{
    ArmAndCountDown();
    Reply(kFirst);
    clock.Set(0xFFFFFF00u);
    Reply(SpeedReply("0"));
    clock.Advance(0x100 + 1744);
    Reply(SpeedReply("101"));
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Beschleunigung von 0 auf 100 dauerte 2.00 Sekunden."));
}

TEST_F(Replies, TheCompletionTextKeepsItsPointUnderAGermanLocale)
{
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    ArmAndCountDown();
    Reply(kFirst);
    Reply(SpeedReply("0"));
    clock.Advance(1000);
    Reply(SpeedReply("55.5"));
    clock.Advance(2340);
    Reply(SpeedReply("101.5"));
    std::setlocale(LC_ALL, "C");
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, QStringLiteral("Beschleunigung von 0 auf 100 dauerte 3.34 Sekunden."));
    EXPECT_FLOAT_EQ(dlg->m_graph.m_series[0].m_points[1].y, 55.5f);
}

} // namespace
} // namespace sprintortest
