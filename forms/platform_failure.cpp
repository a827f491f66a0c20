#include "forms/platform_failure.h"

#include <dlfcn.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

namespace forms {

namespace {

// One message as Qt gave it, with copies of what its context points at.
struct Held {
    QtMsgType type;
    QByteArray file, function, category;  // null where Qt gave none
    int line;
    QString text;

    QMessageLogContext context() const {
        const auto pointer = [](const QByteArray& b) {
            return b.isNull() ? nullptr : b.constData();
        };
        return QMessageLogContext(pointer(file), line, pointer(function), pointer(category));
    }
};

struct State {
    std::mutex mutex;
    bool holding = false;
    QtMessageHandler previous = nullptr;
    std::vector<Held> held;
    QByteArray program = "orvanta";
    // The values of Qt's -platform and -display options, null where not given.
    QByteArray platformOption;
    QByteArray displayOption;
};

State& state() {
    static State s;
    return s;
}

// ---- where a value came from ------------------------------------------------

// The plugin names in a platform request: "wayland;xcb:option=value".
QStringList requestedNames(const QByteArray& request) {
    QStringList names;
    for (const QByteArray& entry : request.split(';')) {
        const QString name = QString::fromLocal8Bit(entry.split(':').first()).toLower();
        if (!name.isEmpty()) names << name;
    }
    return names;
}

enum class Source { Option, Environment, Default };

// Qt's -platform option, when given, is the request; otherwise QT_QPA_PLATFORM;
// otherwise Qt chose the platform itself.
Source platformSource(const State& s, const QString& name) {
    if (!s.platformOption.isNull() && requestedNames(s.platformOption).contains(name)) {
        return Source::Option;
    }
    if (requestedNames(qgetenv("QT_QPA_PLATFORM")).contains(name)) return Source::Environment;
    return Source::Default;
}

QString from(Source source) {
    switch (source) {
        case Source::Option:
            return QStringLiteral("(from -platform)");
        case Source::Environment:
            return QStringLiteral("(from QT_QPA_PLATFORM)");
        case Source::Default:
            return QStringLiteral("(Qt's default)");
    }
    return {};
}

QString choosePlatform(Source source) {
    return source == Source::Option ? QStringLiteral("give -platform")
                                    : QStringLiteral("set QT_QPA_PLATFORM to");
}

QString quoted(const QString& s) {
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// ---- the X display ----------------------------------------------------------

// Why an X display could not be opened, asked of libxcb, the library Qt's xcb
// plugin connects with. Only after Qt failed, so a start that succeeds never
// opens a second connection. Looked up at run time: the program needs libxcb
// only where X is used.
struct XAnswer {
    enum { Unknown, BadName, NoServer, NoScreen } kind = Unknown;
    int screen = 0;
    int screens = 0;
};

XAnswer askX(const QByteArray& display) {
    XAnswer answer;
    void* xcb = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (xcb == nullptr) return answer;
    using Parse = int (*)(const char*, char**, int*, int*);
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Setup = const void* (*)(void*);
    using Roots = int (*)(const void*);
    using Disconnect = void (*)(void*);
    const auto parse = reinterpret_cast<Parse>(dlsym(xcb, "xcb_parse_display"));
    const auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
    const auto setup = reinterpret_cast<Setup>(dlsym(xcb, "xcb_get_setup"));
    const auto roots = reinterpret_cast<Roots>(dlsym(xcb, "xcb_setup_roots_length"));
    const auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
    if (parse && connect && hasError && setup && roots && disconnect) {
        int number = 0;
        char* host = nullptr;
        if (parse(display.constData(), &host, &number, &answer.screen) == 0) {
            answer.kind = XAnswer::BadName;
        } else {
            // Without a screen to check, libxcb connects to any screen number,
            // and the server says how many it has.
            void* connection = connect(display.constData(), nullptr);
            if (hasError(connection) != 0) {
                answer.kind = XAnswer::NoServer;
            } else {
                answer.screens = roots(setup(connection));
                if (answer.screen >= answer.screens) answer.kind = XAnswer::NoScreen;
            }
            disconnect(connection);
        }
        std::free(host);
    }
    dlclose(xcb);
    return answer;
}

// The display name without its screen number: ":75.5" -> ":75".
QString withoutScreen(const QString& display) {
    const qsizetype dot = display.lastIndexOf(QLatin1Char('.'));
    if (dot < display.lastIndexOf(QLatin1Char(':'))) return display;
    bool digits = false;
    display.mid(dot + 1).toUInt(&digits);
    return digits ? display.left(dot) : display;
}

struct Failure {
    QString what;
    QString advice;
};

Failure xFailure(const State& s, const QString& display) {
    if (display.isEmpty()) {
        return {QStringLiteral("cannot open an X display: DISPLAY is not set"),
                QStringLiteral("set DISPLAY to a running X server")};
    }
    // Qt's -display option, when given, names the display; otherwise DISPLAY.
    const bool option =
        !s.displayOption.isNull() && QString::fromLocal8Bit(s.displayOption) == display;
    const QString source =
        option ? QStringLiteral("(from -display)") : QStringLiteral("(from DISPLAY)");
    const QString set = option ? QStringLiteral("give -display") : QStringLiteral("set DISPLAY to");
    const XAnswer answer = askX(display.toLocal8Bit());
    switch (answer.kind) {
        case XAnswer::BadName:
            return {QStringLiteral("%1 %2 is not an X display name").arg(quoted(display), source),
                    set + QStringLiteral(" a running X server")};
        case XAnswer::NoScreen: {
            const QString base = withoutScreen(display);
            const QString first = quoted(base + QStringLiteral(".0"));
            const QString all =
                answer.screens == 1
                    ? first
                    : QStringLiteral("%1 to %2")
                          .arg(first,
                               quoted(QStringLiteral("%1.%2").arg(base).arg(answer.screens - 1)));
            return {QStringLiteral("the X server of %1 %2 has no screen %3, only %4 (%5)")
                        .arg(quoted(display), source)
                        .arg(answer.screen)
                        .arg(answer.screens)
                        .arg(all),
                    set + QStringLiteral(" one of its screens")};
        }
        case XAnswer::NoServer:
        case XAnswer::Unknown:
            break;
    }
    return {QStringLiteral("cannot open the X display %1 %2").arg(quoted(display), source),
            set + QStringLiteral(" a running X server")};
}

// ---- a Wayland display ------------------------------------------------------

Failure waylandFailure(const QString& plugin, Source source) {
    const QString who =
        QStringLiteral("Qt's platform plugin %1 %2").arg(quoted(plugin), from(source));
    const QString advice = QStringLiteral("set WAYLAND_DISPLAY to a running compositor's socket");
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET")) {
        return {
            who + QStringLiteral(" cannot use the connection handed over in WAYLAND_SOCKET (%1)")
                      .arg(quoted(qEnvironmentVariable("WAYLAND_SOCKET"))),
            QStringLiteral("unset WAYLAND_SOCKET, or ") + advice};
    }
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return {who + QStringLiteral(" finds no Wayland display: WAYLAND_DISPLAY is not set"),
                advice};
    }
    return {who + QStringLiteral(" cannot connect to the Wayland display %1 (from WAYLAND_DISPLAY)")
                      .arg(quoted(qEnvironmentVariable("WAYLAND_DISPLAY"))),
            advice};
}

// ---- what Qt tried ----------------------------------------------------------

// One platform plugin Qt tried, and the messages given while it was tried.
struct Attempt {
    QString plugin;
    bool installed = true;
    std::vector<const Held*> messages;
    QString fatal;  // where the plugin itself ended the process
};

bool isPluginCategory(const Held& h) {
    return h.category == "qt.qpa.plugin";
}

// The name in `Could not find the Qt platform plugin "xcb" in ""`.
QString firstQuoted(const QString& text) {
    const qsizetype open = text.indexOf(QLatin1Char('"'));
    const qsizetype close = text.indexOf(QLatin1Char('"'), open + 1);
    return open < 0 || close < 0 ? QString() : text.mid(open + 1, close - open - 1);
}

// Qt reports each plugin it could not use: "Could not find the Qt platform
// plugin" when none of that name is installed, "Could not load" when one is
// but it failed to start.
std::vector<Attempt> attempts(const std::vector<Held>& held, std::vector<const Held*>& rest) {
    std::vector<Attempt> tried;
    for (const Held& h : held) {
        const bool missing =
            h.text.startsWith(QLatin1String("Could not find the Qt platform plugin"));
        const bool failed =
            h.text.startsWith(QLatin1String("Could not load the Qt platform plugin"));
        if (isPluginCategory(h) && (missing || failed)) {
            tried.push_back({firstQuoted(h.text).toLower(), failed, std::move(rest), {}});
            rest.clear();
        } else {
            rest.push_back(&h);
        }
    }
    return tried;
}

// "Available platform plugins are: minimal, xcb." in Qt's fatal message.
QStringList availablePlatforms(const QString& fatal) {
    const QLatin1String intro("Available platform plugins are: ");
    const qsizetype at = fatal.indexOf(intro);
    if (at < 0) return {};
    QString list = fatal.mid(at + intro.size());
    list = list.left(list.indexOf(QLatin1Char('.')));
    QStringList names = list.split(QLatin1String(", "), Qt::SkipEmptyParts);
    names.sort();
    return names;
}

Failure describe(const State& s, const Attempt& attempt, const QStringList& available) {
    const Source source = platformSource(s, attempt.plugin);
    const QString who =
        QStringLiteral("Qt's platform plugin %1 %2").arg(quoted(attempt.plugin), from(source));
    if (!attempt.installed) {
        if (available.isEmpty()) {
            return {who + QStringLiteral(" is not installed"),
                    choosePlatform(source) + QStringLiteral(" another platform")};
        }
        const QString list = available.join(QLatin1String(", "));
        return {who + QStringLiteral(" is not installed"),
                (source == Source::Default ? QStringLiteral("install it, or ") : QString()) +
                    choosePlatform(source) + QStringLiteral(" one of: ") + list};
    }
    if (!attempt.fatal.isEmpty()) {
        return {who + QStringLiteral(" could not start: ") + attempt.fatal,
                choosePlatform(source) + QStringLiteral(" another platform")};
    }
    for (const Held* h : attempt.messages) {
        const QLatin1String xcb("could not connect to display");
        if (h->category == "qt.qpa.xcb" && h->text.startsWith(xcb)) {
            return xFailure(s, h->text.mid(xcb.size()).trimmed());
        }
        if (attempt.plugin.startsWith(QLatin1String("wayland")) &&
            h->text.startsWith(QLatin1String("Failed to create wl_display"))) {
            return waylandFailure(attempt.plugin, source);
        }
    }
    return {
        who + QStringLiteral(" is installed but could not start (QT_DEBUG_PLUGINS=1 shows why)"),
        choosePlatform(source) + QStringLiteral(" another platform")};
}

// The one line for the platform Qt could not start, given the fatal message
// it ended with, or none when it started without a screen.
QString failureLine(const State& s, const QString& fatal) {
    std::vector<const Held*> rest;
    std::vector<Attempt> tried = attempts(s.held, rest);
    const bool noneStarted = fatal.contains(QLatin1String("Qt platform plugin"));
    if (fatal.isEmpty()) {
        const QString name = QGuiApplication::platformName();
        const Source source = platformSource(s, name);
        return QStringLiteral(
                   "Qt's platform plugin %1 %2 started without a screen; %3 a platform that has "
                   "one here")
            .arg(quoted(name), from(source), choosePlatform(source));
    }
    if (!noneStarted) {
        // A plugin ended the process while it was being made: it is the first
        // one asked for that Qt has not reported.
        QStringList requested = requestedNames(
            s.platformOption.isNull() ? qgetenv("QT_QPA_PLATFORM") : s.platformOption);
        for (const Attempt& a : tried) requested.removeAll(a.plugin);
        const QString text = fatal.trimmed();
        if (requested.isEmpty()) {
            return QStringLiteral(
                       "Qt's default platform plugin could not start: %1; set "
                       "QT_QPA_PLATFORM to another platform")
                .arg(text);
        }
        tried.push_back({requested.first(), true, std::move(rest), text});
    }
    if (tried.empty()) {
        return QStringLiteral(
            "Qt could not start a platform plugin; set QT_QPA_PLATFORM to one "
            "that can start here (QT_DEBUG_PLUGINS=1 shows why)");
    }
    const QStringList available = availablePlatforms(fatal);
    QStringList whats;
    QStringList advice;
    for (const Attempt& a : tried) {
        const Failure f = describe(s, a, available);
        whats << f.what;
        if (!advice.contains(f.advice)) advice << f.advice;
    }
    return whats.join(QLatin1String(", and ")) + QLatin1String("; ") +
           advice.join(QLatin1String(", or "));
}

[[noreturn]] void fail(State& s, const QString& fatal) {
    // Debug output is off unless asked for (QT_DEBUG_PLUGINS, QT_LOGGING_RULES):
    // whoever asked for it sees it, before the line.
    const bool debugging = std::any_of(s.held.begin(), s.held.end(),
                                       [](const Held& h) { return h.type == QtDebugMsg; });
    if (debugging) {
        for (const Held& h : s.held) s.previous(h.type, h.context(), h.text);
    }
    std::fprintf(stderr, "%s: %s\n", s.program.constData(),
                 failureLine(s, fatal).toLocal8Bit().constData());
    std::fflush(stderr);
    // Ends here rather than through exit(): Qt is halfway through making the
    // application (or has made one that can show nothing), and running the
    // static destructors against that state is what Qt's own abort avoids too.
    // Nothing else is buffered; the program has written nothing else.
    std::_Exit(EXIT_FAILURE);
}

void hold(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    State& s = state();
    std::unique_lock lock(s.mutex);
    if (!s.holding) {
        lock.unlock();
        s.previous(type, context, text);
        return;
    }
    if (type == QtFatalMsg) fail(s, text);
    s.held.push_back({type, QByteArray(context.file), QByteArray(context.function),
                      QByteArray(context.category), context.line, text});
}

}  // namespace

void installPlatformFailureHandler(int argc, char* argv[]) {
    State& s = state();
    if (argc > 0 && argv[0] != nullptr) {
        const char* slash = std::strrchr(argv[0], '/');
        s.program = slash != nullptr ? slash + 1 : argv[0];
    }
    // Read as Qt reads them: "--platform" is "-platform", and an option
    // without a value after it is ignored.
    for (int i = 1; i + 1 < argc; ++i) {
        QByteArray option(argv[i]);
        if (option.startsWith("--")) option.remove(0, 1);
        if (option == "-platform") {
            s.platformOption = argv[++i];
        } else if (option == "-display") {
            s.displayOption = argv[++i];
        }
    }
    std::lock_guard lock(s.mutex);
    s.holding = true;
    s.previous = qInstallMessageHandler(hold);
}

void removePlatformFailureHandler() {
    State& s = state();
    std::lock_guard lock(s.mutex);
    if (!s.holding) return;
    if (QGuiApplication::primaryScreen() == nullptr) fail(s, {});
    qInstallMessageHandler(s.previous);
    for (const Held& h : s.held) s.previous(h.type, h.context(), h.text);
    s.held.clear();
    s.holding = false;
}

}  // namespace forms
