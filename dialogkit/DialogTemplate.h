#pragma once
// A dialog template as the plug-ins' dialogs are built from: one row per control with its id,
// kind, text, place in dialog units and whether it shows at start. Each plug-in keeps the rows
// of its dialogs; MakeControl makes the control of a row, and DialogControls (DialogControls.h)
// makes a whole template and finds its controls by id.

#include "platform/WinTypes.h"

#include <QRect>

class QWidget;

// The id of a control that the dialog never looks up: it is not found by id.
constexpr UINT IDC_STATIC = 0xFFFF;

enum class ControlKind {
    BlackFrame,
    PushButton,
    DefaultPushButton, // the dialog's default button
    IconButton,        // shows an icon in place of its text
    DefaultIconButton,
    GroupBox,
    Static,
    CentredStatic,
    SunkenStatic,  // a text inside a sunken edge, from its top left corner
    SunkenPicture, // a picture inside a sunken edge; the dialog gives it its picture and size
    Edit,
    CentredEdit,
    NumberEdit, // takes digits only
    DropList,   // a drop-down list; the row's height is that of the open list
    CheckBox,
    SwatchStatic, // a sunken frame that takes clicks, under a colour swatch
};

struct ControlTemplate {
    UINT id;
    ControlKind kind;
    const char* text; // UTF-8
    int x, y, cx, cy; // dialog units
    bool visible = true;

    QRect Rect() const;
};

// Makes the control of a row on the dialog, or, given one of the dialog's members, makes that
// member the row's control, as the dialogs' framework attaches a member to its control. A member
// of a class that does not fit the row's kind is refused with std::invalid_argument.
QWidget* MakeControl(QWidget* dialog, const ControlTemplate& row, QWidget* member = nullptr);
