#pragma once
// Data values to device coordinates of a plot. An empty range makes the scale infinite
// rather than dividing by zero; every result is saturated into the int range, so points far
// off the view land far off the plot and are clipped.

#include "platform/GdiTypes.h"
#include "platform/Numbers.h"
#include "sprintor/graph/GraphData.h"

#include <cmath>
#include <limits>

class GraphProjection {
public:
    GraphProjection(const platform::Rect& plot, float xMin, float xMax, float yMin, float yMax)
        : m_left(plot.left), m_bottom(plot.bottom), m_xMin(xMin), m_yMin(yMin),
          m_xScale(Scale(plot.Width(), xMin, xMax)), m_yScale(Scale(plot.Height(), yMin, yMax))
    {
    }

    // kNoScreenPoint for a point with a coordinate that is not a number.
    POINT Project(float x, float y) const
    {
        if (std::isnan(x) || std::isnan(y))
            return kNoScreenPoint;
        const double dx = std::trunc((double(x) - m_xMin) * m_xScale);
        const double dy = std::trunc((double(y) - m_yMin) * m_yScale);
        return {platform::SaturatedInt(double(m_left) + platform::SaturatedInt(dx)),
                platform::SaturatedInt(double(m_bottom) - platform::SaturatedInt(dy))};
    }

private:
    static double Scale(int extent, float min, float max)
    {
        const double range = double(max) - double(min);
        if (range == 0)
            return std::numeric_limits<double>::infinity();
        return extent / range;
    }

    int m_left;
    int m_bottom;
    double m_xMin;
    double m_yMin;
    double m_xScale;
    double m_yScale;
};
