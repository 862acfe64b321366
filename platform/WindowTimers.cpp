#include "platform/WindowTimers.h"

#include <QPointer>
#include <QTimerEvent>

#include <algorithm>
#include <vector>

namespace platform {
namespace {

// The window system's shortest period: shorter ones, 0 included, are raised to it.
constexpr UINT kMinimumElapse = 10;

} // namespace

WindowTimers::WindowTimers(std::function<void(UINT)> onTimer) : m_onTimer(std::move(onTimer)) {}

WindowTimers::~WindowTimers()
{
    if (m_clock)
        m_clock->Detach(this);
}

void WindowTimers::SetTimer(UINT id, UINT elapseMs)
{
    KillTimer(id);
    Running timer{std::max(elapseMs, kMinimumElapse), 0, std::nullopt};
    if (ManualTickClock* clock = InstalledManualClock()) {
        UseClock(clock);
        timer.due = clock->Elapsed() + timer.elapse;
    } else {
        timer.qtId = startTimer(static_cast<int>(timer.elapse), Qt::PreciseTimer);
    }
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

std::optional<std::uint64_t> WindowTimers::NextDue() const
{
    std::optional<std::uint64_t> first;
    for (const auto& [id, timer] : m_running) {
        if (timer.due && (!first || *timer.due < *first))
            first = timer.due;
    }
    return first;
}

void WindowTimers::FireNext()
{
    auto first = m_running.end();
    for (auto it = m_running.begin(); it != m_running.end(); ++it) {
        if (it->second.due && (first == m_running.end() || *it->second.due < *first->second.due))
            first = it;
    }
    if (first != m_running.end())
        Fire(first);
}

void WindowTimers::Fire(std::map<UINT, Running>::iterator timer)
{
    // Due again one period on, unless the handler kills or sets it anew.
    *timer->second.due += timer->second.elapse;
    m_onTimer(timer->first);
}

void WindowTimers::HoldUntil(std::uint64_t elapsed)
{
    bool overdue = false;
    for (auto& [id, timer] : m_running) {
        if (timer.due && *timer.due <= elapsed) {
            timer.due = elapsed; // however many periods passed, one expiry
            overdue = true;
        }
    }
    if (overdue && !m_bOverduePosted) {
        m_bOverduePosted = true;
        QMetaObject::invokeMethod(
            this, [this] { FireOverdue(); }, Qt::QueuedConnection);
    }
}

void WindowTimers::FireOverdue()
{
    m_bOverduePosted = false;
    if (!m_clock)
        return;
    const std::uint64_t now = m_clock->Elapsed();
    std::vector<std::pair<std::uint64_t, UINT>> overdue;
    for (const auto& [id, timer] : m_running) {
        if (timer.due && *timer.due <= now)
            overdue.emplace_back(*timer.due, id);
    }
    std::sort(overdue.begin(), overdue.end());
    const QPointer<WindowTimers> alive(this); // a handler may end the window
    for (const auto& [due, id] : overdue) {
        const auto it = m_running.find(id);
        if (it == m_running.end() || !it->second.due || *it->second.due > now)
            continue; // killed or set anew by an earlier handler
        Fire(it);
        if (!alive)
            return;
    }
}

void WindowTimers::ClockGone()
{
    m_clock = nullptr;
    for (auto& [id, timer] : m_running)
        timer.due.reset();
}

void WindowTimers::UseClock(ManualTickClock* clock)
{
    if (m_clock == clock)
        return;
    if (m_clock) {
        m_clock->Detach(this);
        ClockGone();
    }
    m_clock = clock;
    m_clock->Attach(this);
}

} // namespace platform
