// Verbrix's field detection and fuel accounting over a sequence of replies. Each record: a byte
// for the kind ('1', 'R' for the reset button, any other for a kind the accounting ignores),
// three bytes of milliseconds since the previous record (little-endian), the payload up to a NUL.
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "platform/TickClock.h"
#include "verbrix/core/Consumption.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

bool ShowsNumber(const std::string& text)
{
    return text.find("inf") == std::string::npos && text.find("nan") == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    platform::ManualTickClock clock(1000);
    platform::ScopedTickClock useClock(clock);
    FuelAccounting consumption;
    FuzzInput input(data, size);
    while (!input.Rest().empty()) {
        const char kind = static_cast<char>(input.Byte());
        std::uint32_t gap = input.Byte();
        gap |= static_cast<std::uint32_t>(input.Byte()) << 8;
        gap |= static_cast<std::uint32_t>(input.Byte()) << 16;
        const std::string_view payload = input.Until('\0');
        clock.Advance(gap);
        const bool detecting = consumption.IsDetecting();
        if (kind == 'R') {
            consumption.Reset();
        } else {
            const ReplyVerdict verdict = consumption.OnHostDataReply(kind == '1' ? "1" : "2", payload);
            // Only a first reply that fails closes the dialog.
            FUZZ_CHECK(!verdict.bClose || detecting);
        }
        FUZZ_CHECK(consumption.IsDetecting() ||
                   (consumption.SpeedField() >= 0 && consumption.FuelRateField() >= 0));
        FUZZ_CHECK(std::isfinite(consumption.TotalLitres()) && std::isfinite(consumption.DistanceKm()) &&
                   std::isfinite(consumption.Average()));
        FUZZ_CHECK(consumption.TotalLitres() >= 0 && consumption.DistanceKm() >= 0 &&
                   consumption.Average() >= 0);
        for (const std::string* text : {&consumption.Consumption(), &consumption.AverageText(),
                                        &consumption.TotalText(), &consumption.DistanceText()})
            FUZZ_CHECK(ShowsNumber(*text) && !text->starts_with('-'));
    }
    return 0;
}
