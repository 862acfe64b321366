#include "sprintor/graph/GraphData.h"

CGraphData::CGraphData(const QString& name, COLORREF color, int type, const GraphPoint* points,
                       unsigned count)
    : m_strName(name), m_nType(type), m_crColor(color)
{
    if (count > 0 && points)
        SetData(points, count);
}

void CGraphData::SetData(const GraphPoint* points, unsigned count)
{
    if (!points || count == 0)
        return;
    // The points may lie in this series' own array: take them before it is emptied.
    std::vector<GraphPoint> taken(points, points + count);
    m_fMinX = m_fMaxX = taken[0].x;
    m_fMinY = m_fMaxY = taken[0].y;
    m_points.clear();
    m_screenPoints.clear();
    m_points.reserve(count);
    for (const GraphPoint& p : taken) {
        m_points.push_back(p);
        // A comparison with a value that is not a number is false: such a value moves no bound.
        if (p.x < m_fMinX)
            m_fMinX = p.x;
        if (p.x > m_fMaxX)
            m_fMaxX = p.x;
        if (p.y < m_fMinY)
            m_fMinY = p.y;
        if (p.y > m_fMaxY)
            m_fMaxY = p.y;
    }
    m_screenPoints.resize(m_points.size());
    m_bDirty = TRUE;
}

void CGraphData::SetData(const std::vector<GraphPoint>& points)
{
    if (!points.empty())
        SetData(points.data(), static_cast<unsigned>(points.size()));
}

void CGraphData::Clear()
{
    m_points.clear();
    m_screenPoints.clear();
}
