#include "shell/lock_window.h"

#include <QLocale>
#include <QRegularExpression>

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
    const forms::LabelStyle big{{"Calibri", 24}, true, forms::kButtonFace, forms::kHighlightText,
                                forms::Alignment::Centre};
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
    // The long format carries the seconds, and with Qt also the time zone,
    // which the clock leaves out.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    static const QRegularExpression zone(QStringLiteral("\\s*t+\\s*"));
    format.replace(zone, QStringLiteral(" "));
    format = format.trimmed();
    if (!format.contains(QLatin1Char('s'))) format = QStringLiteral("HH:mm:ss");
    return QLocale::system().toString(time, format);
}

QString LockWindow::dateText(const QDate& date) {
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

void LockWindow::Label3_Click() {
    unload();
    m_program.Form1.show();
}

void LockWindow::Timer1_Timer() {
    Label1.setCaption(timeText(QTime::currentTime()));
    Label2.setCaption(dateText(QDate::currentDate()));
}

}  // namespace shell
