#include "forms/timer.h"

#include <QTimer>

#include "forms/clock.h"

namespace forms {

namespace {

// A timer on the system's clock: Qt's own.
class SystemTimer final : public Timer {
public:
    SystemTimer(QObject* parent, int intervalMs) : Timer(parent), m_timer(this) {
        m_timer.setInterval(intervalMs);
        m_timer.setTimerType(Qt::CoarseTimer);
        connect(&m_timer, &QTimer::timeout, this, &Timer::ticked);
    }

    int interval() const override { return m_timer.interval(); }
    bool isActive() const override { return m_timer.isActive(); }
    void start() override { m_timer.start(); }
    void stop() override { m_timer.stop(); }

private:
    QTimer m_timer;
};

}  // namespace

QDateTime SystemClock::now() const {
    return QDateTime::currentDateTime();
}

Timer* SystemClock::makeTimer(QObject* parent, int intervalMs) {
    return new SystemTimer(parent, intervalMs);
}

}  // namespace forms
