// The scope object, its window and the setters; plotting, the grid and printing have files of
// their own.

#include "scopecontrols/OScopeCtrl.h"

#include "platform/WindowStyles.h"
#include "scopecontrols/ScopeSettings.h"

#include <QPaintEvent>
#include <QResizeEvent>

#include <algorithm>

using platform::CDC;
using platform::Rect;

namespace {

// The scope's window: a sunken client edge inside a static edge, around the client area that
// the scope paints.
class ScopeWindow : public QWidget {
public:
    ScopeWindow(COScopeCtrl* scope, QWidget* parent) : QWidget(parent), m_scope(scope)
    {
        // The paint covers the whole window: nothing is erased first.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
    }

    static constexpr int kEdge = 3; // the static edge's one pixel and the client edge's two

    static QSize ClientSize(QSize window)
    {
        return QSize(std::max(0, window.width() - 2 * kEdge), std::max(0, window.height() - 2 * kEdge));
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        CDC dc(this);
        Rect frame(0, 0, width(), height());
        dc.DrawEdge(&frame, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        dc.DrawEdge(&frame, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        // The paint's clip is what is to be painted anew, as a paint context's is.
        dc.IntersectClipRect(frame);
        dc.IntersectClipRect(Rect::FromQRect(event->rect()));
        dc.SetWindowOrg(-kEdge, -kEdge);
        m_scope->OnPaint(&dc);
    }

    void resizeEvent(QResizeEvent* event) override
    {
        // Create has already laid out the size the window was made with; Qt reports it only
        // when the window is first shown, after the grid was built for it.
        const QSize client = ClientSize(event->size());
        if (client != QSize(m_scope->ClientRect().Width(), m_scope->ClientRect().Height()))
            m_scope->OnSize(0, client.width(), client.height());
    }

private:
    COScopeCtrl* m_scope;
};

void ScaleTrace(ScopeTrace& trace, int plotHeight)
{
    // A trace with equal limits is drawn as if its range were one unit.
    trace.pixelsPerUnit = plotHeight / (trace.range == 0 ? 1.0 : trace.range);
}

} // namespace

COScopeCtrl::COScopeCtrl(int nTraces)
    : m_nVertGridLines(6), m_nHorzGridLines(4), m_nSamplesPerWidth(-1), m_nLabelDecimals(3),
      m_crBackColor(0x000000), m_crGridColor(0xFFFFFF), m_nShiftPixels(g_nStepWidth), m_strXUnits("Samples"),
      m_strYUnits("Y units"), m_nTraces(std::max(0, nTraces)), m_nFitRemainder(0), m_nFitPixelsLeft(0),
      m_nFitSamplesLeft(0), m_pTraces(std::make_unique<ScopeTrace[]>(m_nTraces)), m_nClientHeight(0),
      m_nClientWidth(0), m_nPlotHeight(0), m_nPlotWidth(0), m_brushBack(platform::Brush::Solid(0x000000)),
      m_brushPrintBack(platform::Brush::Solid(0xFFFFFF))
{
}

COScopeCtrl::~COScopeCtrl()
{
    DestroyWindow();
}

BOOL COScopeCtrl::Create(DWORD dwStyle, const Rect& rect, QWidget* pParentWnd, UINT /*nID*/)
{
    if (m_pWnd || (!pParentWnd && (dwStyle & WS_CHILD)))
        return FALSE;
    auto* window = new ScopeWindow(this, pParentWnd);
    m_pWnd = window;
    window->setGeometry(rect.left, rect.top, std::max(0, rect.Width()), std::max(0, rect.Height()));
    // A child gets no resize event before its dialog is shown: the layout comes first here.
    const QSize client = ScopeWindow::ClientSize(window->size());
    OnSize(0, client.width(), client.height());
    RebuildGrid(FALSE);
    window->setVisible(dwStyle & WS_VISIBLE);
    return TRUE;
}

BOOL COScopeCtrl::DestroyWindow()
{
    if (!m_pWnd)
        return FALSE;
    delete m_pWnd.data();
    return TRUE;
}

void COScopeCtrl::OnSize(UINT, int cx, int cy)
{
    m_rectClient = Rect(0, 0, cx, cy);
    m_nClientHeight = cy;
    m_nClientWidth = cx;
    // Room for the labels on the left (the grid rebuild widens it), 10 pixels on the other sides.
    m_rectPlot = Rect(20, 10, cx - 10, cy - 10);
    m_nPlotHeight = m_rectPlot.Height();
    m_nPlotWidth = m_rectPlot.Width();
    for (int i = 0; i < m_nTraces; ++i)
        ScaleTrace(m_pTraces[i], m_nPlotHeight);
}

void COScopeCtrl::SetTraceColor(COLORREF color, int nTrace)
{
    if (!ValidTrace(nTrace))
        return;
    ScopeTrace& trace = m_pTraces[nTrace];
    trace.color = color;
    trace.pen = platform::Pen{PS_SOLID, g_nThickness, color};
}

COLORREF COScopeCtrl::GetTraceColor(int nTrace) const
{
    return ValidTrace(nTrace) ? m_pTraces[nTrace].color : m_crBackColor;
}

void COScopeCtrl::SetTraceRange(double lower, double upper, int nTrace)
{
    if (!ValidTrace(nTrace))
        return;
    ScopeTrace& trace = m_pTraces[nTrace];
    trace.lower = lower;
    trace.upper = upper;
    trace.range = upper - lower;
    ScaleTrace(trace, m_nPlotHeight);
    RebuildGrid(FALSE);
}

void COScopeCtrl::SetBackColor(COLORREF color)
{
    m_crBackColor = color;
    m_brushBack = platform::Brush::Solid(color);
    RebuildGrid(FALSE);
}

void COScopeCtrl::ReleaseSurfaces()
{
    m_dcGrid.reset();
    m_dcPlot.reset();
    m_bitmapGrid.DeleteObject();
    m_bitmapPlot.DeleteObject();
}

void COScopeCtrl::Invalidate()
{
    if (m_pWnd)
        m_pWnd->update();
}

void COScopeCtrl::InvalidateTraces()
{
    // A step changes the plot surface in the rows and columns where traces show, and nowhere
    // else; without a plot surface the whole window is painted anew.
    if (!m_dcPlot) {
        Invalidate();
        return;
    }
    if (m_pWnd)
        m_pWnd->update(QRect(ScopeWindow::kEdge + m_rectPlot.left, ScopeWindow::kEdge + m_rectPlot.top + 1,
                             m_rectPlot.Width() + 1, m_rectPlot.Height()));
}

void COScopeCtrl::OnPaint(CDC* paintDC)
{
    if (!m_dcGrid) {
        paintDC->FillSolidRect(m_rectClient, m_crBackColor);
        return;
    }
    // Only what the paint clips to is painted, of what the surfaces cover. They are combined in
    // memory, where the OR is cheap, a band of rows at a time, so that each band stays in the
    // cache from the copy of the grid to the copy onto the window.
    constexpr int kBand = 64;
    const SIZE size = m_bitmapGrid.GetSize();
    Rect clip;
    paintDC->GetClipBox(&clip);
    const QRect covered(0, 0, std::min<int>(size.cx, m_nClientWidth),
                        std::min<int>(size.cy, m_nClientHeight));
    const Rect box = Rect::FromQRect(clip.ToQRect().intersected(covered));
    if (box.IsRectEmpty())
        return;
    CDC dcPaint;
    dcPaint.CreateCompatibleDC(paintDC);
    platform::Bitmap bitmap;
    bitmap.CreatePaintSurface(box.Width(), std::min(kBand, box.Height()));
    dcPaint.SelectObject(bitmap);
    for (int top = box.top; top < box.bottom; top += kBand) {
        const Rect band(box.left, top, box.right, std::min(top + kBand, box.bottom));
        dcPaint.SetWindowOrg(band.left, band.top);
        ComposeOnto(&dcPaint, band, band, m_dcPlot.get());
        paintDC->BitBlt(band.left, band.top, band.Width(), band.Height(), &dcPaint, band.left, band.top,
                        SRCCOPY);
    }
}

// The one picture of screen and paper: a block of the grid surface stretched over the area, and
// the same block of the traces over it. On the screen the plot is ORed over the grid; on the
// white page its background is left out.
void COScopeCtrl::ComposeOnto(CDC* dc, const Rect& area, const Rect& block, CDC* traces)
{
    const int x = area.left, y = area.top, w = area.Width(), h = area.Height();
    const int sx = block.left, sy = block.top, sw = block.Width(), sh = block.Height();
    dc->StretchBlt(x, y, w, h, m_dcGrid.get(), sx, sy, sw, sh, SRCCOPY);
    if (dc->IsPrinting())
        dc->TransparentBlt(x, y, w, h, traces, sx, sy, sw, sh, m_crBackColor);
    else
        dc->StretchBlt(x, y, w, h, traces, sx, sy, sw, sh, SRCPAINT);
}
