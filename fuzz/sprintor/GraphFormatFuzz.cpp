// The graph's number texts and its cursor readout over any values, decimals and format: sixteen
// bytes for the two values, a byte for the decimals, the format (Latin-1) after them.
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "sprintor/graph/GraphFormat.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

double Value(FuzzInput& input)
{
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<uint64_t>(input.Byte()) << (8 * i);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The longest text one conversion makes: a double's 309 digits before its point, the clamped
// width and precision, sign and exponent.
constexpr qsizetype kLongestConversion = 400;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzInput input(data, size);
    const double x = Value(input);
    const double y = Value(input);
    const UINT decimals = input.Byte();
    const std::string_view rest = input.Rest();
    const QString format = QString::fromLatin1(rest.data(), static_cast<qsizetype>(rest.size()));

    const QString value = FormatGraphValue(x, decimals);
    FUZZ_CHECK(value.size() <= kLongestConversion);
    FUZZ_CHECK(FormatGraphWhole(y).size() <= kLongestConversion);
    const QString readout = FormatGraphCursor(format, x, y);
    FUZZ_CHECK(readout.size() <= format.size() + 2 * kLongestConversion);
    return 0;
}
