#pragma once
// Dialog 102, Oscivo's main dialog, as its template holds it: every control with its id, kind,
// text, place in dialog units and whether it shows at start.

#include "dialogkit/DialogTemplate.h"

#include <QSize>

#include <vector>

// The controls in the order they are made: group boxes first, so that they lie below the
// controls inside them.
const std::vector<ControlTemplate>& OscivoDialogTemplate();

// The template's size, 362 x 230 dialog units, in pixels.
QSize OscivoDialogSize();
