#pragma once
// One series of the line-plot graph control, its points, and the graph's other records
// (free text labels and views of the history).

#include "platform/GdiTypes.h"
#include "platform/WinTypes.h"

#include <QString>

#include <vector>

struct GraphPoint {
    float x;
    float y;
};

struct GraphText {
    float x;
    float y;
    QString text;
};

// The visible data rectangle: left, top, right, bottom.
struct GraphView {
    float fXMin;
    float fYMax;
    float fXMax;
    float fYMin;
};

class CGraphData {
public:
    CGraphData(const QString& name, COLORREF color, int type, const GraphPoint* points = nullptr,
               unsigned count = 0);

    // Replaces the points and recomputes the bounds; points may lie in this series' own array.
    void SetData(const GraphPoint* points, unsigned count);
    void SetData(const std::vector<GraphPoint>& points);
    // Empties the points and the screen points; bounds and dirty flag stay.
    void Clear();

    QString m_strName;
    int m_nType;               // 0 line, 1 bars, anything else not drawn
    platform::Rect m_rcLegend; // the legend row of the latest screen paint; empty without a legend
    float m_fMinX = 0, m_fMaxX = 0, m_fMinY = 0, m_fMaxY = 0;
    COLORREF m_crColor;
    BOOL m_bDirty = TRUE; // the screen points must be projected anew
    std::vector<GraphPoint> m_points;
    std::vector<POINT> m_screenPoints; // one per point; kNoScreenPoint for a point not drawn
};

// The screen point of a data point with a coordinate that is not a number.
inline constexpr POINT kNoScreenPoint{-2147483647 - 1, -2147483647 - 1};
