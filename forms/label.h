#pragma once

#include <QLabel>

#include "forms/colours.h"
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

// A caption in a fixed rectangle, and the program's buttons. It wraps its
// caption at word boundaries inside that rectangle and never resizes. It
// takes every press inside the rectangle for itself (so a press on a label
// never reaches its window), never takes the keyboard focus, and emits
// clicked() for a left-button press and release inside it.
class Label : public QLabel {
    Q_OBJECT

public:
    Label(QWidget* parent, const QString& name);

    void setLabelStyle(const LabelStyle& style);
    // The look as the layout stored it; system colours stay unresolved here.
    const LabelStyle& labelStyle() const { return m_style; }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    LabelStyle m_style;
    bool m_pressed = false;
};

}  // namespace forms
