#include "oscivo/core/tests/LogSamples.h"

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace logsamples;

struct Output {
    int exitCode;
    std::vector<std::string> lines;
    std::string errors;
};

class LogDump : public ::testing::Test {
protected:
    Output Run(const QStringList& arguments)
    {
        QProcess p;
        p.setWorkingDirectory(m_dir.path());
        p.start(TOOLSET_PROGRAM_OSCIVO_LOGDUMP, arguments);
        EXPECT_TRUE(p.waitForFinished(60000));
        Output output{p.exitCode(), {}, p.readAllStandardError().toStdString()};
        const std::string out = p.readAllStandardOutput().toStdString();
        for (std::size_t start = 0, end; start < out.size(); start = end + 1) {
            end = out.find('\n', start);
            output.lines.push_back(out.substr(start, end - start));
        }
        return output;
    }

    Output Dump(const std::string& log)
    {
        QFile file(m_dir.filePath("log.csv"));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(log.data(), static_cast<qint64>(log.size()));
        file.close();
        return Run({file.fileName()});
    }

    QTemporaryDir m_dir;
};

std::vector<std::string> SlotLines(const std::vector<std::string>& groups,
                                   const std::vector<std::string>& fields,
                                   const std::vector<std::string>& units)
{
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < 12; ++k)
        lines.push_back("slot " + std::to_string(k) + " group " + groups[k] + " field " + fields[k] +
                        " unit " + units[k]);
    return lines;
}

std::vector<std::string> Join(std::vector<std::string> head, const std::vector<std::string>& middle,
                              const std::vector<std::string>& tail)
{
    head.insert(head.end(), middle.begin(), middle.end());
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

TEST_F(LogDump, StandardLog)
{
    const Output run = Dump(StandardLog() + ",1.5,950,14,32,92,1.5,12.3,5,1.4,982,1.6,9,10,11,12");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.errors, "");
    const std::vector<std::string> none(12, "-1");
    EXPECT_EQ(run.lines,
              Join({"form standard", "scaling 123 456 789 AB"},
                   SlotLines({"1", "1", "1", "1", "3", "3", "3", "3", "20", "20", "20", "20"}, none,
                             kStandardSlotUnits),
                   {"reply 123-456-789-AB,G001,F0,850,/min,G001,F1,12.5,km/h,G001,F2,30,%,G001,F3,90, \xB0"
                    "C,G003,F0,12.1,V,G003,F1,3,A,G003,F2,1.2,bar,G003,F3,980,mbar,G020,F0,1,a,G020,F1,2,b,"
                    "G020,F2,3,c,G020,F3,4,d,",
                    "reply 123-456-789-AB,G001,F0,900,/min,G001,F1,13,km/h,G001,F2,31,%,G001,F3,91, \xB0"
                    "C,G003,F0,12.2,V,G003,F1,4,A,G003,F2,1.3,bar,G003,F3,981,mbar,G020,F0,5,a,G020,F1,6,b,"
                    "G020,F2,7,c,G020,F3,8,d,",
                    "skipped the log ends inside this line"}));
}

TEST_F(LogDump, ObdLog)
{
    const std::string longValue(101, '4');
    const Output run = Dump(kObdHeader + ",0.25,850,0.25," + longValue + ",0.25,0,0.25,88\r\n" + kObdData +
                            ",0.75,0,0.75,0,0.75,0,0.75,0,0.75,0\r\n");
    EXPECT_EQ(run.exitCode, 0);
    std::vector<std::string> groups(12, "-1"), units(12, "-1");
    groups[0] = "12", groups[1] = "13", groups[2] = "0", groups[3] = "5";
    units[0] = "1/min", units[1] = "km/h", units[3] = kDegrees;
    EXPECT_EQ(run.lines,
              Join({"form obd", "scaling OBD"}, SlotLines(groups, std::vector<std::string>(12, "-1"), units),
                   {"skipped the parser rejects its reply " + ObdReply("850", longValue, "88"),
                    "reply " + ObdReply("850", "42", "88"), "reply " + ObdReply("900", "44", "89"),
                    "reply " + ObdReply("0", "0", "0")}));
}

TEST_F(LogDump, AdvancedLog)
{
    std::string tooLong = AdvancedData(0.2, 100);
    tooLong.replace(tooLong.find(",100,"), 5, "," + std::string(1100, '9') + ",");
    const Output run = Dump(AdvancedHeader() + AdvancedData(0.1, 100) + tooLong + AdvancedData(0.35, 200));
    EXPECT_EQ(run.exitCode, 0);
    std::vector<std::string> groups, fields;
    for (int slot = 0; slot < 12; ++slot) {
        groups.push_back(std::to_string(slot / 4 + 1));
        fields.push_back(std::to_string(slot % 4));
    }
    EXPECT_EQ(run.lines,
              Join({"form advanced", "scaling 123 456 789 AB"}, SlotLines(groups, fields, kAdvancedSlotUnits),
                   {"reply " + AdvancedReply(100),
                    "skipped its reply is longer than the 1027 bytes of the reply buffer",
                    "reply " + AdvancedReply(200)}));
}

TEST_F(LogDump, WhatIsNoHostLogOrHasNoHeaderFailsWithTheMessage)
{
    const struct {
        std::string log;
        std::string error;
    } cases[] = {
        {"Einkauf,Brot,Milch,Eier,Butter\r\n", "Das ist keine originale Diagnoma Lodatei!\n"},
        {kLine1 + "123 456 789 AB,ADVMB,\r\nMARKE,STAMP,G001,X0,\r\n",
         "Fehler beim Einlesen des Headers. (advanced form, -3)\n"},
        {StandardHeader().substr(0, 200), "Fehler beim Einlesen des Headers. (standard form, -1)\n"},
    };
    for (const auto& c : cases) {
        const Output run = Dump(c.log);
        EXPECT_EQ(run.exitCode, 1) << c.log;
        EXPECT_EQ(run.errors, c.error) << c.log;
        EXPECT_TRUE(run.lines.empty()) << c.log;
    }
    const Output missing = Run({m_dir.filePath("missing.csv")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(QString::fromStdString(missing.errors),
              QString::fromUtf8("Datei kann nicht geööfnet werden.\n"));

    const Output help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    ASSERT_FALSE(help.lines.empty());
    EXPECT_EQ(help.lines[0], "usage: oscivo-logdump LOGFILE");
    EXPECT_EQ(Run({}).exitCode, 2);
}

} // namespace
