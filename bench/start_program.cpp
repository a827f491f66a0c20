// The program as shell/main.cpp starts it, ending after the first frame of
// the home screen.

#include <QApplication>

#include "bench/first_frame.h"
#include "shell/program.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName("Orvanta Abbreviation Dictionary");

    shell::Program program;
    program.onEnded = [] { QCoreApplication::exit(0); };
    bench::exitAfterFirstFrame(
        [&program]() -> const QWidget* { return program.oxfordWindow.peek(); });
    program.start();
    return QApplication::exec();
}
