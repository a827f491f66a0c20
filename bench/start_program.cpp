// The program as a user starts it, through the same function as
// shell/main.cpp, ending after the first frame of the home screen.

#include <QApplication>

#include "bench/first_frame.h"
#include "shell/application.h"

namespace {

// Runs as the application is made, before the program builds its first window.
void watchForTheHomeScreen() {
    bench::exitAfterFirstFrame([]() -> const QWidget* {
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String("Form1")) return window;
        }
        return nullptr;
    });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForTheHomeScreen)

int main(int argc, char* argv[]) {
    return shell::run(argc, argv);
}
