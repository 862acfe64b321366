#include "oscivo/ui/LeaveCheckedEdit.h"

#include <QFocusEvent>

void LeaveCheckedEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && window()->isVisible() &&
        onLeave)
        onLeave();
}
