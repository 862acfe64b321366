#include "scopecontrols/3DMeterCtrl.h"

#include "platform/ColorDialog.h"
#include "platform/SystemMetrics.h"
#include "platform/WindowStyles.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QResizeEvent>

#include <algorithm>

using platform::Rect;

C3DMeterCtrl::C3DMeterCtrl(C3DMeterCtrl** ppOwner) : m_ppOwner(ppOwner) {}

C3DMeterCtrl::~C3DMeterCtrl() = default;

BOOL C3DMeterCtrl::Create(const QString&, DWORD dwStyle, const Rect& rect, QWidget* pParentWnd, UINT)
{
    // A tool window owned by the parent: it stays above it and goes with it.
    setParent(pParentWnd, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Oscivo Meter"));
    // The rectangle is the whole window. Its frame is the window manager's, unknown until the
    // window is mapped, so the client area is the rectangle less a tool window's caption and
    // sizing frame.
    const int frameX = GetSystemMetrics(SM_CXSIZEFRAME);
    const int frameY = GetSystemMetrics(SM_CYSIZEFRAME);
    move(rect.left, rect.top);
    resize(std::max(0, rect.Width() - 2 * frameX),
           std::max(0, rect.Height() - GetSystemMetrics(SM_CYSMCAPTION) - 2 * frameY));
    // The owner's window takes its owned windows with it; for the meter that is a close.
    if (pParentWnd)
        connect(pParentWnd, &QObject::destroyed, this, [this] { OnDestroy(); });
    if (dwStyle & WS_VISIBLE) {
        show();
        repaint(); // at once where the window is already exposed, else as soon as it is
    }
    return TRUE;
}

void C3DMeterCtrl::SetValue(double value)
{
    m_dValue = value;
    if (m_bShowMinMarker && value < m_dMinMarker)
        m_dMinMarker = value;
    if (m_bShowMaxMarker && value > m_dMaxMarker)
        m_dMaxMarker = value;
    update();
}

void C3DMeterCtrl::SetScaleRange(double min, double max)
{
    if (min == m_dMinValue && max == m_dMaxValue)
        return;
    // The markers restart from the opposite ends, so that the next value sets both.
    m_dMaxValue = max;
    m_dMinMarker = max;
    m_dMinValue = min;
    m_dMaxMarker = min;
    DiscardFaceCache();
}

void C3DMeterCtrl::SetScaleDigits(int digits)
{
    m_nScaleDigits = digits;
    DiscardFaceCache();
}

void C3DMeterCtrl::SetReadoutDigits(int digits)
{
    if (digits == m_nReadoutDigits)
        return;
    m_nReadoutDigits = digits;
    DiscardFaceCache();
}

void C3DMeterCtrl::SetTitle(const QString& title)
{
    setWindowTitle(title);
}

void C3DMeterCtrl::SetBackColor(COLORREF color)
{
    m_crBack = color;
    DiscardFaceCache();
}

void C3DMeterCtrl::SetDialColor(COLORREF color)
{
    m_crDial = color;
    DiscardFaceCache();
}

void C3DMeterCtrl::SetTickColor(COLORREF color)
{
    m_crTicks = color;
    DiscardFaceCache();
}

void C3DMeterCtrl::SetNeedleColor(COLORREF color)
{
    m_crNeedle = color;
    const auto shade = [color](int shift) {
        return static_cast<COLORREF>(((color >> shift) & 0xFF) * 0.65) << shift;
    };
    m_crNeedleShade = shade(0) | shade(8) | shade(16);
    DiscardFaceCache();
}

void C3DMeterCtrl::SetUnits(const QString& units)
{
    if (units == m_strUnits)
        return;
    m_strUnits = units;
    DiscardFaceCache();
}

void C3DMeterCtrl::DiscardFaceCache()
{
    m_dcFace.reset();
    m_bitmapFace.DeleteObject();
    update();
}

void C3DMeterCtrl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    OnSize(0, event->size().width(), event->size().height());
}

void C3DMeterCtrl::OnSize(UINT, int, int)
{
    DiscardFaceCache();
}

void C3DMeterCtrl::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        OnDestroy();
}

void C3DMeterCtrl::OnDestroy()
{
    if (m_bGone)
        return;
    m_bGone = true;
    *m_ppOwner = nullptr;
    deleteLater();
}

void C3DMeterCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    OnContextMenu(this, {event->globalPos().x(), event->globalPos().y()});
}

void C3DMeterCtrl::OnContextMenu(QWidget*, POINT point)
{
    struct Entry {
        UINT id;
        const char* text;
        bool C3DMeterCtrl::*checked; // null: the entry carries no check mark
    };
    static const Entry kEntries[] = {
        {ID_MAXMARKER, "Maximalwert Marker", &C3DMeterCtrl::m_bShowMaxMarker},
        {ID_MINMARKER, "Minimalwert Marker", &C3DMeterCtrl::m_bShowMinMarker},
        {ID_PEAK, "Höchstwert", &C3DMeterCtrl::m_bShowPeak},
        {ID_RESETPEAK, "Höchstwert zurücksetzen", nullptr},
        {ID_INVERT, "Farben invertieren", &C3DMeterCtrl::m_bInverted},
        {ID_NEEDLECOLOR, "Nadelfarbe...", nullptr},
        {ID_BACKCOLOR, "Hintergrundfarbe...", nullptr},
        {ID_DIALCOLOR, "Vodergrundfarbe...", nullptr},
        {ID_TICKCOLOR, "Teilstrichfarbe...", nullptr},
    };
    QMenu menu(this);
    for (const Entry& entry : kEntries) {
        QAction* action = menu.addAction(QString::fromUtf8(entry.text));
        action->setData(entry.id);
        if (entry.checked) {
            action->setCheckable(true);
            action->setChecked(this->*entry.checked);
        }
    }
    // Centred on the point horizontally, its top at the point.
    const QAction* chosen = menu.exec(QPoint(point.x - menu.sizeHint().width() / 2, point.y));
    if (chosen)
        OnCommand(chosen->data().toUInt());
}

void C3DMeterCtrl::OnCommand(UINT id)
{
    switch (id) {
    case ID_MAXMARKER: OnToggleMaxMarker(); break;
    case ID_MINMARKER: OnToggleMinMarker(); break;
    case ID_PEAK: OnTogglePeakReadout(); break;
    case ID_RESETPEAK: OnResetPeak(); break;
    case ID_INVERT: OnInvertColors(); break;
    case ID_NEEDLECOLOR: OnChooseNeedleColor(); break;
    case ID_BACKCOLOR: OnChooseBackColor(); break;
    case ID_DIALCOLOR: OnChooseDialColor(); break;
    case ID_TICKCOLOR: OnChooseTickColor(); break;
    default: break;
    }
}

void C3DMeterCtrl::OnInvertColors()
{
    m_bInverted = !m_bInverted;
    SetDialColor(m_bInverted ? 0xFFFFFF : 0x000000);
    SetTickColor(m_bInverted ? 0x000000 : 0xFFFFFF);
}

void C3DMeterCtrl::OnChooseNeedleColor()
{
    ChooseColor(&C3DMeterCtrl::SetNeedleColor);
}

void C3DMeterCtrl::OnChooseBackColor()
{
    ChooseColor(&C3DMeterCtrl::SetBackColor);
}

void C3DMeterCtrl::OnChooseDialColor()
{
    ChooseColor(&C3DMeterCtrl::SetDialColor);
}

void C3DMeterCtrl::OnChooseTickColor()
{
    ChooseColor(&C3DMeterCtrl::SetTickColor);
}

void C3DMeterCtrl::ChooseColor(void (C3DMeterCtrl::*setter)(COLORREF))
{
    // The dialog starts at black, its custom part closed, owned by the meter's owner.
    const std::optional<COLORREF> chosen =
        platform::ShowColorDialog(parentWidget(), CC_ANYCOLOR | CC_PREVENTFULLOPEN | CC_ENABLEHOOK);
    if (chosen)
        (this->*setter)(*chosen);
}
