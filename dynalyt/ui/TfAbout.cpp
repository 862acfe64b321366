#include "dynalyt/ui/TfAbout.h"

#include "dynalyt/ui/FormFonts.h"
#include "dynalyt/ui/HandlerGuard.h"
#include "dynalyt/ui/LinkLabel.h"
#include "dynalyt/ui/Maker.h"
#include "platform/Shell.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace dynalyt {

TfAbout::TfAbout(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("fAbout"));
    setWindowTitle(QStringLiteral("Info über..."));
    setFont(FormFont());
    setFixedSize(285, 186);

    PRGNAME = new QLabel(QStringLiteral("Dynalyt von %1\nfür Diagnoma\n\nLeistungsmessung V3.0.8")
                             .arg(QString::fromUtf8(MakerName)),
                         this);
    PRGNAME->setObjectName(QStringLiteral("PRGNAME"));
    PRGNAME->setFont(BoldFormFont());
    PRGNAME->setWordWrap(true);
    PRGNAME->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    PRGNAME->setGeometry(16, 16, 253, 72);

    Label2 = new QLabel(QStringLiteral("© %1").arg(QString::fromUtf8(MakerName)), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setAlignment(Qt::AlignHCenter);
    Label2->setGeometry(16, 96, 253, 16);

    URL = new LinkLabel(QString::fromUtf8(MakerAddress), QString::fromUtf8(MakerHint), this);
    URL->setObjectName(QStringLiteral("URL"));
    URL->adjustSize();
    URL->move((285 - URL->width()) / 2, 118);
    connect(URL, &LinkLabel::Clicked, this, &TfAbout::URLClick);

    Button1 = new QPushButton(QStringLiteral("&OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(105, 148, 75, 25);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TfAbout::Button1Click);
}

void TfAbout::Button1Click()
{
    RunGuarded(this, [this] { reject(); });
}

void TfAbout::URLClick()
{
    RunGuarded(this, [] { platform::ShellOpen(QString::fromUtf8(MakerUrl)); });
}

void TfAbout::showEvent(QShowEvent* event)
{
    if (const QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

} // namespace dynalyt
