// Sprintor's speed reading over any field.
#include "fuzz/FuzzCheck.h"
#include "sprintor/core/SpeedValue.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const float speed = ReadSpeed(std::string_view(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(std::isfinite(speed) && speed >= 0);
    return 0;
}
