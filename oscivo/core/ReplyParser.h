#pragma once
// The "DataReply" payload as Oscivo reads it: the module identifier, then entries of four
// comma-terminated fields each ("G001,F0,850, /min," a standard entry, "G000,,,," an empty one,
// "GZER,F3,12.5,," an advanced one), twelve of them, or ten advanced ones and eight more. The
// parser reads what its search finds, so it takes more than this grammar: stray characters
// between entries, values that are not numbers (read as 0). Every read stops at the payload's
// end.

#include <string>
#include <string_view>

// Puts a payload into g_szReply with the rest of the buffer zeroed; false, and nothing
// changed, when it is longer than the buffer holds (1027 bytes).
bool SetReply(std::string_view payload);

// The payload in g_szReply, up to its terminator.
std::string_view ReplyText();

// Looks for the next entry within 42 characters of g_nReplyPos: 0 = a standard or empty entry,
// 1 = any other (an advanced one), -1 = none. With advance, g_nReplyPos moves to a standard or
// advanced entry's "G".
int FindNextEntry(bool advance);

// Takes the next entry into slot row x 4 + field, or an advanced one into g_dAdvValue:
// 1 = an entry with data, 0 = an empty entry, -1 = malformed (also a group outside 0..255, a
// field above 3, or a field or index that is not a digit).
int ParseReplyEntry(int row, int field);

// The module's name in an identifier: its first 15 characters, blanks among characters 13 to 15
// cleared from the end, the other blanks as "-", made a safe file name (SafeFileName). Played-back
// replies carry it as their identifier.
std::string ModuleName(std::string_view identifier);

// The scaling-file name of an identifier: its module name cut before a "." after the first
// character, then ".SCL".
std::string MakeScalingName(std::string_view identifier);
