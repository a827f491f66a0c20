#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "forms/clock.h"

namespace forms {

// A periodic timer of a window; it goes with its window, and a window that is
// unloaded gets no more ticks. It runs on the system's clock, or on the
// ManualClock that existed when it was made.
class Timer {
public:
    Timer(QObject* parent, int intervalMs, bool enabled = true);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int interval() const;
    bool enabled() const;
    // Enabling starts a new interval from now.
    void setEnabled(bool enabled);

    std::function<void()> Tick;

private:
    friend class ManualClock;
    void raiseTick();

    QPointer<QObject> m_parent;  // its window
    int m_interval;
    QPointer<QTimer> m_timer;        // on the system's clock: owned by its window, as a Qt child
    ManualClock* m_clock = nullptr;  // otherwise this one drives it
    bool m_enabled = false;
    qint64 m_due = 0;  // on m_clock's elapsed time
};

}  // namespace forms
