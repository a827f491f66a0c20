#include "shell/lock_window.h"

#include <QFontMetrics>
#include <QHash>
#include <QWidget>

#include "forms/clock.h"
#include "shell/clock_format.h"
#include "shell/program.h"
#include "shell/styles.h"

namespace shell {

LockWindow::LockWindow(Program& program)
    : forms::Form({"Orvanta Abbreviation Dictionary", 8235, 7665, ":/backgrounds/form10.jpg",
                   kIconA, false}),
      timeLabel(this, "Label1"),
      dateLabel(this, "Label2"),
      unlockButton(this, "Label3"),
      clockTimer(this, 100),
      m_program(program) {
    setObjectName("Form10");
    const forms::LabelStyle big{
        {"Calibri", 24}, true, forms::kButtonFace, forms::kHighlightText, forms::Alignment::Centre};
    timeLabel.setGeometry({2760, 3360, 2895, 615});
    dateLabel.setGeometry({2760, 4320, 2895, 615});
    unlockButton.setGeometry({3180, 5640, 1935, 615});
    unlockButton.setCaption("Unlock");
    unlockButton.setToolTip("Click here to unlock");
    for (forms::Label* l : {&timeLabel, &dateLabel, &unlockButton}) l->setStyle(big);

    unlockButton.Click = [this] { unlock(); };
    clockTimer.Tick = [this] { tick(); };
}

QString LockWindow::timeText(const QTime& time) {
    // Every lock window's time label is alike, so a locale's format is worked
    // out once a run.
    static QHash<QString, QString> formats;
    const QLocale locale;
    const QString key = locale.bcp47Name();
    auto format = formats.constFind(key);
    if (format == formats.cend()) {
        const QWidget* label = timeLabel.widget();
        format = formats.insert(
            key, clockFormat(locale, QFontMetrics(label->font()), label->contentsRect().width()));
    }
    return locale.toString(time, *format);
}

QString LockWindow::dateText(const QDate& date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

void LockWindow::unlock() {
    unload();
    m_program.oxfordWindow.show();
}

void LockWindow::tick() {
    timeLabel.setCaption(timeText(forms::currentTime()));
    dateLabel.setCaption(dateText(forms::currentDate()));
}

}  // namespace shell
