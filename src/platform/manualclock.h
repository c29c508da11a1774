#pragma once

#include "platform/timer.h"

#include <QtGlobal>
#include <vector>

namespace zelvo {

class ManualTimer;

// Time that moves only when a test says so: due timers fire in time order (creation order
// on ties) as the clock advances, so intervals can be checked to the millisecond.
class ManualClock : public TimerSource
{
public:
    ~ManualClock() override;

    std::unique_ptr<Timer> createTimer(int periodMs, TimerMode mode) override;

    qint64 now() const { return m_now; }
    // Fires every timer due up to now + ms, then leaves the clock at now + ms.
    void advance(qint64 ms);
    // Advances to the next due timer and fires it; false when no timer is running.
    bool fireNext();
    // The time the next timer is due, or -1 when none runs.
    qint64 nextDue() const;
    // A guard against actions that re-arm themselves forever.
    int firedCount() const { return m_fired; }

private:
    friend class ManualTimer;
    ManualTimer *nextTimer(qint64 limit) const;
    void fire(ManualTimer *timer);

    std::vector<ManualTimer *> m_timers;
    qint64 m_now = 0;
    int m_fired = 0;
    qint64 m_lastSerial = 0;
};

class ManualTimer : public Timer
{
public:
    ManualTimer(ManualClock *clock, int periodMs, TimerMode mode);
    ~ManualTimer() override;

    void setMode(TimerMode mode) override;
    TimerMode mode() const override { return m_mode; }
    void setPeriod(int ms) override;
    int period() const override { return m_period; }

    qint64 dueAt() const { return m_dueAt; }

private:
    friend class ManualClock;
    void fire();

    ManualClock *m_clock;
    int m_period;
    TimerMode m_mode = TimerMode::Off;
    qint64 m_dueAt = -1;
    bool m_inAction = false;
    qint64 m_serial;
};

} // namespace zelvo
