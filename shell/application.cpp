#include "shell/application.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "forms/clock.h"
#include "forms/platform_check.h"
#include "shell/program.h"

namespace shell {

void setUpApplication() {
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Orvanta Abbreviation Dictionary"));
    QApplication::setApplicationVersion(QStringLiteral(ORVANTA_VERSION));
}

int run(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (const QString problem = forms::platformProblem(arguments); !problem.isEmpty()) {
        std::fprintf(stderr, "orvanta: %s\n", qPrintable(problem));
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
    setUpApplication();

    forms::SystemClock clock;
    Program program(clock);
    QObject::connect(&program, &Program::ended, &app, [] { QCoreApplication::exit(0); });
    program.start();
    return QApplication::exec();
}

}  // namespace shell
