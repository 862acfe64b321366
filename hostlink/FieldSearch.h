#pragma once
// Searching the escaped fields of a reply for a text, in one pass over the reply, however many
// fields it has.

#include <string_view>

// The number of the first field, from field first on, that contains part, each field taken as
// ExtractField takes it (split at sep where no esc stands before it, every esc removed); -1 when
// none does, and for an empty text, which has no fields.
int FindFieldContaining(std::string_view text, std::string_view part, char sep, char esc, int first = 0);
