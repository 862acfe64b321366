#include "verbrix/VerbrixApp.h"

#include "hostlink/PluginFrame.h"
#include "verbrix/VerbrixDlg.h"
#include "verbrix/VerbrixStrings.h"

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
