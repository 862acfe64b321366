#include "platform/StringTable.h"

#include <map>

namespace platform {
namespace {

std::map<unsigned, QString>& Table()
{
    static std::map<unsigned, QString> table;
    return table;
}

} // namespace

void SetStringTable(std::initializer_list<StringTableEntry> entries)
{
    auto& table = Table();
    table.clear();
    for (const auto& [id, text] : entries)
        table[id] = QString::fromUtf8(text);
}

bool HasString(unsigned id)
{
    return Table().count(id) != 0;
}

} // namespace platform

QString ResStr(unsigned id)
{
    const auto& table = platform::Table();
    const auto it = table.find(id);
    return it == table.end() ? QStringLiteral("ResStr ???") : it->second;
}
