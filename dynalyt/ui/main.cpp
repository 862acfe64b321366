// The start-up routine of the power program: the application, its main form (which creates
// the about form hidden), the message loop until the main form closes.
#include "dynalyt/ui/FormFonts.h"
#include "dynalyt/ui/TfMain.h"
#include "platform/Numbers.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::ResetNumericLocale();
    QApplication::setApplicationName(QStringLiteral("Dynalyt"));
    QApplication::setFont(dynalyt::FormFont());
    dynalyt::TfMain fMain(QCoreApplication::applicationFilePath());
    fMain.show();
    return QApplication::exec();
}
