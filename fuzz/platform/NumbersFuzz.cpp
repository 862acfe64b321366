// The platform's number reading over any text and decimal mark, and its formatting of what it
// read.
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "platform/Numbers.h"

#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void CheckRead(const std::optional<double>& value)
{
    if (!value)
        return;
    FUZZ_CHECK(std::isfinite(*value));
    const int whole = platform::SaturatedInt(*value);
    FUZZ_CHECK(whole >= INT_MIN && whole <= INT_MAX);
    FUZZ_CHECK(!platform::FormatFixed(*value, 2).empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const char point = (input.Byte() & 1) ? ',' : '.';
    const std::string_view text = input.Rest();

    const auto whole = platform::ParseDecimal(text, point);
    CheckRead(whole);
    const auto leading = platform::ReadLeadingDecimal(text, point);
    CheckRead(leading);
    CheckRead(platform::ReadLeadingNumber(text));
    // A whole text that is a number with digits before its mark and no exponent starts with
    // that number.
    if (whole && leading && text.find_first_of("eE") == std::string_view::npos)
        FUZZ_CHECK(leading == whole);
    // What is shown reads back as the number shown.
    if (whole) {
        const std::string shown = platform::FormatFixed(*whole, 3, point);
        const auto again = platform::ParseDecimal(shown, point);
        FUZZ_CHECK(again && std::fabs(*again - *whole) <= 0.0005 * (1 + 1e-9) + std::fabs(*whole) * 1e-15);
    }
    return 0;
}
