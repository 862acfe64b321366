#include "dynalyt/ui/ChartPaint.h"

#include "dynalyt/core/ChartModel.h"
#include "dynalyt/ui/FormFonts.h"
#include "platform/Colour.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace dynalyt {
namespace {

constexpr int kGap = 4;         // between the parts of the chart
constexpr int kTick = 4;        // length of an axis tick outside the frame
constexpr int kLegendLine = 16; // length of a series' sample line in the legend
const QColor kSilver(0xC0, 0xC0, 0xC0);
const QColor kGridColour(0x80, 0x80, 0x80);

// Decimals that show the step exactly (0,1 needs one, 20 none).
int StepDecimals(double step)
{
    int d = 0;
    double scaled = std::fabs(step);
    while (d < 6 && std::fabs(scaled - std::round(scaled)) > 1e-9 * std::max(1.0, scaled)) {
        scaled *= 10;
        ++d;
    }
    return d;
}

QString AxisLabel(double value, int decimals)
{
    if (std::fabs(value) < 1e-12)
        value = 0;
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

// The labelled values of an axis: multiples of its step between minimum and maximum. When
// the labels of the set step would overlap, the step grows (x2, x5, x10, ...) until they fit.
struct Ticks {
    std::vector<double> values;
    int decimals = 0;
};

Ticks AxisTicks(const ChartAxis& axis, double pixels, double labelExtent)
{
    Ticks ticks;
    const double lo = axis.Minimum();
    const double hi = axis.Maximum();
    const double range = hi - lo;
    if (!(range > 0) || !std::isfinite(range) || !(axis.Increment() > 0)) {
        ticks.values.push_back(lo);
        ticks.decimals = axis.Increment() > 0 ? StepDecimals(axis.Increment()) : 0;
        return ticks;
    }
    double step = axis.Increment();
    static constexpr double kGrowth[] = {2, 2.5, 2};
    for (int i = 0; step / range * pixels < labelExtent && i < 400; ++i)
        step *= kGrowth[i % 3];
    ticks.decimals = StepDecimals(step);
    const double first = std::ceil(lo / step - 1e-9) * step;
    for (double v = first; v <= hi + step * 1e-9; v += step)
        ticks.values.push_back(v);
    return ticks;
}

// Maps axis values to pixels along one edge of the plot; a degenerate axis maps nothing.
struct Scale {
    double lo, hi, from, to;
    bool Valid() const { return hi > lo && std::isfinite(hi - lo); }
    double operator()(double v) const
    {
        const double p = from + (v - lo) / (hi - lo) * (to - from);
        return std::clamp(p, -1e6, 1e6);
    }
};

void DrawTurnedText(QPainter& p, const QPointF& centre, const QString& text)
{
    p.save();
    p.translate(centre);
    p.rotate(-90);
    const QFontMetrics fm = p.fontMetrics();
    p.drawText(QPointF(-fm.horizontalAdvance(text) / 2.0, fm.ascent() - fm.height() / 2.0), text);
    p.restore();
}

int LabelWidth(const QFontMetrics& fm, const Ticks& ticks)
{
    int w = 0;
    for (double v : ticks.values)
        w = std::max(w, fm.horizontalAdvance(AxisLabel(v, ticks.decimals)));
    return w;
}

} // namespace

void PaintChart(QPainter& p, const ChartModel& chart, const QSize& size)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const QRect whole(QPoint(0, 0), size);
    p.fillRect(whole, Qt::white);

    // Title.
    p.setFont(ChartTitleFont());
    const QFontMetrics titleFm = p.fontMetrics();
    int top = kGap;
    p.setPen(Qt::black);
    p.drawText(QRect(0, top, size.width(), titleFm.height()), Qt::AlignHCenter | Qt::AlignTop, chart.Title);
    top += titleFm.height() + kGap;

    p.setFont(ChartFont());
    const QFontMetrics fm = p.fontMetrics();

    // Legend on the right.
    const ChartSeries* series[] = {&chart.Series1, &chart.Series2, &chart.Series3};
    int legendText = 0;
    for (const ChartSeries* s : series)
        legendText = std::max(legendText, fm.horizontalAdvance(s->Title()));
    const int legendW = kGap + kLegendLine + kGap + legendText + 2 * kGap;
    const int legendH = 3 * fm.height() + 2 * kGap;

    // The plot's frame: room for the turned left title and labels, the bottom labels and title,
    // the right labels and title, and the legend.
    const int bottomRoom = kTick + fm.height() + kGap + fm.height() + kGap;
    const double plotHeightGuess = size.height() - top - bottomRoom;
    const Ticks leftTicks = AxisTicks(chart.LeftAxis, plotHeightGuess, fm.height() + 2);
    const Ticks rightTicks = AxisTicks(chart.RightAxis, plotHeightGuess, fm.height() + 2);
    const int leftRoom = kGap + fm.height() + kGap + LabelWidth(fm, leftTicks) + kTick;
    const int rightRoom = kTick + LabelWidth(fm, rightTicks) + kGap + fm.height() + kGap + legendW + kGap;
    const QRect plot(QPoint(leftRoom, top + fm.height() / 2),
                     QPoint(size.width() - rightRoom, size.height() - bottomRoom));
    const Ticks bottomTicks =
        AxisTicks(chart.BottomAxis, plot.width(), fm.horizontalAdvance(QStringLiteral("00000")) + 2 * kGap);

    const Scale xs{chart.BottomAxis.Minimum(), chart.BottomAxis.Maximum(), double(plot.left()),
                   double(plot.right())};
    const Scale ys{chart.LeftAxis.Minimum(), chart.LeftAxis.Maximum(), double(plot.bottom()),
                   double(plot.top())};
    const Scale rs{chart.RightAxis.Minimum(), chart.RightAxis.Maximum(), double(plot.bottom()),
                   double(plot.top())};
    auto at = [](const Scale& s, double v, double fallback) { return s.Valid() ? s(v) : fallback; };

    // Grid lines at the steps of the bottom and left axes; the right axis has none.
    p.setPen(QPen(kGridColour, 0, Qt::DotLine));
    for (double v : bottomTicks.values) {
        const double x = std::round(at(xs, v, plot.left()));
        p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (double v : leftTicks.values) {
        const double y = std::round(at(ys, v, plot.bottom()));
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }

    // Labels and ticks.
    p.setPen(Qt::black);
    for (double v : bottomTicks.values) {
        const double x = std::round(at(xs, v, plot.left()));
        p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + kTick));
        const QString text = AxisLabel(v, bottomTicks.decimals);
        p.drawText(QPointF(x - fm.horizontalAdvance(text) / 2.0, plot.bottom() + kTick + fm.ascent()), text);
    }
    for (double v : leftTicks.values) {
        const double y = std::round(at(ys, v, plot.bottom()));
        p.drawLine(QPointF(plot.left() - kTick, y), QPointF(plot.left(), y));
        const QString text = AxisLabel(v, leftTicks.decimals);
        p.drawText(QPointF(plot.left() - kTick - 1 - fm.horizontalAdvance(text),
                           y + fm.ascent() - fm.height() / 2.0),
                   text);
    }
    for (double v : rightTicks.values) {
        const double y = std::round(at(rs, v, plot.bottom()));
        p.drawLine(QPointF(plot.right(), y), QPointF(plot.right() + kTick, y));
        p.drawText(QPointF(plot.right() + kTick + 2, y + fm.ascent() - fm.height() / 2.0),
                   AxisLabel(v, rightTicks.decimals));
    }

    // Axis titles; the vertical ones turned by 90 degrees.
    const QString bottomTitle = chart.BottomAxis.Title();
    p.drawText(QPointF(plot.center().x() - fm.horizontalAdvance(bottomTitle) / 2.0,
                       plot.bottom() + kTick + fm.height() + kGap + fm.ascent()),
               bottomTitle);
    DrawTurnedText(p, QPointF(kGap + fm.height() / 2.0, plot.center().y()), chart.LeftAxis.Title());
    DrawTurnedText(p,
                   QPointF(plot.right() + kTick + LabelWidth(fm, rightTicks) + kGap + fm.height() / 2.0,
                           plot.center().y()),
                   chart.RightAxis.Title());

    // The series, each joined in ascending x, clipped to the plot.
    p.save();
    p.setClipRect(plot.adjusted(1, 1, 0, 0));
    for (const ChartSeries* s : series) {
        const Scale& vs = s->Axis() == VerticalAxis::Left ? ys : rs;
        if (!xs.Valid() || !vs.Valid() || s->Count() < 1)
            continue;
        QPolygonF line;
        for (const ChartPoint& pt : s->Points())
            line << QPointF(xs(pt.x), vs(pt.y));
        p.setPen(QPen(platform::ToQColor(s->Colour()), 0));
        p.drawPolyline(line);
    }
    p.restore();

    // The frame over the lines' ends.
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(plot);

    // Legend on silver.
    const QRect legend(size.width() - kGap - legendW, plot.top(), legendW, legendH);
    p.fillRect(legend, kSilver);
    p.drawRect(legend);
    for (int i = 0; i < 3; ++i) {
        const int y = legend.top() + kGap + i * fm.height();
        const int mid = y + fm.height() / 2;
        p.setPen(QPen(platform::ToQColor(series[i]->Colour()), 0));
        p.drawLine(legend.left() + kGap, mid, legend.left() + kGap + kLegendLine, mid);
        p.setPen(Qt::black);
        p.drawText(QPointF(legend.left() + 2 * kGap + kLegendLine, y + fm.ascent()), series[i]->Title());
    }
    p.restore();
}

} // namespace dynalyt
