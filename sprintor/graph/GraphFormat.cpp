#include "sprintor/graph/GraphFormat.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Widths and precisions of a cursor format beyond this are cut to it.
constexpr int kMaxField = 64;

bool IsFlag(char c)
{
    return std::strchr("-+ #0", c) != nullptr && c != '\0';
}

bool IsDoubleConversion(char c)
{
    return std::strchr("fFeEgGaA", c) != nullptr && c != '\0';
}

// Copies a run of digits at pos, as a number clamped to kMaxField, onto spec.
void CopyField(const std::string& s, std::size_t& pos, std::string& spec)
{
    int value = 0;
    const std::size_t start = pos;
    while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9') {
        value = std::min(kMaxField, value * 10 + (s[pos] - '0'));
        ++pos;
    }
    if (pos > start)
        spec += std::to_string(value);
}

} // namespace

QString FormatGraphValue(double value, UINT decimals)
{
    return QString::fromStdString(
        platform::FormatFixed(value, static_cast<int>(std::min(decimals, kMaxGraphDecimals))));
}

QString FormatGraphWhole(double value)
{
    return QString::fromStdString(platform::FormatC("%0.f", value));
}

QString FormatGraphCursor(const QString& format, double x, double y)
{
    const std::string f = format.toStdString();
    const double args[2] = {x, y};
    int used = 0;
    std::string out;
    for (std::size_t pos = 0; pos < f.size();) {
        if (f[pos] != '%') {
            out += f[pos++];
            continue;
        }
        ++pos;
        if (pos < f.size() && f[pos] == '%') {
            out += '%';
            ++pos;
            continue;
        }
        std::string spec = "%";
        while (pos < f.size() && IsFlag(f[pos]))
            spec += f[pos++];
        CopyField(f, pos, spec);
        if (pos < f.size() && f[pos] == '.') {
            spec += f[pos++];
            CopyField(f, pos, spec);
        }
        if (pos < f.size() && f[pos] == 'l') // "%lf" is a double too
            ++pos;
        if (pos >= f.size() || !IsDoubleConversion(f[pos]) || used == 2)
            return QString();
        spec += f[pos++];
        out += platform::FormatC(spec.c_str(), args[used++]);
    }
    return QString::fromStdString(out);
}
