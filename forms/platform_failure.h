#pragma once

namespace forms {

// Qt ends the process inside the application's constructor when no platform
// it tries can start (no plugin of that name, a plugin that cannot load, a
// display that cannot be opened), after several lines that do not say what to
// change. This handler takes Qt's messages while the application is being
// made: on Qt's fatal one it prints a single line naming the platform or the
// display, where that value came from (Qt's -platform or -display option, or
// QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY) and what to set, and ends the
// process with status 1. Nothing is probed on a start that succeeds.
//
//     forms::installPlatformFailureHandler(argc, argv);
//     QApplication app(argc, argv);
//     forms::removePlatformFailureHandler();
//
// The arguments are read before Qt takes its own options out of them.
void installPlatformFailureHandler(int argc, char* argv[]);

// Once the application exists: ends the same way if its platform came up
// without a screen; otherwise puts the previous message handler back and hands
// it the messages held meanwhile, in order, as they would have appeared.
void removePlatformFailureHandler();

}  // namespace forms
