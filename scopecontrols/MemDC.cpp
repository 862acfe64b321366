#include "scopecontrols/MemDC.h"

using platform::CDC;
using platform::Rect;

CMemDC::CMemDC(CDC* pDC, const Rect* pRect, bool bBuffer)
    : m_pTargetDC(pDC), m_bBuffering(bBuffer && !pDC->IsPrinting())
{
    if (pRect)
        m_rcArea = *pRect;
    else
        pDC->GetClipBox(&m_rcArea);
    if (m_bBuffering) {
        CreateCompatibleDC(pDC);
        POINT corners[2] = {m_rcArea.TopLeft(), m_rcArea.BottomRight()};
        pDC->LPtoDP(corners, 2);
        m_bitmap.CreatePaintSurface(corners[1].x - corners[0].x, corners[1].y - corners[0].y);
        m_pOldBitmap = SelectObject(m_bitmap);
        SetMapMode(pDC->GetMapMode());
        // In the text mapping mode the window and viewport extents have no effect; there is
        // nothing more of the target's mapping to take over.
        pDC->DPtoLP(corners, 2);
        SetWindowOrg(corners[0].x, corners[0].y);
    } else {
        m_bPrinting = pDC->IsPrinting();
        Attach(pDC->GetSafeHdc());
    }
    FillSolidRect(m_rcArea, pDC->GetBkColor());
}

CMemDC::~CMemDC()
{
    if (m_bBuffering) {
        m_pTargetDC->BitBlt(m_rcArea.left, m_rcArea.top, m_rcArea.Width(), m_rcArea.Height(), this,
                            m_rcArea.left, m_rcArea.top, SRCCOPY);
        SelectObject(m_pOldBitmap);
    } else {
        Detach();
    }
}
