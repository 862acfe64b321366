// The power program's decimal-comma numbers: read from any text, as bytes and as text, shown
// again and read back.
#include "dynalyt/core/NumberFormat.h"
#include "fuzz/FuzzCheck.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using dynalyt::NumberFormat;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const QString text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));

    const auto fromBytes = NumberFormat.StrToFloat(bytes);
    FUZZ_CHECK(fromBytes == NumberFormat.StrToFloat(text));
    if (fromBytes) {
        FUZZ_CHECK(std::isfinite(*fromBytes));
        FUZZ_CHECK(bytes.find('.') == std::string_view::npos);
        for (int decimals = 0; decimals <= 2; ++decimals) {
            const QString shown = NumberFormat.FormatFloat(*fromBytes, decimals);
            const auto again = NumberFormat.StrToFloat(shown);
            FUZZ_CHECK(again &&
                       std::fabs(*again - *fromBytes) <=
                           0.5 * std::pow(10.0, -decimals) * (1 + 1e-9) + std::fabs(*fromBytes) * 1e-15);
        }
    }
    // Whole numbers read alike either way (the whole number also takes line ends and form feeds
    // around it).
    const auto whole = dynalyt::DecimalFormat::StrToInt(text);
    if (whole && bytes.find_first_of("\n\v\f\r") == std::string_view::npos)
        FUZZ_CHECK(NumberFormat.StrToFloat(text) == static_cast<double>(*whole));
    return 0;
}
