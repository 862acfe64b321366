#include "sprintor/app/SprintorDlg.h"
#include "sprintor/app/SprintorStrings.h"
#include "testhost/ReplyPayload.h"

#include <benchmark/benchmark.h>

namespace {

std::string Reply(const std::string& speed)
{
    return testhost::StandardReply(
        "123 456 789 AB", {testhost::Entry{1, 0, "2850", "/min"}, testhost::Entry{1, 1, speed, "km/h"},
                           testhost::Entry{1, 2, "12.5", "l/h"}, testhost::Entry{1, 3, "90", "°C"}});
}

// The string table is set before the dialog is built: its template takes texts from it.
struct SprintorStrings {
    SprintorStrings() { SetSprintorStrings(); }
};

// A dialog that measures, without a host: the run is armed by hand.
struct MeasuringDialog : SprintorStrings {
    MeasuringDialog()
    {
        dlg.m_graph.AddSeries(QString(), 0x0000FF, 0);
        dlg.m_bRunning = TRUE;
        dlg.m_nRunState = CSprintorDlg::STATE_MEASURING;
    }
    CSprintorDlg dlg;
};

void BM_ReplyDuringTheRun(benchmark::State& state)
{
    MeasuringDialog m;
    m.dlg.m_nSpeedColumn = 7;
    std::string kind = "1", seq = "0";
    std::string moving = Reply("57.5"), standing = Reply("0");
    int n = 0;
    for (auto _ : state) {
        // Standing now and then restarts the clock and empties the curve, as a real run does.
        std::string& payload = ++n % 1000 == 0 ? standing : moving;
        CSprintorDlg::OnHostDataReply(&m.dlg, &kind, &seq, &payload);
    }
}
BENCHMARK(BM_ReplyDuringTheRun);

void BM_FirstReplyOfARun(benchmark::State& state)
{
    MeasuringDialog m;
    std::string kind = "1", seq = "0";
    std::string payload = Reply("57.5");
    for (auto _ : state) {
        m.dlg.m_nSpeedColumn = -1;
        CSprintorDlg::OnHostDataReply(&m.dlg, &kind, &seq, &payload);
    }
}
BENCHMARK(BM_FirstReplyOfARun);

} // namespace
