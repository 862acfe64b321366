// One data line of a host log into the "DataReply" payload that a live reply of the same
// values would carry, for the reply parser.

#include "oscivo/core/LogReader.h"
#include "oscivo/core/ReplyParser.h"
#include "platform/Numbers.h"

namespace {

constexpr std::size_t kNumberKeep = 15; // characters of a time column that count
constexpr int kZeroRowValues = 10;      // values of a row of group 0: the advanced values
constexpr int kEntries = 12;
constexpr const char* kEmptyEntry = "G000,,,,";

// The columns of a data line, with the character that ended the one read last.
class LineScan {
public:
    explicit LineScan(LogStream& log) : m_log(log) {}

    // A time column: the text up to the next comma, across line ends, read as a number; 0
    // when it holds none or the log ends first.
    double Number()
    {
        std::string text;
        m_last = m_log.ReadUpTo(text, ",", kNumberKeep);
        return Ended() ? 0.0 : platform::ReadLeadingNumber(text).value_or(0.0);
    }

    // The text up to the next comma or line end.
    std::string Value()
    {
        std::string text;
        m_last = m_log.ReadUpTo(text, ",\n", kReplySize);
        return text;
    }

    void SkipColumn() { m_last = m_log.SkipPast(',') ? ',' : LogStream::kEnd; }
    void SkipLine() { m_last = m_log.SkipPast('\n') ? '\n' : LogStream::kEnd; }

    int Last() const { return m_last; }
    bool Ended() const { return m_last == LogStream::kEnd; }

private:
    LogStream& m_log;
    int m_last = LogStream::kEnd;
};

// An entry with data, or an empty one where the group or field is none that the scale and
// label tables hold (groups 1..255, fields 0..3), so that the line's other values still play.
void AppendEntry(std::string& reply, std::optional<int> group, std::optional<int> field,
                 const std::string& value, const std::string& unit)
{
    const int g = group.value_or(-1);
    const int f = field.value_or(-1);
    if (g < 1 || g >= kGroups || f < 0 || f >= kFields) {
        reply += kEmptyEntry;
        return;
    }
    reply += 'G';
    reply += static_cast<char>('0' + g / 100);
    reply += static_cast<char>('0' + g / 10 % 10);
    reply += static_cast<char>('0' + g % 10);
    reply += ",F";
    reply += static_cast<char>('0' + f);
    reply += ',';
    reply += value;
    reply += ',';
    reply += unit;
    reply += ',';
}

LogLine EndOfLog(std::string why = {})
{
    g_bEndOfLog = TRUE;
    return {LogLineKind::End, std::move(why)};
}

LogLine CutShort()
{
    return EndOfLog("the log ends inside this line");
}

const std::string& UnitOf(const LogSlot& slot)
{
    static const std::string none;
    return slot.unit ? *slot.unit : none;
}

// The OBD and advanced forms: one time and one value per parameter or slot; only the first time
// is kept. False when the log ends inside the line.
bool ConvertColumns(LineScan& line, LogForm form, const std::array<LogSlot, kScopeSlots>& kept,
                    std::string& reply)
{
    const int filled = form == LogForm::Obd ? kFields : kScopeSlots;
    for (int slot = 0; slot < filled; ++slot) {
        if (slot == 0)
            g_dLogTime[0] = line.Number();
        else
            line.SkipColumn();
        const std::string value = line.Value();
        if (line.Ended())
            return false;
        const std::optional<int> field = form == LogForm::Obd ? 0 : kept[slot].field;
        AppendEntry(reply, kept[slot].group, field, value, UnitOf(kept[slot]));
    }
    for (int slot = filled; slot < kScopeSlots; ++slot)
        reply += kEmptyEntry;
    return true;
}

// The standard form: per row its time and values; count gets the row's entries, which must come
// to twelve. False when the log ends inside the line.
bool ConvertRows(LineScan& line, const std::array<LogSlot, kScopeSlots>& kept, std::string& reply, int& count)
{
    for (int row = 0; row < kLogRows; ++row) {
        const int first = row * kFields;
        const int group = kept[first].group.value_or(-1);
        if (group < 0) { // four columns without values
            for (int field = 0; field < kFields; ++field) {
                reply += kEmptyEntry;
                line.SkipColumn();
                if (line.Ended())
                    return false;
                ++count;
            }
            continue;
        }
        if (row == 1 && kept[0].group.value_or(-1) < 0)
            line.Number(); // the column that follows a first row without group
        g_dLogTime[row] = line.Number();
        if (line.Ended())
            return false;
        const int values = group == 0 ? kZeroRowValues : kFields;
        for (int i = 0; i < values; ++i) {
            const std::string value = line.Value();
            if (line.Ended())
                return false;
            if (group == 0)
                reply += "GZER,F" + std::to_string(i) + "," + value + ",,";
            else
                AppendEntry(reply, group, i, value, UnitOf(kept[first + i]));
            if (line.Last() == '\n') // a line end ends the row early
                break;
        }
        count = group == 0 ? kFields : count + kFields; // a row of group 0 belongs in row 0
    }
    return true;
}

} // namespace

LogLine LogReader::ConvertLogLine()
{
    LineScan line(m_log);
    line.Number(); // the marker column
    if (line.Ended())
        return EndOfLog();

    std::string reply = m_identifier + ",";
    int count = kEntries;
    if (m_form == LogForm::Standard) {
        count = 0;
        if (!ConvertRows(line, m_slots, reply, count))
            return CutShort();
    } else if (!ConvertColumns(line, m_form, m_slots, reply)) {
        return CutShort();
    }

    bool cut = false;
    if (line.Last() != '\n') { // anything after the last value
        line.SkipLine();
        cut = line.Ended();
    }
    if (count != kEntries) {
        g_bEndOfLog = TRUE;
        return {LogLineKind::UnexpectedEnd, "its entries count " + std::to_string(count) + ", not 12"};
    }
    if (cut)
        return CutShort();
    if (reply.find('\0') != std::string::npos) // the parser would read the reply only up to it
        return {LogLineKind::Skipped, "its reply holds a zero byte"};
    if (!SetReply(reply))
        return {LogLineKind::Skipped, "its reply is longer than the " + std::to_string(kReplySize - 1) +
                                          " bytes of the reply buffer"};
    return {LogLineKind::Reply, std::move(reply)};
}
