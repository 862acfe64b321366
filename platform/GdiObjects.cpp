#include "platform/GdiObjects.h"

#include <QPainterPath>
#include <QPolygon>

#include <algorithm>

namespace platform {

BOOL Bitmap::CreateCompatibleBitmap(int width, int height)
{
    m_image.reset();
    if (width <= 0 || height <= 0)
        return FALSE;
    auto image = std::make_shared<QImage>(width, height, QImage::Format_RGB32);
    if (image->isNull())
        return FALSE;
    image->fill(Qt::white);
    m_image = std::move(image);
    return TRUE;
}

SIZE Bitmap::GetSize() const
{
    return IsNull() ? SIZE{} : SIZE{m_image->width(), m_image->height()};
}

BOOL Region::CreateRectRgn(int left, int top, int right, int bottom)
{
    m_region = QRegion(Rect(left, top, right, bottom).ToQRect().normalized());
    return TRUE;
}

BOOL Region::CreatePolygonRgn(const POINT* points, int count, int mode)
{
    QPolygon polygon;
    for (int i = 0; i < count; ++i)
        polygon << QPoint(points[i].x, points[i].y);
    m_region = QRegion(polygon, mode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    return TRUE;
}

BOOL Region::CreateRoundRectRgn(int left, int top, int right, int bottom, int width, int height)
{
    const QRect box = Rect(left, top, right, bottom).ToQRect().normalized();
    QPainterPath path;
    path.addRoundedRect(box, std::min(width, box.width()) / 2.0, std::min(height, box.height()) / 2.0);
    m_region = QRegion(path.toFillPolygon().toPolygon());
    return TRUE;
}

BOOL Region::CombineRgn(const Region& a, const Region& b, int mode)
{
    if (mode != RGN_OR)
        return FALSE;
    m_region = a.m_region.united(b.m_region);
    return TRUE;
}

} // namespace platform
