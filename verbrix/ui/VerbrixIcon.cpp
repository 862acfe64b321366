#include "verbrix/ui/VerbrixIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QImage PaintVerbrixIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0); // drawn on a 32 x 32 grid

    const QColor outline(30, 30, 30);
    // The hose, behind the pump: from the side of the pump to the nozzle hanging beside it.
    QPainterPath hose;
    hose.moveTo(19, 9);
    hose.cubicTo(29, 9, 28, 16, 27, 22);
    p.setPen(QPen(outline, 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hose);
    p.setPen(QPen(outline, 1));
    p.setBrush(QColor(90, 90, 90));
    p.drawRoundedRect(QRectF(25, 21, 4, 7), 1, 1);

    // The pump body with its display and the drop of fuel.
    p.setBrush(QColor(200, 30, 30));
    p.drawRoundedRect(QRectF(4, 3, 16, 25), 2.5, 2.5);
    p.setBrush(QColor(235, 245, 255));
    p.drawRect(QRectF(7, 6, 10, 7));
    QPainterPath drop;
    drop.moveTo(12, 15);
    drop.cubicTo(13.5, 18, 15.5, 20, 15.5, 22);
    drop.cubicTo(15.5, 24.5, 8.5, 24.5, 8.5, 22);
    drop.cubicTo(8.5, 20, 10.5, 18, 12, 15);
    p.setBrush(QColor(255, 200, 40));
    p.drawPath(drop);

    // The base it stands on.
    p.setBrush(QColor(70, 70, 70));
    p.drawRect(QRectF(2, 27, 20, 3));
    return image;
}

QIcon VerbrixIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addPixmap(QPixmap::fromImage(PaintVerbrixIcon(size)));
    return icon;
}
