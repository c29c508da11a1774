#include "platform/timer.h"

#include <QTimer>
#include <algorithm>

namespace zelvo {
namespace {

class QtTimer : public Timer
{
public:
    QtTimer(int periodMs, TimerMode mode)
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(std::max(1, periodMs));
        QObject::connect(&m_timer, &QTimer::timeout, [this] { onTimeout(); });
        setMode(mode);
    }

    void setMode(TimerMode mode) override
    {
        m_mode = mode;
        if (mode == TimerMode::Off) {
            m_timer.stop();
            return;
        }
        m_timer.setSingleShot(mode == TimerMode::Single);
        m_timer.start();
    }
    TimerMode mode() const override { return m_mode; }

    void setPeriod(int ms) override
    {
        // QTimer restarts an active timer on a new interval; inside the action that is
        // exactly "the next interval", outside it restarts the wait.
        m_timer.setInterval(std::max(1, ms));
    }
    int period() const override { return m_timer.interval(); }

private:
    void onTimeout()
    {
        if (m_mode == TimerMode::Single)
            m_mode = TimerMode::Off;
        runAction();
    }

    QTimer m_timer;
    TimerMode m_mode = TimerMode::Off;
};

} // namespace

std::unique_ptr<Timer> QtTimerSource::createTimer(int periodMs, TimerMode mode)
{
    return std::make_unique<QtTimer>(periodMs, mode);
}

} // namespace zelvo
