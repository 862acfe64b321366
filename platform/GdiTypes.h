#pragma once
// Points, sizes and rectangles of the GDI-shaped drawing layer. A Rect's right and bottom
// edges are exclusive, as the drawing code of the programs counts them.

#include "platform/WinTypes.h"

#include <QRect>

struct POINT {
    int x = 0;
    int y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};

namespace platform {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr Rect() = default;
    constexpr Rect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    // Left and top edges inside, right and bottom edges outside.
    constexpr bool PtInRect(POINT p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr POINT TopLeft() const { return {left, top}; }
    constexpr POINT BottomRight() const { return {right, bottom}; }
    constexpr POINT CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }

    QRect ToQRect() const { return QRect(left, top, right - left, bottom - top); }
    static Rect FromQRect(const QRect& r)
    {
        return Rect(r.x(), r.y(), r.x() + r.width(), r.y() + r.height());
    }

    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace platform
