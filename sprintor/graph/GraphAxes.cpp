// The axes of the graph: background, edges, titles, grid with tick labels, frame, the hover
// edges of the clickable boxes, legend and cursor readout; the layout they stand in.

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

Rect CGraphWnd::DrawAxes(CDC* dc, Rect area, int fontHeight, BOOL printing)
{
    const int F = fontHeight;
    const int h = F + 4, g = h / 3, s = g / 2;
    const int L = area.left + 4, T = area.top + 4, R = area.right - 4, B = area.bottom - 4;

    const LogFont normalFont = GuiFont(F);
    const LogFont boldFont = GuiFont(static_cast<int>(F * 1.25), FW_BOLD);
    const LogFont verticalFont = GuiFont(static_cast<int>(F * 1.25), FW_BOLD, 900);
    const Pen gridPen{PS_SOLID, 1, RGB(220, 220, 220)};
    const Pen framePen{PS_SOLID, 1, RGB(0, 0, 0)};
    const COLORREF window = GetSysColor(COLOR_WINDOW);

    // Every tick label and label box has the size of the longer y limit without decimals, plus 3.
    dc->SelectObject(normalFont);
    const qsizetype digits = std::max(FormatGraphWhole(m_fYMin).size(), FormatGraphWhole(m_fYMax).size()) + 3;
    const SIZE label = dc->GetTextExtent(QString(digits, QChar('9')));
    const int cx = label.cx, cy = label.cy;
    const int Lx = L + h, By = B - h - g;

    Rect plot(Lx + cx + s, T + g + cy, R - h, By - cy - s);
    const int k = static_cast<int>(m_series.size());
    const int r = cy + 4;
    Rect legend;
    if (k >= 2) {
        qsizetype n = 5;
        for (const CGraphData& series : m_series)
            n = std::max(n, series.m_strName.size());
        const int w = static_cast<int>(n) * F / 2;
        const int mid = (plot.top + plot.bottom) / 2;
        legend = Rect((R - h) - w, mid - (k * r) / 2, (R - h) + 10, mid + (k * r) / 2);
        plot.right = (R - h) - 10 - w;
    }
    m_rcXMinLabel = Rect(plot.left - cx - 2, By - cy - 2, plot.left + 2, By + 2);
    m_rcXMaxLabel = Rect(plot.right - cx - 2, By - cy - 2, plot.right + 2, By + 2);
    m_rcYMinLabel = Rect(Lx - 2, plot.bottom - cy - 2, Lx + cx + 2, plot.bottom + 2);
    m_rcYMaxLabel = Rect(Lx - 2, plot.top - cy - 2, Lx + cx + 2, plot.top + 2);
    m_rcXLock = Rect(L, By - cy - 2, L + h, By + 2);
    m_rcYLock = Rect(Lx + cx + 2 - h, B - h, Lx + cx + 2, B);

    dc->FillSolidRect(area, window);
    if (!printing)
        dc->DrawEdge(&area, EDGE_SUNKEN, BF_RECT);
    if (plot.left >= plot.right)
        return plot;

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
            dc->DrawEdge(&m_rcXMinLabel, BDR_RAISEDOUTER, BF_RECT);
        if (m_nHoverFlags & HOVER_XMAX)
            dc->DrawEdge(&m_rcXMaxLabel, BDR_RAISEDOUTER, BF_RECT);
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
            dc->DrawEdge(&m_rcYMinLabel, BDR_RAISEDOUTER, BF_RECT);
        if (m_nHoverFlags & HOVER_YMAX)
            dc->DrawEdge(&m_rcYMaxLabel, BDR_RAISEDOUTER, BF_RECT);
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
            dc->DrawEdge(&m_rcXLock, lockEdge, BF_RECT);
        if (m_nHoverFlags & HOVER_YLOCK)
            dc->DrawEdge(&m_rcYLock, lockEdge, BF_RECT);
    }

    if (k >= 2) {
        dc->SetTextAlign(TA_LEFT | TA_BOTTOM);
        for (int i = 0; i < k; ++i) {
            CGraphData& series = m_series[static_cast<std::size_t>(i)];
            series.m_rcLegend =
                Rect(legend.left, legend.top + i * r, legend.right, legend.top + (i + 1) * r - 1);
            const Rect& row = series.m_rcLegend;
            dc->FillSolidRect(Rect(row.left + 4, row.top + 4, row.left + r - 4, row.bottom - 4),
                              series.m_crColor);
            dc->SetBkColor(window);
            dc->TextOut(legend.left + cy + 4, row.top + r - 2, series.m_strName);
            if (printing)
                continue;
            if (i == m_nSelected)
                dc->DrawEdge(&series.m_rcLegend, BDR_SUNKENINNER, BF_RECT);
            else if (i == m_nHoverSeries && (m_nHoverFlags & HOVER_LEGEND))
                dc->DrawEdge(&series.m_rcLegend, BDR_RAISEDOUTER, BF_RECT);
        }
    }

    if (SelectedValid()) {
        const CGraphData& selected = m_series[static_cast<std::size_t>(m_nSelected)];
        if (m_nCursor >= 0 && m_nCursor < static_cast<int>(selected.m_points.size())) {
            const GraphPoint& p = selected.m_points[static_cast<std::size_t>(m_nCursor)];
            dc->SetTextAlign(TA_LEFT | TA_BOTTOM);
            dc->TextOut(plot.left + 1, plot.top - 1, FormatGraphCursor(m_strCursorFormat, p.x, p.y));
        }
    }
    return plot;
}
