#pragma once
// The power diagram as data: three line series, the three axes with their limits and steps,
// titles and colours. The chart widget only shows this model. Like the chart component the
// program was built for, an axis refuses a minimum above its maximum and a maximum below its
// minimum, with an error.

#include "platform/WinTypes.h"

#include <QString>

#include <vector>

namespace dynalyt {

struct ChartPoint {
    double x;
    double y;
};

enum class VerticalAxis { Left, Right };

class ChartSeries {
public:
    ChartSeries(const QString& title, COLORREF colour, VerticalAxis axis);

    const QString& Title() const { return m_title; }
    COLORREF Colour() const { return m_colour; }
    VerticalAxis Axis() const { return m_axis; }

    void Clear() { m_points.clear(); }
    // Keeps the points in ascending x; a point with an x already held goes after those.
    void AddXY(double x, double y);
    // In ascending x, the order in which the line joins them.
    const std::vector<ChartPoint>& Points() const { return m_points; }
    int Count() const { return static_cast<int>(m_points.size()); }

    // 0 for a series without points.
    double MaxXValue() const;
    double MinXValue() const;
    double MaxYValue() const;

private:
    QString m_title;
    COLORREF m_colour;
    VerticalAxis m_axis;
    std::vector<ChartPoint> m_points;
};

class ChartAxis {
public:
    explicit ChartAxis(const QString& title);

    const QString& Title() const { return m_title; }
    double Minimum() const { return m_minimum; }
    double Maximum() const { return m_maximum; }
    double Increment() const { return m_increment; }

    // Raise DynalytError "Der Minimalwert einer Achse muss <= Maximum sein" and
    // "Der Maximalwert einer Achse muss >= Minimum sein"; the axis keeps its limits then.
    void SetMinimum(double value);
    void SetMaximum(double value);
    void SetIncrement(double value) { m_increment = value; }

private:
    QString m_title;
    double m_minimum = 0;
    double m_maximum = 0;
    double m_increment = 0;
};

struct ChartModel {
    ChartModel();

    QString Title;        // "Dynalyt - Leistungsdiagramm"
    ChartSeries Series1;  // "kW", red, left axis: (rpm, pCorr)
    ChartSeries Series2;  // "Nm", navy, left axis: (rpm, torque)
    ChartSeries Series3;  // "G", 0x00FF80, right axis: (rpm, g)
    ChartAxis LeftAxis;   // "kW + Nm"
    ChartAxis RightAxis;  // "G", shown turned by 90 degrees, no grid lines
    ChartAxis BottomAxis; // "U/min"
};

} // namespace dynalyt
