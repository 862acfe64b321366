#pragma once
// The about form: the program's name and version, its maker and the maker's web address.

#include <QDialog>

class QLabel;
class QPushButton;

namespace dynalyt {

class LinkLabel;

class TfAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfAbout(QWidget* parent);

    QLabel* PRGNAME;
    QLabel* Label2;
    LinkLabel* URL;
    QPushButton* Button1;

public slots:
    void Button1Click();
    void URLClick();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace dynalyt
