#include "testhost/ReplyPayload.h"

#include <gtest/gtest.h>

namespace {

using namespace testhost;

std::string Repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

TEST(ReplyPayload, StandardReplyHasTwelveEntriesWithBlankLedWindows1252Units)
{
    const std::string reply = StandardReply("123 456 789 AB", {{1, 0, "850", "/min"}, {4, 3, "90.5", "°C"}});
    EXPECT_EQ(reply, "123 456 789 AB,G001,F0,850, /min,G004,F3,90.5, \xB0"
                     "C," +
                         Repeat("G000,,,,", 10));
}

TEST(ReplyPayload, AdvancedReplyHasTenAdvancedEntriesThenEight)
{
    const std::string reply = AdvancedReply("M", {"1.5", "-2"}, {{7, 1, "3", "V"}});
    EXPECT_EQ(reply, "M,GZER,F0,1.5,,GZER,F1,-2,,GZER,F2,,,GZER,F3,,,GZER,F4,,,GZER,F5,,,GZER,F6,,,GZER,F7,,,"
                     "GZER,F8,,,GZER,F9,,,G007,F1,3, V," +
                         Repeat("G000,,,,", 7));
}

TEST(ReplyPayload, ObdReplyCarriesUpToFourParametersInRowZero)
{
    const std::string reply =
        ObdReply({{12, "2000", "/min"}, {13, "50", "km/h"}, {5, "80", "°C"}, {17, "30", "%"}, {99, "x", ""}});
    EXPECT_EQ(reply, "OBD.LBL,G012,F0,2000, /min,G013,F0,50, km/h,G005,F0,80, \xB0"
                     "C,G017,F0,30, %," +
                         Repeat("G000,,,,", 8));
}

} // namespace
