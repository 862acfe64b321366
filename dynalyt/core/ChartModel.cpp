#include "dynalyt/core/ChartModel.h"

#include "dynalyt/core/DynalytError.h"
#include "platform/ColourValues.h"

#include <algorithm>

namespace dynalyt {

ChartSeries::ChartSeries(const QString& title, COLORREF colour, VerticalAxis axis)
    : m_title(title), m_colour(colour), m_axis(axis)
{
}

void ChartSeries::AddXY(double x, double y)
{
    const auto at = std::upper_bound(m_points.begin(), m_points.end(), x,
                                     [](double value, const ChartPoint& p) { return value < p.x; });
    m_points.insert(at, ChartPoint{x, y});
}

double ChartSeries::MaxXValue() const
{
    return m_points.empty() ? 0 : m_points.back().x;
}

double ChartSeries::MinXValue() const
{
    return m_points.empty() ? 0 : m_points.front().x;
}

double ChartSeries::MaxYValue() const
{
    if (m_points.empty())
        return 0;
    return std::max_element(m_points.begin(), m_points.end(),
                            [](const ChartPoint& l, const ChartPoint& r) { return l.y < r.y; })
        ->y;
}

ChartAxis::ChartAxis(const QString& title) : m_title(title) {}

void ChartAxis::SetMinimum(double value)
{
    if (value > m_maximum)
        throw DynalytError(QStringLiteral("Der Minimalwert einer Achse muss <= Maximum sein"));
    m_minimum = value;
}

void ChartAxis::SetMaximum(double value)
{
    if (value < m_minimum)
        throw DynalytError(QStringLiteral("Der Maximalwert einer Achse muss >= Minimum sein"));
    m_maximum = value;
}

ChartModel::ChartModel()
    : Title(QStringLiteral("Dynalyt - Leistungsdiagramm")),
      Series1(QStringLiteral("kW"), RGB(0xFF, 0, 0), VerticalAxis::Left),
      Series2(QStringLiteral("Nm"), RGB(0, 0, 0x80), VerticalAxis::Left),
      Series3(QStringLiteral("G"), 0x00FF80, VerticalAxis::Right), LeftAxis(QStringLiteral("kW + Nm")),
      RightAxis(QStringLiteral("G")), BottomAxis(QStringLiteral("U/min"))
{
}

} // namespace dynalyt
