#include "sprintor/core/AccelerationRun.h"

#include "hostlink/ExtractField.h"
#include "hostlink/FieldSearch.h"
#include "platform/Numbers.h"
#include "platform/StringTable.h"
#include "platform/TickClock.h"
#include "sprintor/core/Resource.h"
#include "sprintor/core/SpeedValue.h"

#include <utility>

namespace {

// A step of the countdown comes on the tick on which the counter, incremented first, passes this.
constexpr int kTicksPerStep = 10;

// A reply to a request of a cancelled run may still be on its way when "Los!" is pressed, and
// the host need not echo a request's number: the speed field comes from the first reply received
// this long after the press. The countdown lasts over two seconds, so it is known by the green
// lamp all the same.
constexpr std::uint32_t kFirstReplyAfterMs = 1000;

constexpr float kXAxisStart = 15.0f;
constexpr float kXAxisGrowth = 5.0f;

} // namespace

RunView AccelerationRun::Start(int nFrom, int nTo, std::string unit)
{
    RunView view;
    m_nFrom = nFrom;
    m_nTo = nTo;
    m_strUnit = std::move(unit);
    m_nSpeedColumn = -1;
    m_nRunState = STATE_ARMED;
    m_bRunning = TRUE;
    m_nTickCount = 0;
    m_nSoundStep = STATE_IDLE;
    m_bFromReached = FALSE;
    m_dwPressTime = timeGetTime();
    // Replies of the countdown are timed from the press, not from the previous run.
    m_dwStartTime = m_dwPressTime;
    view.nLamp = IDB_LAMP_OFF;
    view.bRemoveResult = TRUE;
    view.bClearCurve = TRUE;
    view.bTimeAxis = TRUE;
    view.fXMax = kXAxisStart;
    view.bArmedChanged = TRUE;
    return view;
}

RunView AccelerationRun::Cancel()
{
    RunView view;
    End(view);
    return view;
}

void AccelerationRun::End(RunView& view)
{
    m_nSpeedColumn = -1;
    m_nRunState = STATE_IDLE;
    m_bRunning = FALSE;
    m_nTickCount = 0;
    m_nSoundStep = STATE_IDLE;
    view.nLamp = IDB_LAMP_OFF;
    view.bArmedChanged = TRUE;
}

RunView AccelerationRun::OnTimerTick()
{
    RunView view;
    switch (m_nRunState) {
    case STATE_IDLE: return view;
    case STATE_MEASURING: view.bRequest = TRUE; return view;
    case STATE_ARMED: view.bClearCurve = TRUE; break;
    default: break;
    }
    if (++m_nTickCount > kTicksPerStep) {
        m_nTickCount = 0;
        m_nSoundStep = m_nRunState;
        view.nSound = m_nRunState == STATE_AMBER ? IDR_WAVE_START : IDR_WAVE_BEEP;
    } else {
        view.bRequest = TRUE;
    }
    return view;
}

RunView AccelerationRun::OnSoundPlayed()
{
    RunView view;
    const int step = std::exchange(m_nSoundStep, STATE_IDLE);
    if (step == STATE_IDLE || step != m_nRunState)
        return view;
    switch (step) {
    case STATE_ARMED: m_nRunState = STATE_BEEP1; break;
    case STATE_BEEP1: m_nRunState = STATE_BEEP2; break;
    case STATE_BEEP2:
        m_nRunState = STATE_AMBER;
        view.nLamp = IDB_LAMP_AMBER;
        break;
    case STATE_AMBER:
        m_nRunState = STATE_MEASURING;
        m_dwStartTime = timeGetTime();
        // The curve starts at the green lamp, as its time does.
        view.bClearCurve = TRUE;
        view.nLamp = IDB_LAMP_GREEN;
        break;
    default: break;
    }
    return view;
}

RunView AccelerationRun::OnHostDataReply(std::string_view kind, std::string_view payload, float fXMax)
{
    RunView view;
    if (kind != "1" || m_nRunState == STATE_IDLE)
        return view;
    if (m_nSpeedColumn != -1)
        TakeSpeed(payload, fXMax, view);
    else if (static_cast<std::uint32_t>(timeGetTime() - m_dwPressTime) >= kFirstReplyAfterMs)
        FindSpeedColumn(payload, view);
    return view;
}

void AccelerationRun::FindSpeedColumn(std::string_view payload, RunView& view)
{
    if (payload.empty()) {
        End(view);
        view.nMessageId = IDS_STRANGE_DATA;
        return;
    }
    // The speed is the field just before the first one that mentions the unit; a unit in the
    // first field has none before it.
    const int unitField = FindFieldContaining(payload, m_strUnit, ',', '\\');
    if (unitField < 1) {
        End(view);
        view.nMessageId = IDS_NO_SPEED_BLOCK;
        return;
    }
    m_nSpeedColumn = unitField - 1;
}

void AccelerationRun::TakeSpeed(std::string_view payload, float fXMax, RunView& view)
{
    std::string field;
    if (!ExtractField(field, payload, m_nSpeedColumn)) {
        End(view);
        view.nMessageId = IDS_BLOCK_SWITCHED;
        return;
    }
    const float v = ReadSpeed(field);
    const int n = platform::SaturatedInt(v);
    // One reading per reply, so that a restart puts its point at exactly 0 s.
    const std::uint32_t now = timeGetTime();
    if (n <= m_nFrom) {
        m_dwStartTime = now;
        m_bFromReached = TRUE;
        view.bClearCurve = TRUE;
    }
    const auto t = static_cast<float>(static_cast<std::uint32_t>(now - m_dwStartTime) / 1000.0);
    view.bPoint = TRUE;
    view.fSeconds = t;
    view.fSpeed = v;
    if (fXMax <= t) {
        view.bTimeAxis = TRUE;
        view.fXMax = fXMax + kXAxisGrowth;
    }
    // Nothing completes before the green lamp, nor before the car has been at the start speed:
    // a car already past the end speed has not accelerated through the interval.
    if (n > m_nTo && m_nRunState == STATE_MEASURING && m_bFromReached) {
        End(view);
        view.strResult = QString::fromStdString(platform::FormatC(ResStr(IDS_RESULT).toStdString().c_str(),
                                                                  m_nFrom, m_nTo, static_cast<double>(t)));
    }
}
