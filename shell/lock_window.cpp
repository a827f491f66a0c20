#include "shell/lock_window.h"

#include "shell/clock_format.h"
#include "shell/place.h"
#include "shell/styles.h"

namespace shell {

namespace {

// Left, top, width, height (twips) of every control.
constexpr struct {
    Place timeLabel, dateLabel, unlockButton;
} kLayout{
    .timeLabel = {2760, 3360, 2895, 615},
    .dateLabel = {2760, 4320, 2895, 615},
    .unlockButton = {3180, 5640, 1935, 615},
};

constexpr int kClockIntervalMs = 100;

// The locale the user chose for times, for everything the clock shows. On
// Unix, Qt's system locale takes the formats and names of times from LC_TIME
// but the digits of any format not its own from LC_NUMERIC: a clock written in
// a format of its own through it would show its time in one locale's digits
// and its date in another's. Qt takes the LC_TIME locale from the first of
// these variables that is set; elsewhere the system locale is one locale. A
// default locale that the program has set serves as it is.
QLocale clockLocale() {
    const QLocale locale;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (locale == QLocale::system()) {
        for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
            const QString name = qEnvironmentVariable(variable);
            if (!name.isEmpty()) return QLocale(name);
        }
    }
#endif
    return locale;
}

}  // namespace

LockWindow::LockWindow(forms::Clock& clock)
    : forms::Form({"Orvanta Abbreviation Dictionary", 8235, 7665, ":/backgrounds/form10.jpg",
                   kIconA, false}),
      timeLabel(this, "Label1"),
      dateLabel(this, "Label2"),
      unlockButton(this, "Label3"),
      clockTimer(*clock.makeTimer(this, kClockIntervalMs)),
      m_clock(clock) {
    setObjectName("Form10");
    clockTimer.setObjectName("Timer1");
    place(timeLabel, kLayout.timeLabel);
    place(dateLabel, kLayout.dateLabel);
    place(unlockButton, kLayout.unlockButton);
    unlockButton.setText("Unlock");
    unlockButton.setToolTip("Click here to unlock");
    const forms::LabelStyle big{
        {"Calibri", 24}, true, forms::kButtonFace, forms::kHighlightText, forms::Alignment::Centre};
    for (forms::Label* l : {&timeLabel, &dateLabel, &unlockButton}) l->setLabelStyle(big);

    connect(&unlockButton, &forms::Label::clicked, this, &LockWindow::unlockRequested);
    connect(&clockTimer, &forms::Timer::ticked, this, &LockWindow::showTime);
    clockTimer.start();
}

QString LockWindow::timeText(const QTime& time, const QLocale& locale) {
    const QFont font = timeLabel.font();
    const int width = timeLabel.contentsRect().width();
    if (!m_timeFormat || m_timeFormat->locale != locale || m_timeFormat->font != font ||
        m_timeFormat->width != width) {
        m_timeFormat = TimeFormat{locale, font, width, clockFormat(locale, font, width)};
    }
    return locale.toString(time, m_timeFormat->format);
}

void LockWindow::showTime() {
    // One reading of the clock and one locale for both, so that the time and
    // the date agree at midnight and are written alike.
    const QDateTime now = m_clock.now();
    const QLocale locale = clockLocale();
    timeLabel.setText(timeText(now.time(), locale));
    dateLabel.setText(locale.toString(now.date(), QLocale::ShortFormat));
}

}  // namespace shell
