#include "scopecontrols/ColorFrameCtrl.h"

#include "platform/WindowStyles.h"

#include <QResizeEvent>

using platform::Brush;
using platform::CDC;
using platform::Rect;

namespace {

// The static edge: one sunken pixel round the client area.
constexpr int kEdge = 1;

} // namespace

CColorFrameCtrl::CColorFrameCtrl()
    : m_brushBack(Brush::Solid(m_crBackColor)), m_brushFrame(Brush::Solid(m_crFrameColor))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CColorFrameCtrl::~CColorFrameCtrl() = default;

BOOL CColorFrameCtrl::Create(DWORD dwStyle, const Rect& rect, QWidget* pParentWnd, UINT nID)
{
    setParent(pParentWnd);
    // The dialogs find their controls by the id in the object name.
    setObjectName(QString::number(nID));
    setGeometry(rect.ToQRect());
    setVisible(dwStyle & WS_VISIBLE);
    update();
    return TRUE;
}

void CColorFrameCtrl::SetBackColor(COLORREF color)
{
    m_crBackColor = color;
    m_brushBack = Brush::Solid(color);
    update();
}

void CColorFrameCtrl::SetFrameColor(COLORREF color)
{
    m_crFrameColor = color;
    m_brushFrame = Brush::Solid(color);
    update();
}

void CColorFrameCtrl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    OnSize(0, event->size().width() - 2 * kEdge, event->size().height() - 2 * kEdge);
}

void CColorFrameCtrl::OnSize(UINT, int cx, int cy)
{
    m_rectClient = Rect(0, 0, cx, cy);
}

void CColorFrameCtrl::paintEvent(QPaintEvent*)
{
    CDC dc(this);
    Rect window(0, 0, width(), height());
    dc.DrawEdge(&window, BDR_SUNKENOUTER, BF_RECT);
    // The paint context addresses the client area inside the edge.
    dc.SetWindowOrg(-kEdge, -kEdge);
    OnPaint(&dc);
}

void CColorFrameCtrl::OnPaint(CDC* paintDC)
{
    paintDC->FillRect(m_rectClient, m_brushBack);
    paintDC->FrameRect(m_rectClient, m_brushFrame);
}
