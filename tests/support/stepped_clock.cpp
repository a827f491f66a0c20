#include "tests/support/stepped_clock.h"

#include <algorithm>

#include "forms/timer.h"

namespace support {

class SteppedTimer final : public forms::Timer {
public:
    SteppedTimer(QObject* parent, SteppedClock& clock, int intervalMs)
        : Timer(parent), m_clock(&clock), m_interval(intervalMs) {
        clock.m_timers.push_back(this);
    }
    ~SteppedTimer() override {
        if (m_clock != nullptr) std::erase(m_clock->m_timers, this);
    }

    int interval() const override { return m_interval; }
    bool isActive() const override { return m_active; }
    void start() override {
        m_active = true;
        if (m_clock != nullptr) m_due = m_clock->elapsed() + std::max(m_interval, 1);
    }
    void stop() override { m_active = false; }

private:
    friend class SteppedClock;

    SteppedClock* m_clock;  // none once the clock has gone: the timer stands still
    int m_interval;
    bool m_active = false;
    qint64 m_due = 0;  // on the clock's elapsed time
};

SteppedClock::SteppedClock(const QDateTime& start) : m_now(start) {}

SteppedClock::~SteppedClock() {
    for (SteppedTimer* timer : m_timers) timer->m_clock = nullptr;
}

forms::Timer* SteppedClock::makeTimer(QObject* parent, int intervalMs) {
    return new SteppedTimer(parent, *this, intervalMs);
}

void SteppedClock::setTime(const QDateTime& time) {
    m_now = time;
}

void SteppedClock::advance(int ms) {
    const qint64 end = m_elapsed + std::max(ms, 0);
    auto moveTo = [this](qint64 at) {
        m_now = m_now.addMSecs(at - m_elapsed);
        m_elapsed = at;
    };
    for (;;) {
        SteppedTimer* next = nullptr;
        for (SteppedTimer* timer : m_timers) {
            if (timer->m_active && timer->m_due <= end &&
                (next == nullptr || timer->m_due < next->m_due)) {
                next = timer;
            }
        }
        if (next == nullptr) break;
        moveTo(next->m_due);
        // Due again before the tick's handler runs: it may stop, restart or
        // destroy this timer, or any other.
        next->m_due += std::max(next->m_interval, 1);
        emit next->ticked();
    }
    moveTo(end);
}

}  // namespace support
