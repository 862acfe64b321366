#include "testhost/ReplyPayload.h"

#include "platform/Codec1252.h"
#include "platform/Numbers.h"

#include <QString>

#include <algorithm>

namespace testhost {
namespace {

constexpr std::size_t kEntries = 12;

std::string Entries(std::vector<Entry> entries, std::size_t count)
{
    entries.resize(count);
    std::string text;
    for (const Entry& entry : entries)
        text += StandardEntry(entry);
    return text;
}

} // namespace

std::string UnitBytes(const std::string& utf8Unit)
{
    if (utf8Unit.empty())
        return {};
    return " " + platform::ToCp1252(QString::fromStdString(utf8Unit));
}

std::string StandardEntry(const Entry& entry)
{
    if (entry.group == 0)
        return EmptyEntry();
    return platform::FormatC("G%03d,F%d,", entry.group, entry.field) + entry.value + "," +
           UnitBytes(entry.unit) + ",";
}

std::string EmptyEntry()
{
    return "G000,,,,";
}

std::string AdvancedEntry(int index, const std::string& value)
{
    return platform::FormatC("GZER,F%d,", index) + value + ",,";
}

std::string StandardReply(const std::string& identifier, const std::vector<Entry>& entries)
{
    return identifier + "," + Entries(entries, kEntries);
}

std::string AdvancedReply(const std::string& identifier, const std::vector<std::string>& values,
                          const std::vector<Entry>& rows12)
{
    std::string text = identifier + ",";
    for (int i = 0; i < 10; ++i)
        text += AdvancedEntry(
            i, static_cast<std::size_t>(i) < values.size() ? values[static_cast<std::size_t>(i)] : "");
    return text + Entries(rows12, 8);
}

std::string ObdReply(const std::vector<ObdParameter>& parameters)
{
    std::vector<Entry> entries;
    for (std::size_t i = 0; i < std::min<std::size_t>(parameters.size(), 4); ++i)
        entries.push_back(Entry{parameters[i].pid, 0, parameters[i].value, parameters[i].unit});
    return StandardReply("OBD.LBL", entries);
}

} // namespace testhost
