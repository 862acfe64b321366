// The whole work of a live reply in Oscivo's 40 ms tick, from the payload to the screen: the
// handler's parse with the identification (title, label lookup and reading in a labels folder
// of realistic size), the display update with its exchange into the controls, the push into the
// scope and the meters, and the scope's repaint, at the dialog's default size.

#include "StartDir.h"
#include "oscivo/core/OscivoState.h"
#include "oscivo/core/OscivoStrings.h"
#include "oscivo/ui/OscivoDlg.h"
#include "testhost/Drive.h"

#include <QCoreApplication>
#include <QDir>
#include <QWindow>

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

void BM_ReplyToScreen(benchmark::State& state)
{
    const oscivobench::StartDir dir;
    const QString startDir = QDir::currentPath();
    QDir::setCurrent(dir.Path());
    ResetOscivoState();
    InstallOscivoStrings();
    {
        // Without the host's lock the dialog opens in log mode and connects nowhere; the
        // replies are then handed to it as the tick's pump hands them.
        COscivoDlg dlg;
        dlg.show();
        while (!dlg.windowHandle()->isExposed())
            QCoreApplication::processEvents();
        g_bLive = TRUE;
        g_bStopped = FALSE;
        dlg.OpenSlotMeter(0, 1); // one meter open, as a user has it
        std::vector<std::string> payloads;
        payloads.reserve(250);
        for (int i = 0; i < 250; ++i)
            payloads.push_back(testhost::DrivePayload(testhost::DriveAt(i * 0.04), false));
        void* context = static_cast<PluginDialog*>(&dlg);
        std::string kind = "1";
        std::string seq = "0";
        std::size_t next = 0;
        for (auto _ : state) {
            std::string payload = payloads[next++ % payloads.size()];
            COscivoDlg::OnHostDataReply(context, &kind, &seq, &payload);
            dlg.m_scope.GetSafeHwnd()->repaint();
        }
    }
    QDir::setCurrent(startDir);
}
BENCHMARK(BM_ReplyToScreen)->Unit(benchmark::kMicrosecond);

} // namespace
