#pragma once

namespace shell {

// What the program's application object says of itself: its name and version,
// and that the program ends when it ends, not when its last window closes.
// Call once the QApplication exists.
void setUpApplication();

// A whole run of the program, as a user starts it: the application on Qt's
// platform, the home screen, and the event loop until the program ends.
// Returns the process's exit status.
int run(int argc, char* argv[]);

}  // namespace shell
