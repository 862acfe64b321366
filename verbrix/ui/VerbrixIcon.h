#pragma once
// The program icon (resource 128): a fuel pump, painted in code at 32 and 16 pixels.

#include <QIcon>
#include <QImage>

// The icon painted at size x size pixels.
QImage PaintVerbrixIcon(int size);

QIcon VerbrixIcon();
