#pragma once

#include <QWidget>
#include <functional>

namespace bench {

// Once the window that `window` names has been painted for the first time and
// the frame handed to the platform, prints "first-frame <CLOCK_MONOTONIC ns>"
// on stdout and ends the process at once. `window` is asked at every paint, so it
// may name a window that does not exist yet.
void exitAfterFirstFrame(std::function<const QWidget*()> window);

}  // namespace bench
