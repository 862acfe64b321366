#include "sprintor/ui/Lamps.h"

#include "sprintor/core/Resource.h"

#include <QImage>
#include <QPainter>

namespace {

constexpr int kWidth = 22;
constexpr int kHeight = 54;

// The 16 colours of the standard palette; the picture uses nothing else.
QList<QRgb> Palette16()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

void DrawLens(QPainter& p, int centreY, const QColor& colour, bool lit)
{
    const QRect lens(kWidth / 2 - 8, centreY - 8, 16, 16);
    p.setPen(QColor(128, 128, 128));
    p.setBrush(colour);
    p.drawEllipse(lens.adjusted(0, 0, -1, -1));
    if (lit) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(lens.left() + 4, lens.top() + 4, 3, 3);
    }
}

} // namespace

QPixmap LoadLampBitmap(int bitmapId)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(QColor(128, 128, 128));
        p.setBrush(Qt::black);
        p.drawRoundedRect(QRect(1, 1, kWidth - 3, kHeight - 3), 4, 4);
        const bool amber = bitmapId == IDB_LAMP_AMBER;
        const bool green = bitmapId == IDB_LAMP_GREEN;
        DrawLens(p, 14, amber ? QColor(255, 255, 0) : QColor(128, 128, 0), amber);
        DrawLens(p, 39, green ? QColor(0, 255, 0) : QColor(0, 128, 0), green);
    }
    return QPixmap::fromImage(
        image.convertToFormat(QImage::Format_Indexed8, Palette16(), Qt::ThresholdDither));
}
