#pragma once

#include <QLabel>

namespace forms {

// A picture drawn unscaled from the top-left of its rectangle. Like a label it
// takes the presses inside its rectangle, so they never reach its window; it
// does nothing with them.
class Image : public QLabel {
    Q_OBJECT

public:
    Image(QWidget* parent, const QString& name);

    // The picture of a resource, drawn from then on.
    void loadPicture(const QString& resource);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace forms
