#include "dynalyt/core/DynalytError.h"

#include <cmath>

namespace dynalyt {

double CheckedDivide(double numerator, double denominator)
{
    if (denominator == 0)
        throw DynalytError(QString::fromUtf8(numerator == 0 ? InvalidOperationText : DivideByZeroText));
    return CheckedFinite(numerator / denominator);
}

double CheckedFinite(double value)
{
    if (!std::isfinite(value))
        throw DynalytError(QString::fromUtf8(OverflowText));
    return value;
}

} // namespace dynalyt
