#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <vector>

namespace forms {

// One message Qt gave while it made the application.
struct PlatformMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// What the X server behind a display name says of it.
struct XDisplayAnswer {
    enum Kind { Open, BadName, NoServer, NoScreen } kind = Open;
    int screen = 0;   // the screen the name asks for
    int screens = 0;  // how many the server has
};

// What picked the platform and the display: Qt's -platform and -display
// options (null where not given) and the environment Qt read.
struct PlatformRequest {
    QByteArray platformOption;
    QByteArray displayOption;
    QByteArray platformVariable;  // QT_QPA_PLATFORM
    QByteArray displayVariable;   // DISPLAY: null where unset, empty where set empty
    QByteArray waylandDisplay;
    QByteArray waylandSocket;
    // Asked only when Qt could not connect to an X display; where there is
    // none, the line gives Qt's words for it.
    std::function<XDisplayAnswer(const QByteArray& display)> askX;
};

// Sets the request's -platform and -display options from the program's
// arguments (without its name) as Qt reads them: one dash or two, the last of
// each counting, and the values of Qt's other options skipped. The request's
// QT_QPA_PLATFORM and WAYLAND_DISPLAY are read first: some options take a
// value only on X.
void readQtOptions(PlatformRequest& request, const QByteArrayList& arguments);

// Whether the line below may be made of this message: Qt's platform plugins
// and displays speak in the qt.qpa categories; the Wayland plugin says that it
// found no compositor in the default one.
bool isPlatformMessage(QtMsgType type, const char* category, const QString& text);

// The one line for a start that Qt ended with `fatal`, given the platform
// messages before it: what could not be opened, where it came from, and what
// to set. Qt's own words where the line has none better.
QString platformFailureLine(const std::vector<PlatformMessage>& messages, const QString& fatal,
                            const PlatformRequest& request);

// The one line for a platform that Qt started but that has no screen, with
// what its plugin said meanwhile in Qt's words.
QString screenlessPlatformLine(const QString& platform,
                               const std::vector<PlatformMessage>& messages,
                               const PlatformRequest& request);

}  // namespace forms
