#include "sprintor/ui/AboutDlg.h"

#include "dialogkit/StaticText.h"
#include "platform/DialogUnits.h"
#include "platform/PointFont.h"
#include "platform/SystemMetrics.h"
#include "sprintor/ui/SprintorDlg.h"
#include "sprintor/ui/SprintorIcon.h"

#include <QLabel>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    using platform::DialogRect;
    setWindowTitle(QStringLiteral("About Sprintor"));
    setFont(platform::DialogFont());
    setFixedSize(DialogRect(0, 0, 235, 66).size());

    auto* icon = new QLabel(this);
    icon->setPixmap(SprintorIcon().pixmap(32, 32));
    icon->setGeometry(DialogRect(11, 17, 20, 20));
    AddStatic(this, QStringLiteral("Sprintor Version 1.0"), DialogRect(40, 10, 119, 8));
    AddStatic(this, QStringLiteral("Copyright (C) ") + CSprintorDlg::MakerName(), DialogRect(40, 25, 119, 8));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(DialogRect(178, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
