#include "forms/image.h"

#include <QMouseEvent>

#include "forms/pictures.h"

namespace forms {

Image::Image(QWidget* parent, const QString& name) : QLabel(parent) {
    setObjectName(name);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
    setScaledContents(false);
}

void Image::loadPicture(const QString& resource) {
    setPixmap(forms::picture(resource));
}

void Image::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void Image::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}

void Image::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}

void Image::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

}  // namespace forms
