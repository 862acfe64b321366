#pragma once
// The escaped-field splitter with which headers and most payloads are read.

#include "platform/WinTypes.h"

#include <string>
#include <string_view>

// Reads field number index (0-based; negative counts as 0) of the len bytes at text, fields
// separated by sep. A separator right after esc does not count, and every esc byte is removed
// from the field. FALSE, with out untouched, for no text; FALSE, with out emptied, when there are
// fewer fields; TRUE otherwise, also for an empty field.
BOOL ExtractField(std::string& out, const char* text, int len, int index, char sep, char esc);

// The same over a whole text, with the separator and escape of replies and headers by default.
// A text longer than an int can count is read up to that length.
BOOL ExtractField(std::string& out, std::string_view text, int index, char sep = ',', char esc = '\\');
