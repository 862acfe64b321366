#pragma once
// One-pixel lines as the drawing context draws them: every pixel from the start point up to,
// but not including, the end point, cut to a box; runs of pixels come out as rectangles. The
// work is bounded by the box, however far off the end points lie.

#include <QLineF>
#include <QPoint>
#include <QRect>

#include <functional>

namespace platform {

// A dotted line is this many pixels on, then as many off.
inline constexpr int kDotLength = 3;

// Calls run(rect, on) for each run of pixels inside box. phase < 0 draws a solid line (on
// everywhere); otherwise the dot pattern starts at that step of its period. Returns the
// number of steps of the whole line.
long long RasterLine(QPoint from, QPoint to, const QRect& box, int phase,
                     const std::function<void(const QRect&, bool)>& run);

// The part of the segment inside box, for the painter's wide lines; false when none is.
bool ClipSegment(QPoint from, QPoint to, const QRect& box, QLineF* clipped);

} // namespace platform
