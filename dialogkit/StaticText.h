#pragma once
// A static text of a dialog template.

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// The machine's font may be wider than the one the layout was made for: the text is widened
// to fit, never clipped.
QLabel* AddStatic(QWidget* parent, const QString& text, QRect rect);
// Places a static that holds its text at rect, widened the same way.
void PlaceStatic(QLabel* label, QRect rect);
