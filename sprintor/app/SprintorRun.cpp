// The run of the acceleration test: the start button arms it, a countdown of three beeps and
// the amber and green lamps gives the start, and from then on every tick asks the host for its
// values, finds the speed, plots it over the time since the last restart of the clock and ends
// with the time once the end speed is passed.

#include "hostlink/ConEvent.h"
#include "hostlink/ExtractField.h"
#include "hostlink/TelvoFrame.h"
#include "platform/Codec1252.h"
#include "platform/MessageBox.h"
#include "platform/Numbers.h"
#include "platform/Sound.h"
#include "platform/StringTable.h"
#include "platform/TickClock.h"
#include "sprintor/app/Resource.h"
#include "sprintor/app/Sounds.h"
#include "sprintor/app/SpeedValue.h"
#include "sprintor/app/SprintorDlg.h"

namespace {

// A step of the countdown comes on the tick on which the counter, incremented first, passes this.
constexpr int kTicksPerStep = 10;

constexpr float kXAxisStart = 15.0f;
constexpr float kXAxisGrowth = 5.0f;
constexpr float kResultLabelX = 1.5f;

} // namespace

void CSprintorDlg::OnStartStop()
{
    m_nSpeedColumn = -1;
    m_staticLamp.setPixmap(m_bmpLampOff);
    if (m_bRunning) {
        m_btnStartStop.setText(ResStr(IDS_START));
        m_nRunState = STATE_IDLE;
    } else {
        if (!m_client.IsConnected()) {
            m_client.PurgeReceiveQueue();
            m_client.PurgeSendQueue();
            ConnectOrClose(); // the start goes on; the dialog then closes
        }
        m_btnStartStop.setText(ResStr(IDS_CANCEL));
        m_graph.ClearSeries(0);
        m_graph.RemoveText(0);
        m_graph.SetXMax(kXAxisStart);
        m_nRunState = STATE_ARMED;
        // Replies of the countdown are timed from the press, not from the previous run.
        m_dwStartTime = timeGetTime();
    }
    m_bRunning = !m_bRunning;
    m_nTickCount = 0;
    m_editFrom.setEnabled(!m_bRunning);
    m_editTo.setEnabled(!m_bRunning);
    m_comboUnit.setEnabled(!m_bRunning);
}

void CSprintorDlg::OnTimerTick(void* context, UINT, WPARAM, LPARAM)
{
    auto& dlg = *static_cast<CSprintorDlg*>(context);
    switch (dlg.m_nRunState) {
    case STATE_IDLE: return;
    case STATE_MEASURING: dlg.RequestAndPump(); return;
    case STATE_ARMED: dlg.m_graph.ClearSeries(0); break;
    default: break;
    }
    if (++dlg.m_nTickCount > kTicksPerStep) {
        dlg.m_nTickCount = 0;
        dlg.StepCountdown();
    } else {
        dlg.RequestAndPump();
    }
}

void CSprintorDlg::RequestAndPump()
{
    if (m_client.IsConnected())
        m_client.QueueMessage("DataRequest", "");
    m_client.Pump();
}

void CSprintorDlg::StepCountdown()
{
    const int state = m_nRunState;
    platform::PlaySoundSync(SoundFile(state == STATE_AMBER ? IDR_WAVE_START : IDR_WAVE_BEEP));
    // The sound blocks; should the run have been cancelled meanwhile, the cancel stands.
    if (m_nRunState != state)
        return;
    switch (state) {
    case STATE_ARMED: m_nRunState = STATE_BEEP1; break;
    case STATE_BEEP1: m_nRunState = STATE_BEEP2; break;
    case STATE_BEEP2:
        m_staticLamp.setPixmap(m_bmpLampAmber);
        m_nRunState = STATE_AMBER;
        break;
    case STATE_AMBER:
        m_nRunState = STATE_MEASURING;
        m_dwStartTime = timeGetTime();
        // The curve starts at the green lamp, as its time does.
        m_graph.ClearSeries(0);
        m_staticLamp.setPixmap(m_bmpLampGreen);
        break;
    default: break;
    }
}

void CSprintorDlg::OnHostDataReply(void* context, std::string* kind, std::string*, std::string* payload)
{
    auto& dlg = *static_cast<CSprintorDlg*>(context);
    if (*kind != "1" || dlg.m_nRunState == STATE_IDLE)
        return;
    if (dlg.m_nSpeedColumn == -1)
        dlg.FindSpeedColumn(*payload);
    else
        dlg.TakeSpeed(*payload);
}

void CSprintorDlg::FindSpeedColumn(const std::string& payload)
{
    std::string field;
    if (!ExtractField(field, payload, 0)) {
        EndRun(IDS_STRANGE_DATA);
        return;
    }
    // The speed is the field just before the first one that mentions the unit.
    const std::string unit = platform::ToCp1252(m_comboUnit.currentText());
    for (int k = 0; ExtractField(field, payload, k); ++k) {
        if (field.find(unit) != std::string::npos) {
            m_nSpeedColumn = k - 1;
            break;
        }
    }
    if (m_nSpeedColumn == -1)
        EndRun(IDS_NO_SPEED_BLOCK);
}

void CSprintorDlg::TakeSpeed(const std::string& payload)
{
    std::string field;
    if (!ExtractField(field, payload, m_nSpeedColumn)) {
        EndRun(IDS_BLOCK_SWITCHED);
        return;
    }
    const float v = ReadSpeed(field);
    const int n = platform::SaturatedInt(v);
    // One reading per reply, so that a restart puts its point at exactly 0 s.
    const std::uint32_t now = timeGetTime();
    if (n <= m_nFrom) {
        m_dwStartTime = now;
        m_graph.ClearSeries(0);
    }
    const auto t = static_cast<float>(static_cast<std::uint32_t>(now - m_dwStartTime) / 1000.0);
    m_graph.AddPoint(0, t, v);
    if (m_graph.m_fXMax <= t)
        m_graph.SetXMax(m_graph.m_fXMax + kXAxisGrowth);
    // Before the green lamp there is nothing to complete.
    if (n > m_nTo && m_nRunState == STATE_MEASURING)
        CompleteRun(t);
}

void CSprintorDlg::CompleteRun(float seconds)
{
    OnStartStop();
    const QString text = QString::fromStdString(platform::FormatC(
        ResStr(IDS_RESULT).toStdString().c_str(), m_nFrom, m_nTo, static_cast<double>(seconds)));
    ShowMessage(text);
    m_graph.RemoveText(0);
    m_graph.AddText(kResultLabelX, static_cast<float>(m_nTo), text);
}

void CSprintorDlg::EndRun(UINT nMessageId)
{
    OnStartStop();
    m_client.Disconnect();
    ShowMessage(ResStr(nMessageId));
}

void CSprintorDlg::OnHostConEvent(void* context, std::string* kind, std::string*, std::string* payload)
{
    // The run goes on across a reconnect.
    ReconnectOnLoss(static_cast<CSprintorDlg*>(context)->m_client, *kind, *payload);
}

void CSprintorDlg::OnHostQuit(void* context, std::string*, std::string*, std::string*)
{
    static_cast<CSprintorDlg*>(context)->PostClose();
}
