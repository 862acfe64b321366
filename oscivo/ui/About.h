#pragma once
// Oscivo's About box (dialog 160, "Über Oscivo"): the name, the version line, what the program
// is, credits, the maker and the address of its source code, and an OK button.

#include "platform/WinTypes.h"

#include <QDialog>

class About : public QDialog {
    Q_OBJECT

public:
    enum : UINT {
        IDD = 160,
        IDC_VERSION = 1237, // "Version 1.9"
    };

    explicit About(QWidget* parent = nullptr);
};
