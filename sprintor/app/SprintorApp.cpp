#include "sprintor/app/SprintorApp.h"

#include "hostlink/PluginFrame.h"
#include "sprintor/app/SprintorDlg.h"
#include "sprintor/app/SprintorStrings.h"

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
