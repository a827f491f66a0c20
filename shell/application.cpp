#include "shell/application.h"

#include <QApplication>

#include "forms/clock.h"
#include "forms/platform_failure.h"
#include "shell/program.h"

namespace shell {

void setUpApplication() {
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Orvanta Abbreviation Dictionary"));
    QApplication::setApplicationVersion(QStringLiteral(ORVANTA_VERSION));
}

int run(int argc, char* argv[]) {
    forms::installPlatformFailureHandler(argc, argv);
    QApplication app(argc, argv);
    forms::removePlatformFailureHandler();
    setUpApplication();

    forms::SystemClock clock;
    Program program(clock);
    QObject::connect(&program, &Program::ended, &app, [] { QCoreApplication::exit(0); });
    program.start();
    return QApplication::exec();
}

}  // namespace shell
