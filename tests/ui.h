#pragma once

// Drives the program the way a user does: mouse presses and key presses
// delivered to the window under the pointer, so that the widget that really
// lies there gets them.

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>

#include "forms/control.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/text_box.h"

namespace ui {

// Lets queued work (the end-of-handler check, deferred deletes) run.
inline void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

inline QWidget* windowOf(const forms::Control& control) {
    return control.widget()->window();
}

inline QPoint centreInWindow(const forms::Control& control) {
    QWidget* w = control.widget();
    return w->mapTo(w->window(), w->rect().center());
}

inline void clickAt(QWidget* window, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(window->windowHandle(), button, {}, at);
}

// A left click in the middle of a control, delivered through its window.
inline void click(const forms::Control& control, Qt::MouseButton button = Qt::LeftButton) {
    clickAt(windowOf(control), centreInWindow(control), button);
}

// Press at `from`, move by `by` with the button held, release.
inline void drag(QWidget* window, QPoint from, QPoint by, Qt::MouseButton button,
                 Qt::KeyboardModifiers modifiers = {}) {
    QWindow* handle = window->windowHandle();
    QTest::mousePress(handle, button, modifiers, from);
    QTest::mouseMove(handle, from + by);
    // The window has moved under the pointer; release where the pointer is.
    QTest::mouseRelease(handle, button, modifiers, from);
    settle();
}

inline void type(forms::TextBox& box, const QString& text) {
    QTest::keyClicks(box.widget(), text);
}

inline void backspace(forms::TextBox& box) {
    QTest::keyClick(box.widget(), Qt::Key_Backspace);
}

// Puts text into the box the way a paste does: one change of the text.
inline void paste(forms::TextBox& box, const QString& text);

// A click on row `row` of a list, delivered through its window.
inline void clickRow(forms::ListBox& list, int row) {
    auto* widget = static_cast<QListWidget*>(list.widget());
    widget->scrollToItem(widget->item(row));
    const QRect r = widget->visualItemRect(widget->item(row));
    const QPoint at = widget->viewport()->mapTo(widget->window(), r.center());
    clickAt(widget->window(), at);
}

inline void key(forms::ListBox& list, Qt::Key k) {
    QWidget* viewport = static_cast<QListWidget*>(list.widget());
    QTest::keyClick(viewport, k);
}

}  // namespace ui

#include <QClipboard>

inline void ui::paste(forms::TextBox& box, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box.widget(), Qt::Key_V, Qt::ControlModifier);
}
