#include "forms/label.h"

#include <QMouseEvent>

namespace forms {

Label::Label(QWidget* parent, const QString& name) : QLabel(parent) {
    setObjectName(name);
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    setContentsMargins(0, 0, 0, 0);
    setMargin(0);
    setIndent(0);
    setLabelStyle(LabelStyle{});
}

void Label::setLabelStyle(const LabelStyle& style) {
    m_style = style;
    setFont(resolveFont(style.font).font);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(style.backColour, colours));
    colours.setColor(QPalette::WindowText, toQColor(style.foreColour, colours));
    setPalette(colours);
    setAutoFillBackground(!style.transparent);
    setAlignment((style.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                 Qt::AlignTop);
}

void Label::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_pressed = true;
    event->accept();
}

void Label::mouseDoubleClickEvent(QMouseEvent* event) {
    mousePressEvent(event);
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton || !m_pressed) return;
    m_pressed = false;
    // A handler may unload the window that owns this label; the label lives
    // on until the event has been handled, and touches nothing afterwards.
    if (rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace forms
