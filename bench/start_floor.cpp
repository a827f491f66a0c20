// The least a Qt program does to reach the home screen's first frame: one
// frameless window of the home screen's size with its background picture.
// With --text it also shows the home screen's title as one plain label, the
// least a program pays for showing any text at all.

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>

#include "bench/first_frame.h"

namespace {

constexpr const char* kPicture = ":/backgrounds/form1.jpg";

class FloorWindow : public QWidget {
public:
    FloorWindow() : QWidget(nullptr) {
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        setFixedSize(549, 511);
        m_picture = QPixmap(kPicture);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_picture);
    }

private:
    QPixmap m_picture;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FloorWindow window;
    if (QCoreApplication::arguments().contains("--text")) {
        auto* title = new QLabel("Orvanta Abbreviation Dictionary", &window);
        title->setGeometry(16, 224, 409, 57);
    }
    bench::exitAfterFirstFrame([&window] { return &window; });
    window.show();
    return QApplication::exec();
}
