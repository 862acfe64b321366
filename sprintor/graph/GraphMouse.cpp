// The mouse handling of the graph: hover highlights, legend selection, the cursor, the
// rubber-band zoom and un-zoom, the limit editor and the axis locks.

#include "platform/Numbers.h"
#include "sprintor/graph/GraphFormat.h"
#include "sprintor/graph/GraphWnd.h"

#include <algorithm>
#include <cfloat>

using platform::Rect;

void CGraphWnd::OnMouseMove(UINT, POINT point)
{
    UINT flags = 0;
    if (m_bButtonDown) {
        if (m_rcPlot.PtInRect(point))
            m_bDragInPlot = TRUE;
        m_rcDrag.right = point.x;
        m_rcDrag.bottom = point.y;
        Invalidate();
    } else if (m_rcXMinLabel.PtInRect(point)) {
        flags = HOVER_XMIN;
    }
    if (m_rcXMaxLabel.PtInRect(point))
        flags |= HOVER_XMAX;
    if (m_rcYMinLabel.PtInRect(point))
        flags |= HOVER_YMIN;
    if (m_rcYMaxLabel.PtInRect(point))
        flags |= HOVER_YMAX;
    else if (m_rcXLock.PtInRect(point))
        flags |= HOVER_XLOCK;
    else if (m_rcYLock.PtInRect(point))
        flags |= HOVER_YLOCK;

    int hover = -1;
    for (int i = 0; i < static_cast<int>(m_series.size()); ++i) {
        if (m_series[static_cast<std::size_t>(i)].m_rcLegend.PtInRect(point)) {
            hover = i;
            flags |= HOVER_LEGEND;
            break;
        }
    }

    const bool inPlot = m_rcPlot.PtInRect(point);
    if (inPlot && SelectedValid()) {
        // The first point at or right of the pointer; the points come in ascending x.
        const std::vector<POINT>& points = m_series[static_cast<std::size_t>(m_nSelected)].m_screenPoints;
        const auto found = std::find_if(points.begin(), points.end(), [&](const POINT& p) {
            return p != kNoScreenPoint && p.x >= point.x;
        });
        m_nCursor = static_cast<int>(found - points.begin());
        NotifyCursorMoved();
    }
    if (flags != m_nHoverFlags || hover != m_nHoverSeries || inPlot) {
        m_nHoverFlags = flags;
        m_nHoverSeries = hover;
        Invalidate();
    }
}

void CGraphWnd::OnLButtonDown(UINT, POINT point)
{
    m_rcDrag = Rect(point.x, point.y, point.x, point.y);
    m_bButtonDown = TRUE;
    if ((m_nHoverFlags & HOVER_LEGEND) && m_nHoverSeries >= 0) {
        if (m_nHoverSeries != m_nSelected) {
            m_nSelected = m_nHoverSeries;
            Invalidate();
            NotifySelChanged();
        }
        return;
    }
    if (m_nHoverFlags & (HOVER_XLOCK | HOVER_YLOCK))
        Invalidate();
}

namespace {

// The band's extent along one axis mapped onto the view: the scale is the range over the
// plot's extent, so the new view is exactly the band that was framed; clamped to the old view.
void ZoomAxis(float& min, float& max, int extent, int from, int to)
{
    const float u = (max - min) / float(extent);
    float newMin = min + float(from) * u;
    float newMax = min + float(to) * u;
    if (newMin < min)
        newMin = min;
    if (newMax > max)
        newMax = max;
    min = newMin;
    max = newMax;
}

} // namespace

void CGraphWnd::OnLButtonUp(UINT, POINT point)
{
    if (m_bButtonDown && m_bDragInPlot) {
        m_rcDrag.right = point.x;
        m_rcDrag.bottom = point.y;
        const Rect& P = m_rcPlot;
        if (point.y < m_rcDrag.top) {
            const GraphView view = PopView();
            m_fXMin = view.fXMin, m_fYMax = view.fYMax, m_fXMax = view.fXMax, m_fYMin = view.fYMin;
            Refresh();
            NotifyRangeChanged();
        } else if (m_rcDrag.Width() != 0 && m_rcDrag.Height() != 0 && !P.IsRectEmpty()) {
            // A band without width or height (a click that jittered) would leave an empty range.
            PushView({m_fXMin, m_fYMax, m_fXMax, m_fYMin});
            if (!m_bXLocked)
                ZoomAxis(m_fXMin, m_fXMax, P.Width(), m_rcDrag.left - P.left, m_rcDrag.right - P.left);
            if (!m_bYLocked)
                ZoomAxis(m_fYMin, m_fYMax, P.Height(), P.bottom - m_rcDrag.bottom, P.bottom - m_rcDrag.top);
            Refresh();
            NotifyRangeChanged();
        } else {
            Invalidate(); // the band goes
        }
    }
    m_bButtonDown = FALSE;
    m_bDragInPlot = FALSE;

    const UINT f = m_nHoverFlags;
    if ((f & HOVER_XMIN) && !m_bXLocked) {
        OpenEditor(m_rcXMinLabel, m_fXMin, m_nXDecimals);
    } else if ((f & HOVER_XMAX) && !m_bXLocked) {
        OpenEditor(m_rcXMaxLabel, m_fXMax, m_nXDecimals);
    } else if ((f & HOVER_YMIN) && !m_bYLocked) {
        OpenEditor(m_rcYMinLabel, m_fYMin, m_nYDecimals);
    } else if ((f & HOVER_YMAX) && !m_bYLocked) {
        OpenEditor(m_rcYMaxLabel, m_fYMax, m_nYDecimals);
    } else if (f & HOVER_XLOCK) {
        m_bXLocked = !m_bXLocked;
        Invalidate();
    } else if (f & HOVER_YLOCK) {
        m_bYLocked = !m_bYLocked;
        Invalidate();
    } else {
        EndEdit();
        Invalidate();
    }
}

void CGraphWnd::OpenEditor(const Rect& box, float value, UINT decimals)
{
    m_editLimit->setText(FormatGraphValue(value, decimals));
    m_editLimit->setGeometry(box.ToQRect());
    m_editLimit->show();
    m_editLimit->setFocus();
}

void CGraphWnd::EndEdit()
{
    if (m_editLimit->isHidden())
        return;
    // The keys typed next go to the graph, not to the control after the editor.
    if (m_editLimit->hasFocus())
        setFocus();
    m_editLimit->hide();
    // The leading number of the text as the C library reads it (exponent included), 0 when there
    // is none, brought into the range of a float.
    const double read = platform::ReadLeadingNumber(m_editLimit->text().toStdString()).value_or(0.0);
    const float value = static_cast<float>(std::clamp(read, double(-FLT_MAX), double(FLT_MAX)));
    const POINT centre = Rect::FromQRect(m_editLimit->geometry()).CenterPoint();
    float* limit = nullptr;
    if (m_rcXMinLabel.PtInRect(centre))
        limit = &m_fXMin;
    else if (m_rcXMaxLabel.PtInRect(centre))
        limit = &m_fXMax;
    else if (m_rcYMinLabel.PtInRect(centre))
        limit = &m_fYMin;
    else if (m_rcYMaxLabel.PtInRect(centre))
        limit = &m_fYMax;
    if (limit) {
        *limit = value;
        NotifyRangeChanged();
    }
    Refresh();
}
