#include "dynalyt/core/Fields.h"

#include <algorithm>

namespace dynalyt {

std::string CsvField(std::string_view line, int column, char separator)
{
    for (int i = 1; i < column; ++i) {
        const std::size_t sep = line.find(separator);
        if (sep == std::string_view::npos)
            return {};
        line.remove_prefix(sep + 1);
    }
    std::string field(line.substr(0, line.find(separator)));
    std::replace(field.begin(), field.end(), '.', ',');
    return field;
}

std::string TabField(std::string_view line, int column)
{
    return CsvField(line, column, '\t');
}

} // namespace dynalyt
