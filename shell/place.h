#pragma once

#include <QWidget>

#include "forms/twips.h"

namespace shell {

// Where a control stands, in twips from the client area's top left, and its
// place in the tab order (-1 for none). Every window keeps these as named
// data, one per control.
struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tab = -1;

    forms::TwipsRect rect() const { return {left, top, width, height}; }
};

inline void place(QWidget& control, const Place& at) {
    control.setGeometry(at.rect().toPixels());
}

}  // namespace shell
