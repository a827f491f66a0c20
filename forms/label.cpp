#include "forms/label.h"

#include <QLabel>
#include <QMouseEvent>

namespace forms {

namespace {

class LabelWidget : public QLabel {
public:
    LabelWidget(QWidget* parent, std::function<void()> onClick)
        : QLabel(parent), m_onClick(std::move(onClick)) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) m_pressed = true;
        event->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
    void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override {
        event->accept();
        if (event->button() != Qt::LeftButton || !m_pressed) return;
        m_pressed = false;
        if (rect().contains(event->position().toPoint())) m_onClick();
    }

private:
    std::function<void()> m_onClick;
    bool m_pressed = false;
};

}  // namespace

Label::Label(QWidget* parent, const QString& name)
    : Control(new LabelWidget(parent, [this] { raiseClick(); }), name) {
    auto* label = static_cast<QLabel*>(widget());
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setFocusPolicy(Qt::NoFocus);
    label->setContentsMargins(0, 0, 0, 0);
    label->setMargin(0);
    label->setIndent(0);
    setStyle(LabelStyle{});
}

const Label* Label::of(const QWidget* widget) {
    if (dynamic_cast<const LabelWidget*>(widget) == nullptr) return nullptr;
    return static_cast<const Label*>(Control::of(widget));
}

void Label::raiseClick() {
    // Copy first: a handler may unload the window that owns this label.
    if (auto handler = Click) handler();
}

void Label::setCaption(const QString& caption) {
    static_cast<QLabel*>(widget())->setText(caption);
}

QString Label::caption() const {
    return static_cast<QLabel*>(widget())->text();
}

void Label::setToolTip(const QString& tip) {
    widget()->setToolTip(tip);
}

QString Label::toolTip() const {
    return widget()->toolTip();
}

void Label::setStyle(const LabelStyle& style) {
    m_style = style;
    keepRequestedFont(style.font);
    auto* label = static_cast<QLabel*>(widget());
    label->setFont(resolveFont(style.font).font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, toQColor(style.backColour, palette));
    palette.setColor(QPalette::WindowText, toQColor(style.foreColour, palette));
    label->setPalette(palette);
    label->setAutoFillBackground(!style.transparent);
    label->setAlignment((style.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft) |
                        Qt::AlignTop);
}

}  // namespace forms
