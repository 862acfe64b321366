#include "platform/Numbers.h"

#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <vector>

namespace platform {
namespace {

locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

// Switches this thread to the C locale for one conversion.
class ScopedCLocale {
public:
    ScopedCLocale() : m_old(uselocale(CLocale())) {}
    ~ScopedCLocale() { uselocale(m_old); }
    ScopedCLocale(const ScopedCLocale&) = delete;
    ScopedCLocale& operator=(const ScopedCLocale&) = delete;

private:
    locale_t m_old;
};

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Scans [sign]digits[point digits] from pos; returns the end, or npos when there is no digit.
std::size_t ScanMantissa(std::string_view t, std::size_t pos, char point, bool needLeadingDigit)
{
    if (pos < t.size() && (t[pos] == '+' || t[pos] == '-'))
        ++pos;
    std::size_t digits = 0;
    while (pos < t.size() && IsDigit(t[pos]))
        ++pos, ++digits;
    if (needLeadingDigit && digits == 0)
        return std::string_view::npos;
    if (pos < t.size() && t[pos] == point) {
        std::size_t p = pos + 1;
        std::size_t frac = 0;
        while (p < t.size() && IsDigit(t[p]))
            ++p, ++frac;
        if (frac > 0 || (digits > 0 && !needLeadingDigit))
            pos = p;
        digits += frac;
    }
    return digits == 0 ? std::string_view::npos : pos;
}

// Scans an exponent [eE][sign]digits at pos; returns its end, or npos when there is none.
std::size_t ScanExponent(std::string_view t, std::size_t pos)
{
    if (pos >= t.size() || (t[pos] != 'e' && t[pos] != 'E'))
        return std::string_view::npos;
    std::size_t p = pos + 1;
    if (p < t.size() && (t[p] == '+' || t[p] == '-'))
        ++p;
    const std::size_t digitsAt = p;
    while (p < t.size() && IsDigit(t[p]))
        ++p;
    return p == digitsAt ? std::string_view::npos : p;
}

std::optional<double> Convert(std::string_view number, char point)
{
    std::string s(number);
    if (!s.empty() && s.front() == '+')
        s.erase(0, 1);
    for (char& c : s)
        if (c == point)
            c = '.';
    if (!s.empty() && s.back() == '.') // "5," reads as 5
        s.pop_back();
    // The text is checked already; strtod_l with the C locale only converts it.
    char* end = nullptr;
    double value = strtod_l(s.c_str(), &end, CLocale());
    if (end != s.c_str() + s.size())
        return std::nullopt;
    if (std::isinf(value)) // beyond a double: saturate
        value = std::copysign(std::numeric_limits<double>::max(), value);
    return value;
}

} // namespace

std::string FormatC(const char* format, ...)
{
    ScopedCLocale scope;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (n > 0) {
        std::vector<char> buf(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(buf.data(), buf.size(), format, args);
        out.assign(buf.data(), static_cast<std::size_t>(n));
    }
    va_end(args);
    return out;
}

std::string FormatFixed(double value, int decimals, char point)
{
    decimals = decimals < 0 ? 0 : (decimals > 30 ? 30 : decimals);
    std::string s = FormatC("%.*f", decimals, value);
    if (point != '.')
        for (char& c : s)
            if (c == '.')
                c = point;
    return s;
}

std::optional<double> ParseDecimal(std::string_view t, char point)
{
    std::size_t b = 0, e = t.size();
    while (b < e && IsBlank(t[b]))
        ++b;
    while (e > b && IsBlank(t[e - 1]))
        --e;
    t = t.substr(b, e - b);
    std::size_t pos = ScanMantissa(t, 0, point, false);
    if (pos == std::string_view::npos)
        return std::nullopt;
    if (pos < t.size() && (t[pos] == 'e' || t[pos] == 'E')) {
        pos = ScanExponent(t, pos);
        if (pos == std::string_view::npos)
            return std::nullopt;
    }
    if (pos != t.size())
        return std::nullopt;
    return Convert(t, point);
}

std::optional<double> ReadLeadingDecimal(std::string_view t, char point)
{
    std::size_t b = 0;
    while (b < t.size() && IsBlank(t[b]))
        ++b;
    const std::size_t end = ScanMantissa(t, b, point, true);
    if (end == std::string_view::npos)
        return std::nullopt;
    return Convert(t.substr(b, end - b), point);
}

std::optional<double> ReadLeadingNumber(std::string_view t)
{
    std::size_t b = 0;
    while (b < t.size() && (t[b] == ' ' || (t[b] >= '\t' && t[b] <= '\r')))
        ++b;
    std::size_t end = ScanMantissa(t, b, '.', false);
    if (end == std::string_view::npos)
        return std::nullopt;
    if (const std::size_t e = ScanExponent(t, end); e != std::string_view::npos)
        end = e;
    return Convert(t.substr(b, end - b), '.');
}

int SaturatedInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

void ResetNumericLocale()
{
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace platform
