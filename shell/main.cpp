#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "shell/program.h"

namespace {

// Qt aborts when it cannot reach a display; say what is wrong instead.
bool displayReachable() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (platform.isEmpty()) return x11 || wayland;
    if (platform.startsWith("xcb")) return x11;
    if (platform.startsWith("wayland")) return wayland;
    return true;  // offscreen, vnc, eglfs...: the platform finds its own output
}

}  // namespace

int main(int argc, char* argv[]) {
    if (!displayReachable()) {
        std::fputs(
            "orvanta: no display to show the dictionary on (DISPLAY is not set); start it from a "
            "desktop session, or set QT_QPA_PLATFORM=offscreen\n",
            stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName("Orvanta Abbreviation Dictionary");

    shell::Program program;
    program.onEnded = [] { QCoreApplication::exit(0); };
    program.start();
    return QApplication::exec();
}
