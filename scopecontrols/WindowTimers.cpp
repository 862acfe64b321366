#include "scopecontrols/WindowTimers.h"

#include <QTimerEvent>

#include <algorithm>

namespace {

ManualTimerClock* g_clock = nullptr;

// The window system's shortest period: shorter ones, 0 included, are raised to it.
constexpr UINT kMinimumElapse = 10;

} // namespace

WindowTimers::WindowTimers(std::function<void(UINT)> onTimer)
    : m_onTimer(std::move(onTimer)), m_clock(g_clock)
{
    if (m_clock)
        m_clock->m_windows.push_back(this);
}

WindowTimers::~WindowTimers()
{
    if (m_clock)
        std::erase(m_clock->m_windows, this);
}

void WindowTimers::SetTimer(UINT id, UINT elapseMs)
{
    KillTimer(id);
    const UINT elapse = std::max(elapseMs, kMinimumElapse);
    Running timer{elapse, 0, 0};
    if (m_clock)
        timer.due = m_clock->m_now + elapse;
    else
        timer.qtId = startTimer(static_cast<int>(elapse));
    m_running[id] = timer;
}

void WindowTimers::KillTimer(UINT id)
{
    const auto it = m_running.find(id);
    if (it == m_running.end())
        return;
    if (it->second.qtId != 0)
        killTimer(it->second.qtId);
    m_running.erase(it);
}

void WindowTimers::timerEvent(QTimerEvent* event)
{
    for (const auto& [id, timer] : m_running) {
        if (timer.qtId == event->timerId()) {
            m_onTimer(id);
            return;
        }
    }
}

ManualTimerClock::ManualTimerClock()
{
    g_clock = this;
}

ManualTimerClock::~ManualTimerClock()
{
    for (WindowTimers* window : m_windows)
        window->m_clock = nullptr;
    g_clock = nullptr;
}

void ManualTimerClock::Advance(UINT ms)
{
    const std::uint64_t target = m_now + ms;
    for (;;) {
        WindowTimers* window = nullptr;
        UINT id = 0;
        std::uint64_t due = target + 1;
        for (WindowTimers* w : m_windows) {
            for (const auto& [timerId, timer] : w->m_running) {
                if (timer.due < due)
                    window = w, id = timerId, due = timer.due;
            }
        }
        if (!window)
            break;
        m_now = due;
        // Due again one period on, unless the handler kills or sets it anew.
        window->m_running[id].due += window->m_running[id].elapse;
        window->m_onTimer(id);
    }
    m_now = target;
}
