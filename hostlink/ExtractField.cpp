#include "hostlink/ExtractField.h"

#include <algorithm>
#include <climits>

BOOL ExtractField(std::string& out, const char* text, int len, int index, char sep, char esc)
{
    if (text == nullptr || len <= 0)
        return FALSE;
    // Only the one byte before a separator is looked at, so "\\," still escapes the comma.
    const auto counted = [&](int pos) { return text[pos] == sep && (pos == 0 || text[pos - 1] != esc); };

    int start = 0;
    for (int passed = 0; passed < index; ++start) {
        if (start >= len) {
            out.clear();
            return FALSE;
        }
        if (counted(start))
            ++passed;
    }
    std::string field;
    for (int pos = start; pos < len && !counted(pos); ++pos) {
        if (text[pos] != esc)
            field += text[pos];
    }
    out = std::move(field);
    return TRUE;
}

BOOL ExtractField(std::string& out, std::string_view text, int index, char sep, char esc)
{
    const std::size_t len = std::min<std::size_t>(text.size(), INT_MAX);
    return ExtractField(out, text.data(), static_cast<int>(len), index, sep, esc);
}
