// The paint of the graph: the screen's through the off-screen surface, and the one drawing that
// the screen, the bitmap file and the printer share: the axes, then every series (line or
// bars), the rubber band or the crosshair, and the free text labels.

#include "platform/Colour.h"
#include "platform/SystemMetrics.h"
#include "scopecontrols/MemDC.h"
#include "sprintor/graph/GraphProjection.h"
#include "sprintor/graph/GraphWnd.h"

#include <QPaintEvent>

using platform::CDC;
using platform::Pen;
using platform::Rect;

void CGraphWnd::paintEvent(QPaintEvent*)
{
    CDC dc(this);
    OnPaint(&dc);
}

void CGraphWnd::OnPaint(CDC* paintDC)
{
    const Rect client = ClientRect();
    CMemDC surface(paintDC, &client);
    surface.SaveDC();
    KeepForMouse(DrawGraph(&surface, client, GetSystemMetrics(SM_CYCAPTION), FALSE));
    surface.RestoreDC(-1);
}

GraphLayout CGraphWnd::DrawGraph(CDC* dc, Rect area, int fontHeight, BOOL printing)
{
    GraphLayout layout = LayOut(dc, area, fontHeight);
    DrawAxes(dc, layout, printing);
    if (layout.plot.left < layout.plot.right) {
        DrawAllSeries(dc, layout.plot, printing);
        DrawAnnotations(dc, &layout.plot, fontHeight);
    }
    return layout;
}

void CGraphWnd::KeepForMouse(const GraphLayout& layout)
{
    m_rcPlot = layout.plot;
    m_rcXMinLabel = layout.xMinLabel, m_rcXMaxLabel = layout.xMaxLabel;
    m_rcYMinLabel = layout.yMinLabel, m_rcYMaxLabel = layout.yMaxLabel;
    m_rcXLock = layout.xLock, m_rcYLock = layout.yLock;
    for (std::size_t i = 0; i < m_series.size(); ++i)
        m_series[i].m_rcLegend = i < layout.legendRows.size() ? layout.legendRows[i] : Rect();
}

void CGraphWnd::DrawAllSeries(CDC* dc, Rect plot, BOOL force)
{
    if (force) {
        // Another surface: each series is projected for it alone; the screen's points stay.
        std::vector<POINT> points;
        for (const CGraphData& series : m_series) {
            Project(series, plot, points);
            DrawProjected(dc, series, points, plot);
        }
        return;
    }
    for (int i = 0; i < static_cast<int>(m_series.size()); ++i)
        DrawSeries(dc, i, &plot);
    const Pen previous = dc->SelectObject(Pen{PS_DOT, 1, RGB(0, 0, 0)});
    if (m_bButtonDown) {
        dc->MoveTo(m_rcDrag.left, m_rcDrag.top);
        dc->LineTo(m_rcDrag.right, m_rcDrag.top);
        dc->LineTo(m_rcDrag.right, m_rcDrag.bottom);
        dc->LineTo(m_rcDrag.left, m_rcDrag.bottom);
        dc->LineTo(m_rcDrag.left, m_rcDrag.top);
    } else if (SelectedValid()) {
        const CGraphData& selected = m_series[static_cast<std::size_t>(m_nSelected)];
        if (m_nCursor >= 0 && m_nCursor < static_cast<int>(selected.m_screenPoints.size())) {
            const POINT p = selected.m_screenPoints[static_cast<std::size_t>(m_nCursor)];
            if (p != kNoScreenPoint) {
                dc->MoveTo(plot.left, p.y);
                dc->LineTo(plot.right, p.y);
                dc->MoveTo(p.x, plot.top);
                dc->LineTo(p.x, plot.bottom);
            }
        }
    }
    dc->SelectObject(previous);
}

namespace {

// The device points of a series, in runs between points that are not drawn.
template <typename Run> void ForEachDrawnRun(const std::vector<POINT>& points, Run run)
{
    std::size_t start = 0;
    for (std::size_t i = 0; i <= points.size(); ++i) {
        if (i == points.size() || points[i] == kNoScreenPoint) {
            if (i > start)
                run(&points[start], static_cast<int>(i - start));
            start = i + 1;
        }
    }
}

} // namespace

void CGraphWnd::DrawSeries(CDC* dc, int number, const Rect* plot)
{
    CGraphData& series = m_series[static_cast<std::size_t>(number)];
    if (series.m_bDirty) {
        Project(series, *plot, series.m_screenPoints);
        series.m_bDirty = FALSE;
    }
    DrawProjected(dc, series, series.m_screenPoints, *plot);
}

void CGraphWnd::Project(const CGraphData& series, const Rect& plot, std::vector<POINT>& into) const
{
    const GraphProjection projection(plot, m_fXMin, m_fXMax, m_fYMin, m_fYMax);
    into.resize(series.m_points.size());
    for (std::size_t i = 0; i < series.m_points.size(); ++i)
        into[i] = projection.Project(series.m_points[i].x, series.m_points[i].y);
}

void CGraphWnd::DrawProjected(CDC* dc, const CGraphData& series, const std::vector<POINT>& points,
                              const Rect& plot)
{
    // The clip stays for the rest of the pass: later series, band or crosshair, text labels.
    dc->IntersectClipRect(plot);
    if (series.m_nType == 0) {
        const Pen previous = dc->SelectObject(Pen{PS_SOLID, 1, series.m_crColor});
        ForEachDrawnRun(points, [dc](const POINT* run, int count) { dc->Polyline(run, count); });
        dc->SelectObject(previous);
    } else if (series.m_nType == 1) {
        const COLORREF background = dc->GetBkColor();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const POINT p = points[i];
            if (p == kNoScreenPoint)
                continue;
            // A bar reaches the next point; the last one is as wide as the one before it. Beside
            // a point that is not drawn, a bar is one pixel wide.
            const bool last = i + 1 == points.size();
            const POINT neighbour = last ? (i > 0 ? points[i - 1] : kNoScreenPoint) : points[i + 1];
            long long right = p.x + 1LL;
            if (neighbour != kNoScreenPoint)
                right = last ? 2LL * p.x - neighbour.x : neighbour.x;
            const int left = p.x > plot.left ? p.x : plot.left + 1;
            dc->FillSolidRect(Rect(left, p.y, platform::SaturatedInt(double(right)), plot.bottom),
                              series.m_crColor);
        }
        dc->SetBkColor(background);
    }
}

void CGraphWnd::DrawAnnotations(CDC* dc, const Rect* plot, int fontHeight) const
{
    platform::LogFont font = platform::DefaultGuiFont();
    font.lfHeight = static_cast<int>(fontHeight * 0.8);
    const platform::LogFont previous = dc->SelectObject(font);
    const GraphProjection projection(*plot, m_fXMin, m_fXMax, m_fYMin, m_fYMax);
    dc->SetTextAlign(TA_LEFT | TA_BOTTOM);
    for (const GraphText& text : m_texts) {
        const POINT p = projection.Project(text.x, text.y);
        if (p != kNoScreenPoint)
            dc->TextOut(p.x, p.y, text.text);
    }
    dc->SelectObject(previous);
}
