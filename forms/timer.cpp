#include "forms/timer.h"

#include <QTimer>

namespace forms {

Timer::Timer(QObject* parent, int intervalMs, bool enabled) : m_timer(new QTimer(parent)) {
    m_timer->setInterval(intervalMs);
    m_timer->setTimerType(Qt::CoarseTimer);
    QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] {
        if (auto handler = Tick) handler();
    });
    if (enabled) m_timer->start();
}

int Timer::interval() const { return m_timer->interval(); }

bool Timer::enabled() const { return m_timer->isActive(); }

void Timer::setEnabled(bool enabled) {
    if (enabled) {
        m_timer->start();
    } else {
        m_timer->stop();
    }
}

}  // namespace forms
