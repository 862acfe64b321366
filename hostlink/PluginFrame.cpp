#include "hostlink/PluginFrame.h"

#include "platform/Numbers.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int RunPluginInstance(int argc, char** argv, const std::function<BOOL()>& ownSteps,
                      const std::function<void()>& runMainDialog)
{
    QApplication app(argc, argv);
    PreparePluginApplication();
    if (ownSteps && !ownSteps())
        return 0;
    if (runMainDialog)
        runMainDialog();
    return 0;
}

BOOL PreparePluginApplication()
{
    platform::ResetNumericLocale();
    // Owned by the application object, so it lasts as long as the texts it translates.
    auto* qtTexts = new QTranslator(QCoreApplication::instance());
    if (qtTexts->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(qtTexts))
        return TRUE;
    delete qtTexts;
    return FALSE;
}
