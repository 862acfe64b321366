#pragma once
// Dialog units to pixels. The base units are fixed (those of an 8-point dialog font at
// 96 dpi), so that every dialog has the same layout on every machine.

#include <QRect>

namespace platform {

constexpr int kDialogBaseUnitX = 6;
constexpr int kDialogBaseUnitY = 13;

// Rounded like the platform's MulDiv.
constexpr int MulDiv(int a, int b, int c)
{
    const long long p = static_cast<long long>(a) * b;
    return static_cast<int>(p >= 0 ? (p + c / 2) / c : (p - c / 2) / c);
}

constexpr int DluToPixelsX(int dlu)
{
    return MulDiv(dlu, kDialogBaseUnitX, 4);
}
constexpr int DluToPixelsY(int dlu)
{
    return MulDiv(dlu, kDialogBaseUnitY, 8);
}

// A rectangle given as x, y, width, height in dialog units, as a dialog template holds it.
inline QRect DialogRect(int x, int y, int cx, int cy)
{
    return QRect(DluToPixelsX(x), DluToPixelsY(y), DluToPixelsX(cx), DluToPixelsY(cy));
}

} // namespace platform
