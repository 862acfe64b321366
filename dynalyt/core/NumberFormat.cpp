#include "dynalyt/core/NumberFormat.h"

#include "platform/Codec1252.h"
#include "platform/Numbers.h"

#include <cmath>
#include <limits>
#include <string>

namespace dynalyt {
namespace {

// A double times 100 is exact in the extended type, so halves are seen as halves.
static_assert(std::numeric_limits<long double>::digits >= 60);

constexpr long double Scale[] = {1.0L, 10.0L, 100.0L};

bool IsAscii(const QString& text)
{
    for (QChar c : text)
        if (c.unicode() > 0x7F)
            return false;
    return true;
}

} // namespace

QString DecimalFormat::FormatFloat(double value, int decimals) const
{
    decimals = decimals < 0 ? 0 : (decimals > 2 ? 2 : decimals);
    if (!std::isfinite(value))
        return QString::fromStdString(platform::FormatFixed(value, decimals, m_decimalSeparator));
    const long double scaled = roundl(static_cast<long double>(value) * Scale[decimals]);
    std::string digits = platform::FormatC("%.0Lf", fabsl(scaled));
    if (decimals > 0) {
        if (digits.size() <= static_cast<std::size_t>(decimals))
            digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, m_decimalSeparator);
    }
    if (scaled < 0)
        digits.insert(0, 1, '-');
    return QString::fromLatin1(digits);
}

std::optional<double> DecimalFormat::StrToFloat(std::string_view text) const
{
    return platform::ParseDecimal(text, m_decimalSeparator);
}

std::optional<double> DecimalFormat::StrToFloat(const QString& text) const
{
    if (!IsAscii(text))
        return std::nullopt;
    const QByteArray bytes = text.toLatin1();
    return StrToFloat(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

std::optional<int> DecimalFormat::StrToInt(const QString& text)
{
    if (!IsAscii(text))
        return std::nullopt;
    // Blanks around the number are allowed, as around a decimal number: values typed into
    // the settings file by hand often carry them.
    const QByteArray bytes = text.toLatin1().trimmed();
    qsizetype pos = 0;
    bool negative = false;
    if (pos < bytes.size() && (bytes[pos] == '+' || bytes[pos] == '-'))
        negative = bytes[pos++] == '-';
    if (pos == bytes.size())
        return std::nullopt;
    long long value = 0;
    for (; pos < bytes.size(); ++pos) {
        const char c = bytes[pos];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace dynalyt
