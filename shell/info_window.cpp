#include "shell/info_window.h"

#include "shell/styles.h"

namespace shell {

InfoWindow::InfoWindow(const InfoFrame& frame)
    : forms::Form({frame.caption, 4560, 5370, frame.picture, frame.icon, true}),
      closeLabel(this, "Label8"),
      minimizeLabel(this, "Label9") {
    place(closeLabel, frame.closeLabel);
    place(minimizeLabel, frame.minimizeLabel);
    setTitleBarLabel(closeLabel, "X", "Close");
    setTitleBarLabel(minimizeLabel, "_", "Minimize");
    connect(&closeLabel, &forms::Label::clicked, this, &InfoWindow::unload);
    connect(&minimizeLabel, &forms::Label::clicked, this, &InfoWindow::minimize);
}

}  // namespace shell
