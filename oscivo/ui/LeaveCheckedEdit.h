#pragma once
// An edit that says when the user leaves it for another control of its window. It says so after
// its own handling of the focus loss, so that a handler may take the focus back (after refusing
// the text). Leaving the window (another window, a message box, closing) is not leaving the edit.

#include <QLineEdit>

#include <functional>

class LeaveCheckedEdit : public QLineEdit {
public:
    explicit LeaveCheckedEdit(QWidget* parent) : QLineEdit(parent) {}

    std::function<void()> onLeave;

protected:
    void focusOutEvent(QFocusEvent* event) override;
};
