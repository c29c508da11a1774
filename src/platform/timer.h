#pragma once

#include <functional>
#include <memory>

namespace zelvo {

// The three modes every stage timer has; the numbers are what OpenTmode stores.
enum class TimerMode
{
    Off = 0,
    Single = 1,
    Multiple = 2
};

// A stored mode read back; anything but 1 or 2 is off.
inline TimerMode timerModeFrom(int stored)
{
    switch (stored) {
    case int(TimerMode::Single):
        return TimerMode::Single;
    case int(TimerMode::Multiple):
        return TimerMode::Multiple;
    default:
        return TimerMode::Off;
    }
}

// An event-loop timer. A single timer turns itself off before its action runs, so the
// action may switch it to multiple. Setting a mode restarts the wait; a period set inside
// the action governs the next interval, a period set while it waits restarts the wait.
class Timer
{
public:
    virtual ~Timer() = default;

    virtual void setMode(TimerMode mode) = 0;
    virtual TimerMode mode() const = 0;
    virtual void setPeriod(int ms) = 0;
    virtual int period() const = 0;

    void setAction(std::function<void()> action) { m_action = std::move(action); }

protected:
    void runAction()
    {
        if (m_action)
            m_action();
    }

private:
    std::function<void()> m_action;
};

class TimerSource
{
public:
    virtual ~TimerSource() = default;
    virtual std::unique_ptr<Timer> createTimer(int periodMs, TimerMode mode) = 0;
};

// Precise QTimers on the GUI thread.
class QtTimerSource : public TimerSource
{
public:
    std::unique_ptr<Timer> createTimer(int periodMs, TimerMode mode) override;
};

} // namespace zelvo
