#include "dialogkit/StaticText.h"

#include <QLabel>

#include <algorithm>

QLabel* AddStatic(QWidget* parent, const QString& text, QRect rect)
{
    auto* label = new QLabel(text, parent);
    PlaceStatic(label, rect);
    return label;
}

void PlaceStatic(QLabel* label, QRect rect)
{
    rect.setWidth(std::max(rect.width(), label->sizeHint().width()));
    label->setGeometry(rect);
}
