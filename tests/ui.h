#pragma once

// Drives the program the way a user does: mouse presses and key presses
// delivered to the window under the pointer, so that the widget that really
// lies there gets them.

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWindow>
#include <vector>

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

inline QPoint centreInWindow(const QWidget& control) {
    return control.mapTo(control.window(), control.rect().center());
}

inline void clickAt(QWidget* window, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(window->windowHandle(), button, {}, at);
}

// A left click in the middle of a control, delivered through its window.
inline void click(const QWidget& control, Qt::MouseButton button = Qt::LeftButton) {
    clickAt(control.window(), centreInWindow(control), button);
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

// Press at `from`, then move the pointer through each point of `path`, given
// on the screen as offsets from where the press was, with the button held;
// release where the pointer stopped. Between two moves the program runs, as
// it does while a hand moves the mouse; each move is delivered where the
// pointer then lies in the window, which may have moved under it meanwhile.
// Gives the window's place after each move.
inline std::vector<QPoint> dragAlong(QWidget* window, QPoint from, const std::vector<QPoint>& path,
                                     Qt::MouseButton button) {
    QWindow* handle = window->windowHandle();
    const QPoint pressedAt = handle->mapToGlobal(from);
    QTest::mousePress(handle, button, {}, from);
    QPoint pointer = pressedAt;
    std::vector<QPoint> places;
    for (const QPoint& offset : path) {
        QCoreApplication::processEvents();
        pointer = pressedAt + offset;
        QTest::mouseMove(handle, handle->mapFromGlobal(pointer));
        places.push_back(window->pos());
    }
    QCoreApplication::processEvents();
    QTest::mouseRelease(handle, button, {}, handle->mapFromGlobal(pointer));
    settle();
    return places;
}

// One key press per character. A character beyond ASCII comes as the text of a
// key Qt does not know, the way a keyboard layout or input method sends it
// (QTest::keyClicks passes each character as Latin-1, so it drops every
// character beyond that).
inline void type(QWidget& box, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(&box, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

inline void backspace(QWidget& box) {
    QTest::keyClick(&box, Qt::Key_Backspace);
}

// Puts text into the box the way a paste does: one change of the text.
inline void paste(QWidget& box, const QString& text);

// Where row `row` of a list is drawn, in its window, once scrolled into view.
inline QPoint rowInWindow(forms::ListBox& list, int row) {
    const QModelIndex index = list.model()->index(row, 0);
    list.scrollTo(index);
    return list.viewport()->mapTo(list.window(), list.visualRect(index).center());
}

// A click on row `row` of a list, delivered through its window.
inline void clickRow(forms::ListBox& list, int row) {
    clickAt(list.window(), rowInWindow(list, row));
}

inline void key(forms::ListBox& list, Qt::Key k) {
    QTest::keyClick(&list, k);
}

}  // namespace ui

#include <QClipboard>
#include <ostream>

// Places read in test failures as places.
inline void PrintTo(const QPoint& p, std::ostream* os) {
    *os << "(" << p.x() << ", " << p.y() << ")";
}

inline void ui::paste(QWidget& box, const QString& text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
}
