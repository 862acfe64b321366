#pragma once
// The geometry of the analog meter's dial, from its client rectangle alone (only the height
// sizes it): centre, radii, the outline of the 330-degree ring, the ticks, where labels and
// readouts stand, and the triangles of needle and markers at an angle. Angles are radians,
// counter-clockwise from the positive x axis; the scale runs clockwise over the top from 255
// degrees (its minimum, lower left) to -75 degrees (its maximum, lower right).

#include "platform/GdiTypes.h"

#include <array>
#include <numbers>

inline constexpr double kDegToRad = std::numbers::pi / 180;
inline constexpr double kStartAngle = 255 * kDegToRad;
inline constexpr double kEndAngle = -75 * kDegToRad;
inline constexpr int kOutlinePoints = 134;
inline constexpr int kTickCount = 21;

using Triangle = std::array<POINT, 3>;

// The angle of a value on a scale from min to max, pinned at the scale's ends. An empty scale
// (min equal to max) and a value that is not a number never give an angle that is not one:
// at or below the minimum, and NaN, stand at the start, anything else at the end.
double ValueAngle(double value, double min, double max);

struct NeedleBody {
    Triangle lit;    // drawn first, in the needle colour
    Triangle shaded; // drawn over it, in the shade
};

struct DialGeometry {
    explicit DialGeometry(const platform::Rect& client);

    // The point at an angle and a radius, rounded to the nearest pixel (halves away from zero).
    POINT At(double angle, double radius) const;
    // The outer arc from the end to the start of the scale, then the hub arc back, every 5 degrees.
    std::array<POINT, kOutlinePoints> Outline() const;
    // Every 15 degrees but at the two ends of the scale: outer point, then inner point.
    std::array<std::array<POINT, 2>, kTickCount> Ticks() const;
    // The outline moved apart by a pixel each way, the shadow from point 0 to 67 and the light
    // from 67 round to 0.
    std::array<POINT, kOutlinePoints> Bevel() const;

    Triangle MinMarker(double angle) const;
    Triangle MaxMarker(double angle) const;
    NeedleBody Needle(double angle) const;

    // The digit font's height; a meter too small for one gets the smallest there is.
    int FontHeight() const;
    // Baselines, for a font whose text-metric height is tm.
    int ReadoutY(int tm) const { return m_nHeight / 2 - tm / 2 - nRadius; }
    int PeakY(int tm) const;
    int LabelBaseline(int tm) const { return m_nHeight / 2 + nRadius + tm; }

    int nCentreX;
    int nCentreY;
    int nRadius;
    int nHubRadius;
    int nReadoutX;

private:
    int m_nHeight;
    int m_nBottom;
};
