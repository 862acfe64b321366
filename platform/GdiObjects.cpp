#include "platform/GdiObjects.h"

#include <QPolygon>

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

} // namespace platform
