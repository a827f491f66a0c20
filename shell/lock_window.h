#pragma once

#include <QDate>
#include <QString>
#include <QTime>

#include "forms/form.h"
#include "forms/label.h"
#include "forms/timer.h"

namespace shell {

class Program;

// Form10: stands in for the dictionary window until "Unlock". No drag, no
// title-bar labels, no keys.
class LockWindow : public forms::Form {
public:
    explicit LockWindow(Program& program);

    forms::Label Label1;  // time
    forms::Label Label2;  // date
    forms::Label Label3;  // "Unlock"
    forms::Timer Timer1;

    // The clock texts in the user's regional formats: the time with seconds
    // and without a time zone, the date in the short format.
    static QString timeText(const QTime& time);
    static QString dateText(const QDate& date);

private:
    void Label3_Click();
    void Timer1_Timer();

    Program& m_program;
};

}  // namespace shell
