#include "dynalyt/ui/FormFonts.h"

#include "platform/SystemMetrics.h"

namespace dynalyt {
namespace {

QFont Sans()
{
    QFont font(QString::fromLatin1(platform::kSansFace));
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont FormFont()
{
    QFont font = Sans();
    font.setPointSize(8);
    return font;
}

QFont BoldFormFont()
{
    QFont font = FormFont();
    font.setBold(true);
    return font;
}

// The chart's text keeps its unhinted widths, so that it is spaced alike on screen and on a
// page of many times the resolution.
QFont ChartSans()
{
    QFont font = Sans();
    font.setHintingPreference(QFont::PreferVerticalHinting);
    return font;
}

QFont ChartFont()
{
    QFont font = ChartSans();
    font.setPixelSize(11); // 8 point at 96 dpi
    return font;
}

QFont ChartTitleFont()
{
    QFont font = ChartSans();
    font.setPixelSize(13); // 10 point at 96 dpi
    font.setBold(true);
    return font;
}

} // namespace dynalyt
