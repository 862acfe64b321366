// The chart's bitmap file and its printed page.
#include "dynalyt/core/DynalytError.h"
#include "dynalyt/ui/ChartPaint.h"
#include "dynalyt/ui/TChart.h"
#include "platform/DefaultPrinter.h"

#include <QImageWriter>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>

namespace dynalyt {

void TChart::SaveToBitmapFile(const QString& fileName) const
{
    // Written beside the target and renamed when complete, so that a failed write leaves no
    // truncated file and an existing one stays as it was.
    QSaveFile file(fileName);
    const bool written = file.open(QIODevice::WriteOnly) && QImageWriter(&file, "bmp").write(ToImage());
    if (!written || !file.commit()) {
        file.cancelWriting();
        throw DynalytError(QStringLiteral("Die Datei %1 kann nicht erstellt werden.").arg(fileName));
    }
}

void TChart::Print() const
{
    std::unique_ptr<QPrinter> printer = platform::OpenDefaultPrinter(objectName());
    if (!printer)
        throw DynalytError(QStringLiteral("Es ist kein Drucker installiert."));
    QPainter painter;
    if (!painter.begin(printer.get()))
        throw DynalytError(QStringLiteral("Der Druckauftrag kann nicht gestartet werden."));
    // A margin of a twentieth of the page on every side; the chart keeps its proportions.
    const QRectF page(QPointF(0, 0), printer->pageRect(QPrinter::DevicePixel).size());
    const QRectF area =
        page.adjusted(page.width() / 20, page.height() / 20, -page.width() / 20, -page.height() / 20);
    const double scale = std::min(area.width() / width(), area.height() / height());
    painter.translate(area.left() + (area.width() - width() * scale) / 2, area.top());
    painter.scale(scale, scale);
    PaintChart(painter, m_model, size());
    if (!painter.end() || printer->printerState() == QPrinter::Error)
        throw DynalytError(QStringLiteral("Beim Drucken ist ein Fehler aufgetreten."));
}

} // namespace dynalyt
