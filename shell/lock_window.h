#pragma once

#include <QFont>
#include <QLocale>
#include <QString>
#include <QTime>
#include <optional>

#include "forms/clock.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/timer.h"

namespace shell {

// Stands in for the dictionary window until "Unlock". No drag, no title-bar
// labels, no keys.
class LockWindow : public forms::Form {
    Q_OBJECT

public:
    explicit LockWindow(forms::Clock& clock);

    forms::Label timeLabel;
    forms::Label dateLabel;
    forms::Label unlockButton;
    forms::Timer& clockTimer;  // owned by the window; runs on the clock it was given

signals:
    void unlockRequested();

private:
    // Writes the time and date in the regional formats the user chose for
    // times, both in that region's digits: the time with seconds, without a
    // time zone and as wide as the time label allows; the date in the short
    // format.
    void showTime();
    QString timeText(const QTime& time, const QLocale& locale);

    forms::Clock& m_clock;

    // The time format, with what it was worked out for: it is worked out again
    // when the locale, the label's font or its width is no longer the same.
    struct TimeFormat {
        QLocale locale;
        QFont font;
        int width = 0;
        QString format;
    };
    std::optional<TimeFormat> m_timeFormat;
};

}  // namespace shell
