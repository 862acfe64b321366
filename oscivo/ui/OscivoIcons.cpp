#include "oscivo/ui/OscivoIcons.h"

#include "oscivo/ui/Resource.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace {

using Draw = std::function<void(QPainter&)>;

// An icon drawn on a 16 x 16 grid at the sizes a button or the title bar asks for.
QIcon Drawn(const Draw& draw)
{
    QIcon icon;
    for (const int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 16.0, size / 16.0);
        draw(p);
        icon.addPixmap(pixmap);
    }
    return icon;
}

void Triangle(QPainter& p, double left, double right, QColor colour)
{
    QPainterPath path;
    path.moveTo(left, 3);
    path.lineTo(right, 8);
    path.lineTo(left, 13);
    path.closeSubpath();
    p.fillPath(path, colour);
}

void Folder(QPainter& p)
{
    p.setPen(QPen(QColor(120, 90, 0), 1));
    p.setBrush(QColor(240, 200, 60));
    QPainterPath folder;
    folder.moveTo(1.5, 3.5);
    folder.lineTo(6, 3.5);
    folder.lineTo(7.5, 5);
    folder.lineTo(14.5, 5);
    folder.lineTo(14.5, 13.5);
    folder.lineTo(1.5, 13.5);
    folder.closeSubpath();
    p.drawPath(folder);
}

void Bar(QPainter& p, double x, double y, double w, double h)
{
    p.fillRect(QRectF(x, y, w, h), Qt::black);
}

} // namespace

QIcon OscivoIcon()
{
    return Drawn([](QPainter& p) {
        p.setPen(QPen(QColor(90, 90, 90), 1));
        p.setBrush(QColor(10, 30, 10));
        p.drawRoundedRect(QRectF(0.5, 1.5, 15, 13), 2, 2);
        p.setPen(QPen(QColor(40, 90, 40), 0.5));
        for (const double y : {5.0, 8.0, 11.0})
            p.drawLine(QPointF(2, y), QPointF(14, y));
        QPainterPath trace;
        trace.moveTo(2, 10);
        trace.cubicTo(4, 2, 6, 2, 8, 8);
        trace.cubicTo(10, 13, 12, 12, 14, 5);
        p.setPen(QPen(QColor(80, 255, 80), 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(trace);
    });
}

QIcon ButtonIcon(int id)
{
    switch (id) {
    case IDI_STOP: return Drawn([](QPainter& p) { Bar(p, 3.5, 3.5, 9, 9); });
    case IDI_LOAD: return Drawn(Folder);
    case IDI_PAUSE:
        return Drawn([](QPainter& p) {
            Bar(p, 4, 3, 3, 10);
            Bar(p, 9, 3, 3, 10);
        });
    case IDI_RESUME: return Drawn([](QPainter& p) { Triangle(p, 4, 13, Qt::black); });
    case IDI_FASTER:
        return Drawn([](QPainter& p) {
            Triangle(p, 1, 8, Qt::black);
            Triangle(p, 8, 15, Qt::black);
        });
    case IDI_SLOWER: // also the rewind symbol
        return Drawn([](QPainter& p) {
            Triangle(p, 8, 1, Qt::black);
            Triangle(p, 15, 8, Qt::black);
        });
    case IDI_NEXT_SLOT: return Drawn([](QPainter& p) { Triangle(p, 5, 12, QColor(0, 0, 128)); });
    case IDI_PREV_SLOT: return Drawn([](QPainter& p) { Triangle(p, 11, 4, QColor(0, 0, 128)); });
    case IDI_PLAYING:
        return Drawn([](QPainter& p) {
            Folder(p);
            Triangle(p, 6, 12, QColor(0, 150, 0));
        });
    case IDI_STEP_UP:
        return Drawn([](QPainter& p) {
            Bar(p, 2, 6.5, 12, 3);
            Bar(p, 6.5, 2, 3, 12);
        });
    case IDI_STEP_DOWN: return Drawn([](QPainter& p) { Bar(p, 2, 6.5, 12, 3); });
    default: return QIcon();
    }
}
