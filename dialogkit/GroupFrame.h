#pragma once
// A group box of a dialog template, drawn as the dialogs' platform draws it: an etched frame
// whose top line runs through the middle of the title, the title left-aligned on it. It takes
// no mouse: the controls in it and below it do.

#include <QWidget>

class GroupFrame : public QWidget {
public:
    GroupFrame(const QString& title, QWidget* parent);
    QString Title() const { return m_strTitle; }
    // Where the title stands on the top line, with a little room on either side; empty without one.
    QRect TitleRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_strTitle;
};
