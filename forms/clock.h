#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <vector>

namespace forms {

class Timer;

// The time of day and the date as the program reads them: the system's clock,
// unless a ManualClock stands in its place.
QTime currentTime();
QDate currentDate();

// A clock that stands still until it is moved, for tests. While one exists the
// program reads its time, and the timers created meanwhile tick only when it
// is advanced past their due times, never by the system's clock. Timers made
// before it keep the system's clock. One at a time.
class ManualClock {
public:
    explicit ManualClock(const QDateTime& start);
    ~ManualClock();
    ManualClock(const ManualClock&) = delete;
    ManualClock& operator=(const ManualClock&) = delete;

    QDateTime now() const { return m_now; }

    // Sets the wall-clock time, as a user setting the clock does; the timers'
    // due times are not moved and none ticks.
    void setTime(const QDateTime& time);

    // Lets `ms` milliseconds pass. Each timer ticks at every due time on the
    // way, in order, and reads the clock at that moment.
    void advance(int ms);

private:
    friend class Timer;
    static ManualClock* current();
    qint64 elapsed() const { return m_elapsed; }
    void add(Timer* timer);
    void remove(Timer* timer);

    QDateTime m_now;
    qint64 m_elapsed = 0;  // since creation; timers run on this, not on m_now
    std::vector<Timer*> m_timers;
};

}  // namespace forms
