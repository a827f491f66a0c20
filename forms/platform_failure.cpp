#include "forms/platform_failure.h"

#ifdef ORVANTA_X_DISPLAY_CHECK
#include <xcb/xcb.h>
#endif

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "forms/platform_failure_line.h"

namespace forms {

namespace {

// A message held with copies of what its context points at.
struct Held {
    PlatformMessage message;
    QByteArray file, function;  // null where Qt gave none
    int line;

    void handOn(QtMessageHandler handler) const {
        const auto pointer = [](const QByteArray& b) {
            return b.isNull() ? nullptr : b.constData();
        };
        const QMessageLogContext context(pointer(file), line, pointer(function),
                                         pointer(message.category));
        handler(message.type, context, message.text);
    }
};

// The count of the warning (or critical) after which Qt ends the process, read
// as Qt reads QT_FATAL_WARNINGS and QT_FATAL_CRITICALS: unset or empty never, a
// number N the N-th, anything else the first.
int fatalCount(const char* variable) {
    const QByteArray value = qgetenv(variable);
    if (value.isEmpty()) return 0;
    bool ok = false;
    const int n = value.toInt(&ok, 0);
    return ok ? n : 1;
}

struct State {
    std::mutex mutex;
    QtMessageHandler previous = nullptr;
    std::vector<Held> held;
    QByteArray program = "orvanta";
    PlatformRequest request;
    int fatalWarning = 0, fatalCritical = 0;
    int warnings = 0, criticals = 0;
    bool removed = false;  // then every message goes straight on
};

State& state() {
    static State s;
    return s;
}

#ifdef ORVANTA_X_DISPLAY_CHECK
// Why an X display could not be opened, asked of libxcb only after Qt failed,
// so a start that succeeds never opens a second connection. Qt's xcb plugin
// opens displays through Xlib, which refuses a screen the server lacks;
// libxcb connects to any screen number, and the server says how many it has.
XDisplayAnswer askX(const QByteArray& display) {
    XDisplayAnswer answer;
    char* host = nullptr;
    int number = 0;
    if (xcb_parse_display(display.constData(), &host, &number, &answer.screen) == 0) {
        answer.kind = XDisplayAnswer::BadName;
        return answer;
    }
    std::free(host);
    xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        answer.kind = XDisplayAnswer::NoServer;
    } else {
        answer.screens = xcb_setup_roots_length(xcb_get_setup(connection));
        if (answer.screen >= answer.screens) answer.kind = XDisplayAnswer::NoScreen;
    }
    xcb_disconnect(connection);
    return answer;
}
#endif

[[noreturn]] void fail(const State& s, const QString& line) {
    std::fprintf(stderr, "%s: %s\n", s.program.constData(), line.toLocal8Bit().constData());
    std::fflush(stderr);
    // Ends here rather than through exit(): Qt is halfway through making the
    // application (or has made one that can show nothing), and running the
    // static destructors against that state is what Qt's own abort avoids too.
    std::_Exit(EXIT_FAILURE);
}

std::vector<PlatformMessage> heldMessages(const State& s) {
    std::vector<PlatformMessage> messages;
    for (const Held& h : s.held) messages.push_back(h.message);
    return messages;
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    State& s = state();
    std::unique_lock lock(s.mutex);
    if (s.removed) {
        // Another thread's message, given while the handler was being removed.
        lock.unlock();
        s.previous(type, context, text);
        return;
    }
    if (type == QtFatalMsg) fail(s, platformFailureLine(heldMessages(s), text, s.request));
    // Qt ends the process after this message itself: what is held goes first.
    const bool fatal = (type == QtWarningMsg && ++s.warnings == s.fatalWarning) ||
                       (type == QtCriticalMsg && ++s.criticals == s.fatalCritical);
    if (isPlatformMessage(type, context.category, text) && !fatal) {
        s.held.push_back({{type, QByteArray(context.category), text},
                          QByteArray(context.file),
                          QByteArray(context.function),
                          context.line});
        return;
    }
    if (fatal) {
        for (const Held& h : s.held) h.handOn(s.previous);
        s.held.clear();
    }
    lock.unlock();
    s.previous(type, context, text);
}

}  // namespace

void installPlatformFailureHandler(int argc, char* argv[]) {
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (argc > 0 && argv[0] != nullptr) {
        const char* slash = std::strrchr(argv[0], '/');
        s.program = slash != nullptr ? slash + 1 : argv[0];
    }
    s.request = {};
    s.request.platformVariable = qgetenv("QT_QPA_PLATFORM");
    if (qEnvironmentVariableIsSet("DISPLAY")) {
        // Set but empty is told apart from unset: empty, not null.
        s.request.displayVariable = qgetenv("DISPLAY");
        if (s.request.displayVariable.isNull()) s.request.displayVariable = "";
    }
    s.request.waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    s.request.waylandSocket = qgetenv("WAYLAND_SOCKET");
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i) {
        if (argv[i] != nullptr) arguments << argv[i];
    }
    readQtOptions(s.request, arguments);
#ifdef ORVANTA_X_DISPLAY_CHECK
    s.request.askX = askX;
#endif
    // Qt counts from the first message of the process; none comes before this.
    s.fatalWarning = fatalCount("QT_FATAL_WARNINGS");
    s.fatalCritical = fatalCount("QT_FATAL_CRITICALS");
    s.warnings = s.criticals = 0;
    s.removed = false;
    s.previous = qInstallMessageHandler(hold);
}

void removePlatformFailureHandler() {
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (QGuiApplication::primaryScreen() == nullptr) {
        fail(s,
             screenlessPlatformLine(QGuiApplication::platformName(), heldMessages(s), s.request));
    }
    // What is held goes on before anything given from now on, on any thread.
    for (const Held& h : s.held) h.handOn(s.previous);
    s.held.clear();
    s.removed = true;
    qInstallMessageHandler(s.previous);
}

}  // namespace forms
