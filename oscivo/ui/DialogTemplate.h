#pragma once
// Dialog 102, Oscivo's main dialog, as its template holds it: every control with its id, kind,
// text, place in dialog units and whether it shows at start. The dialog makes its controls from
// this table and finds them by id.

#include "platform/WinTypes.h"

#include <QRect>
#include <QSize>

#include <vector>

enum class ControlKind {
    BlackFrame,
    PushButton,
    IconButton,        // shows an icon in place of its text
    DefaultIconButton, // the dialog's default button
    GroupBox,
    Static,
    CentredStatic,
    Edit,
    CentredEdit,
    CheckBox,
    SwatchStatic, // a sunken frame that takes clicks, under a colour swatch
};

struct ControlTemplate {
    UINT id;
    ControlKind kind;
    const char* text; // UTF-8
    int x, y, cx, cy; // dialog units
    bool visible;

    QRect Rect() const;
};

// The controls in the order they are made: group boxes first, so that they lie below the
// controls inside them.
const std::vector<ControlTemplate>& OscivoDialogTemplate();

// The template's size, 362 x 230 dialog units, in pixels.
QSize OscivoDialogSize();
