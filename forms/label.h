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

    // The label around a widget, or none when the widget is not a label's.
    static const Label* of(const QWidget* widget);

    void setCaption(const QString& caption);
    QString caption() const;
    void setToolTip(const QString& tip);
    QString toolTip() const;
    void setStyle(const LabelStyle& style);
    // The look as the layout stored it; system colours stay unresolved here.
    const LabelStyle& style() const { return m_style; }

    std::function<void()> Click;

private:
    void raiseClick();

    LabelStyle m_style;
};

}  // namespace forms
