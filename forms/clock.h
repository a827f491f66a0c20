#pragma once

#include <QDateTime>

namespace forms {

class Timer;

// Where a window gets the time from: the time of day and the date, and timers
// that tick on that same time. The program hands its windows the system's
// clock; a window never reads the time any other way.
class Clock {
public:
    virtual ~Clock() = default;

    virtual QDateTime now() const = 0;

    // A timer that ticks every `intervalMs` milliseconds once started, owned by
    // `parent` as a Qt child.
    virtual Timer* makeTimer(QObject* parent, int intervalMs) = 0;

protected:
    Clock() = default;
    Clock(const Clock&) = default;
    Clock& operator=(const Clock&) = default;
};

// The system's clock, and Qt's timers.
class SystemClock final : public Clock {
public:
    QDateTime now() const override;
    Timer* makeTimer(QObject* parent, int intervalMs) override;
};

}  // namespace forms
