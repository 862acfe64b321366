#pragma once
// Message boxes with the Windows flags and answers, behind an interface tests replace.

#include <QString>

class QWidget;

// Buttons and icons, as the programs pass them.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONWARNING = 0x30;

// Answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

namespace platform {

class IMessageBox {
public:
    virtual ~IMessageBox() = default;
    // Shows the box modally and returns the button pressed (IDOK, IDYES, ...).
    virtual int Show(QWidget* owner, const QString& text, const QString& caption, unsigned flags) = 0;
};

// Replaces the boxes that ShowMessageBox shows; nullptr restores the real ones.
void SetMessageBox(IMessageBox* box);

// Shows a box through the current implementation.
int ShowMessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned flags = MB_OK);

// Button texts for a yes/no question whose buttons the program names itself ("&Ja", "&Nein").
int ShowQuestion(QWidget* owner, const QString& text, const QString& caption, const QString& yesText,
                 const QString& noText);

} // namespace platform
