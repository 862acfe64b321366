#include "LogFixture.h"
#include "oscivo/core/ReplyParser.h"

#include <vector>

namespace {

using namespace logsamples;

class LogLines : public LogTest {
protected:
    void Open(const std::string& log) { ASSERT_EQ(Read(log), 1); }

    // The lines as playback meets them, up to the end of the log.
    std::vector<LogLine> Lines()
    {
        std::vector<LogLine> lines;
        for (;;) {
            lines.push_back(reader.ConvertLogLine());
            if (lines.back().kind != LogLineKind::Reply && lines.back().kind != LogLineKind::Skipped)
                return lines;
        }
    }
};

TEST_F(LogLines, EachFormBecomesTheReplyOfItsValues)
{
    const struct {
        std::string log;
        std::vector<std::string> replies;
        std::vector<double> firstTimes; // of the last line
    } cases[] = {
        {StandardLog(),
         {StandardReply({"850", "12.5", "30", "90", "12.1", "3", "1.2", "980", "1", "2", "3", "4"}),
          StandardReply({"900", "13", "31", "91", "12.2", "4", "1.3", "981", "5", "6", "7", "8"})},
         {1.0, 1.0, 1.1}},
        {ObdLog(), {ObdReply("850", "42", "88"), ObdReply("900", "44", "89")}, {0.5, 0.0, 0.0}},
        {AdvancedLog(), {AdvancedReply(100), AdvancedReply(200)}, {0.35, 0.0, 0.0}},
    };
    for (const auto& c : cases) {
        Restart();
        Open(c.log);
        const std::vector<LogLine> lines = Lines();
        ASSERT_EQ(lines.size(), c.replies.size() + 1);
        for (std::size_t i = 0; i < c.replies.size(); ++i) {
            EXPECT_EQ(lines[i].kind, LogLineKind::Reply);
            EXPECT_EQ(lines[i].text, c.replies[i]);
        }
        EXPECT_EQ(ReplyText(), c.replies.back()); // handed to the parser
        EXPECT_EQ(lines.back().kind, LogLineKind::End);
        EXPECT_EQ(lines.back().text, "");
        EXPECT_TRUE(g_bEndOfLog);
        EXPECT_EQ(std::vector<double>(g_dLogTime.begin(), g_dLogTime.end()), c.firstTimes);
        EXPECT_EQ(model.ParseReply(), 1);
    }
}

TEST_F(LogLines, StandardRowsWithoutGroupOfGroupZeroAndEmptyValues)
{
    // Row 0 without group: its four columns, then one more column before row 1's time.
    std::string groups = kStandardGroups;
    groups.replace(groups.find("'001"), 4, "-");
    Open(kLine1 + kModule + "\r\nMesswerte\r\n" + groups + kStandardUnits +
         ",0.5,,,,9.9,0.75,12.1,3,1.2,980,0.8,1,2,3,4\r\n");
    LogLine line = reader.ConvertLogLine();
    EXPECT_EQ(line.text, kModule + EmptyEntries(4) + Entry(3, 0, "12.1", "V") + Entry(3, 1, "3", "A") +
                             Entry(3, 2, "1.2", "bar") + Entry(3, 3, "980", "mbar") + Entry(20, 0, "1", "a") +
                             Entry(20, 1, "2", "b") + Entry(20, 2, "3", "c") + Entry(20, 3, "4", "d"));
    EXPECT_EQ(g_dLogTime[1], 0.75);
    EXPECT_EQ(g_dLogTime[2], 0.8);

    // Row 0 of group 0: ten advanced values, then row 1's time.
    Restart();
    Open(kLine1 + kModule + "\r\nMesswerte\r\n" +
         ",Group A:,'000,,,,,,,,,,Group B:,'003,,,,Group C:,'020,,,\r\n" +
         "Kanal,A1,A2,A3,A4,,B1,B2,B3,B4,,C1,C2,C3,C4,\r\n" + std::string(18, ',') + "\r\n" +
         "MARKE,STAMP,,,,,,,,,,,STAMP, V, A, bar, mbar,STAMP, a, b, c, d\r\n" +
         ",1.5,0,1,2,3,4,5,6,7,8,9,12.5,v1,v2,v3,v4,12.75,w1,w2,w3,w4\r\n");
    std::string advanced = kModule;
    for (int i = 0; i < 10; ++i)
        advanced += "GZER,F" + std::to_string(i) + "," + std::to_string(i) + ",,";
    line = reader.ConvertLogLine();
    EXPECT_EQ(line.text, advanced + Entry(3, 0, "v1", "V") + Entry(3, 1, "v2", "A") +
                             Entry(3, 2, "v3", "bar") + Entry(3, 3, "v4", "mbar") + Entry(20, 0, "w1", "a") +
                             Entry(20, 1, "w2", "b") + Entry(20, 2, "w3", "c") + Entry(20, 3, "w4", "d"));
    EXPECT_EQ(std::vector<double>(g_dLogTime.begin(), g_dLogTime.end()),
              (std::vector<double>{1.5, 12.5, 12.75}));

    // An empty value keeps its entry, and the fields after it stay in their columns.
    Restart();
    Open(StandardHeader() + ",0.5,850,,30,90,0.5,,3,1.2,980,0.6,1,2,3,\r\n");
    EXPECT_EQ(reader.ConvertLogLine().text,
              StandardReply({"850", "", "30", "90", "", "3", "1.2", "980", "1", "2", "3", ""}));
    EXPECT_EQ(model.ParseReply(), 1);
    EXPECT_EQ(g_dSlotValue[2], 30.0);
}

TEST_F(LogLines, GroupZeroOutsideRowZeroEndsTheLog)
{
    std::string groups = kStandardGroups;
    groups.replace(groups.find("'003,,,,"), 8, "'000,,,,,,,,,,");
    Open(kLine1 + kModule + "\r\nMesswerte\r\n" + groups +
         "MARKE,STAMP, /min, km/h, %, x,STAMP,,,,,,,,,,,STAMP, a, b, c, d\r\n" +
         ",0.5,1,2,3,4,0.5,0,1,2,3,4,5,6,7,8,9,0.5,1,2,3,4\r\n" + kStandardData);
    const LogLine line = reader.ConvertLogLine();
    EXPECT_EQ(line.kind, LogLineKind::UnexpectedEnd);
    EXPECT_EQ(line.text, "its entries count 8, not 12");
    EXPECT_TRUE(g_bEndOfLog);
}

TEST_F(LogLines, LineCutShortByTheEndIsNotShown)
{
    const std::string last = ",1.0,900,13,31,91,1.0,12.2,4,1.3,981,1.1,5,6,7,8";
    const struct {
        std::string tail;
        std::vector<LogLineKind> kinds;
        std::string why;
    } cases[] = {
        {last + "\r\n\r\n\r\n", {LogLineKind::Reply, LogLineKind::End}, ""},
        {last, {LogLineKind::End}, "the log ends inside this line"},
        {last + ",more", {LogLineKind::End}, "the log ends inside this line"},
        {",1.0,900\xFF" + last + "\r\n", {LogLineKind::End}, "the log ends inside this line"},
        {"", {LogLineKind::End}, ""},
    };
    for (const auto& c : cases) {
        Restart();
        Open(StandardHeader() + c.tail);
        const std::vector<LogLine> lines = Lines();
        std::vector<LogLineKind> kinds;
        kinds.reserve(lines.size());
        for (const LogLine& line : lines)
            kinds.push_back(line.kind);
        EXPECT_EQ(kinds, c.kinds) << c.tail;
        EXPECT_EQ(lines.back().text, c.why) << c.tail;
    }
}

// A line whose reply would not fit the reply buffer, or that the parser rejects, is passed
// over, and the lines after it play with the header's parameters and units.
TEST_F(LogLines, LineThatGivesNoReplyIsSkipped)
{
    const char zeroByte[] = ",0.4,85\0"
                            "0,0.4,42,0.4,0,0.4,88\r\n";
    Open(kObdHeader + ",0.25,850,0.25," + std::string(1000, '1') + ",0.25,0,0.25,88\r\n" +
         std::string(zeroByte, sizeof zeroByte - 1) + ",0.5,850,0.5," + std::string(101, '2') +
         ",0.5,0,0.5,88\r\n" + kObdData);
    // As playback takes them: each converted line to the parser before the next is read.
    std::vector<LogLine> lines;
    std::vector<int> parsed;
    do {
        lines.push_back(reader.ConvertLogLine());
        parsed.push_back(lines.back().kind == LogLineKind::Reply ? model.ParseReply() : 0);
    } while (lines.back().kind == LogLineKind::Reply || lines.back().kind == LogLineKind::Skipped);

    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].kind, LogLineKind::Skipped);
    EXPECT_EQ(lines[0].text, "its reply is longer than the 1027 bytes of the reply buffer");
    EXPECT_EQ(lines[1].kind, LogLineKind::Skipped);
    EXPECT_EQ(lines[1].text, "its reply holds a zero byte");
    EXPECT_EQ(parsed, (std::vector<int>{0, 0, -1, 1, 1, 0})); // the third's value is over 100 characters
    EXPECT_EQ(lines[3].text, ObdReply("850", "42", "88"));
    EXPECT_EQ(g_nSlotGroup[1], 13);
    EXPECT_EQ(g_strSlotUnit[1], "km/h");
    EXPECT_EQ(lines[5].kind, LogLineKind::End);
}

// A parameter number or group that the scale and label tables cannot hold gives an empty entry;
// the line's other values still play.
TEST_F(LogLines, NumbersBeyondTheTablesGiveEmptyEntries)
{
    std::string obd = kObdHeader;
    obd.replace(obd.find("$013"), 4, "$300");
    Open(obd + kObdData);
    EXPECT_EQ(reader.ConvertLogLine().text, "OBD.LBL," + Entry(12, 0, "850", "1/min") + EmptyEntries(2) +
                                                Entry(5, 0, "88", kDegrees) + EmptyEntries(8));
    EXPECT_EQ(model.ParseReply(), 1);

    Restart();
    std::string pairs = AdvancedPairs();
    pairs.replace(0, 8, "G256,F0,");
    pairs.replace(8, 8, "G001,F4,");
    Open(AdvancedHeader(pairs) + AdvancedData(0.1, 100));
    const std::string reply = reader.ConvertLogLine().text;
    EXPECT_EQ(reply.substr(0, kModule.size() + 30), kModule + EmptyEntries(2) + Entry(1, 2, "102", "%"));
    EXPECT_EQ(model.ParseReply(), 1);
}

// The replies name the module with dashes for its blanks, and a padded name gives the scaling
// file that the same module gives in live mode.
TEST_F(LogLines, TheModuleIsNamedWithDashesAndGivesItsLiveScalingFile)
{
    const struct {
        std::string name; // line 2's field 0
        std::string identifier;
        std::string scaling;
    } cases[] = {
        {"123 456 789 AB", "123-456-789-AB", "123-456-789-AB.SCL"},
        {"123 456 789    ", "123-456-789-", "123-456-789-.SCL"}, // only characters 13 to 15 are cleared
        {"123 456 789 A  ", "123-456-789-A", "123-456-789-A.SCL"},
        {"12 ", "12-", "12-.SCL"},
        {"12\x81"
         "3 4",
         "12_3-4", "12_3-4.SCL"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Restart();
        g_bRunning = TRUE;
        g_strLogFileName = "drive.csv";
        Open(StandardHeader(c.name + ",\r\n") + kStandardData);
        const LogLine line = reader.ConvertLogLine();
        EXPECT_EQ(line.text.substr(0, c.identifier.size() + 1), c.identifier + ",");
        EXPECT_EQ(model.ParseReply(), 1);
        EXPECT_EQ(g_strTitle, "Oscivo   -   " + c.identifier + "  -   drive.csv");
        EXPECT_EQ(g_szScalingName, c.scaling);
        EXPECT_EQ(g_szScalingName, MakeScalingName(c.name));
    }
}

// The reply grammar has no escape: a comma in an OBD unit would shift every field after it.
TEST_F(LogLines, CommasAreDroppedFromUnits)
{
    std::string obd = kObdHeader;
    obd.replace(obd.find("(1/min)"), 7, "(rpm,x)");
    obd.replace(obd.find("(km/h)"), 6, "(,k,m,)");
    Open(obd + kObdData);
    EXPECT_EQ(reader.ConvertLogLine().text, "OBD.LBL," + Entry(12, 0, "850", "rpmx") +
                                                Entry(13, 0, "42", "km") + EmptyEntries(1) +
                                                Entry(5, 0, "88", kDegrees) + EmptyEntries(8));
    ASSERT_EQ(model.ParseReply(), 1);
    EXPECT_EQ(g_strSlotUnit[0], "rpmx");
    EXPECT_EQ(g_nSlotGroup[1], 13);
    EXPECT_EQ(g_dSlotValue[1], 42.0);
    EXPECT_EQ(g_nSlotGroup[3], 5);
    EXPECT_EQ(g_dSlotValue[3], 88.0);
}

TEST_F(LogLines, ClosedOrReopenedLog)
{
    WriteFile("drive.csv", StandardLog());
    ASSERT_TRUE(reader.Open(Path("drive.csv")));
    ASSERT_EQ(reader.ReadLogHeader(model), 1);
    EXPECT_EQ(reader.ConvertLogLine().kind, LogLineKind::Reply);

    reader.Close();
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(reader.ConvertLogLine().kind, LogLineKind::End);

    // A rewind opens the same file again, from its start.
    ASSERT_TRUE(reader.Open(Path("drive.csv")));
    EXPECT_TRUE(reader.IsOpen());
    ASSERT_EQ(reader.ReadLogHeader(model), 1);
    EXPECT_EQ(reader.ConvertLogLine().text,
              StandardReply({"850", "12.5", "30", "90", "12.1", "3", "1.2", "980", "1", "2", "3", "4"}));
    EXPECT_FALSE(reader.Open(Path("missing.csv")));
    EXPECT_FALSE(reader.IsOpen());
}

// A file is read in chunks; CR LF reads as LF wherever a chunk ends, and 0xFF ends the log.
TEST(LogStreamTest, FileReadsAsItsBytes)
{
    std::string bytes;
    for (int i = 0; bytes.size() < 200 * 1024; ++i)
        bytes += std::string(static_cast<std::size_t>(i % 97), 'x') + (i % 3 ? "\r\n" : "\r");
    bytes[64 * 1024 - 1] = '\r'; // CR LF across the first chunk's end
    bytes[64 * 1024] = '\n';
    bytes[128 * 1024 - 1] = '\r'; // a CR alone at the second's
    bytes[128 * 1024] = 'x';
    bytes += "\r\nend\xFF"
             "after";
    QTemporaryDir dir;
    QFile file(dir.filePath("big.csv"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    file.close();

    const auto readAll = [](LogStream& stream) {
        std::string text;
        for (int c = stream.Get(); c != LogStream::kEnd; c = stream.Get())
            text += static_cast<char>(c);
        EXPECT_EQ(stream.Get(), LogStream::kEnd);
        return text;
    };
    std::string expected = bytes.substr(0, bytes.find('\xFF'));
    for (std::size_t crlf = 0; (crlf = expected.find("\r\n", crlf)) != std::string::npos;)
        expected.erase(crlf, 1);

    LogStream fromFile;
    ASSERT_TRUE(fromFile.Open(file.fileName()));
    EXPECT_EQ(readAll(fromFile), expected);
    LogStream fromBytes;
    fromBytes.OpenBytes(bytes);
    EXPECT_EQ(readAll(fromBytes), expected);
}

} // namespace
