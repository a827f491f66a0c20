#include "forms/control.h"

namespace forms {

Control::Control(QWidget* widget, const QString& name) : m_widget(widget) {
    m_widget->setObjectName(name);
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
