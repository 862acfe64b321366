#include "hostlink/PluginFrame.h"

#include "platform/Numbers.h"

#include <QApplication>

int RunPluginInstance(int argc, char** argv, const std::function<BOOL()>& ownSteps,
                      const std::function<void()>& runMainDialog)
{
    QApplication app(argc, argv);
    platform::ResetNumericLocale();
    if (ownSteps && !ownSteps())
        return 0;
    if (runMainDialog)
        runMainDialog();
    return 0;
}
