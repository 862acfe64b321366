#include "hostlink/Timer.h"

#include <QTimerEvent>

namespace {

UINT g_nNextTimerId = 1;

} // namespace

CTimer::CTimer() = default;

CTimer::~CTimer()
{
    for (const auto& [qtId, id] : m_qtTimers)
        killTimer(qtId);
}

BOOL CTimer::Start(void* context, TimerCallback callback, UINT periodMs)
{
    m_pContext = context;
    m_pfnCallback = callback;
    m_nPeriod = periodMs;
    const UINT id = g_nNextTimerId++;
    const int qtId = startTimer(static_cast<int>(periodMs), Qt::PreciseTimer);
    if (qtId != 0)
        m_qtTimers[qtId] = id;
    m_nTimerId = id;
    return TRUE;
}

void CTimer::Stop()
{
    if (m_nTimerId == 0)
        return;
    for (auto it = m_qtTimers.begin(); it != m_qtTimers.end(); ++it) {
        if (it->second == m_nTimerId) {
            killTimer(it->first);
            m_qtTimers.erase(it);
            return;
        }
    }
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
    g_nNextTimerId = id;
}

void CTimer::timerEvent(QTimerEvent* event)
{
    const auto found = m_qtTimers.find(event->timerId());
    if (found != m_qtTimers.end())
        OnTimer(found->second);
}
