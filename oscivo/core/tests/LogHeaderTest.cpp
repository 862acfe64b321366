#include "LogFixture.h"

#include <vector>

namespace {

using namespace logsamples;

class LogHeader : public LogTest {
protected:
    std::vector<std::string> Units() const { return {g_strSlotUnit.begin(), g_strSlotUnit.end()}; }
};

TEST(LogTimestamp, TimeOfDayAfterTheFourthCommaWithinTheFirst99Characters)
{
    const std::string pad(99 - 4, 'x'); // puts the fourth comma at character 99
    const struct {
        std::string log;
        int result;
    } cases[] = {
        {kLine1, 1},
        {"a,b,c,d,19:21:33 whatever follows", 1},
        {"a,b,c,d,19:21:33", 1},
        {"a,b,c,d,9:21:33\r\n", 0},
        {"a,b,c,d, 19:21:33\r\n", 0},
        {"a,b,c,d,19-21-33\r\n", 0},
        {"a,b,c,d,19:21:3", 0},
        {"a,b,c\r\n,d,19:21:33", 1}, // CR LF is one character; the commas may span lines
        {"a,b,c,\xFF,19:21:33", 0},
        {"", 0},
        {",,," + pad + ",12:00:00", 1},
        {",,," + pad + "x,12:00:00", 0}, // the fourth comma is character 100
    };
    for (const auto& c : cases) {
        LogReader reader;
        reader.OpenBytes(c.log);
        EXPECT_EQ(reader.CheckLogTimestamp(), c.result) << c.log;
    }
}

TEST_F(LogHeader, ChosenFileIsCheckedAndNamed)
{
    WriteFile("LOGS/drive.csv", StandardLog());
    WriteFile("LOGS/notes.csv", "Einkauf,Brot,Milch,Eier,Butter\r\n");
    const QString log = Path("LOGS/drive.csv");

    EXPECT_FALSE(CheckChosenLog(log).has_value());
    for (const QString& path : {Path("LOGS/missing.csv"), Path("LOGS")}) {
        const auto message = CheckChosenLog(path);
        ASSERT_TRUE(message.has_value());
        EXPECT_EQ(message->text, kCannotOpenLog.text);
        EXPECT_EQ(message->caption, kCannotOpenLog.caption);
    }
    const auto message = CheckChosenLog(Path("LOGS/notes.csv"));
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(message->text, kNotAHostLog.text);
    EXPECT_EQ(message->caption, kNotAHostLog.caption);

    TakeChosenLog(QString::fromUtf8("/tmp/Fahrt über Land.csv"));
    EXPECT_EQ(g_strLogPath, QFile::encodeName(QString::fromUtf8("/tmp/Fahrt über Land.csv")).toStdString());
    EXPECT_EQ(g_strLogFileName, "Fahrt \xFC"
                                "ber Land.csv");
}

// Line 2 decides the form; the rest of each log is that form's.
TEST_F(LogHeader, FormFollowsLine2)
{
    const std::string advancedRest = AdvancedHeader().substr(AdvancedHeader().find("MARKE,STAMP,G"));
    const std::string standardRest = StandardHeader().substr(StandardHeader().find("Messwerte"));
    const std::string obdRest = kObdHeader.substr(kObdHeader.find("MARKE"));
    const struct {
        std::string line2;
        std::string rest;
        LogForm form;
        std::string name;
    } cases[] = {
        {"123 456 789 AB,ADVMB,\r\n", advancedRest, LogForm::Advanced, "123 456 789 AB"},
        {"123 456 789 AB,XADVMB\r\n", advancedRest, LogForm::Advanced, "123 456 789 AB"},
        {"123 456 789 AB, ADVMB,\r\n", standardRest, LogForm::Standard, "123 456 789 AB"},
        {"OBD-II,ADVMB,\r\n", obdRest, LogForm::Obd, "OBD"},
        {"Modul OBD 2\r\n", obdRest, LogForm::Obd, "OBD"},
        // 16 characters: the name holds 15, and the letter test starts at the sixteenth
        {"123 456 789 ABCD,ADVMB,\r\n", standardRest, LogForm::Standard, "123 456 789 ABC"},
        {"123 456 789 ABCADVMB\r\n", advancedRest, LogForm::Advanced, "123 456 789 ABC"},
        // exactly 15: the comma after them ends the field and the letters follow it
        {"123 456 789 ABC,ADVMB,\r\n", advancedRest, LogForm::Advanced, "123 456 789 ABC"},
        // the field ends at the line end, and the letters of line 3 are not line 2's
        {"123 456\r\n", "ADVMB\r\n" + standardRest.substr(standardRest.find("\r\n") + 2), LogForm::Standard,
         "123 456"},
        // the letter test takes line 2's end: line 3 follows
        {"123 456 789 AB,Std\r\n", standardRest, LogForm::Standard, "123 456 789 AB"},
        {"..\\..\\a/b\tc,Std\r\n", standardRest, LogForm::Standard, ".._.._a_b_c"},
        {"12\x81"
         "3\x8D\x8F\x90\x9D,Std\r\n",
         standardRest, LogForm::Standard, "12_3____"},
    };
    for (const auto& c : cases) {
        Restart();
        model.m_bObdMode = FALSE; // as Load clears it
        EXPECT_EQ(Read(kLine1 + c.line2 + c.rest), 1) << c.line2;
        EXPECT_EQ(reader.Form(), c.form) << c.line2;
        EXPECT_EQ(g_szScalingName, c.name) << c.line2;
        EXPECT_EQ(model.m_bObdMode, c.form == LogForm::Obd) << c.line2;
    }
}

TEST_F(LogHeader, StandardHeaderGivesEachRowItsGroupAndUnits)
{
    ASSERT_EQ(Read(StandardLog()), 1);
    EXPECT_EQ(reader.Form(), LogForm::Standard);
    EXPECT_EQ(g_nLogGroup, (std::array<int, 12>{1, 1, 1, 1, 3, 3, 3, 3, 20, 20, 20, 20}));
    EXPECT_EQ(Units(), kStandardSlotUnits);
    LogLine first = reader.ConvertLogLine(); // the reader stopped at the first data line
    EXPECT_EQ(first.kind, LogLineKind::Reply);
    EXPECT_EQ(g_dLogTime[0], 0.5);
}

TEST_F(LogHeader, StandardRowWithoutGroupOrOfGroupZero)
{
    // A row without group takes any other character in the quote's place.
    std::string groups = kStandardGroups;
    groups.replace(groups.find("'003"), 4, "Not Running");
    groups.replace(groups.find("'020"), 4, "'x2y"); // a quote without a number: no group either
    ASSERT_EQ(Read(kLine1 + "123 456 789 AB,\r\nMesswerte\r\n" + groups + kStandardUnits), 1);
    EXPECT_EQ(g_nLogGroup, (std::array<int, 12>{1, 1, 1, 1, -1, -1, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(g_strSlotUnit[5], "A");
    EXPECT_EQ(g_strSlotUnit[11], "d");

    // A row of group 0 holds ten values: eleven commas to the next group in line 4, six more
    // commas before the units line, ten columns there and no units.
    Restart();
    ASSERT_EQ(Read(kLine1 + "123 456 789 AB,\r\nMesswerte\r\n" +
                   ",Group A:,'000,,,,,,,,,,Group B:,'003,,,,Group C:,'020,,,\r\n"
                   "Kanal,A1,A2,A3,A4,,B1,B2,B3,B4,,C1,C2,C3,C4,\r\n" +
                   std::string(18, ',') + "\r\n" +
                   "MARKE,STAMP,,,,,,,,,,,STAMP, V, A, bar, mbar,STAMP, a, b, c, d\r\n"),
              1);
    EXPECT_EQ(g_nLogGroup, (std::array<int, 12>{0, 0, 0, 0, 3, 3, 3, 3, 20, 20, 20, 20}));
    EXPECT_EQ(Units(),
              (std::vector<std::string>{"", "", "", "", "V", "A", "bar", "mbar", "a", "b", "c", "d"}));
}

// Whichever character the log ends before, the header is not read.
TEST_F(LogHeader, HeaderCutShortFails)
{
    for (const std::string& header : {StandardHeader(), kObdHeader, AdvancedHeader()}) {
        for (std::size_t size = 0; size < header.size(); ++size) {
            Restart();
            EXPECT_LT(Read(header.substr(0, size)), 1) << header.substr(0, size);
        }
        Restart();
        EXPECT_EQ(Read(header), 1) << header;
    }
}

TEST_F(LogHeader, ObdHeaderGivesParametersUnitsAndGraphBoxes)
{
    model.m_nGraph = {0, 0, 1, 1, 1};
    ASSERT_EQ(Read(ObdLog()), 1);
    EXPECT_EQ(reader.Form(), LogForm::Obd);
    EXPECT_TRUE(model.m_bObdMode);
    EXPECT_EQ(g_szScalingName, "OBD");
    EXPECT_EQ((std::array<int, 4>{g_nSlotGroup[0], g_nSlotGroup[1], g_nSlotGroup[2], g_nSlotGroup[3]}),
              (std::array<int, 4>{12, 13, 0, 5}));
    EXPECT_EQ((std::array<int, 5>{model.m_nGraph[0], model.m_nGraph[1], model.m_nGraph[2], model.m_nGraph[3],
                                  model.m_nGraph[4]}),
              (std::array<int, 5>{1, 1, 0, 1, 1}));
    EXPECT_EQ(g_strSlotUnit[0], "1/min");
    EXPECT_EQ(g_strSlotUnit[1], "km/h");
    EXPECT_EQ(g_strSlotUnit[3], kDegrees);
}

TEST_F(LogHeader, ObdParameterNumbersAndUnitLimit)
{
    const auto header = [](const std::string& line3, const std::string& line4) {
        return kLine1 + "OBD-II\r\n" + line3 + "\r\n" + line4 + "\r\n";
    };
    // A parameter without a number is none: two units are read, for the parameters above 0.
    ASSERT_EQ(Read(header("x-$012,x-$abc,x-$ 07,x-$-01", "(rpm),(km/h),(V)")), 1);
    EXPECT_EQ((std::array<int, 4>{g_nSlotGroup[0], g_nSlotGroup[1], g_nSlotGroup[2], g_nSlotGroup[3]}),
              (std::array<int, 4>{12, 0, 7, -1}));
    EXPECT_EQ(g_strSlotUnit[0], "rpm");
    EXPECT_EQ(g_strSlotUnit[2], "km/h");
    EXPECT_EQ(
        (std::array<int, 4>{model.m_nGraph[0], model.m_nGraph[1], model.m_nGraph[2], model.m_nGraph[3]}),
        (std::array<int, 4>{1, 0, 1, 0}));

    Restart();
    EXPECT_EQ(Read(header("x-$001,x-$000,x-$000,x-$000", "(" + std::string(255, 'u') + ")")), 1);
    EXPECT_EQ(g_strSlotUnit[0].size(), 255u);
    Restart();
    EXPECT_EQ(Read(header("x-$001,x-$000,x-$000,x-$000", "(" + std::string(256, 'u') + ")")), -1);
}

TEST_F(LogHeader, AdvancedHeaderGivesEachSlotGroupFieldAndUnit)
{
    ASSERT_EQ(Read(AdvancedLog()), 1);
    EXPECT_EQ(reader.Form(), LogForm::Advanced);
    EXPECT_FALSE(model.m_bObdMode);
    EXPECT_EQ(g_nLogGroup, (std::array<int, 12>{1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3}));
    EXPECT_EQ(g_nSlotField, (std::array<int, 12>{0, 1, 2, 3, 0, 1, 2, 3, 0, 1, 2, 3}));
    EXPECT_EQ(Units(), kAdvancedSlotUnits);
}

TEST_F(LogHeader, AdvancedPairThatIsNotOneSaysWhy)
{
    const struct {
        std::string sixthPair;
        int result;
    } cases[] = {
        {"G002,X1,", -3}, {"X002,F1,", -1}, {"G002;F1,", -2}, {"G002,F1;", -4}, {"Gabc,F?,", 1},
    };
    for (const auto& c : cases) {
        Restart();
        std::string pairs = AdvancedPairs();
        pairs.replace(5 * 8, 8, c.sixthPair);
        EXPECT_EQ(Read(AdvancedHeader(pairs)), c.result) << c.sixthPair;
    }
    // Characters that hold no number give no group and no field.
    EXPECT_EQ(g_nLogGroup[5], -1);
    EXPECT_EQ(g_nSlotField[5], -1);
}

} // namespace
