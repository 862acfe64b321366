#pragma once
// The one paint routine of the power diagram: screen, bitmap and printer all draw through it.
// It lays the chart out in the pixels of its on-screen size; a caller that draws onto another
// device (a page) scales the painter first.

#include <QSize>

class QPainter;

namespace dynalyt {

struct ChartModel;

void PaintChart(QPainter& painter, const ChartModel& chart, const QSize& size);

} // namespace dynalyt
