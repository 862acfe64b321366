#include "sprintor/core/SpeedValue.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <limits>

float ReadSpeed(std::string_view field)
{
    const double v = platform::ReadLeadingDecimal(field).value_or(0.0);
    return static_cast<float>(std::clamp(v, 0.0, static_cast<double>(std::numeric_limits<float>::max())));
}
