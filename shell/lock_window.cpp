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

QString LockWindow::timeText(const QTime& time) {
    const QLocale locale;
    const QFont font = timeLabel.font();
    const int width = timeLabel.contentsRect().width();
    if (!m_timeFormat || m_timeFormat->locale != locale || m_timeFormat->font != font ||
        m_timeFormat->width != width) {
        m_timeFormat = TimeFormat{locale, font, width, clockFormat(locale, font, width)};
    }
    return locale.toString(time, m_timeFormat->format);
}

QString LockWindow::dateText(const QDate& date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

void LockWindow::showTime() {
    // One reading for both, so that the time and the date agree at midnight.
    const QDateTime now = m_clock.now();
    timeLabel.setText(timeText(now.time()));
    dateLabel.setText(dateText(now.date()));
}

}  // namespace shell
