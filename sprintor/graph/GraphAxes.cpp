// The axes of the graph: background, edges, titles, grid with tick labels, frame, the hover
// edges of the clickable boxes, legend and cursor readout, drawn where a layout puts them.

#include "platform/Colour.h"
#include "platform/Numbers.h"
#include "platform/SystemMetrics.h"
#include "sprintor/graph/GraphFormat.h"
#include "sprintor/graph/GraphWnd.h"

#include <algorithm>
#include <cmath>

using platform::CDC;
using platform::LogFont;
using platform::Pen;
using platform::Rect;

namespace {

LogFont GuiFont(int height, int weight = FW_NORMAL, int escapement = 0)
{
    LogFont font = platform::DefaultGuiFont();
    font.lfHeight = height;
    font.lfWeight = weight;
    font.lfEscapement = escapement;
    return font;
}

// The distance of the grid lines along an extent, in floating point; with no division there
// is only the first line, and no distance.
double GridStep(int extent, int divisions)
{
    return divisions > 0 ? double(extent) / divisions : 0.0;
}

float LabelStep(float min, float max, int divisions)
{
    return divisions > 0 ? (max - min) / float(divisions) : 0.0f;
}

} // namespace

GraphLayout CGraphWnd::LayOut(CDC* dc, Rect area, int fontHeight) const
{
    // Every tick label and label box has the size of the longer y limit without decimals, plus 3.
    const qsizetype digits = std::max(FormatGraphWhole(m_fYMin).size(), FormatGraphWhole(m_fYMax).size()) + 3;
    const LogFont previous = dc->SelectObject(GuiFont(fontHeight));
    const SIZE label = dc->GetTextExtent(QString(digits, QChar('9')));
    dc->SelectObject(previous);
    qsizetype longestName = 0;
    for (const CGraphData& series : m_series)
        longestName = std::max(longestName, series.m_strName.size());
    return LayOutGraph(area, fontHeight, label, static_cast<int>(m_series.size()), longestName);
}

void CGraphWnd::DrawAxes(CDC* dc, const GraphLayout& layout, BOOL printing) const
{
    const int F = layout.fontHeight;
    const int s = layout.halfGap;
    const int L = layout.inner.left, B = layout.inner.bottom, h = layout.titleStrip;
    const int cx = layout.label.cx, cy = layout.label.cy;
    const int Lx = layout.labelColumn, By = layout.labelRow;
    const Rect& plot = layout.plot;

    const LogFont normalFont = GuiFont(F);
    const LogFont boldFont = GuiFont(static_cast<int>(F * 1.25), FW_BOLD);
    const LogFont verticalFont = GuiFont(static_cast<int>(F * 1.25), FW_BOLD, 900);
    const Pen gridPen{PS_SOLID, 1, RGB(220, 220, 220)};
    const Pen framePen{PS_SOLID, 1, RGB(0, 0, 0)};
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    // The edges are drawn around copies: DrawEdge may adjust the rectangle it is given.
    auto edge = [dc](Rect box, UINT kind) { dc->DrawEdge(&box, kind, BF_RECT); };

    dc->FillSolidRect(layout.area, window);
    if (!printing)
        edge(layout.area, EDGE_SUNKEN);
    if (plot.left >= plot.right)
        return;

    dc->SelectObject(verticalFont);
    dc->SetTextAlign(TA_CENTER | TA_BOTTOM);
    dc->TextOut(L + h, (plot.top + plot.bottom) / 2, m_strYTitle);
    dc->SelectObject(boldFont);
    dc->TextOut((plot.left + plot.right) / 2, B, m_strXTitle);

    dc->SetTextAlign(TA_RIGHT | TA_BOTTOM);
    dc->SelectObject(normalFont);
    dc->SelectObject(gridPen);
    const int W = plot.Width(), H = plot.Height();

    const double xStep = GridStep(W, m_nXDivisions);
    const float xLabelStep = LabelStep(m_fXMin, m_fXMax, m_nXDivisions);
    for (int i = 0; i <= m_nXDivisions; ++i) {
        const float value = m_fXMin + float(i) * xLabelStep;
        const int x = s + platform::SaturatedInt(std::trunc((plot.left - s) + i * xStep));
        dc->TextOut(x, By, FormatGraphValue(value, m_nXDecimals));
        dc->MoveTo(x, plot.top);
        dc->LineTo(x, plot.bottom);
    }
    if (!printing) {
        if (m_nHoverFlags & HOVER_XMIN)
            edge(layout.xMinLabel, BDR_RAISEDOUTER);
        if (m_nHoverFlags & HOVER_XMAX)
            edge(layout.xMaxLabel, BDR_RAISEDOUTER);
    }

    // With no division the frame closes along the plot top, as when no line is drawn.
    int yTop = plot.top;
    const double yStep = GridStep(H, m_nYDivisions);
    const float yLabelStep = LabelStep(m_fYMin, m_fYMax, m_nYDivisions);
    for (int i = 0; i <= m_nYDivisions; ++i) {
        const float value = m_fYMin + float(i) * yLabelStep;
        const int y = platform::SaturatedInt(std::trunc((plot.bottom + s) - i * yStep)) - s;
        dc->TextOut(Lx + cx, y, FormatGraphValue(value, m_nYDecimals));
        dc->MoveTo(plot.left, y);
        dc->LineTo(plot.right, y);
        if (m_nYDivisions > 0)
            yTop = y;
    }
    if (!printing) {
        if (m_nHoverFlags & HOVER_YMIN)
            edge(layout.yMinLabel, BDR_RAISEDOUTER);
        if (m_nHoverFlags & HOVER_YMAX)
            edge(layout.yMaxLabel, BDR_RAISEDOUTER);
    }

    dc->SelectObject(framePen);
    dc->MoveTo(plot.left, yTop);
    dc->LineTo(plot.right, yTop);
    dc->LineTo(plot.right, plot.bottom);
    dc->LineTo(plot.left, plot.bottom);
    dc->LineTo(plot.left, yTop);

    if (!printing) {
        const UINT lockEdge = m_bButtonDown ? BDR_SUNKENINNER : BDR_RAISEDOUTER;
        if (m_nHoverFlags & HOVER_XLOCK)
            edge(layout.xLock, lockEdge);
        if (m_nHoverFlags & HOVER_YLOCK)
            edge(layout.yLock, lockEdge);
    }

    dc->SetTextAlign(TA_LEFT | TA_BOTTOM);
    const int r = layout.legendRowHeight;
    for (std::size_t i = 0; i < std::min(layout.legendRows.size(), m_series.size()); ++i) {
        const CGraphData& series = m_series[i];
        const Rect& row = layout.legendRows[i];
        dc->FillSolidRect(Rect(row.left + 4, row.top + 4, row.left + r - 4, row.bottom - 4),
                          series.m_crColor);
        dc->SetBkColor(window);
        dc->TextOut(layout.legend.left + cy + 4, row.top + r - 2, series.m_strName);
        if (printing)
            continue;
        if (static_cast<int>(i) == m_nSelected)
            edge(row, BDR_SUNKENINNER);
        else if (static_cast<int>(i) == m_nHoverSeries && (m_nHoverFlags & HOVER_LEGEND))
            edge(row, BDR_RAISEDOUTER);
    }

    if (SelectedValid()) {
        const CGraphData& selected = m_series[static_cast<std::size_t>(m_nSelected)];
        if (m_nCursor >= 0 && m_nCursor < static_cast<int>(selected.m_points.size())) {
            const GraphPoint& p = selected.m_points[static_cast<std::size_t>(m_nCursor)];
            dc->TextOut(plot.left + 1, plot.top - 1, FormatGraphCursor(m_strCursorFormat, p.x, p.y));
        }
    }
}
