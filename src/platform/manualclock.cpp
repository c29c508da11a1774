#include "platform/manualclock.h"

#include <algorithm>
#include <limits>

namespace zelvo {
ManualClock::~ManualClock()
{
    for (ManualTimer *t : m_timers)
        t->m_clock = nullptr;
}

std::unique_ptr<Timer> ManualClock::createTimer(int periodMs, TimerMode mode)
{
    return std::make_unique<ManualTimer>(this, periodMs, mode);
}

ManualTimer *ManualClock::nextTimer(qint64 limit) const
{
    ManualTimer *best = nullptr;
    for (ManualTimer *t : m_timers) {
        if (t->m_mode == TimerMode::Off || t->m_dueAt > limit)
            continue;
        if (!best || t->m_dueAt < best->m_dueAt || (t->m_dueAt == best->m_dueAt && t->m_serial < best->m_serial))
            best = t;
    }
    return best;
}

void ManualClock::advance(qint64 ms)
{
    const qint64 target = m_now + std::max<qint64>(0, ms);
    while (ManualTimer *t = nextTimer(target)) {
        m_now = t->m_dueAt;
        fire(t);
    }
    m_now = target;
}

bool ManualClock::fireNext()
{
    ManualTimer *t = nextTimer(std::numeric_limits<qint64>::max());
    if (!t)
        return false;
    m_now = t->m_dueAt;
    fire(t);
    return true;
}

qint64 ManualClock::nextDue() const
{
    ManualTimer *t = nextTimer(std::numeric_limits<qint64>::max());
    return t ? t->m_dueAt : -1;
}

void ManualClock::fire(ManualTimer *timer)
{
    ++m_fired;
    timer->fire();
}

ManualTimer::ManualTimer(ManualClock *clock, int periodMs, TimerMode mode)
    : m_clock(clock), m_period(std::max(1, periodMs)), m_serial(++clock->m_lastSerial)
{
    m_clock->m_timers.push_back(this);
    setMode(mode);
}

ManualTimer::~ManualTimer()
{
    if (m_clock)
        std::erase(m_clock->m_timers, this);
}

void ManualTimer::setMode(TimerMode mode)
{
    m_mode = mode;
    m_dueAt = mode == TimerMode::Off ? -1 : m_clock->now() + m_period;
}

void ManualTimer::setPeriod(int ms)
{
    m_period = std::max(1, ms);
    if (!m_inAction && m_mode != TimerMode::Off)
        m_dueAt = m_clock->now() + m_period;
}

void ManualTimer::fire()
{
    if (m_mode == TimerMode::Single)
        m_mode = TimerMode::Off;
    m_inAction = true;
    runAction();
    m_inAction = false;
    // Whatever the action did to mode or period, the next wait starts at this tick.
    m_dueAt = m_mode == TimerMode::Off ? -1 : m_clock->now() + m_period;
}

} // namespace zelvo
