#include "platform/GdiObjects.h"

#include <QCoreApplication>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <mutex>
#include <vector>

namespace platform {

namespace {

// The paint surfaces kept for the next paint of their size, at most this many; a surface is free
// while the list alone holds it.
constexpr std::size_t kKeptSurfaces = 8;

struct KeptSurfaces {
    std::mutex mutex;
    std::vector<std::shared_ptr<QImage>> images;
};

KeptSurfaces& Kept()
{
    static KeptSurfaces kept;
    // Their memory goes with the application object, before the statics of Qt that it may use.
    [[maybe_unused]] static const bool forgotten = [] {
        qAddPostRoutine([] {
            const std::lock_guard lock(kept.mutex);
            kept.images.clear();
        });
        return true;
    }();
    return kept;
}

bool IsFree(const std::shared_ptr<QImage>& image)
{
    return image.use_count() == 1;
}

} // namespace

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

BOOL Bitmap::CreatePaintSurface(int width, int height)
{
    m_image.reset();
    KeptSurfaces& kept = Kept();
    const std::lock_guard lock(kept.mutex);
    auto& images = kept.images;
    const QSize size(width, height);
    const auto reusable = std::find_if(images.begin(), images.end(), [&](const auto& image) {
        return IsFree(image) && image->size() == size;
    });
    if (reusable != images.end()) {
        m_image = *reusable;
        return TRUE;
    }
    if (!CreateCompatibleBitmap(width, height))
        return FALSE;
    if (images.size() == kKeptSurfaces) {
        const auto unused = std::find_if(images.begin(), images.end(), IsFree);
        if (unused == images.end())
            return TRUE;
        images.erase(unused);
    }
    images.push_back(m_image);
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
