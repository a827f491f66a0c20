#pragma once

#include <QString>
#include <QWidget>

#include "forms/twips.h"

namespace forms {

class Form;

// What every control has: a name, a place in twips and a visibility of its
// own. The visibility is the control's own setting, as the layout stores it;
// it does not depend on whether its window is on the screen.
class Control {
public:
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    QWidget* widget() const { return m_widget; }
    QString name() const { return m_widget->objectName(); }

    void setGeometry(const TwipsRect& rect);
    TwipsRect geometry() const { return m_geometry; }

    bool visible() const { return m_visible; }
    void setVisible(bool visible);

    // Place in the window's tab order; -1 for none.
    int tabIndex() const { return m_tabIndex; }
    void setTabIndex(int index) { m_tabIndex = index; }

protected:
    Control(QWidget* widget, const QString& name);
    ~Control() = default;

private:
    QWidget* m_widget;  // owned by its window, as a Qt child
    TwipsRect m_geometry;
    bool m_visible = true;
    int m_tabIndex = -1;
};

}  // namespace forms
