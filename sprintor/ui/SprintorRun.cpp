// The dialog's side of the run: the start button, the tick and the host's replies go to the
// AccelerationRun, and the dialog shows and does what it returns.

#include "platform/Codec1252.h"
#include "platform/Sound.h"
#include "platform/StringTable.h"
#include "sprintor/core/Resource.h"
#include "sprintor/ui/Sounds.h"
#include "sprintor/ui/SprintorDlg.h"

namespace {

constexpr float kResultLabelX = 1.5f;

} // namespace

void CSprintorDlg::OnStartStop()
{
    if (m_run.IsRunning()) {
        Apply(m_run.Cancel());
        return;
    }
    if (!m_client.IsConnected()) {
        m_client.PurgeReceiveQueue();
        m_client.PurgeSendQueue();
        ConnectOrClose(IDS_HOST_UNREACHABLE); // the start goes on; the dialog then closes
    }
    // A reply to a request of an earlier run is never this run's first.
    m_client.PurgeReceived("DataReply");
    Apply(m_run.Start(m_nFrom, m_nTo, platform::ToCp1252(m_comboUnit.currentText())));
}

void CSprintorDlg::OnTimerTick(void* context, UINT, WPARAM, LPARAM)
{
    auto& dlg = Dialog<CSprintorDlg>(context);
    dlg.Apply(dlg.m_run.OnTimerTick());
}

void CSprintorDlg::OnHostDataReply(void* context, std::string* kind, std::string*, std::string* payload)
{
    auto& dlg = Dialog<CSprintorDlg>(context);
    dlg.Apply(dlg.m_run.OnHostDataReply(*kind, *payload, dlg.m_graph.m_fXMax));
}

void CSprintorDlg::Apply(const RunView& view)
{
    if (view.bRemoveResult)
        m_graph.RemoveText(0);
    if (view.bClearCurve)
        m_graph.ClearSeries(0);
    if (view.bPoint)
        m_graph.AddPoint(0, view.fSeconds, view.fSpeed);
    if (view.bTimeAxis)
        m_graph.SetXMax(view.fXMax);
    if (view.nLamp != 0)
        m_staticLamp.setPixmap(view.nLamp == IDB_LAMP_GREEN   ? m_bmpLampGreen
                               : view.nLamp == IDB_LAMP_AMBER ? m_bmpLampAmber
                                                              : m_bmpLampOff);
    if (view.bArmedChanged) {
        const BOOL armed = m_run.IsRunning();
        m_btnStartStop.setText(ResStr(armed ? IDS_CANCEL : IDS_START));
        m_editFrom.setEnabled(!armed);
        m_editTo.setEnabled(!armed);
        m_comboUnit.setEnabled(!armed);
    }
    if (view.nMessageId != 0) {
        m_client.Disconnect();
        ShowMessage(ResStr(view.nMessageId));
    }
    if (!view.strResult.isEmpty()) {
        ShowMessage(view.strResult);
        m_graph.RemoveText(0);
        m_graph.AddText(kResultLabelX, static_cast<float>(m_run.To()), view.strResult);
    }
    if (view.bRequest) {
        RequestData();
        m_client.Pump();
    }
    if (view.nSound != 0) {
        platform::PlaySoundSync(SoundFile(view.nSound));
        Apply(m_run.OnSoundPlayed());
    }
}
