#pragma once
// A label that reads like a web link: blue underlined text, a hand cursor, a hint, and a
// click that the form handles.

#include <QLabel>

namespace dynalyt {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, const QString& hint, QWidget* parent);

signals:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace dynalyt
