#pragma once
// What the meter tests share: painting a meter into an image, and reading its pixels.

#include "platform/Colour.h"
#include "platform/DC.h"
#include "scopecontrols/3DMeterCtrl.h"

#include <QImage>

#include <algorithm>
#include <functional>

namespace metertest {

inline COLORREF At(const QImage& image, POINT p)
{
    return platform::FromQColor(QColor::fromRgb(image.pixel(p.x, p.y)));
}

// The meter's paint at its current size, as its window would get it.
inline QImage Paint(C3DMeterCtrl& meter)
{
    QImage image(meter.width(), meter.height(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    {
        platform::CDC dc(&image);
        meter.OnPaint(&dc);
    }
    return image;
}

// How many pixels of a box (clipped to the image) match.
inline int Count(const QImage& image, const platform::Rect& box, const std::function<bool(COLORREF)>& match)
{
    int n = 0;
    for (int y = std::max(box.top, 0); y < std::min(box.bottom, image.height()); ++y) {
        for (int x = std::max(box.left, 0); x < std::min(box.right, image.width()); ++x)
            n += match(At(image, {x, y})) ? 1 : 0;
    }
    return n;
}

} // namespace metertest
