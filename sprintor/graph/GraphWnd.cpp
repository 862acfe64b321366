#include "sprintor/graph/GraphWnd.h"

#include "platform/WindowStyles.h"
#include "sprintor/graph/GraphNotify.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>

#include <algorithm>

using platform::Rect;

LimitEdit::LimitEdit(QWidget* parent) : QLineEdit(parent) {}

void LimitEdit::keyPressEvent(QKeyEvent* event)
{
    // A single-line edit keeps Return and Escape: they must not press the dialog's default
    // button or close it.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: event->accept(); return;
    default: QLineEdit::keyPressEvent(event);
    }
}

CGraphWnd::CGraphWnd()
    : m_strXTitle("X-Axis"), m_strYTitle("Y-Axis"), m_strCursorFormat("    (%0.3f, %0.3f)"),
      m_nXDivisions(10), m_nYDivisions(10), m_nXDecimals(1), m_nYDecimals(1), m_fXMin(0), m_fXMax(100),
      m_fYMin(0), m_fYMax(100), m_views{}, m_nViewTop(-1), m_nCursor(-1), m_nHoverFlags(0),
      m_editLimit(new LimitEdit(this)), m_nSelected(-1), m_nHoverSeries(-1), m_bButtonDown(FALSE),
      m_bDragInPlot(FALSE), m_bXLocked(FALSE), m_bYLocked(FALSE)
{
    PushView({0, 100, 100, 0});
    setMouseTracking(true);
    // The paint covers the whole client area: the background is never erased.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    m_editLimit->setAlignment(Qt::AlignRight);
    m_editLimit->setFrame(true);
    m_editLimit->setGeometry(0, 0, 1, 1);
    m_editLimit->hide();
}

CGraphWnd::~CGraphWnd()
{
    RemoveAll();
}

BOOL CGraphWnd::Create(const Rect& rect, DWORD style, QWidget* parent, UINT id)
{
    if (!parent && (style & WS_CHILD))
        return FALSE;
    setParent(parent);
    setGeometry(rect.ToQRect());
    setWindowTitle("LinePlot");
    m_nID = id;
    setVisible(style & WS_VISIBLE);
    return TRUE;
}

int CGraphWnd::AddSeries(const QString& name, COLORREF color, int type, const GraphPoint* points,
                         unsigned count)
{
    m_series.emplace_back(name, color, type, points, count);
    const CGraphData& added = m_series.back();
    m_nSelected = static_cast<int>(m_series.size()) - 1;
    if (!m_bXLocked) {
        if (added.m_fMinX < m_fXMin)
            m_fXMin = added.m_fMinX;
        if (added.m_fMaxX > m_fXMax)
            m_fXMax = added.m_fMaxX;
        MarkAllDirty();
    }
    if (!m_bYLocked) {
        if (added.m_fMinY < m_fYMin)
            m_fYMin = added.m_fMinY;
        if (added.m_fMaxY > m_fYMax)
            m_fYMax = added.m_fMaxY;
        MarkAllDirty();
    }
    Invalidate();
    NotifySelChanged();
    return static_cast<int>(m_series.size()) - 1;
}

void CGraphWnd::AddPoint(int series, float x, float y)
{
    if (series < 0 || series >= static_cast<int>(m_series.size()))
        return;
    CGraphData& s = m_series[static_cast<std::size_t>(series)];
    s.m_points.push_back({x, y});
    s.m_screenPoints.resize(s.m_points.size());
    s.m_bDirty = TRUE;
    Invalidate();
}

void CGraphWnd::ClearSeries(int series)
{
    if (series < 0 || series >= static_cast<int>(m_series.size()))
        return;
    CGraphData& s = m_series[static_cast<std::size_t>(series)];
    s.Clear();
    s.m_bDirty = TRUE;
    Invalidate();
}

void CGraphWnd::RemoveAll()
{
    m_series.clear();
    m_texts.clear();
    Invalidate();
    m_nSelected = -1;
}

int CGraphWnd::AddText(float x, float y, const QString& text)
{
    m_texts.push_back({x, y, text});
    Invalidate();
    return static_cast<int>(m_texts.size()) - 1;
}

BOOL CGraphWnd::RemoveText(int label)
{
    if (label < 0 || label >= static_cast<int>(m_texts.size()))
        return FALSE;
    m_texts.erase(m_texts.begin() + label);
    Invalidate();
    return TRUE;
}

// Refused while the axis is locked; a value equal to the limit changes nothing (a value that
// is not a number never equals it). Otherwise the limit and the base view take it.
BOOL CGraphWnd::SetLimit(BOOL locked, float value, float& limit, float& base)
{
    if (locked)
        return FALSE;
    if (value == limit)
        return TRUE;
    limit = value;
    base = value;
    NotifyRangeChanged();
    Invalidate();
    return TRUE;
}

BOOL CGraphWnd::SetXMin(float value)
{
    return SetLimit(m_bXLocked, value, m_fXMin, m_views[0].fXMin);
}

BOOL CGraphWnd::SetXMax(float value)
{
    return SetLimit(m_bXLocked, value, m_fXMax, m_views[0].fXMax);
}

BOOL CGraphWnd::SetYMin(float value)
{
    return SetLimit(m_bYLocked, value, m_fYMin, m_views[0].fYMin);
}

BOOL CGraphWnd::SetYMax(float value)
{
    return SetLimit(m_bYLocked, value, m_fYMax, m_views[0].fYMax);
}

void CGraphWnd::SetXTitle(const QString& title)
{
    m_strXTitle = title;
    Invalidate();
}

void CGraphWnd::SetYTitle(const QString& title)
{
    m_strYTitle = title;
    Invalidate();
}

void CGraphWnd::SetYDivisions(int divisions)
{
    m_nYDivisions = divisions;
    Invalidate();
}

void CGraphWnd::Refresh()
{
    MarkAllDirty();
    Invalidate();
}

void CGraphWnd::PushView(const GraphView& view)
{
    if (m_nViewTop == kViewCount - 1) {
        std::copy(m_views + 1, m_views + kViewCount, m_views);
        m_nViewTop = kViewCount - 2;
    }
    m_views[++m_nViewTop] = view;
}

GraphView CGraphWnd::PopView()
{
    const GraphView view = m_views[m_nViewTop];
    if (m_nViewTop > 0)
        --m_nViewTop;
    return view;
}

void CGraphWnd::NotifySelChanged()
{
    Notify(GRAPHN_SELCHANGED);
}

void CGraphWnd::NotifyRangeChanged()
{
    Notify(GRAPHN_RANGECHANGED);
}

void CGraphWnd::NotifyCursorMoved()
{
    Notify(GRAPHN_CURSORMOVED);
}

void CGraphWnd::Notify(UINT code)
{
    if (auto* parent = dynamic_cast<IGraphNotify*>(parentWidget()))
        parent->OnGraphNotify({this, m_nID, code});
}

void CGraphWnd::Invalidate()
{
    update();
}

void CGraphWnd::MarkAllDirty()
{
    for (CGraphData& s : m_series)
        s.m_bDirty = TRUE;
}

bool CGraphWnd::SelectedValid() const
{
    return m_nSelected >= 0 && m_nSelected < static_cast<int>(m_series.size());
}

Rect CGraphWnd::ClientRect() const
{
    return Rect(0, 0, width(), height());
}

void CGraphWnd::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    OnSize(0, event->size().width(), event->size().height());
}

void CGraphWnd::OnSize(UINT, int, int)
{
    Refresh();
}

void CGraphWnd::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        OnLButtonDown(0, {event->position().toPoint().x(), event->position().toPoint().y()});
}

// Qt keeps sending a pressed widget the moves and the release outside it; the control sees
// only what happens over its client area.
void CGraphWnd::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (rect().contains(p))
        OnMouseMove(0, {p.x(), p.y()});
}

void CGraphWnd::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton && rect().contains(p))
        OnLButtonUp(0, {p.x(), p.y()});
}
