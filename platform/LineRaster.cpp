#include "platform/LineRaster.h"

#include <algorithm>
#include <cstdlib>

namespace platform {

long long RasterLine(QPoint from, QPoint to, const QRect& box, int phase,
                     const std::function<void(const QRect&, bool)>& run)
{
    const long long dx = static_cast<long long>(to.x()) - from.x();
    const long long dy = static_cast<long long>(to.y()) - from.y();
    const long long n = std::max(std::llabs(dx), std::llabs(dy));
    if (n == 0 || box.isEmpty())
        return n;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const long long a0 = xMajor ? from.x() : from.y(), b0 = xMajor ? from.y() : from.x();
    const long long sa = (xMajor ? dx : dy) < 0 ? -1 : 1, sb = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const long long dMinor = std::llabs(xMajor ? dy : dx);
    const long long lo = xMajor ? box.left() : box.top(), hi = xMajor ? box.right() : box.bottom();
    const long long mlo = xMajor ? box.top() : box.left(), mhi = xMajor ? box.bottom() : box.right();

    // Only the steps whose major coordinate lies in the box can show.
    long long i0 = sa > 0 ? lo - a0 : a0 - hi, i1 = sa > 0 ? hi - a0 : a0 - lo;
    i0 = std::max(i0, 0LL);
    i1 = std::min(i1, n - 1);
    if (i0 > i1)
        return n;

    // Minor offset at step i: round(i * dMinor / n), kept as quotient m and remainder r.
    const __int128 twoN = 2 * static_cast<__int128>(n);
    const __int128 num = 2 * static_cast<__int128>(i0) * dMinor + n;
    long long m = static_cast<long long>(num / twoN);
    long long r = static_cast<long long>(num % twoN);

    bool open = false, openOn = false;
    long long runMinor = 0, runFirst = 0, runLast = 0;
    auto flush = [&] {
        if (!open)
            return;
        const long long first = std::min(runFirst, runLast), len = std::abs(runLast - runFirst) + 1;
        run(xMajor ? QRect(int(first), int(runMinor), int(len), 1)
                   : QRect(int(runMinor), int(first), 1, int(len)),
            openOn);
        open = false;
    };
    for (long long i = i0; i <= i1; ++i) {
        const long long major = a0 + sa * i, minor = b0 + sb * m;
        if (minor >= mlo && minor <= mhi) {
            const bool on = phase < 0 || ((phase + i) % (2 * kDotLength)) < kDotLength;
            if (open && (minor != runMinor || on != openOn))
                flush();
            if (!open) {
                open = true, openOn = on, runMinor = minor, runFirst = major;
            }
            runLast = major;
        } else {
            flush();
        }
        r += 2 * dMinor;
        if (r >= twoN)
            r -= static_cast<long long>(twoN), ++m;
    }
    flush();
    return n;
}

bool ClipSegment(QPoint from, QPoint to, const QRect& box, QLineF* clipped)
{
    // Liang-Barsky in double precision.
    const double x0 = from.x(), y0 = from.y(), dx = double(to.x()) - x0, dy = double(to.y()) - y0;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - box.left(), box.right() - x0, y0 - box.top(), box.bottom() - y0};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0)
                return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    *clipped = QLineF(x0 + t0 * dx, y0 + t0 * dy, x0 + t1 * dx, y0 + t1 * dy);
    return true;
}

} // namespace platform
