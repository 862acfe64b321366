#pragma once
// The forms' fonts: the platform's sans font at 8 point where the forms were designed with an
// 8-point dialog font, in bold for the emphasised labels, and the chart's fonts in pixels of
// its on-screen size so that bitmap and page keep its layout.

#include <QFont>

namespace dynalyt {

QFont FormFont();
QFont BoldFormFont();
QFont ChartFont();
QFont ChartTitleFont();

} // namespace dynalyt
