#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "forms/platform_check.h"
#include "shell/program.h"

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (const QString problem = forms::platformProblem(arguments); !problem.isEmpty()) {
        std::fprintf(stderr, "orvanta: %s\n", qPrintable(problem));
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
