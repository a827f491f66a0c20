#include "forms/timer.h"

#include <algorithm>

#include "forms/form.h"

namespace forms {

Timer::Timer(QObject* parent, int intervalMs, bool enabled)
    : m_parent(parent), m_interval(intervalMs), m_clock(ManualClock::current()) {
    if (m_clock != nullptr) {
        m_clock->add(this);
        setEnabled(enabled);
        return;
    }
    m_timer = new QTimer(parent);
    m_timer->setInterval(intervalMs);
    m_timer->setTimerType(Qt::CoarseTimer);
    QObject::connect(m_timer, &QTimer::timeout, m_timer, [this] { raiseTick(); });
    if (enabled) m_timer->start();
}

Timer::~Timer() {
    if (m_clock != nullptr) m_clock->remove(this);
    delete m_timer;
}

void Timer::raiseTick() {
    // Copy first: a handler may unload the window that owns this timer.
    if (auto handler = Tick) handler();
}

int Timer::interval() const {
    return m_interval;
}

bool Timer::enabled() const {
    if (m_timer != nullptr) return m_timer->isActive();
    if (m_clock == nullptr || m_parent == nullptr) return false;
    // The window stops its system timers when it is unloaded; this one it
    // cannot see, so it asks.
    const auto* form = dynamic_cast<const Form*>(m_parent.data());
    return m_enabled && (form == nullptr || !form->unloaded());
}

void Timer::setEnabled(bool enabled) {
    if (m_timer != nullptr) {
        if (enabled) {
            m_timer->start();
        } else {
            m_timer->stop();
        }
        return;
    }
    m_enabled = enabled;
    if (enabled && m_clock != nullptr) m_due = m_clock->elapsed() + std::max(m_interval, 1);
}

}  // namespace forms
