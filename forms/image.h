#pragma once

#include "forms/control.h"

namespace forms {

// A picture drawn unscaled from the top-left of its rectangle. Like a label it
// takes the presses inside its rectangle, and it has no events.
class Image : public Control {
public:
    Image(QWidget* parent, const QString& name);

    void setPicture(const QString& resource);
};

}  // namespace forms
