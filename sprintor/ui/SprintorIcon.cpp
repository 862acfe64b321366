#include "sprintor/ui/SprintorIcon.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap StopWatch(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(QRectF(13, 1, 6, 4)); // crown
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(3, 6, 26, 25));
    p.setPen(QPen(QColor(128, 128, 128), 1.5));
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(16, 18.5);
        p.rotate(i * 30);
        p.drawLine(QPointF(0, -10.5), QPointF(0, -8.5));
        p.restore();
    }
    p.setPen(QPen(QColor(255, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 18.5), QPointF(22, 11)); // the hand
    return pixmap;
}

} // namespace

QIcon SprintorIcon()
{
    QIcon icon;
    icon.addPixmap(StopWatch(16));
    icon.addPixmap(StopWatch(32));
    return icon;
}
