#pragma once

#include <functional>

class QObject;
class QTimer;

namespace forms {

// A periodic timer of a window; it goes with its window.
class Timer {
public:
    Timer(QObject* parent, int intervalMs, bool enabled = true);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int interval() const;
    bool enabled() const;
    void setEnabled(bool enabled);

    std::function<void()> Tick;

private:
    QTimer* m_timer;  // owned by its window, as a Qt child
};

}  // namespace forms
