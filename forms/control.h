#pragma once

#include <QString>
#include <QWidget>

#include "forms/fonts.h"
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

    // The control around a widget, or none: whoever holds only the widget
    // (found by its name) can read what the layout asked of it.
    static const Control* of(const QWidget* widget);

    QWidget* widget() const { return m_widget; }
    QString name() const { return m_widget->objectName(); }

    void setGeometry(const TwipsRect& rect);
    TwipsRect geometry() const { return m_geometry; }

    bool visible() const { return m_visible; }
    void setVisible(bool visible);

    // Place in the window's tab order; -1 for none.
    int tabIndex() const { return m_tabIndex; }
    void setTabIndex(int index) { m_tabIndex = index; }

    // The font as the layout asked for it; Qt may draw a stand-in family.
    const FontRequest& requestedFont() const { return m_requestedFont; }

protected:
    Control(QWidget* widget, const QString& name);
    ~Control();

    void keepRequestedFont(const FontRequest& font) { m_requestedFont = font; }

private:
    QWidget* m_widget;  // owned by its window, as a Qt child
    TwipsRect m_geometry;
    bool m_visible = true;
    int m_tabIndex = -1;
    FontRequest m_requestedFont;
};

}  // namespace forms
