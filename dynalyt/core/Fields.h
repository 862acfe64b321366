#pragma once
// The field routines of the import and of the measurement reader: field number `column`
// (from 1) of a line, split at one separator character, with every "." turned into ","
// so that a decimal point reads like the program's decimal comma. A field beyond the end
// of a short line is empty. No blanks are trimmed; there is no quoting.

#include <string>
#include <string_view>

namespace dynalyt {

std::string CsvField(std::string_view line, int column, char separator);
std::string TabField(std::string_view line, int column);

} // namespace dynalyt
