#pragma once

#include <QObject>

namespace forms {

// A periodic timer of a window, made by a Clock and owned by the window as a
// Qt child. It emits ticked() every interval while it is active; a window that
// is unloaded stops its timers.
class Timer : public QObject {
    Q_OBJECT

public:
    virtual int interval() const = 0;
    virtual bool isActive() const = 0;

    // Starts, or starts again: the next tick comes one full interval from now.
    virtual void start() = 0;
    virtual void stop() = 0;

signals:
    void ticked();

protected:
    explicit Timer(QObject* parent) : QObject(parent) {}
};

}  // namespace forms
