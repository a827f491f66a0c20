#pragma once

namespace forms {

// Qt ends the process inside the application's constructor when no platform
// it tries can start (no plugin of that name, a plugin that cannot load, a
// display that cannot be opened), after several lines that do not say what to
// change. While the application is made, this handler holds Qt's platform
// messages (see isPlatformMessage) and hands every other one on at once. On
// Qt's fatal message it prints one line instead, made of what it held (see
// platformFailureLine), and ends the process with status 1. Nothing is probed
// on a start that succeeds.
//
//     forms::installPlatformFailureHandler(argc, argv);
//     QApplication app(argc, argv);
//     forms::removePlatformFailureHandler();
//
// The arguments are read before Qt takes its own options out of them.
void installPlatformFailureHandler(int argc, char* argv[]);

// Once the application exists: ends the same way if its platform came up
// without a screen; otherwise puts the previous message handler back and hands
// it the messages held meanwhile, in order.
void removePlatformFailureHandler();

}  // namespace forms
