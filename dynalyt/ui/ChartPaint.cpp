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
constexpr int kMaxTicks = 1000; // more labels than any axis has room for
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
    // The step grows geometrically, so this ends for any finite range.
    double step = axis.Increment();
    static constexpr double kGrowth[] = {2, 2.5, 2};
    for (int i = 0; std::isfinite(step) && step / range * pixels < labelExtent; ++i)
        step *= kGrowth[i % 3];
    const double first = std::ceil(lo / step - 1e-9) * step;
    const double count = std::floor((hi - first) / step + 1e-9);
    if (!std::isfinite(first) || !(count >= 0)) {
        ticks.values.push_back(lo);
        return ticks;
    }
    ticks.decimals = StepDecimals(step);
    // Counted, not summed: where the values are too large for the step to change them, a sum
    // would never reach the maximum.
    for (int k = 0; k <= count && k <= kMaxTicks; ++k)
        ticks.values.push_back(first + k * step);
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

// One painting of the chart: the layout worked out once, then each part drawn on it.
class ChartPainter {
public:
    ChartPainter(QPainter& p, const ChartModel& chart, const QSize& size);
    void Paint();

private:
    double X(double v) const { return std::round(m_xs.Valid() ? m_xs(v) : m_plot.left()); }
    double YLeft(double v) const { return std::round(m_ys.Valid() ? m_ys(v) : m_plot.bottom()); }
    double YRight(double v) const { return std::round(m_rs.Valid() ? m_rs(v) : m_plot.bottom()); }
    void DrawTitle();
    void DrawGrid();
    void DrawAxes();
    void DrawSeries();
    void DrawLegend();

    QPainter& m_p;
    const ChartModel& m_chart;
    const QSize m_size;
    const ChartSeries* m_series[3];
    QFontMetrics m_fm;
    int m_titleHeight;
    QRect m_plot;
    QRect m_legend;
    Ticks m_bottomTicks, m_leftTicks, m_rightTicks;
    Scale m_xs{}, m_ys{}, m_rs{};
};

ChartPainter::ChartPainter(QPainter& p, const ChartModel& chart, const QSize& size)
    : m_p(p), m_chart(chart), m_size(size), m_series{&chart.Series1, &chart.Series2, &chart.Series3},
      m_fm(ChartFont(), p.device()), m_titleHeight(QFontMetrics(ChartTitleFont(), p.device()).height())
{
    int legendText = 0;
    for (const ChartSeries* s : m_series)
        legendText = std::max(legendText, m_fm.horizontalAdvance(s->Title()));
    const int legendW = kGap + kLegendLine + kGap + legendText + 2 * kGap;

    // Room for the turned left title and the left labels, the bottom labels and title, the
    // right labels and title, and the legend.
    const int top = kGap + m_titleHeight + kGap + m_fm.height() / 2;
    const int bottomRoom = kTick + m_fm.height() + kGap + m_fm.height() + kGap;
    const double plotHeight = size.height() - top - bottomRoom;
    m_leftTicks = AxisTicks(chart.LeftAxis, plotHeight, m_fm.height() + 2);
    m_rightTicks = AxisTicks(chart.RightAxis, plotHeight, m_fm.height() + 2);
    const int leftRoom = kGap + m_fm.height() + kGap + LabelWidth(m_fm, m_leftTicks) + kTick;
    const int rightRoom =
        kTick + LabelWidth(m_fm, m_rightTicks) + kGap + m_fm.height() + kGap + legendW + kGap;
    m_plot = QRect(QPoint(leftRoom, top), QPoint(size.width() - rightRoom, size.height() - bottomRoom));
    m_bottomTicks = AxisTicks(chart.BottomAxis, m_plot.width(),
                              m_fm.horizontalAdvance(QStringLiteral("00000")) + 2 * kGap);
    m_legend = QRect(size.width() - kGap - legendW, m_plot.top(), legendW, 3 * m_fm.height() + 2 * kGap);

    m_xs = {chart.BottomAxis.Minimum(), chart.BottomAxis.Maximum(), double(m_plot.left()),
            double(m_plot.right())};
    m_ys = {chart.LeftAxis.Minimum(), chart.LeftAxis.Maximum(), double(m_plot.bottom()),
            double(m_plot.top())};
    m_rs = {chart.RightAxis.Minimum(), chart.RightAxis.Maximum(), double(m_plot.bottom()),
            double(m_plot.top())};
}

void ChartPainter::Paint()
{
    m_p.save();
    m_p.setRenderHint(QPainter::Antialiasing, false);
    m_p.setRenderHint(QPainter::TextAntialiasing, true);
    m_p.fillRect(QRect(QPoint(0, 0), m_size), Qt::white);
    DrawTitle();
    m_p.setFont(ChartFont());
    DrawGrid();
    DrawAxes();
    DrawSeries();
    // The frame over the lines' ends.
    m_p.setPen(QPen(Qt::black, 0));
    m_p.setBrush(Qt::NoBrush);
    m_p.drawRect(m_plot);
    DrawLegend();
    m_p.restore();
}

void ChartPainter::DrawTitle()
{
    m_p.setFont(ChartTitleFont());
    m_p.setPen(Qt::black);
    m_p.drawText(QRect(0, kGap, m_size.width(), m_titleHeight), Qt::AlignHCenter | Qt::AlignTop,
                 m_chart.Title);
}

// Grid lines at the steps of the bottom and left axes; the right axis has none.
void ChartPainter::DrawGrid()
{
    m_p.setPen(QPen(kGridColour, 0, Qt::DotLine));
    for (double v : m_bottomTicks.values)
        m_p.drawLine(QPointF(X(v), m_plot.top()), QPointF(X(v), m_plot.bottom()));
    for (double v : m_leftTicks.values)
        m_p.drawLine(QPointF(m_plot.left(), YLeft(v)), QPointF(m_plot.right(), YLeft(v)));
}

void ChartPainter::DrawAxes()
{
    m_p.setPen(Qt::black);
    const double halfLine = m_fm.ascent() - m_fm.height() / 2.0;
    for (double v : m_bottomTicks.values) {
        m_p.drawLine(QPointF(X(v), m_plot.bottom()), QPointF(X(v), m_plot.bottom() + kTick));
        const QString text = AxisLabel(v, m_bottomTicks.decimals);
        m_p.drawText(
            QPointF(X(v) - m_fm.horizontalAdvance(text) / 2.0, m_plot.bottom() + kTick + m_fm.ascent()),
            text);
    }
    for (double v : m_leftTicks.values) {
        m_p.drawLine(QPointF(m_plot.left() - kTick, YLeft(v)), QPointF(m_plot.left(), YLeft(v)));
        const QString text = AxisLabel(v, m_leftTicks.decimals);
        m_p.drawText(QPointF(m_plot.left() - kTick - 1 - m_fm.horizontalAdvance(text), YLeft(v) + halfLine),
                     text);
    }
    for (double v : m_rightTicks.values) {
        m_p.drawLine(QPointF(m_plot.right(), YRight(v)), QPointF(m_plot.right() + kTick, YRight(v)));
        m_p.drawText(QPointF(m_plot.right() + kTick + 2, YRight(v) + halfLine),
                     AxisLabel(v, m_rightTicks.decimals));
    }

    // Axis titles; the vertical ones turned by 90 degrees.
    const QString bottomTitle = m_chart.BottomAxis.Title();
    m_p.drawText(QPointF(m_plot.center().x() - m_fm.horizontalAdvance(bottomTitle) / 2.0,
                         m_plot.bottom() + kTick + m_fm.height() + kGap + m_fm.ascent()),
                 bottomTitle);
    DrawTurnedText(m_p, QPointF(kGap + m_fm.height() / 2.0, m_plot.center().y()), m_chart.LeftAxis.Title());
    const double rightTitleX =
        m_plot.right() + kTick + LabelWidth(m_fm, m_rightTicks) + kGap + m_fm.height() / 2.0;
    DrawTurnedText(m_p, QPointF(rightTitleX, m_plot.center().y()), m_chart.RightAxis.Title());
}

// Each series joined in ascending x, clipped to the plot.
void ChartPainter::DrawSeries()
{
    m_p.save();
    m_p.setClipRect(m_plot.adjusted(1, 1, 0, 0));
    for (const ChartSeries* s : m_series) {
        const Scale& vs = s->Axis() == VerticalAxis::Left ? m_ys : m_rs;
        if (!m_xs.Valid() || !vs.Valid() || s->Count() < 1)
            continue;
        QPolygonF line;
        for (const ChartPoint& pt : s->Points())
            line << QPointF(m_xs(pt.x), vs(pt.y));
        m_p.setPen(QPen(platform::ToQColor(s->Colour()), 0));
        m_p.drawPolyline(line);
    }
    m_p.restore();
}

// The series' titles on silver, each with a piece of its line.
void ChartPainter::DrawLegend()
{
    m_p.fillRect(m_legend, kSilver);
    m_p.setPen(QPen(Qt::black, 0));
    m_p.drawRect(m_legend);
    for (int i = 0; i < 3; ++i) {
        const int y = m_legend.top() + kGap + i * m_fm.height();
        const int mid = y + m_fm.height() / 2;
        m_p.setPen(QPen(platform::ToQColor(m_series[i]->Colour()), 0));
        m_p.drawLine(m_legend.left() + kGap, mid, m_legend.left() + kGap + kLegendLine, mid);
        m_p.setPen(Qt::black);
        m_p.drawText(QPointF(m_legend.left() + 2 * kGap + kLegendLine, y + m_fm.ascent()),
                     m_series[i]->Title());
    }
}

} // namespace

void PaintChart(QPainter& painter, const ChartModel& chart, const QSize& size)
{
    ChartPainter(painter, chart, size).Paint();
}

} // namespace dynalyt
