#pragma once
// Builders for "DataReply" payloads as the host writes them: the module identifier, then the
// entries of the measuring blocks, every field followed by a comma.
//
//     StandardReply("123 456 789 AB", {Entry{1, 0, "850", "/min"}, Entry{1, 1, "90", "°C"}})
//       == "123 456 789 AB,G001,F0,850, /min,G001,F1,90, \xB0C,G000,,,,G000,,,,..." (12 entries)
//
// Unit texts are given as UTF-8 and written as the host writes them: one leading blank, then
// the Windows-1252 bytes (the degree sign is 0xB0). Values are written as given.

#include <string>
#include <vector>

namespace testhost {

// One standard entry; group 0 writes the empty entry "G000,,,,".
struct Entry {
    int group = 0;
    int field = 0;
    std::string value;
    std::string unit; // UTF-8, without the leading blank
};

// " " + the Windows-1252 bytes of the unit; empty for an empty unit.
std::string UnitBytes(const std::string& utf8Unit);

// "G%03d,F%d,value, unit," or "G000,,,,".
std::string StandardEntry(const Entry& entry);
std::string EmptyEntry();
// "GZER,F%d,value,,"
std::string AdvancedEntry(int index, const std::string& value);

// The identifier and twelve entries (missing ones empty, surplus ones dropped).
std::string StandardReply(const std::string& identifier, const std::vector<Entry>& entries);

// The identifier, ten advanced entries with the indices 0..9 (missing values empty), then eight
// entries for rows 1 and 2.
std::string AdvancedReply(const std::string& identifier, const std::vector<std::string>& values,
                          const std::vector<Entry>& rows12);

// One OBD parameter: its number and value.
struct ObdParameter {
    int pid = 0;
    std::string value;
    std::string unit; // UTF-8, without the leading blank
};

// "OBD.LBL", up to four parameters as field 0 of their number, the rest empty (12 entries).
std::string ObdReply(const std::vector<ObdParameter>& parameters);

} // namespace testhost
