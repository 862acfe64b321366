#include "oscivo/core/ReplyParser.h"

#include "oscivo/core/LabelFile.h"
#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoModel.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/OscivoStrings.h"
#include "oscivo/core/SettingsStream.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kSearchPlaces = 42;    // where the next "G" may stand
constexpr std::size_t kFieldSize = 100;      // characters of a value, or of a unit with its blank
constexpr std::size_t kScalingNameSize = 15; // characters of the identifier that name the module

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The character at i, or 0 past the payload's end.
char At(std::string_view reply, std::size_t i)
{
    return i < reply.size() ? reply[i] : '\0';
}

// Index of the next comma from pos, or the payload's end.
std::size_t FieldEnd(std::string_view reply, std::size_t pos)
{
    return pos >= reply.size() ? reply.size() : std::min(reply.find(',', pos), reply.size());
}

void SetReplyPos(std::size_t pos, std::string_view reply)
{
    g_nReplyPos = static_cast<int>(std::min(pos, reply.size()));
}

// A value as "%lf" reads it, when it holds nothing but digits, "." and "-"; otherwise 0.
void ReadValue(std::string_view text, double& target)
{
    if (text.find_first_not_of("0123456789.-") != std::string_view::npos) {
        target = 0.0;
        return;
    }
    if (const auto value = platform::ReadLeadingNumber(text))
        target = *value;
}

} // namespace

bool SetReply(std::string_view payload)
{
    if (payload.size() >= kReplySize)
        return false;
    g_szReply.fill('\0');
    std::copy(payload.begin(), payload.end(), g_szReply.begin());
    return true;
}

std::string_view ReplyText()
{
    return std::string_view(g_szReply.data(), strnlen(g_szReply.data(), kReplySize));
}

int FindNextEntry(bool advance)
{
    const std::string_view reply = ReplyText();
    const std::size_t from = static_cast<std::size_t>(g_nReplyPos);
    const std::size_t end = std::min(reply.size(), from + kSearchPlaces);
    std::size_t g = from;
    while (g < end && reply[g] != 'G')
        ++g;
    if (g >= end)
        return -1;
    if (IsDigit(At(reply, g + 1)) && IsDigit(At(reply, g + 2)) && IsDigit(At(reply, g + 3)) &&
        At(reply, g + 4) == ',') {
        if (advance)
            g_nReplyPos = static_cast<int>(g);
        return 0;
    }
    if (advance && reply.substr(g + 1, 4) == "ZER,")
        g_nReplyPos = static_cast<int>(g);
    return 1;
}

int ParseReplyEntry(int row, int field)
{
    const int slot = row * kFields + field;
    g_nSlotGroup[slot] = 0;
    g_nSlotField[slot] = 0;
    g_strSlotUnit[slot].clear();
    g_dSlotValue[slot] = 0.0;

    if (FindNextEntry(true) == -1)
        return -1;
    const std::string_view reply = ReplyText();
    std::size_t pos = static_cast<std::size_t>(g_nReplyPos);
    if (At(reply, pos) != 'G')
        return -1;
    const std::string_view token = reply.substr(std::min(pos + 1, reply.size()), 3);
    pos += 4; // onto the comma after the group
    const bool advanced = token.find("ZER") != std::string_view::npos;
    if (advanced) {
        g_bAdvancedMode = TRUE;
    } else {
        const int group = ScanDecimalInt(token).value_or(0);
        if (group < 0 || group >= kGroups)
            return -1;
        g_nSlotGroup[slot] = group;
        if (group == 0) { // an empty entry; the next search passes over its other commas
            SetReplyPos(pos + 3, reply);
            return 0;
        }
    }

    const char number = At(reply, pos + 2);
    if (At(reply, pos + 1) != 'F' || !IsDigit(number))
        return -1;
    const int index = number - '0';
    if (!advanced && index >= kFields)
        return -1;
    if (!advanced)
        g_nSlotField[slot] = index;
    pos += 3; // onto the comma after the number

    const std::size_t valueStart = std::min(pos + 1, reply.size());
    const std::size_t valueEnd = FieldEnd(reply, valueStart);
    if (valueEnd - valueStart > kFieldSize)
        return -1;
    ReadValue(reply.substr(valueStart, valueEnd - valueStart),
              advanced ? g_dAdvValue[index] : g_dSlotValue[slot]);

    const std::size_t unitStart = std::min(valueEnd + 1, reply.size());
    const std::size_t unitEnd = FieldEnd(reply, unitStart);
    if (unitEnd - unitStart > kFieldSize)
        return -1;
    const std::size_t blank = At(reply, unitStart) == ' ' ? 1 : 0;
    if (!advanced)
        g_strSlotUnit[slot] = reply.substr(unitStart + blank, unitEnd - unitStart - blank);
    SetReplyPos(unitEnd + 1, reply);
    return 1;
}

std::string ModuleName(std::string_view identifier)
{
    std::string name(identifier.substr(0, kScalingNameSize));
    for (std::size_t i = kScalingNameSize; i-- > 12;) {
        if (i >= name.size() || name[i] != ' ')
            break;
        name.resize(i);
    }
    std::replace(name.begin(), name.end(), ' ', '-');
    return SafeFileName(std::move(name));
}

std::string MakeScalingName(std::string_view identifier)
{
    std::string name = ModuleName(identifier);
    if (const std::size_t dot = name.find('.', 1); dot != std::string::npos)
        name.resize(dot);
    return name + ".SCL";
}

bool OscivoModel::TakeReply(std::string_view kind, std::string_view payload)
{
    if (kind != "1" || !SetReply(payload) || g_bStopped)
        return false;
    g_szLoadedScaling = "Bogus";
    return ParseReply() == 1;
}

int OscivoModel::ParseReply()
{
    IdentifyModule();
    const BOOL advanced = g_bAdvancedMode;
    const BOOL prevAdvanced = g_bPrevAdvancedMode;
    g_bPrevAdvancedMode = g_bAdvancedMode;
    g_bAdvancedMode = FALSE;
    const auto parse = [] {
        int startRow = 0;
        if (FindNextEntry(false) == 1) {
            for (int i = 0; i < kAdvancedValues; ++i)
                if (ParseReplyEntry(0, i) == -1)
                    return false;
            startRow = 1;
        }
        for (int row = startRow; row < kScopeSlots / kFields; ++row)
            for (int field = 0; field < kFields; ++field)
                if (ParseReplyEntry(row, field) == -1)
                    return false;
        return true;
    };
    if (parse())
        return 1;
    g_bAdvancedMode = advanced;
    g_bPrevAdvancedMode = prevAdvanced;
    return -1;
}

void OscivoModel::IdentifyModule()
{
    const std::string_view reply = ReplyText();
    const std::size_t idEnd = std::min(reply.find(','), reply.size());
    SetReplyPos(idEnd + 1, reply);
    if (g_szScalingName == g_szLoadedScaling)
        return;
    g_szModuleText = reply.substr(0, idEnd);
    g_szScalingName = MakeScalingName(g_szModuleText);
    m_bObdMode = g_szScalingName == "OBD.SCL";
    if (g_bRunning)
        g_strTitle = "Oscivo   -   " + g_szModuleText + "  -   " + g_strLogFileName;
    else
        g_strTitle = ResStrBytes(IDS_LIVE_TITLE) + g_szModuleText;
    m_effects.titleChanged = true;
    LoadLabels();
}
