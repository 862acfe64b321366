#include "verbrix/ui/VerbrixApp.h"

#include "hostlink/PluginFrame.h"
#include "verbrix/core/VerbrixStrings.h"
#include "verbrix/ui/VerbrixDlg.h"

CVerbrixApp::CVerbrixApp() : CTelvoPlugin("Verbrix") {}

int CVerbrixApp::InitInstance(int argc, char** argv)
{
    // A second instance runs like the first: the already-running flag is not looked at.
    return RunPluginInstance(
        argc, argv, [] { return TRUE; },
        [] {
            InstallVerbrixStrings();
            CVerbrixDlg dlg;
            dlg.DoModal();
        });
}
