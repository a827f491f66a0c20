#pragma once

#include "forms/form.h"
#include "forms/label.h"
#include "shell/place.h"

namespace shell {

// What differs between the frames of the four info windows.
struct InfoFrame {
    const char* caption;
    const char* picture;
    const char* icon;
    Place closeLabel;
    Place minimizeLabel;
};

// The frame the help menu, contact, copyright and about windows share: 4560 x
// 5370 twips, "X" closes the window alone, "_" minimizes it.
class InfoWindow : public forms::Form {
    Q_OBJECT

public:
    forms::Label closeLabel;
    forms::Label minimizeLabel;

protected:
    explicit InfoWindow(const InfoFrame& frame);
};

}  // namespace shell
