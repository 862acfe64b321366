#include "dynalyt/ui/TChart.h"

#include "dynalyt/ui/ChartPaint.h"

#include <QPainter>

namespace dynalyt {

TChart::TChart(const ChartModel& model, QWidget* parent) : QWidget(parent), m_model(model)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintChart(painter, m_model, size());
}

QImage TChart::ToImage() const
{
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintChart(painter, m_model, size());
    return image;
}

} // namespace dynalyt
