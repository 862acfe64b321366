// A bounded random run of payloads through the live handler and the display: well-formed
// entries, stray bytes, over-long fields and numbers no reply may carry, then cut, spliced and
// flipped. Whatever comes, the parse stays within its buffer and its tables, and a shown reply
// leaves finite values.

#include "CoreFixture.h"
#include "oscivo/core/ReplyParser.h"

#include <cmath>
#include <random>

namespace {

class PayloadMaker {
public:
    explicit PayloadMaker(std::uint32_t seed) : m_random(seed) {}

    // Half of them as the host writes them (standard, advanced or OBD, odd values included),
    // half with any kind of entry and then damaged.
    std::string Make()
    {
        std::string text = Identifier() + ",";
        if (Pick(0, 1) == 0) {
            const bool advanced = Pick(0, 3) == 0;
            for (int i = 0; i < (advanced ? 10 : 0); ++i)
                text += "GZER,F" + std::string(1, static_cast<char>('0' + i)) + "," + Number(true) + ",,";
            for (int i = 0; i < (advanced ? 8 : 12); ++i)
                text += Pick(0, 2) == 0 ? "G000,,,," : GoodEntry(true);
            return text;
        }
        const int entries = Pick(0, 3) == 0 ? 18 : 12;
        for (int i = 0; i < entries; ++i)
            text += Entry(i);
        Mutate(text);
        return text;
    }

private:
    int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_random); }

    std::string Bytes(int length, const std::string& alphabet = {})
    {
        std::string text;
        for (int i = 0; i < length; ++i)
            text += alphabet.empty()
                        ? static_cast<char>(Pick(0, 255))
                        : alphabet[static_cast<std::size_t>(Pick(0, static_cast<int>(alphabet.size()) - 1))];
        return text;
    }

    // A module stays for a few thousand replies, as it does while a user watches it; now and
    // then an identifier of odd bytes comes between.
    std::string Identifier()
    {
        if (Pick(0, 999) == 0)
            return Bytes(Pick(0, 30), "ABab09 ./\\-\x01\xB0");
        return ++m_count / 5000 % 2 == 0 ? "123 456 789 AB" : "OBD.LBL";
    }

    // Values and units near their limit of 100 characters: within it in a clean payload, on
    // either side in a damaged one.
    std::string Number(bool clean = false)
    {
        const int kind = Pick(0, 9);
        if (kind == 0)
            return Bytes(Pick(95, clean ? 100 : 105), "0123456789");
        if (kind == 1)
            return Bytes(Pick(0, 8), "0123456789.-e+ x");
        return std::to_string(Pick(-5000, 5000)) + "." + std::to_string(Pick(0, 99));
    }

    std::string Unit(bool clean = false)
    {
        const int kind = Pick(0, 9);
        if (kind == 0)
            return " " + Bytes(Pick(95, clean ? 99 : 105), "abc");
        if (kind == 1)
            return "";
        static const char* const degreesC = " \xB0"
                                            "C";
        static const char* const units[] = {" km/h", " l/h", " /min", degreesC, " V", " %", ""};
        return units[Pick(0, 6)];
    }

    std::string Entry(int index)
    {
        switch (Pick(0, 9)) {
        case 0:
        case 1: return "G000,,,,";
        case 2: return "GZER,F" + std::string(1, static_cast<char>('0' + index % 10)) + "," + Number() + ",,";
        case 3: return Bytes(Pick(0, 45), "xG,0Z");
        case 4: {
            char group[8];
            std::snprintf(group, sizeof group, "G%03d,F", Pick(0, 999));
            return group + Bytes(1, "0123459x") + "," + Number() + "," + Unit() + ",";
        }
        default: return GoodEntry();
        }
    }

    std::string GoodEntry(bool clean = false)
    {
        char head[16];
        std::snprintf(head, sizeof head, "G%03d,F%d,", Pick(1, 255), Pick(0, 3));
        return head + Number(clean) + "," + Unit(clean) + ",";
    }

    void Mutate(std::string& text)
    {
        for (int n = Pick(1, 3); n > 0 && !text.empty(); --n) {
            const auto at = static_cast<std::size_t>(Pick(0, static_cast<int>(text.size()) - 1));
            switch (Pick(0, 3)) {
            case 0: text[at] = static_cast<char>(Pick(0, 255)); break;
            case 1: text.erase(at, static_cast<std::size_t>(Pick(1, 20))); break;
            case 2: text.insert(at, Bytes(Pick(1, 50))); break;
            default: text.resize(at); break;
            }
        }
    }

    std::mt19937 m_random;
    int m_count = 0;
};

} // namespace

class ReplyRandomTest : public CoreTest {};

TEST_F(ReplyRandomTest, HundredThousandPayloadsStayWithinTheirBounds)
{
    PayloadMaker maker(20240611);
    int shown = 0;
    for (int n = 0; n < 100000; ++n) {
        const std::string payload = maker.Make();
        const BOOL advanced = g_bAdvancedMode;
        const BOOL prevAdvanced = g_bPrevAdvancedMode;
        const bool taken = model.TakeReply("1", payload);
        const auto length = static_cast<int>(ReplyText().size());
        ASSERT_GE(g_nReplyPos, 0) << n;
        ASSERT_LE(g_nReplyPos, length) << n;
        if (!taken) {
            ASSERT_EQ(g_bAdvancedMode, advanced) << n;
            ASSERT_EQ(g_bPrevAdvancedMode, prevAdvanced) << n;
        }
        ASSERT_LE(g_szScalingName.size(), 19u) << n;
        for (int k = 0; k < kScopeSlots; ++k) {
            ASSERT_GE(g_nSlotGroup[k], -1) << n;
            ASSERT_LT(g_nSlotGroup[k], kGroups) << n;
            ASSERT_GE(g_nSlotField[k], 0) << n;
            ASSERT_LT(g_nSlotField[k], kFields) << n;
            ASSERT_LE(g_strSlotUnit[k].size(), 100u) << n;
            ASSERT_TRUE(std::isfinite(g_dSlotValue[k])) << n;
        }
        if (!taken)
            continue;
        ++shown;
        const ReplyEffects effects = model.ShowParsedReply();
        for (int k = 0; k < kScopeSlots; ++k) {
            ASSERT_TRUE(std::isfinite(model.m_plotValues[k])) << n;
            if (effects.traceRange[k]) {
                ASSERT_TRUE(std::isfinite(effects.traceRange[k]->min) &&
                            std::isfinite(effects.traceRange[k]->max));
            }
        }
        ASSERT_TRUE(std::isfinite(g_dConsumption) && std::isfinite(g_dMileage)) << n;
    }
    // The run is only worth its time while most payloads get through.
    EXPECT_GT(shown, 30000);
}
