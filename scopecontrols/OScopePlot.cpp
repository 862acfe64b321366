// Pushing values: the step, the scroll of the plot surface and each trace's newest segment.

#include "scopecontrols/OScopeCtrl.h"
#include "scopecontrols/ScopeSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

using platform::Rect;

void COScopeCtrl::PushValues(const double* values)
{
    TakeStep(values);
    ScrollAndPlot();
    InvalidateTraces();
}

void COScopeCtrl::SkipGap(const double* values)
{
    TakeStep(values);
    if (m_dcPlot) {
        Scroll();
        for (int i = 0; i < m_nTraces; ++i) {
            ScopeTrace& trace = m_pTraces[i];
            trace.previousY = ValueY(trace, trace.value);
            trace.previousValue = trace.value;
        }
    }
    InvalidateTraces();
}

void COScopeCtrl::TakeStep(const double* values)
{
    m_nShiftPixels = g_nStepWidth;
    for (int i = 0; i < m_nTraces; ++i)
        m_pTraces[i].value = values[i];
    // One sample per width has no steps to share the width among: it steps as without fit mode.
    if (m_nSamplesPerWidth > 1)
        m_nShiftPixels = FitStep();
    // A step beyond the client width moves everything out of the plot all the same; keeping it
    // within keeps every x far from the ends of int.
    m_nShiftPixels = std::clamp(m_nShiftPixels, -m_nClientWidth - 1, m_nClientWidth + 1);
}

// S samples span the plot width in S - 1 steps; the remainders are carried so that the sweep
// ends exactly at the width.
int COScopeCtrl::FitStep()
{
    if (m_nFitSamplesLeft == 0) {
        m_nFitSamplesLeft = m_nSamplesPerWidth - 1;
        m_nFitPixelsLeft = m_nPlotWidth;
        m_nFitRemainder = 0;
    }
    const int n = m_nFitSamplesLeft, p = m_nFitPixelsLeft;
    int step = (m_nFitRemainder + p) / n;
    m_nFitRemainder = (m_nFitRemainder + p) % n;
    if (n == 1)
        step = p;
    m_nFitPixelsLeft = p - step;
    m_nFitSamplesLeft = n - 1;
    return step;
}

// Moves the plot area left by the step and clears the strip it opens at the right; the bottom
// row of the plot moves and clears with the rest.
void COScopeCtrl::Scroll()
{
    const int s = m_nShiftPixels;
    if (s <= 0)
        return;
    const Rect area(m_rectPlot.left, m_rectPlot.top, m_rectPlot.right + 1, m_rectPlot.bottom + 1);
    m_dcPlot->ScrollDC(-s, 0, area, area);
    m_dcPlot->FillRect(Rect(std::max(area.left, area.right - s), area.top, area.right, area.bottom),
                       m_brushBack);
}

void COScopeCtrl::ScrollAndPlot()
{
    if (!m_dcPlot)
        return;
    Scroll();
    platform::CDC& dc = *m_dcPlot;
    const int s = m_nShiftPixels, T = m_rectPlot.top, R = m_rectPlot.right, B = m_rectPlot.bottom;
    dc.SaveDC();
    // Traces show only inside the frame: rows T + 1 to B, columns up to R, wide pens included.
    dc.IntersectClipRect(m_rectPlot.left, T + 1, R + 1, B + 1);
    for (int i = 0; i < m_nTraces; ++i) {
        ScopeTrace& trace = m_pTraces[i];
        const platform::Pen oldPen = dc.SelectObject(trace.pen);
        const int x0 = R - s;
        const int y0 = trace.previousY > 0 ? trace.previousY : ValueY(trace, trace.previousValue);
        dc.MoveTo(x0 - 1, y0);
        const int y1 = ValueY(trace, trace.value);
        trace.previousY = y1;
        // The line leaves out its end point: the end is moved one step on, so that the new
        // value's own pixel is drawn.
        const int dx = x0 - R, dy = y0 - y1;
        int endX = R, endY = y1;
        if (std::abs(dx) > std::abs(dy))
            endX = dx > 0 ? R - 1 : R + 1;
        else
            endY = dy <= 0 ? y1 + 1 : y1 - 1;
        dc.LineTo(endX - 1, endY);
        dc.SelectObject(oldPen);
        trace.previousValue = trace.value;
    }
    dc.RestoreDC(-1);
}

int COScopeCtrl::ValueY(const ScopeTrace& trace, double value) const
{
    const double y = m_rectPlot.bottom - std::trunc((value - trace.lower) * trace.pixelsPerUnit);
    // A value far outside the range stands just outside the surface, above its top or below its
    // bottom; one without a place at all, below it.
    if (std::isnan(y))
        return m_nClientHeight;
    return static_cast<int>(std::clamp(y, -1.0, static_cast<double>(m_nClientHeight)));
}
