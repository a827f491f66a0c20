#pragma once

// For tests that run on the system's clock. They wait for an event, never for
// a time, and bound a time only from below: on a loaded machine every event
// may come late, but none comes early.

#include <QtGlobal>

namespace realtime {

// How long a test waits for an event due within a second, however loaded the
// machine; only a fault makes it wait that long.
inline constexpr int kPatienceMs = 20000;

// The earliest a Qt timer of `intervalMs` ticks after it was started, or after
// its last due time. Qt moves a coarse timer's due time by up to 5% of its
// interval, to wake with other timers, and keeps it in whole milliseconds.
constexpr qint64 earliestTick(int intervalMs) {
    return intervalMs - intervalMs / 20 - 1;
}

}  // namespace realtime
