#include "shell/lock_window.h"

#include <QFontMetrics>
#include <QWidget>

#include "forms/clock.h"
#include "shell/clock_format.h"
#include "shell/program.h"
#include "shell/styles.h"

namespace shell {

LockWindow::LockWindow(Program& program)
    : forms::Form({"Orvanta Abbreviation Dictionary", 8235, 7665, ":/backgrounds/form10.jpg",
                   kIconA, false}),
      Label1(this, "Label1"),
      Label2(this, "Label2"),
      Label3(this, "Label3"),
      Timer1(this, 100),
      m_program(program) {
    setObjectName("Form10");
    const forms::LabelStyle big{
        {"Calibri", 24}, true, forms::kButtonFace, forms::kHighlightText, forms::Alignment::Centre};
    Label1.setGeometry({2760, 3360, 2895, 615});
    Label2.setGeometry({2760, 4320, 2895, 615});
    Label3.setGeometry({3180, 5640, 1935, 615});
    Label3.setCaption("Unlock");
    Label3.setToolTip("Click here to unlock");
    for (forms::Label* l : {&Label1, &Label2, &Label3}) l->setStyle(big);

    Label3.Click = [this] { Label3_Click(); };
    Timer1.Tick = [this] { Timer1_Timer(); };
}

QString LockWindow::timeText(const QTime& time) {
    const QLocale locale;
    if (m_timeFormat.isEmpty() || locale != m_timeLocale) {
        const QWidget* label = Label1.widget();
        m_timeLocale = locale;
        m_timeFormat =
            clockFormat(locale, QFontMetrics(label->font()), label->contentsRect().width());
    }
    return locale.toString(time, m_timeFormat);
}

QString LockWindow::dateText(const QDate& date) {
    return QLocale().toString(date, QLocale::ShortFormat);
}

void LockWindow::Label3_Click() {
    unload();
    m_program.Form1.show();
}

void LockWindow::Timer1_Timer() {
    Label1.setCaption(timeText(forms::currentTime()));
    Label2.setCaption(dateText(forms::currentDate()));
}

}  // namespace shell
