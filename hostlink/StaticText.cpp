#include "hostlink/StaticText.h"

#include <QLabel>

#include <algorithm>

QLabel* AddStatic(QWidget* parent, const QString& text, QRect rect)
{
    auto* label = new QLabel(text, parent);
    rect.setWidth(std::max(rect.width(), label->sizeHint().width()));
    label->setGeometry(rect);
    return label;
}
