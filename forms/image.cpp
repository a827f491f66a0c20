#include "forms/image.h"

#include <QLabel>
#include <QMouseEvent>

#include "forms/pictures.h"

namespace forms {

namespace {

class ImageWidget : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
    void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
};

}  // namespace

Image::Image(QWidget* parent, const QString& name) : Control(new ImageWidget(parent), name) {
    auto* label = static_cast<QLabel*>(widget());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setFocusPolicy(Qt::NoFocus);
    label->setScaledContents(false);
}

void Image::setPicture(const QString& resource) {
    static_cast<QLabel*>(widget())->setPixmap(picture(resource));
}

}  // namespace forms
