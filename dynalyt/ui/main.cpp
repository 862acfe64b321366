// The start-up routine of the power program: the application, its main form (which creates
// the about form hidden), the message loop until the main form closes.
#include "dynalyt/ui/FormFonts.h"
#include "dynalyt/ui/TfMain.h"
#include "platform/Numbers.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::ResetNumericLocale();
    QApplication::setApplicationName(QStringLiteral("Dynalyt"));
    QApplication::setFont(dynalyt::FormFont());
    // The forms' library spoke German in its own dialogs and buttons; so do Qt's, where its
    // translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    dynalyt::TfMain fMain(QCoreApplication::applicationFilePath());
    fMain.show();
    return QApplication::exec();
}
