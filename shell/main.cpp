#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "shell/program.h"

namespace {

// Qt aborts when it cannot reach a display; say what is wrong instead.
bool displayReachable() {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return true;
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
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
