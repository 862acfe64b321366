#include "sprintor/graph/GraphData.h"

CGraphData::CGraphData(const QString& name, COLORREF color, int type, const GraphPoint* points,
                       unsigned count)
    : m_strName(name), m_nType(type), m_crColor(color)
{
    if (count > 0 && points)
        SetData(points, count);
}

CGraphData::CGraphData(const CGraphData& other)
    : m_strName(other.m_strName), m_nType(other.m_nType), m_rcLegend(other.m_rcLegend),
      m_fMinX(other.m_fMinX), m_fMaxX(other.m_fMaxX), m_fMinY(other.m_fMinY), m_fMaxY(other.m_fMaxY),
      m_crColor(other.m_crColor), m_bDirty(other.m_bDirty)
{
    SetData(other.m_points);
}

CGraphData& CGraphData::operator=(const CGraphData& other)
{
    if (this == &other) // assigning a series to itself keeps it as it is
        return *this;
    m_strName = other.m_strName;
    m_nType = other.m_nType;
    m_rcLegend = other.m_rcLegend;
    m_fMinX = other.m_fMinX, m_fMaxX = other.m_fMaxX, m_fMinY = other.m_fMinY, m_fMaxY = other.m_fMaxY;
    m_crColor = other.m_crColor;
    m_bDirty = other.m_bDirty;
    if (other.m_points.empty())
        Clear();
    else
        SetData(other.m_points);
    return *this;
}

CGraphData::~CGraphData()
{
    Clear();
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
