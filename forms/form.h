#pragma once

#include <QPixmap>
#include <QPointF>
#include <QWidget>
#include <initializer_list>

namespace forms {

// The fixed frame of a window.
struct FormFrame {
    QString caption;  // the window's title for the platform; nothing draws it
    int widthTwips = 0;
    int heightTwips = 0;
    QString picture;  // background, drawn unscaled from the top left
    QString icon;
    bool draggable = true;  // a press of any button on the background moves the window
};

// A control's place in its window's tab order.
struct TabStop {
    QWidget* control;
    int index;
};

// A frameless, fixed-size top-level window with a background picture, placed
// in the middle of the screen when it is created. Exists at most once, through
// its FormSlot; unload() ends it.
class Form : public QWidget {
    Q_OBJECT

public:
    explicit Form(const FormFrame& frame);
    ~Form() override;

    // Runs the window's load step, initializeForm(), the first time it is
    // called. Its slot calls it right after creating the window, before the
    // access that created it takes effect.
    void load();

    // Puts the window on the screen (restoring it when minimized, and raising
    // it); creation alone does not.
    void showForm();

    // Hides the window, stops its timers and emits unloaded(), which empties
    // its slot at once, so that the next touch builds a fresh window. The
    // object itself goes only after the running handler has returned, so a
    // handler may unload its own window and run on, as long as it touches
    // nothing of that window afterwards.
    void unload();

    void minimize();

signals:
    void unloaded();

protected:
    // The window's load step: what it does once its controls exist, before
    // anything else touches it.
    virtual void initializeForm() {}

    // Chains the controls that take the focus into the tab order, by index.
    static void chainTabOrder(std::initializer_list<TabStop> stops);

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Moves the window while the pressed button is held, until its release:
    // on Wayland, where only the platform can move a window, by the platform's
    // own move; elsewhere by the window itself.
    void startWindowDrag(Qt::MouseButton button, QPointF globalPosition);
    void endOwnDrag();

    QPixmap m_picture;
    bool m_draggable;
    bool m_loaded = false;
    bool m_unloaded = false;

    Qt::MouseButton m_dragButton = Qt::NoButton;  // none: no move of our own runs
    QPointF m_dragStartGlobal;
    QPoint m_dragStartPos;
};

}  // namespace forms
