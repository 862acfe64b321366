#pragma once
// Number reading and formatting that never depends on the process locale.

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// printf-style formatting in the C locale, whatever LC_NUMERIC says.
std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Fixed-point text with the given decimals and decimal mark ("%.*f" with another point).
std::string FormatFixed(double value, int decimals, char point = '.');

// A whole text as a decimal number: optional blanks, sign, digits with one decimal mark,
// an optional exponent, optional blanks. "inf", "nan" and hex are never numbers, and
// neither is a text with the other decimal mark.
std::optional<double> ParseDecimal(std::string_view text, char point = '.');

// The leading decimal number of a text: [blanks][sign]digits[point digits].
// Empty when the text does not start with one.
std::optional<double> ReadLeadingDecimal(std::string_view text, char point = '.');

// The leading number of a text as the C library reads a decimal one in the C locale:
// [white space][sign]digits[.digits] or [sign].digits, with an optional exponent. Empty when the
// text does not start with one; "inf", "nan" and hex are not numbers.
std::optional<double> ReadLeadingNumber(std::string_view text);

// A double brought into the int range: saturated at its ends, NaN as 0.
int SaturatedInt(double value);

// Sets LC_NUMERIC back to "C"; called right after the Qt application object exists,
// because Qt sets the C locale from the environment.
void ResetNumericLocale();

} // namespace platform
