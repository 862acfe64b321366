#include "verbrix/ui/AboutDlg.h"

#include "dialogkit/StaticText.h"
#include "platform/DialogUnits.h"
#include "platform/PointFont.h"
#include "verbrix/ui/VerbrixIcon.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    using platform::DialogRect;
    setWindowTitle(QString::fromUtf8("Info über Verbrix..."));
    setFont(platform::DialogFont());
    setFixedSize(DialogRect(0, 0, 250, 55).size());

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap::fromImage(PaintVerbrixIcon(32)));
    icon->setGeometry(DialogRect(11, 17, 21, 20));
    AddStatic(this, QStringLiteral("Verbrix Version 1.1"), DialogRect(40, 10, 145, 8));
    AddStatic(this, QStringLiteral("Kraftstoffverbrauch in l/100km"), DialogRect(40, 25, 145, 8));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setGeometry(DialogRect(193, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
