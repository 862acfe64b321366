#pragma once
// The program's number conversions: decimal comma in every text it shows, reads and stores,
// whatever the process locale says. A decimal point makes a number invalid.

#include <QString>

#include <optional>
#include <string_view>

namespace dynalyt {

class DecimalFormat {
public:
    explicit constexpr DecimalFormat(char decimalSeparator) : m_decimalSeparator(decimalSeparator) {}

    // The fixed patterns "0", "0.0" and "0.00": rounded to the nearest, halves away from zero,
    // a minus sign only for a value that does not round to zero.
    QString FormatFloat(double value, int decimals) const;

    // A whole text as a decimal number: blanks around it, a sign, digits with one decimal
    // separator, an exponent. "inf", "nan", hex and the other decimal mark are never numbers.
    std::optional<double> StrToFloat(const QString& text) const;
    std::optional<double> StrToFloat(std::string_view bytes) const;

    // A whole number: blanks around it, an optional sign and decimal digits, within 32 bits;
    // nothing else.
    static std::optional<int> StrToInt(const QString& text);

private:
    char m_decimalSeparator;
};

// The one number format of the program, with its decimal comma.
inline constexpr DecimalFormat NumberFormat{','};

} // namespace dynalyt
