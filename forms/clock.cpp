#include "forms/clock.h"

#include <algorithm>

#include "forms/timer.h"

namespace forms {

namespace {

ManualClock* g_manual = nullptr;

}  // namespace

QTime currentTime() {
    return g_manual != nullptr ? g_manual->now().time() : QTime::currentTime();
}

QDate currentDate() {
    return g_manual != nullptr ? g_manual->now().date() : QDate::currentDate();
}

ManualClock::ManualClock(const QDateTime& start) : m_now(start) {
    Q_ASSERT(g_manual == nullptr);
    g_manual = this;
}

ManualClock::~ManualClock() {
    // Timers that outlive the clock stand still from now on.
    for (Timer* timer : m_timers) timer->m_clock = nullptr;
    g_manual = nullptr;
}

void ManualClock::setTime(const QDateTime& time) {
    m_now = time;
}

void ManualClock::advance(int ms) {
    const qint64 end = m_elapsed + std::max(ms, 0);
    auto moveTo = [this](qint64 at) {
        m_now = m_now.addMSecs(at - m_elapsed);
        m_elapsed = at;
    };
    for (;;) {
        Timer* next = nullptr;
        for (Timer* timer : m_timers) {
            if (timer->enabled() && timer->m_due <= end &&
                (next == nullptr || timer->m_due < next->m_due)) {
                next = timer;
            }
        }
        if (next == nullptr) break;
        moveTo(next->m_due);
        // Due again before the handler runs: it may stop, restart or destroy
        // the timer, or any other.
        next->m_due += std::max(next->m_interval, 1);
        next->raiseTick();
    }
    moveTo(end);
}

void ManualClock::add(Timer* timer) {
    m_timers.push_back(timer);
}

void ManualClock::remove(Timer* timer) {
    std::erase(m_timers, timer);
}

ManualClock* ManualClock::current() {
    return g_manual;
}

}  // namespace forms
