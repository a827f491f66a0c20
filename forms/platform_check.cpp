#include "forms/platform_check.h"

#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <cstring>

namespace forms {

namespace {

// What the platform plugins installed for this Qt answer to, in lower case.
QStringList installedPlatforms() {
    QStringList dirs;
    if (const QString dir = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH"); !dir.isEmpty()) {
        dirs << dir;
    }
    for (const QString& path :
         qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts)) {
        dirs << path + QStringLiteral("/platforms");
    }
    dirs << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");

    QStringList keys;
    for (const QString& dir : dirs) {
        for (const QFileInfo& file : QDir(dir).entryInfoList(QDir::Files)) {
            if (!QLibrary::isLibrary(file.fileName())) continue;
            // Reads the plugin's description without loading it.
            const QJsonObject meta = QPluginLoader(file.absoluteFilePath()).metaData();
            for (const QJsonValue key : meta.value(QLatin1String("MetaData"))
                                            .toObject()
                                            .value(QLatin1String("Keys"))
                                            .toArray()) {
                const QString name = key.toString().toLower();
                if (!name.isEmpty() && !keys.contains(name)) keys << name;
            }
        }
    }
    keys.sort();
    return keys;
}

// Opens the X display as the xcb plugin will, and closes it again. libxcb is
// the library that plugin itself connects with; it is looked up at run time so
// that the program needs it only where X is used.
QString xcbProblem(const QByteArray& display) {
    if (display.isEmpty()) {
        return QStringLiteral(
            "cannot open an X display: DISPLAY is not set; set DISPLAY to a running X server, or "
            "set QT_QPA_PLATFORM=offscreen");
    }
    void* xcb = dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (xcb == nullptr) {
        return QStringLiteral(
                   "cannot open the X display \"%1\": the X client library libxcb.so.1 is missing; "
                   "install it, or set QT_QPA_PLATFORM=offscreen")
            .arg(QString::fromLocal8Bit(display));
    }
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    const auto connect = reinterpret_cast<Connect>(dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(dlsym(xcb, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(dlsym(xcb, "xcb_disconnect"));
    bool opened = true;
    if (connect != nullptr && hasError != nullptr && disconnect != nullptr) {
        void* connection = connect(display.constData(), nullptr);
        opened = hasError(connection) == 0;
        disconnect(connection);
    }
    dlclose(xcb);
    if (opened) return {};
    return QStringLiteral(
               "cannot open the X display \"%1\" (from DISPLAY); set DISPLAY to a running X "
               "server, or set QT_QPA_PLATFORM=offscreen")
        .arg(QString::fromLocal8Bit(display));
}

// Connects to the compositor's socket where the Wayland client library will
// look for it, and closes it again.
QString waylandProblem() {
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET")) return {};  // handed over open
    const QByteArray named = qgetenv("WAYLAND_DISPLAY");
    const QByteArray name = named.isEmpty() ? QByteArrayLiteral("wayland-0") : named;
    const QString advice = QStringLiteral(
        "set WAYLAND_DISPLAY to a running compositor, or set QT_QPA_PLATFORM to xcb or "
        "offscreen");
    const QString what =
        named.isEmpty()
            ? QStringLiteral("cannot open a Wayland display: WAYLAND_DISPLAY is not set")
            : QStringLiteral("cannot open the Wayland display \"%1\" (from WAYLAND_DISPLAY)")
                  .arg(QString::fromLocal8Bit(named));
    QByteArray path = name;
    if (!name.startsWith('/')) {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        if (runtime.isEmpty()) {
            return what +
                   (named.isEmpty()
                        ? QStringLiteral(", nor XDG_RUNTIME_DIR, where its socket lies; ")
                        : QStringLiteral(": XDG_RUNTIME_DIR, where its socket lies, "
                                         "is not set; ")) +
                   advice;
        }
        path = runtime + '/' + name;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    bool opened = false;
    if (static_cast<std::size_t>(path.size()) < sizeof address.sun_path) {
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd >= 0) {
            opened =
                ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
            close(fd);
        }
    }
    return opened ? QString() : what + QStringLiteral("; ") + advice;
}

}  // namespace

QString platformProblem(const QStringList& arguments) {
    // Qt's own options name the platform and the X display before the
    // environment does.
    QByteArray requested = qgetenv("QT_QPA_PLATFORM");
    QByteArray display = qgetenv("DISPLAY");
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        if (arguments[i] == QLatin1String("-platform")) requested = arguments[i + 1].toLocal8Bit();
        if (arguments[i] == QLatin1String("-display")) display = arguments[i + 1].toLocal8Bit();
    }
    const bool hasX = !display.isEmpty();
    const bool hasWayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    // Qt's own choice when nothing is requested: Wayland first in a Wayland
    // session, then X.
    QList<QByteArray> candidates = {"xcb"};
    if (!requested.isEmpty()) {
        candidates = requested.split(';');
    } else if (hasWayland || qgetenv("XDG_SESSION_TYPE") == "wayland") {
        candidates = {"wayland", "xcb"};
    }

    QStringList installed;
    QString first;
    for (const QByteArray& candidate : candidates) {
        // "xcb:option=value": the name comes before the plugin's options.
        const QString name = QString::fromLocal8Bit(candidate.split(':').first()).toLower();
        QString problem;
        if (name == QLatin1String("xcb")) {
            problem = xcbProblem(display);
        } else if (name.startsWith(QLatin1String("wayland"))) {
            problem = waylandProblem();
        }
        if (problem.isEmpty()) {
            if (installed.isEmpty()) installed = installedPlatforms();
            if (!installed.contains(name)) {
                problem = QStringLiteral("no Qt platform plugin \"%1\" is installed").arg(name);
                if (!requested.isEmpty()) {
                    problem += QStringLiteral(" (QT_QPA_PLATFORM=%1)")
                                   .arg(QString::fromLocal8Bit(requested));
                }
                problem += installed.isEmpty()
                               ? QStringLiteral("; install Qt's platform plugins")
                               : QStringLiteral("; set QT_QPA_PLATFORM to one of: %1")
                                     .arg(installed.join(QLatin1String(", ")));
            }
        }
        if (problem.isEmpty()) return {};
        if (first.isEmpty()) first = problem;
    }
    if (requested.isEmpty() && !hasX && !hasWayland) {
        return QStringLiteral(
            "no display to show the dictionary on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
            "start it from a desktop session, or set QT_QPA_PLATFORM=offscreen");
    }
    return first;
}

}  // namespace forms
