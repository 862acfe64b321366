#pragma once
// What the tip tests share: the owner's event filter that passes every event of the thread to
// the tip, and moving the mouse as a user does (the offscreen platform sends the move to the
// window under the new cursor position).

#include "scopecontrols/InfoTip.h"

#include <QCoreApplication>
#include <QCursor>
#include <QObject>
#include <QWidget>

namespace tiptest {

class Relay : public QObject {
public:
    explicit Relay(CInfoTip& tip) : m_tip(tip) { QCoreApplication::instance()->installEventFilter(this); }
    ~Relay() override { QCoreApplication::instance()->removeEventFilter(this); }
    Relay(const Relay&) = delete;
    Relay& operator=(const Relay&) = delete;

    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        m_tip.RelayEvent(receiver, event);
        return false;
    }

private:
    CInfoTip& m_tip;
};

inline QPoint MoveTo(QPoint global)
{
    QCursor::setPos(global);
    QCoreApplication::processEvents();
    return global;
}

inline QPoint MoveTo(const QWidget* widget, QPoint local)
{
    return MoveTo(widget->mapToGlobal(local));
}

// Where the callout's point lands on the screen.
inline QPoint CalloutPoint(const QWidget& tip)
{
    return tip.geometry().topLeft() + QPoint(tip.width() - 8, tip.height() - 8);
}

} // namespace tiptest
