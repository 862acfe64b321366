// Sprintor's run over a sequence of events, as its dialog drives it. Each record starts with a
// byte: 'S' starts or cancels (two 16-bit speeds, little-endian, then the unit up to a NUL), 'C'
// cancels, 'T' is a timer tick 50 ms after the previous record, 'P' the end of a sound; any other
// is a reply, of kind "1" for '1', with two bytes of milliseconds since the previous record and
// its payload up to a NUL.
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzInput.h"
#include "platform/TickClock.h"
#include "sprintor/core/AccelerationRun.h"
#include "sprintor/core/SprintorStrings.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

int16_t Int16(FuzzInput& input)
{
    const auto low = input.Byte();
    return static_cast<int16_t>(low | input.Byte() << 8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool installed = (InstallSprintorStrings(), true);
    (void)installed;
    platform::ManualTickClock clock(5000);
    platform::ScopedTickClock useClock(clock);
    AccelerationRun run;
    // Where the dialog's time axis ends, as the views move it.
    float xMax = 15;
    // When the run was last started.
    std::uint32_t startedAt = 0;
    FuzzInput input(data, size);
    while (!input.Rest().empty()) {
        RunView view;
        const char op = static_cast<char>(input.Byte());
        switch (op) {
        case 'S': {
            const int from = Int16(input);
            const int to = Int16(input);
            view = run.Start(from, to, std::string(input.Until('\0')));
            startedAt = clock.Now();
            break;
        }
        case 'C': view = run.Cancel(); break;
        case 'T':
            clock.Advance(50);
            view = run.OnTimerTick();
            break;
        case 'P': view = run.OnSoundPlayed(); break;
        default: {
            clock.Advance(static_cast<uint16_t>(Int16(input)));
            const std::string_view payload = input.Until('\0');
            const bool searching = run.SpeedColumn() == -1;
            view = run.OnHostDataReply(op == '1' ? "1" : "2", payload, xMax);
            // No reply of the first second after the start finds the speed field or ends the run.
            if (clock.Now() - startedAt < 1000)
                FUZZ_CHECK(!searching || (run.SpeedColumn() == -1 && view.nMessageId == 0));
            break;
        }
        }
        FUZZ_CHECK(std::isfinite(view.fSeconds) && view.fSeconds >= 0);
        FUZZ_CHECK(std::isfinite(view.fSpeed) && view.fSpeed >= 0);
        FUZZ_CHECK(std::isfinite(view.fXMax));
        // A start sets the axis back; a reply only moves it on.
        if (view.bTimeAxis) {
            FUZZ_CHECK(view.fXMax > 0 && (op == 'S' || view.fXMax > xMax));
            xMax = view.fXMax;
        }
        FUZZ_CHECK(!view.strResult.contains(QStringLiteral("inf")) &&
                   !view.strResult.contains(QStringLiteral("nan")));
    }
    return 0;
}
