#pragma once

#include <QDateTime>
#include <vector>

#include "forms/clock.h"

namespace support {

class SteppedTimer;

// A clock that stands still until it is moved. Its timers tick only when it
// is advanced past their due times, never by the system's clock, and each tick
// reads the clock at that moment.
class SteppedClock final : public forms::Clock {
public:
    explicit SteppedClock(const QDateTime& start);
    ~SteppedClock() override;
    SteppedClock(const SteppedClock&) = delete;
    SteppedClock& operator=(const SteppedClock&) = delete;

    QDateTime now() const override { return m_now; }
    forms::Timer* makeTimer(QObject* parent, int intervalMs) override;

    // Sets the wall-clock time, as a user setting the clock does; the timers'
    // due times are not moved and none ticks.
    void setTime(const QDateTime& time);

    // Lets `ms` milliseconds pass. Each timer ticks at every due time on the
    // way, in order.
    void advance(int ms);

private:
    friend class SteppedTimer;
    qint64 elapsed() const { return m_elapsed; }

    QDateTime m_now;
    qint64 m_elapsed = 0;  // since creation; timers run on this, not on m_now
    std::vector<SteppedTimer*> m_timers;
};

}  // namespace support
