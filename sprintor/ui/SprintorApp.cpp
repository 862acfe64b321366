#include "sprintor/ui/SprintorApp.h"

#include "hostlink/PluginFrame.h"
#include "sprintor/core/SprintorStrings.h"
#include "sprintor/ui/SprintorDlg.h"

CSprintorApp::CSprintorApp() : CTelvoPlugin("Sprintor") {}

int CSprintorApp::InitInstance(int argc, char** argv)
{
    return RunPluginInstance(
        argc, argv, [this] { return m_bAlreadyRunning ? FALSE : TRUE; },
        [] {
            InstallSprintorStrings();
            CSprintorDlg dlg;
            dlg.DoModal();
        });
}
