#include "hostlink/Timer.h"

namespace {

UINT g_nextTimerId = 1;

} // namespace

CTimer::CTimer() : m_window([this](UINT id) { OnTimer(id); }) {}

BOOL CTimer::Start(void* context, TimerCallback callback, UINT periodMs)
{
    m_pContext = context;
    m_pfnCallback = callback;
    m_nPeriod = periodMs;
    // The window's timers refuse no id, so the first one the counter gives is taken.
    m_nTimerId = g_nextTimerId++;
    m_window.SetTimer(m_nTimerId, periodMs);
    return TRUE;
}

void CTimer::Stop()
{
    if (m_nTimerId != 0)
        m_window.KillTimer(m_nTimerId);
}

void CTimer::OnTimer(UINT nIDEvent)
{
    if (m_bBusy)
        return;
    m_bBusy = TRUE;
    if (nIDEvent == m_nTimerId && m_pfnCallback)
        m_pfnCallback(m_pContext, WM_TIMER, 0, 0);
    m_bBusy = FALSE;
}

void CTimer::SetNextTimerId(UINT id)
{
    g_nextTimerId = id;
}
