#pragma once

#include <functional>

#include "forms/colours.h"
#include "forms/control.h"
#include "forms/fonts.h"

namespace forms {

enum class Alignment { Left, Centre };

// How a label looks; the defaults are a label's defaults.
struct LabelStyle {
    FontRequest font{"MS Sans Serif", 8.25};
    bool transparent = false;
    StoredColour backColour = kButtonFace;
    StoredColour foreColour = kButtonText;
    Alignment alignment = Alignment::Left;
};

// A caption in a fixed rectangle. It wraps its caption at word boundaries
// inside that rectangle and never resizes. It takes every press inside the
// rectangle for itself (so a press on a label never reaches its window), never
// takes the keyboard focus, and raises Click for a left-button click.
class Label : public Control {
public:
    Label(QWidget* parent, const QString& name);

    void setCaption(const QString& caption);
    QString caption() const;
    void setToolTip(const QString& tip);
    QString toolTip() const;
    void setStyle(const LabelStyle& style);

    std::function<void()> Click;

private:
    void raiseClick();
};

}  // namespace forms
