#include "dynalyt/ui/LinkLabel.h"

#include <QMouseEvent>

namespace dynalyt {

LinkLabel::LinkLabel(const QString& text, const QString& hint, QWidget* parent) : QLabel(text, parent)
{
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, Qt::blue);
    setPalette(pal);
    setCursor(Qt::PointingHandCursor);
    setToolTip(hint);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace dynalyt
