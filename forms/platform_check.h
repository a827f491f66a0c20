#pragma once

#include <QString>
#include <QStringList>

namespace forms {

// Qt aborts inside the application's constructor when the platform it picks
// cannot start: no plugin of that name, or a display that cannot be opened.
// This checks beforehand what Qt is about to try, the way Qt will try it
// (QT_QPA_PLATFORM or Qt's -platform option, else Wayland first in a Wayland
// session, then X), and gives one line that says what could not be opened and
// what to set; empty when Qt can start.
QString platformProblem(const QStringList& arguments);

}  // namespace forms
