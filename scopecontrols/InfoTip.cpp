#include "scopecontrols/InfoTip.h"

#include "platform/StringTable.h"
#include "platform/SystemMetrics.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QScreen>

#include <algorithm>

using platform::Brush;
using platform::CDC;
using platform::Region;

namespace {

constexpr int kMargin = 8;
constexpr int kCallout = 10;

// The system's message font: the sans face at 9 points.
platform::LogFont MessageFont()
{
    platform::LogFont font;
    font.lfHeight = -12;
    font.lfFaceName = QString::fromLatin1(platform::kSansFace);
    return font;
}

POINT CursorPos()
{
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

QStringList Lines(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return text.split(breaks);
}

// The top-level window at a screen point. Where a window's region leaves out part of its
// rectangle, the windows below show through, as window systems have it (the offscreen platform
// does not apply regions).
QWidget* TopLevelAt(const QPoint& global)
{
    const auto takes = [&global](const QWidget* w) {
        return w->mask().isEmpty() || w->mask().contains(w->mapFromGlobal(global));
    };
    QWidget* top = QApplication::topLevelAt(global);
    if (!top || takes(top))
        return top;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != top && w->isVisible() && w->geometry().contains(global) && takes(w))
            return w;
    }
    return nullptr;
}

// The window under a screen point as the window system finds it: the deepest visible child
// there, passing over disabled ones and those transparent to the mouse.
QWidget* WindowFromPoint(const QPoint& global)
{
    QWidget* window = TopLevelAt(global);
    while (window) {
        QWidget* next = nullptr;
        const QObjectList& children = window->children();
        for (auto it = children.rbegin(); it != children.rend() && !next; ++it) {
            auto* child = qobject_cast<QWidget*>(*it);
            if (child && !child->isWindow() && child->isVisible() && child->isEnabled() &&
                !child->testAttribute(Qt::WA_TransparentForMouseEvents) &&
                child->geometry().contains(window->mapFromGlobal(global)))
                next = child;
        }
        if (!next)
            return window;
        window = next;
    }
    return nullptr;
}

// A control's id is its object name as a number; -1 (a static) and a name that is none are no id.
int ControlId(const QObject* control)
{
    bool ok = false;
    const int id = control->objectName().toInt(&ok);
    return ok ? id : -1;
}

} // namespace

CInfoTip::CInfoTip() : m_timers([this](UINT id) { OnTimer(id); }) {}

CInfoTip::~CInfoTip()
{
    OnDestroy();
}

BOOL CInfoTip::Create(QWidget* pParentWnd)
{
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_font = MessageFont();
    m_pParentWnd = pParentWnd;
    if (pParentWnd)
        connect(pParentWnd, &QObject::destroyed, this, &CInfoTip::OnDestroy);
    m_bWindow = true;
    return TRUE;
}

void CInfoTip::Activate(BOOL bActive, QWidget* pOwner)
{
    m_bActive = bActive;
    if (!pOwner)
        return;
    for (QObject* child : pOwner->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control && !control->isWindow() && ControlId(control) != -1)
            AddToolById(control, static_cast<UINT>(ControlId(control)));
    }
}

void CInfoTip::AddTool(QWidget* pWnd, const QString& text, const QPixmap& icon)
{
    const TipToolInfo info{text, icon.isNull() ? m_hIcon : icon};
    Register(pWnd, info);
    for (QObject* child : pWnd->children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control && !control->isWindow())
            Register(control, info);
    }
}

void CInfoTip::AddToolById(QWidget* pWnd, UINT nID, const QPixmap& icon)
{
    AddTool(pWnd, platform::HasString(nID) ? ResStr(nID) : QString(), icon);
}

void CInfoTip::Register(QWidget* pWnd, const TipToolInfo& info)
{
    m_toolMap[pWnd] = info;
    // A window that goes leaves no entry that a later window at its address could take for its own.
    connect(pWnd, &QObject::destroyed, this, &CInfoTip::OnToolDestroyed, Qt::UniqueConnection);
}

void CInfoTip::OnToolDestroyed(QObject* tool)
{
    m_toolMap.erase(static_cast<const QWidget*>(tool));
}

void CInfoTip::RelayEvent(QObject* receiver, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusIn:
        Hide();
        m_bJustShown = FALSE;
        break;
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseMove:
        // One move reaches the filter at the window and again at each widget it passes on to;
        // only the window's counts.
        if (receiver->isWindowType()) {
            const QPoint p = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            OnMouseMove({p.x(), p.y()});
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::KeyPress: Hide(); break;
    default: break;
    }
}

void CInfoTip::OnMouseMove(POINT p)
{
    // Showing the balloon under the cursor causes a move of its own.
    if (m_bJustShown) {
        m_bJustShown = FALSE;
        return;
    }
    if (p == m_ptCursor)
        return;
    const QWidget* under = WindowFromPoint(QPoint(p.x, p.y));
    const auto it = m_toolMap.find(under);
    if (it != m_toolMap.end() && !it->second.text.isEmpty()) {
        m_ptCursor = p;
        SetIcon(it->second.icon);
        Show(it->second.text, &p);
    }
    if (p != m_ptCursor)
        Hide();
}

void CInfoTip::Show(const QString& text, const POINT* pt)
{
    if (!m_bActive || !m_bWindow)
        return;
    m_ptCursor = pt ? *pt : CursorPos();
    m_strText = text;
    // A watch left running from an earlier balloon could cancel this one.
    m_timers.KillTimer(kWatchTimer);
    m_timers.SetTimer(kShowTimer, m_nDelay);
    m_nTimer = kShowTimer;
}

void CInfoTip::Hide()
{
    if (!m_bWindow)
        return;
    m_timers.KillTimer(kShowTimer);
    m_timers.KillTimer(kWatchTimer);
    hide();
}

void CInfoTip::SetIcon(const QPixmap& icon)
{
    m_hIcon = icon;
    m_sizeIcon = icon.isNull() ? SIZE{} : SIZE{icon.width(), icon.height()};
    if (m_bWindow)
        repaint();
}

void CInfoTip::MakeTipRegion(CDC* pDC, Region* pRgn, SIZE* pSize) const
{
    const QStringList lines = Lines(m_strText);
    int width = 0;
    for (const QString& line : lines)
        width = std::max(width, pDC->GetTextExtent(line).cx);
    int w = width + 2 * kMargin;
    int h = static_cast<int>(lines.size()) * pDC->GetTextMetrics().tmHeight + 2 * kMargin;
    if (!m_hIcon.isNull()) {
        w += m_sizeIcon.cx + 4;
        if (h < m_sizeIcon.cy + 4)
            h = m_sizeIcon.cy + 8;
    }
    Region body;
    body.CreateRoundRectRgn(0, 0, w, h, 8, 8);
    const POINT callout[3] = {{w - 8, h - 8}, {w - 8, h + 2}, {w - 18, h - 8}};
    Region tail;
    tail.CreatePolygonRgn(callout, 3, ALTERNATE);
    pRgn->CombineRgn(body, tail, RGN_OR);
    if (pSize)
        *pSize = {w, h + kCallout};
}

void CInfoTip::OnTimer(UINT nIDEvent)
{
    if (nIDEvent == kShowTimer) {
        m_timers.KillTimer(m_nTimer);
        CDC dc;
        dc.CreateCompatibleDC(nullptr);
        dc.SelectObject(m_font);
        Region region;
        SIZE size;
        MakeTipRegion(&dc, &region, &size);
        setMask(region.Get());
        // The callout's point lands on the cursor; near the left or top edge of the cursor's
        // screen, wherever that screen lies, the balloon keeps 8 pixels from the edge.
        const QPoint cursor(m_ptCursor.x, m_ptCursor.y);
        const QScreen* screen = QGuiApplication::screenAt(cursor);
        const QRect bounds = (screen ? screen : QGuiApplication::primaryScreen())->geometry();
        setGeometry(std::max(m_ptCursor.x - size.cx, bounds.left()) + kMargin,
                    std::max(m_ptCursor.y - size.cy, bounds.top()) + kMargin, size.cx, size.cy);
        show();
        raise();
        m_bJustShown = TRUE;
        m_timers.SetTimer(kWatchTimer, kWatchPeriod);
        m_nTimer = kWatchTimer;
        update();
    } else if (nIDEvent == kWatchTimer && CursorPos() != m_ptCursor) {
        m_timers.KillTimer(m_nTimer);
        Hide();
    }
}

void CInfoTip::paintEvent(QPaintEvent*)
{
    CDC dc(this);
    dc.SelectObject(m_font);
    OnPaint(&dc);
}

void CInfoTip::OnPaint(CDC* pDC)
{
    Region region;
    MakeTipRegion(pDC, &region, nullptr);
    pDC->FillRgn(&region, Brush::Solid(GetSysColor(COLOR_WINDOW)));
    pDC->FrameRgn(&region, Brush::Solid(GetSysColor(COLOR_SCROLLBAR)), 3, 3);
    pDC->FrameRgn(&region, Brush::Solid(GetSysColor(COLOR_WINDOWTEXT)), 1, 1);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextAlign(TA_LEFT | TA_TOP);
    const int left = m_hIcon.isNull() ? kMargin : m_sizeIcon.cx + 12;
    const int lineHeight = pDC->GetTextMetrics().tmHeight;
    int y = kMargin;
    for (const QString& line : Lines(m_strText)) {
        pDC->TextOut(left, y, line);
        y += lineHeight;
    }
    if (!m_hIcon.isNull())
        pDC->DrawIconEx(4, 4, m_hIcon, m_sizeIcon.cx, m_sizeIcon.cy);
}

void CInfoTip::OnDestroy()
{
    m_timers.KillTimer(kShowTimer);
    m_timers.KillTimer(kWatchTimer);
    if (m_bWindow)
        hide();
    m_bWindow = false;
}
