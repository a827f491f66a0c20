// Writes the program's icon as PNG for the desktop's icon theme: the ICO
// file's largest image, pixel for pixel.
//
//   icon_png ICON.ico OUT.png

#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char** argv) {
    // The ICO reader is one of Qt's image plugins, found through the application.
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: icon_png ICON.ico OUT.png\n");
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]), "ico");
    QImage largest;
    do {
        const QImage image = reader.read();
        if (image.isNull()) {
            std::fprintf(stderr, "icon_png: %s: %s\n", argv[1], qPrintable(reader.errorString()));
            return 1;
        }
        if (image.width() > largest.width()) largest = image;
    } while (reader.jumpToNextImage());
    if (!largest.save(QString::fromLocal8Bit(argv[2]), "png")) {
        std::fprintf(stderr, "icon_png: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
