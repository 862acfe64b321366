#include "hostlink/FieldSearch.h"

#include <climits>
#include <string>

int FindFieldContaining(std::string_view text, std::string_view part, char sep, char esc, int first)
{
    if (text.empty())
        return -1;
    std::string field;
    int index = 0;
    for (std::size_t pos = 0;; ++pos) {
        const bool end = pos == text.size();
        if (end || (text[pos] == sep && (pos == 0 || text[pos - 1] != esc))) {
            if (index >= first && field.find(part) != std::string::npos)
                return index;
            if (end || index == INT_MAX)
                return -1;
            ++index;
            field.clear();
        } else if (text[pos] != esc) {
            field += text[pos];
        }
    }
}
