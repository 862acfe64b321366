// A bounded random run of damaged host logs through the header readers, the line converter and
// the parser: the three sample forms cut, spliced, with bytes flipped, inserted or repeated.
// Whatever comes, every read ends, a reply fits the reply buffer and is what the parser gets,
// and an ended log stays ended.

#include "CoreFixture.h"
#include "LogSamples.h"
#include "oscivo/core/LogReader.h"
#include "oscivo/core/ReplyParser.h"

#include <random>

namespace {

using namespace logsamples;

class LogMaker {
public:
    explicit LogMaker(std::uint32_t seed) : m_random(seed) {}

    std::string Make()
    {
        const std::string logs[] = {StandardLog(), ObdLog(), AdvancedLog()};
        std::string log = logs[Pick(0, 2)];
        for (int damage = Pick(1, 4); damage > 0; --damage)
            Damage(log, logs[Pick(0, 2)]);
        return log;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::size_t Where(const std::string& text)
    {
        return static_cast<std::size_t>(Pick(0, static_cast<int>(text.size())));
    }

    void Damage(std::string& log, const std::string& other)
    {
        static const std::string kSpecial = std::string(",\r\n'-()GF0123456789 ADVMBOZER\xFF\xB0", 31) + '\0';
        const std::size_t at = Where(log);
        switch (Pick(0, 5)) {
        case 0: log.resize(at); break;
        case 1: log = log.substr(0, at) + other.substr(Where(other)); break;
        case 2:
            if (at < log.size())
                log[at] = kSpecial[static_cast<std::size_t>(Pick(0, static_cast<int>(kSpecial.size()) - 1))];
            break;
        case 3: log.insert(at, 1, static_cast<char>(Pick(0, 255))); break;
        case 4:
            log.insert(at, static_cast<std::size_t>(Pick(1, 1500)),
                       kSpecial[static_cast<std::size_t>(Pick(0, 6))]);
            break;
        case 5: log.erase(at, static_cast<std::size_t>(Pick(1, 40))); break;
        }
    }

    std::mt19937 m_random;
};

TEST_F(CoreTest, DamagedLogsAreReadSafely)
{
    LogMaker maker(20260501);
    int headers = 0;
    int replies = 0;
    for (int n = 0; n < 20000; ++n) {
        const std::string log = maker.Make();
        LogReader reader;
        reader.OpenBytes(log);
        reader.CheckLogTimestamp();
        reader.OpenBytes(log);
        model.m_bObdMode = FALSE;
        const int header = reader.ReadLogHeader(model);
        ASSERT_LE(header, 1) << n;
        if (header < 1)
            continue;
        ASSERT_LE(g_szScalingName.size(), 15u) << n;
        ASSERT_EQ(g_szScalingName.find_first_of("/\\\n"), std::string::npos) << n;
        ++headers;
        g_szLoadedScaling = "Bogus";
        // Every line but the last takes at least its marker's comma.
        for (std::size_t lines = 0;; ++lines) {
            ASSERT_LE(lines, log.size()) << n;
            const LogLine line = reader.ConvertLogLine();
            if (line.kind == LogLineKind::Skipped)
                continue;
            if (line.kind != LogLineKind::Reply) {
                EXPECT_TRUE(g_bEndOfLog) << n;
                if (line.kind == LogLineKind::End) {
                    EXPECT_EQ(reader.ConvertLogLine().kind, LogLineKind::End) << n;
                }
                break;
            }
            ++replies;
            ASSERT_LT(line.text.size(), kReplySize) << n;
            ASSERT_EQ(ReplyText(), line.text) << n;
            model.ParseReply();
        }
    }
    // The damage leaves enough logs whole to reach the converter and the parser.
    EXPECT_GT(headers, 2000);
    EXPECT_GT(replies, 2000);
}

} // namespace
