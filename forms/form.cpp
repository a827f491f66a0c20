#include "forms/form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <vector>

#include "forms/pictures.h"
#include "forms/timer.h"
#include "forms/twips.h"

namespace forms {

Form::Form(const FormFrame& frame) : QWidget(nullptr), m_draggable(frame.draggable) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowSystemMenuHint);
    setWindowTitle(frame.caption);
    if (!frame.icon.isEmpty()) setWindowIcon(icon(frame.icon));
    setFixedSize(pixels(frame.widthTwips), pixels(frame.heightTwips));
    if (!frame.picture.isEmpty()) m_picture = picture(frame.picture);
    setAutoFillBackground(true);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
}

Form::~Form() = default;

void Form::load() {
    if (m_loaded) return;
    m_loaded = true;
    initializeForm();
}

void Form::showForm() {
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    const bool wasShown = isVisible();
    show();
    // Shown again while open: bring it to the front.
    if (wasShown) raise();
}

void Form::unload() {
    if (m_unloaded) return;
    m_unloaded = true;
    endOwnDrag();
    hide();
    // Until it is deleted, the window takes no more input and its timers stop:
    // events already queued for it go nowhere, as they would for a destroyed
    // window.
    setEnabled(false);
    for (Timer* timer : findChildren<Timer*>()) timer->stop();
    emit unloaded();
    deleteLater();
}

void Form::minimize() {
    setWindowState(windowState() | Qt::WindowMinimized);
}

void Form::chainTabOrder(std::initializer_list<TabStop> stops) {
    std::vector<TabStop> focusable;
    for (const TabStop& stop : stops) {
        if (stop.index >= 0 && stop.control->focusPolicy() != Qt::NoFocus) {
            focusable.push_back(stop);
        }
    }
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const TabStop& a, const TabStop& b) { return a.index < b.index; });
    for (std::size_t i = 1; i < focusable.size(); ++i) {
        QWidget::setTabOrder(focusable[i - 1].control, focusable[i].control);
    }
}

void Form::startWindowDrag(Qt::MouseButton button, QPointF globalPosition) {
    if (m_dragButton != Qt::NoButton) return;  // a second button while moving
    // Only on Wayland is the platform's move the one way to move a window. The
    // X11 window managers' move is not used: it follows the left button only,
    // and it misses a release that comes before it has taken the pointer (a
    // quick click), so the window would stick to the pointer after the button
    // is up. Our own move ends with the release of the button that began it.
    static const bool waylandOnly =
        QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    if (waylandOnly) {
        if (QWindow* window = windowHandle(); window != nullptr && window->startSystemMove()) {
            return;
        }
    }
    m_dragButton = button;
    m_dragStartGlobal = globalPosition;
    m_dragStartPos = pos();
    grabMouse();
}

void Form::endOwnDrag() {
    if (m_dragButton == Qt::NoButton) return;
    m_dragButton = Qt::NoButton;
    releaseMouse();
}

void Form::paintEvent(QPaintEvent*) {
    if (m_picture.isNull()) return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void Form::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (m_draggable) startWindowDrag(event->button(), event->globalPosition());
}

void Form::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    if (m_dragButton == Qt::NoButton) return;
    if (!(event->buttons() & m_dragButton)) {  // its release went elsewhere
        endOwnDrag();
        return;
    }
    const QPointF delta = event->globalPosition() - m_dragStartGlobal;
    move(m_dragStartPos + delta.toPoint());
}

void Form::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() == m_dragButton) endOwnDrag();
}

void Form::closeEvent(QCloseEvent* event) {
    // Closed by the platform's own means (a taskbar menu, a shortcut): the
    // window is unloaded like any other.
    event->accept();
    unload();
}

}  // namespace forms
