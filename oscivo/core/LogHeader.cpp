// The check that a chosen file is a host log, and the header readers of the three forms.

#include "oscivo/core/LogReader.h"
#include "oscivo/core/OscivoFiles.h"
#include "oscivo/core/OscivoModel.h"
#include "oscivo/core/OscivoStrings.h"
#include "oscivo/core/ReplyParser.h"
#include "oscivo/core/SettingsStream.h"
#include "platform/Codec1252.h"

#include <QFileInfo>

#include <string_view>

const LogMessage kCannotOpenLog = {IDS_CANNOT_OPEN, IDS_ERROR};
const LogMessage kNotAHostLog = {IDS_NOT_A_LOG, IDS_DOH};
const LogMessage kHeaderMalformed = {IDS_HEADER_ERROR, IDS_PARSE_ERROR};
const LogMessage kUnexpectedLogEnd = {IDS_UNEXPECTED_END, IDS_UH_OH};

namespace {

constexpr int kEnd = LogStream::kEnd;
constexpr int kTimeCommaLimit = 100;          // the fourth comma of line 1 comes before this character
constexpr std::size_t kNameSize = 15;         // characters of line 2's field 0 that name the module
constexpr std::size_t kLetters = 6;           // letters after it that may say "ADVMB"
constexpr int kRowCommas = 5;                 // line 4: from one row's group number to the next
constexpr int kZeroRowCommas = 11;            // the same after a row of group 0 (ten values)
constexpr int kUnitCommas = 31;               // from row 2's group number past column 0 of the units line
constexpr int kZeroRowExtraCommas = 6;        // a row of group 0 in row 0 is that much wider
constexpr std::size_t kObdUnitSize = 255;     // characters of an OBD unit
constexpr std::size_t kUnitKeep = kReplySize; // a longer unit fits in no reply

bool IsDigit(int c)
{
    return c >= '0' && c <= '9';
}

bool IsLetter(int c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool SkipCommas(LogStream& log, int count)
{
    for (int i = 0; i < count; ++i)
        if (!log.SkipPast(','))
            return false;
    return true;
}

// Three characters read as a number ("%03d"); empty when they hold none or the log ends.
std::optional<int> ReadNumber3(LogStream& log, bool& ended)
{
    std::string digits;
    for (int i = 0; i < 3; ++i) {
        const int c = log.Get();
        if (c == kEnd) {
            ended = true;
            return std::nullopt;
        }
        digits += static_cast<char>(c);
    }
    return ScanDecimalInt(digits);
}

// A unit from its first character, one leading blank dropped, up to one of the stops; false
// when the log ends first.
bool ReadUnit(LogStream& log, int first, std::string_view stops, std::string& unit)
{
    unit.clear();
    int c = first == ' ' ? log.Get() : first;
    if (c != kEnd && stops.find(static_cast<char>(c)) == std::string_view::npos) {
        unit += static_cast<char>(c);
        c = log.ReadUpTo(unit, stops, kUnitKeep - 1);
    }
    return c != kEnd;
}

} // namespace

std::optional<LogMessage> CheckChosenLog(const QString& path)
{
    LogReader reader;
    if (!reader.Open(path))
        return kCannotOpenLog;
    const int result = reader.CheckLogTimestamp();
    reader.Close();
    if (result != 1)
        return kNotAHostLog;
    return std::nullopt;
}

void TakeChosenLog(const QString& path)
{
    g_strLogPath = QFile::encodeName(path).toStdString();
    g_strLogFileName = platform::ToCp1252(QFileInfo(path).fileName());
}

int LogReader::CheckLogTimestamp()
{
    for (int read = 1, commas = 0; commas < 4; ++read) {
        const int c = m_log.Get();
        if (c == kEnd || read >= kTimeCommaLimit)
            return 0;
        if (c == ',')
            ++commas;
    }
    for (const char want : std::string_view("dd:dd:dd")) {
        const int c = m_log.Get();
        if (want == 'd' ? !IsDigit(c) : c != want)
            return 0;
    }
    return 1;
}

int LogReader::ReadLogHeader(OscivoModel& model)
{
    m_form = LogForm::Standard;
    m_identifier.clear();
    m_slots = {};
    if (!m_log.SkipPast('\n'))
        return -1;

    // Field 0 of line 2. It ends at its comma, at the line end, or after 15 characters; a comma
    // right after the fifteenth still ends it, so that the letters after it are found.
    std::string name;
    int c = m_log.Get();
    while (name.size() < kNameSize && c != ',' && c != '\n' && c != kEnd) {
        name += static_cast<char>(c);
        c = m_log.Get();
    }
    // The module's name becomes a file name; it never holds a separator or a control character.
    g_szScalingName = SafeFileName(std::move(name));
    m_identifier = ModuleName(g_szScalingName);
    bool line2Ended = c == '\n';

    if (g_szScalingName.find("OBD") != std::string::npos) {
        const int result = ReadObdLogHeader(model, line2Ended);
        KeepSlots();
        return result;
    }

    std::string letters;
    if (!line2Ended) {
        int letter = c == ',' || c == kEnd ? m_log.Get() : c;
        while (IsLetter(letter)) {
            letters += static_cast<char>(letter);
            if (letters.size() == kLetters)
                break;
            letter = m_log.Get();
        }
        line2Ended = letter == '\n'; // the letter test took line 2's end
    }
    const int result = letters.find("ADVMB") != std::string::npos ? ReadAdvancedLogHeader(line2Ended)
                                                                  : ReadStandardLogHeader(line2Ended);
    KeepSlots();
    return result;
}

int LogReader::ReadStandardLogHeader(bool line2Ended)
{
    if ((!line2Ended && !m_log.SkipPast('\n')) || !m_log.SkipPast('\n'))
        return -1;

    // Line 4: each row's group number as a quote and three digits; another character there
    // means the row has no group.
    std::array<int, kLogRows> group{};
    if (!SkipCommas(m_log, 2))
        return -1;
    for (int row = 0; row < kLogRows; ++row) {
        if (row > 0 && !SkipCommas(m_log, group[row - 1] == 0 ? kZeroRowCommas : kRowCommas))
            return -1;
        const int c = m_log.Get();
        if (c == kEnd)
            return -1;
        bool ended = false;
        group[row] = c == '\'' ? ReadNumber3(m_log, ended).value_or(-1) : -1;
        if (ended)
            return -1;
    }

    // The units line: per row its time column and four units; a row of group 0 has ten value
    // columns and no units. The character after each unit is read ahead, as the next unit's
    // first; where a time column follows, it is lost, so that column must hold text.
    if (!SkipCommas(m_log, kUnitCommas + (group[0] == 0 ? kZeroRowExtraCommas : 0)))
        return -1;
    for (int row = 0; row < kLogRows; ++row) {
        const int first = row * kFields;
        if (group[row] == 0) {
            for (int field = 0; field < kFields; ++field)
                g_strSlotUnit[first + field].clear();
            if (!SkipCommas(m_log, kZeroRowCommas))
                return -1;
            continue;
        }
        if (!m_log.SkipPast(','))
            return -1;
        int ahead = m_log.Get();
        for (int field = 0; field < kFields; ++field) {
            if (!ReadUnit(m_log, ahead, ",\n", g_strSlotUnit[first + field]))
                return -1;
            if (row < kLogRows - 1 || field < kFields - 1)
                ahead = m_log.Get();
        }
    }
    for (int slot = 0; slot < kScopeSlots; ++slot)
        g_nLogGroup[slot] = group[slot / kFields];
    return 1;
}

int LogReader::ReadObdLogHeader(OscivoModel& model, bool line2Ended)
{
    m_form = LogForm::Obd;
    model.m_bObdMode = TRUE;
    g_szScalingName = "OBD";
    m_identifier = "OBD.LBL";
    if (!line2Ended && !m_log.SkipPast('\n'))
        return -1;

    // Line 3: each parameter number stands one character after a "-".
    int last = '\n';
    for (int slot = 0; slot < kFields; ++slot) {
        if ((last != '-' && !m_log.SkipPast('-')) || m_log.Get() == kEnd)
            return -1;
        std::string digits;
        for (int i = 0; i < 3; ++i) {
            last = m_log.Get();
            if (last == kEnd)
                return -1;
            digits += static_cast<char>(last);
        }
        g_nSlotGroup[slot] = ScanDecimalInt(digits).value_or(0);
    }
    if (!m_log.SkipPast('\n'))
        return -1;

    // Line 4: the unit of each parameter in parentheses.
    for (int slot = 0; slot < kFields; ++slot) {
        if (g_nSlotGroup[slot] <= 0) {
            model.m_nGraph[slot] = 0;
            continue;
        }
        model.m_nGraph[slot] = 1;
        std::string unit;
        if (!m_log.SkipPast('(') || m_log.ReadUpTo(unit, ")", kObdUnitSize + 1) == kEnd ||
            unit.size() > kObdUnitSize)
            return -1;
        g_strSlotUnit[slot] = std::move(unit);
    }
    return m_log.SkipPast('\n') ? 1 : -1;
}

int LogReader::ReadAdvancedLogHeader(bool line2Ended)
{
    m_form = LogForm::Advanced;
    if ((!line2Ended && !m_log.SkipPast('\n')) || !SkipCommas(m_log, 2))
        return -1;

    // Line 3: "G" and the group, "F" and the field of each slot.
    for (int slot = 0; slot < kScopeSlots; ++slot) {
        if (m_log.Get() != 'G')
            return -1;
        bool ended = false;
        g_nLogGroup[slot] = ReadNumber3(m_log, ended).value_or(-1);
        if (ended)
            return -1;
        if (m_log.Get() != ',')
            return -2;
        if (m_log.Get() != 'F')
            return -3;
        const int field = m_log.Get();
        g_nSlotField[slot] = IsDigit(field) ? field - '0' : -1;
        if (m_log.Get() != ',')
            return -4;
    }

    // The rest of line 3, lines 4 to 6; then line 7, where each slot's unit follows a column.
    for (int line = 0; line < 4; ++line)
        if (!m_log.SkipPast('\n'))
            return -1;
    if (!m_log.SkipPast(','))
        return -1;
    for (int slot = 0; slot < kScopeSlots; ++slot)
        if (!m_log.SkipPast(',') || !ReadUnit(m_log, m_log.Get(), ",", g_strSlotUnit[slot]))
            return -1;
    return m_log.SkipPast('\n') ? 1 : -1;
}

void LogReader::KeepSlots()
{
    for (int slot = 0; slot < kScopeSlots; ++slot) {
        LogSlot& kept = m_slots[slot];
        switch (m_form) {
        case LogForm::Standard: kept = {g_nLogGroup[slot], std::nullopt, g_strSlotUnit[slot]}; break;
        case LogForm::Obd:
            if (slot < kFields)
                kept.group = g_nSlotGroup[slot];
            if (slot < kFields && g_nSlotGroup[slot] > 0)
                kept.unit = g_strSlotUnit[slot];
            break;
        case LogForm::Advanced: kept = {g_nLogGroup[slot], g_nSlotField[slot], g_strSlotUnit[slot]}; break;
        }
        // A reply has no escape: a comma in a unit (an OBD one may hold it) would shift the fields.
        if (kept.unit)
            std::erase(*kept.unit, ',');
    }
}
