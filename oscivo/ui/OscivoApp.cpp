#include "oscivo/ui/OscivoApp.h"

#include "hostlink/PluginFrame.h"
#include "hostlink/Timer.h"
#include "oscivo/core/OscivoStrings.h"
#include "oscivo/ui/OscivoDlg.h"

namespace {

// Oscivo's tick timers take their ids from 10 on.
constexpr UINT kFirstTimerId = 10;

} // namespace

COscivoApp::COscivoApp() : CTelvoPlugin("Oscivo") {}

int COscivoApp::InitInstance(int argc, char** argv)
{
    return RunPluginInstance(
        argc, argv, [this] { return m_bAlreadyRunning ? FALSE : TRUE; },
        [] {
            InstallOscivoStrings();
            CTimer::SetNextTimerId(kFirstTimerId);
            COscivoDlg dlg;
            dlg.DoModal();
        });
}
