#pragma once
// The program's string table: texts looked up by number, as the programs' resources held them.

#include <QString>

#include <initializer_list>
#include <utility>

namespace platform {

using StringTableEntry = std::pair<unsigned, const char*>; // id, UTF-8 text

// Sets the table of this program; each program calls it once at start-up.
void SetStringTable(std::initializer_list<StringTableEntry> entries);

// Whether the table holds the id.
bool HasString(unsigned id);

} // namespace platform

// The text with that id, "ResStr ???" when the table has none.
QString ResStr(unsigned id);
