#include <QApplication>

#include "forms/platform_failure.h"
#include "shell/program.h"

int main(int argc, char* argv[]) {
    forms::installPlatformFailureHandler(argc, argv);
    QApplication app(argc, argv);
    forms::removePlatformFailureHandler();
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName("Orvanta Abbreviation Dictionary");

    shell::Program program;
    program.onEnded = [] { QCoreApplication::exit(0); };
    program.start();
    return QApplication::exec();
}
