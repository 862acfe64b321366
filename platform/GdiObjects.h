#pragma once
// The drawing objects of the GDI-shaped drawing context: pens, brushes, fonts (as LOGFONT
// values), bitmaps (memory surfaces, a QImage each) and clip regions. Pens, brushes and
// fonts are plain values; selecting one into a context copies it.

#include "platform/GdiTypes.h"
#include "platform/WinTypes.h"

#include <QImage>
#include <QRegion>
#include <QString>

#include <memory>

constexpr int PS_SOLID = 0;
constexpr int PS_DOT = 2;

constexpr int FW_LIGHT = 300;
constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

constexpr int RGN_OR = 2;

namespace platform {

struct Pen {
    int style = PS_SOLID;
    int width = 1; // 0 draws one pixel, as 1 does
    COLORREF color = 0;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    COLORREF color = 0xFFFFFF;
    static Brush Solid(COLORREF c) { return Brush{c}; }
    friend bool operator==(const Brush&, const Brush&) = default;
};

// A font as the programs describe it. A positive height is the cell height (ascent plus
// descent) in pixels, a negative one the character height, 0 the default height.
struct LogFont {
    int lfHeight = 0;
    int lfEscapement = 0; // tenths of a degree, counter-clockwise
    int lfWeight = FW_NORMAL;
    QString lfFaceName;
    friend bool operator==(const LogFont&, const LogFont&) = default;
};

// A memory surface. Copies share the surface, as bitmap handles do.
class Bitmap {
public:
    Bitmap() = default;
    // A surface of that size in the screen's format, white; FALSE when it cannot be made.
    BOOL CreateCompatibleBitmap(int width, int height);
    // A surface of that size for a paint that sets every pixel before it reads one: the memory of
    // an earlier such surface of the same size that nothing holds any more, with the pixels it was
    // left with, else a new white one. A paint thus neither allocates nor clears it anew.
    BOOL CreatePaintSurface(int width, int height);
    void DeleteObject() { m_image.reset(); }
    bool IsNull() const { return !m_image || m_image->isNull(); }
    SIZE GetSize() const;
    QImage* Image() const { return m_image.get(); }

private:
    std::shared_ptr<QImage> m_image;
};

// A clip region in device coordinates.
class Region {
public:
    Region() = default;
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    // A polygon's inside; mode ALTERNATE or WINDING.
    BOOL CreatePolygonRgn(const POINT* points, int count, int mode);
    // A rectangle whose corners are rounded by an ellipse of width x height.
    BOOL CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height);
    // This region becomes a and b combined by mode (RGN_OR, their union).
    BOOL CombineRgn(const Region& a, const Region& b, int mode);
    const QRegion& Get() const { return m_region; }

private:
    QRegion m_region;
};

} // namespace platform
