#include "scopecontrols/DialGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double k5 = 5 * kDegToRad;
constexpr double k10 = 10 * kDegToRad;
constexpr double k90 = 90 * kDegToRad;
constexpr double k180 = 180 * kDegToRad;
constexpr double k270 = 270 * kDegToRad;
constexpr int kMarkerLength = 20;

} // namespace

double ValueAngle(double value, double min, double max)
{
    if (!(value > min) && (min <= max || std::isnan(value)))
        return kStartAngle;
    if (min == max)
        return kEndAngle;
    const double a = kStartAngle + (value - min) * (-330 * kDegToRad) / (max - min);
    if (std::isnan(a)) // infinite value and scale
        return value > min ? kEndAngle : kStartAngle;
    return std::clamp(a, kEndAngle, kStartAngle);
}

DialGeometry::DialGeometry(const platform::Rect& client)
    : nCentreX((client.left + client.right) / 2), nCentreY(client.Height() / 2), nRadius(client.Height() / 3),
      nHubRadius(nRadius / 10), nReadoutX(client.left + (client.right - client.left) / 2),
      m_nHeight(client.Height()), m_nBottom(client.bottom)
{
}

POINT DialGeometry::At(double angle, double radius) const
{
    return {static_cast<int>(std::lround(nCentreX + radius * std::cos(angle))),
            static_cast<int>(std::lround(nCentreY - radius * std::sin(angle)))};
}

std::array<POINT, kOutlinePoints> DialGeometry::Outline() const
{
    std::array<POINT, kOutlinePoints> points;
    constexpr std::size_t kHalf = kOutlinePoints / 2;
    for (std::size_t i = 0; i < kHalf; ++i) {
        const int step = 5 * static_cast<int>(i);
        points[i] = At((-75 + step) * kDegToRad, nRadius);
        points[kHalf + i] = At((255 - step) * kDegToRad, nHubRadius);
    }
    return points;
}

std::array<std::array<POINT, 2>, kTickCount> DialGeometry::Ticks() const
{
    std::array<std::array<POINT, 2>, kTickCount> ticks;
    const double inner = nRadius - (nRadius - nHubRadius) * 0.1;
    std::size_t n = 0;
    for (int degrees = 90; degrees >= -60; degrees -= 15)
        ticks[n++] = {At(degrees * kDegToRad, nRadius), At(degrees * kDegToRad, inner)};
    for (int degrees = 105; degrees <= 240; degrees += 15)
        ticks[n++] = {At(degrees * kDegToRad, nRadius), At(degrees * kDegToRad, inner)};
    return ticks;
}

std::array<POINT, kOutlinePoints> DialGeometry::Bevel() const
{
    std::array<POINT, kOutlinePoints> bevel = Outline();
    constexpr std::size_t kHalf = kOutlinePoints / 2;
    for (std::size_t i = 0; i < bevel.size(); ++i)
        bevel[i].y += i < kHalf ? -1 : 1;
    bevel[0].x += 1;
    bevel[kHalf].x -= 1;
    bevel[kOutlinePoints - 1].x += 1;
    return bevel;
}

Triangle DialGeometry::MinMarker(double angle) const
{
    return {At(angle, nRadius - kMarkerLength), At(angle, nRadius), At(angle - k5, nRadius - kMarkerLength)};
}

Triangle DialGeometry::MaxMarker(double angle) const
{
    return {At(angle, nRadius - kMarkerLength), At(angle, nRadius), At(angle + k5, nRadius - kMarkerLength)};
}

NeedleBody DialGeometry::Needle(double angle) const
{
    // The tail and the barbs lie at whole-pixel fractions of the radius.
    const int tailRadius = nRadius / 4, barbRadius = nRadius / 5;
    const POINT tip = At(angle, nRadius);
    const POINT tail = At(angle + k180, tailRadius);
    const Triangle a{tail, At(angle + k180 - k10, barbRadius), tip};
    const Triangle b{tail, At(angle + k180 + k10, barbRadius), tip};
    // The lit half faces the top of the dial whichever side the needle points to.
    if (angle > k90 && angle <= k270)
        return {b, a};
    return {a, b};
}

int DialGeometry::FontHeight() const
{
    return std::max(1, (nRadius + m_nBottom - m_nHeight / 2) / 10);
}

int DialGeometry::PeakY(int tm) const
{
    return m_nHeight / 2 + nRadius + static_cast<int>(1.9 * tm);
}
