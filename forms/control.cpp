#include "forms/control.h"

#include <QHash>

namespace forms {

namespace {

QHash<const QWidget*, const Control*>& controlsByWidget() {
    static QHash<const QWidget*, const Control*> controls;
    return controls;
}

}  // namespace

Control::Control(QWidget* widget, const QString& name) : m_widget(widget) {
    m_widget->setObjectName(name);
    controlsByWidget().insert(m_widget, this);
}

Control::~Control() {
    controlsByWidget().remove(m_widget);
}

const Control* Control::of(const QWidget* widget) {
    return controlsByWidget().value(widget);
}

void Control::setGeometry(const TwipsRect& rect) {
    m_geometry = rect;
    m_widget->setGeometry(rect.toPixels());
}

void Control::setVisible(bool visible) {
    m_visible = visible;
    m_widget->setVisible(visible);
}

}  // namespace forms
