#pragma once
// The about box (dialog 100): the icon, the version, the maker and an OK button.

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
