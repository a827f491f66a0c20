// Draws every picture and icon of the program: the ten window backgrounds, the four window icons
// and the three copyright pictures. Everything is painted with QPainter from fixed seeds, so a
// rebuild gives the same bytes on the same fonts.
//
//   make_assets OUT_DIR            write all assets into OUT_DIR
//   make_assets --check OUT_DIR    reload them from disk and verify format, size and content

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QSize>
#include <QStringList>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tools/make_assets/backgrounds.h"
#include "tools/make_assets/copyright_pictures.h"
#include "tools/make_assets/icons.h"

namespace make_assets {

namespace {

constexpr int kJpegQuality = 90;

struct IconFile {
    QString name;
    IconKind kind;
};

const std::array<IconFile, 4> kIcons{{{"a", IconKind::Dictionary},
                                      {"b", IconKind::Help},
                                      {"c", IconKind::Copyright},
                                      {"d", IconKind::About}}};

// ---------------------------------------------------------------------------------------------
// Output

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return f.write(bytes) == bytes.size();
}

bool saveJpeg(const QImage& img, const QString& path) {
    QImageWriter w(path, "jpeg");
    w.setQuality(kJpegQuality);
    w.setProgressiveScanWrite(false);
    w.setOptimizedWrite(true);
    if (!w.write(img)) {
        std::fprintf(stderr, "make_assets: cannot write %s: %s\n", qPrintable(path),
                     qPrintable(w.errorString()));
        return false;
    }
    return true;
}

bool requireFonts() {
    const QStringList families = QFontDatabase::families();
    bool ok = true;
    for (const char* f : {"Carlito", "Noto Sans Bengali", "Noto Sans CJK SC"}) {
        if (!families.contains(QLatin1String(f))) {
            std::fprintf(stderr, "make_assets: font family %s is not installed\n", f);
            ok = false;
        }
    }
    return ok;
}

const char* kQrc = R"(<!DOCTYPE RCC>
<RCC version="1.0">
    <qresource prefix="/">
        <file>backgrounds/form1.jpg</file>
        <file>backgrounds/form2.jpg</file>
        <file>backgrounds/form3.jpg</file>
        <file>backgrounds/form4.jpg</file>
        <file>backgrounds/form5.jpg</file>
        <file>backgrounds/form6.jpg</file>
        <file>backgrounds/form7.jpg</file>
        <file>backgrounds/form8.jpg</file>
        <file>backgrounds/form9.jpg</file>
        <file>backgrounds/form10.jpg</file>
        <file>icons/a.ico</file>
        <file>icons/b.ico</file>
        <file>icons/c.ico</file>
        <file>icons/d.ico</file>
        <file>copyright/english.jpg</file>
        <file>copyright/chinese.jpg</file>
        <file>copyright/bengali.jpg</file>
    </qresource>
</RCC>
)";

int generate(const QString& outDir) {
    if (!requireFonts()) return 1;
    QDir dir(outDir);
    for (const char* sub : {"backgrounds", "icons", "copyright"}) {
        if (!dir.mkpath(sub)) {
            std::fprintf(stderr, "make_assets: cannot create %s/%s\n", qPrintable(outDir), sub);
            return 1;
        }
    }
    bool ok = true;
    quint32 seed = 101;
    for (const Theme& t : dictionaryThemes())
        ok &= saveJpeg(dictionaryBackground(t, seed++),
                       dir.filePath("backgrounds/" + t.file + ".jpg"));
    for (const Theme& t : infoThemes())
        ok &= saveJpeg(infoBackground(t, seed++), dir.filePath("backgrounds/" + t.file + ".jpg"));
    ok &= saveJpeg(lockBackground(seed++), dir.filePath("backgrounds/form10.jpg"));
    for (const Notice& n : notices())
        ok &= saveJpeg(copyrightPicture(n), dir.filePath("copyright/" + n.file + ".jpg"));
    for (const IconFile& i : kIcons) {
        const QString path = dir.filePath("icons/" + i.name + ".ico");
        if (!writeFile(path, encodeIco(renderIcon(i.kind, 64)))) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    ok &= writeFile(dir.filePath("assets.qrc"), QByteArray(kQrc));
    return ok ? 0 : 1;
}

// ---------------------------------------------------------------------------------------------
// Verification of the written files

struct JpegInfo {
    bool baseline = false;
    bool progressive = false;
    int components = 0;
};

JpegInfo jpegInfo(const QByteArray& b) {
    JpegInfo info;
    int i = 2;
    while (i + 4 <= b.size()) {
        if (static_cast<uchar>(b[i]) != 0xff) break;
        const uchar marker = static_cast<uchar>(b[i + 1]);
        const int len = (static_cast<uchar>(b[i + 2]) << 8) | static_cast<uchar>(b[i + 3]);
        if (marker == 0xc0 || marker == 0xc2) {
            info.baseline = marker == 0xc0;
            info.progressive = marker == 0xc2;
            if (i + 9 < b.size()) info.components = static_cast<uchar>(b[i + 9]);
        }
        if (marker == 0xda) break;
        i += 2 + len;
    }
    return info;
}

int check(const QString& outDir) {
    QDir dir(outDir);
    int failures = 0;
    auto fail = [&](const QString& what) {
        std::fprintf(stderr, "make_assets: check failed: %s\n", qPrintable(what));
        ++failures;
    };
    struct Expect {
        QString path;
        QSize size;
    };
    std::vector<Expect> jpegs;
    for (int i = 1; i <= 5; ++i)
        jpegs.push_back({QString("backgrounds/form%1.jpg").arg(i), {551, 514}});
    for (int i = 6; i <= 9; ++i)
        jpegs.push_back({QString("backgrounds/form%1.jpg").arg(i), {305, 358}});
    jpegs.push_back({"backgrounds/form10.jpg", {558, 522}});
    for (const Notice& n : notices()) jpegs.push_back({"copyright/" + n.file + ".jpg", {246, 109}});

    std::vector<QImage> loaded;
    for (const Expect& e : jpegs) {
        QFile f(dir.filePath(e.path));
        if (!f.open(QIODevice::ReadOnly)) {
            fail(e.path + " missing");
            continue;
        }
        const QByteArray bytes = f.readAll();
        const JpegInfo info = jpegInfo(bytes);
        if (!info.baseline || info.progressive) fail(e.path + " is not a baseline JPEG");
        if (info.components != 3) fail(e.path + " is not a colour JPEG");
        QImage img;
        if (!img.loadFromData(bytes, "jpeg")) fail(e.path + " does not load");
        if (img.size() != e.size)
            fail(QString("%1 is %2x%3").arg(e.path).arg(img.width()).arg(img.height()));
        for (const QImage& other : loaded) {
            if (other == img) fail(e.path + " equals another picture");
        }
        loaded.push_back(img);
    }

    for (const IconFile& i : kIcons) {
        const QString path = dir.filePath("icons/" + i.name + ".ico");
        if (QFileInfo(path).size() != 5694) fail(path + " is not 5694 bytes");
        QImageReader reader(path);
        if (reader.format() != "ico") fail(path + " is not read as ICO");
        if (reader.imageCount() != 1) fail(path + " does not hold exactly one image");
        const QImage img = reader.read();
        if (img.size() != QSize(64, 64)) fail(path + " is not 64x64");
        if (qAlpha(img.pixel(0, 0)) != 0) fail(path + " corner is not transparent");
        if (qAlpha(img.pixel(32, 32)) != 255) fail(path + " centre is not opaque");
        const QRgb expected = renderIcon(i.kind, 64).pixel(32, 12);
        const QRgb got = img.pixel(32, 12);
        if (std::abs(qRed(expected) - qRed(got)) + std::abs(qGreen(expected) - qGreen(got)) +
                std::abs(qBlue(expected) - qBlue(got)) >
            24)
            fail(path + " colours are off after palette reduction");
        const QIcon icon(path);
        if (icon.isNull() || !icon.availableSizes().contains(QSize(64, 64)))
            fail(path + " is not usable as a QIcon");
    }
    if (!QFileInfo::exists(dir.filePath("assets.qrc"))) fail("assets.qrc missing");
    if (failures == 0) std::printf("make_assets: all assets check out\n");
    return failures == 0 ? 0 : 1;
}

}  // namespace

}  // namespace make_assets

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() == 2) return make_assets::generate(args[1]);
    if (args.size() == 3 && args[1] == "--check") return make_assets::check(args[2]);
    std::fprintf(stderr, "usage: make_assets OUT_DIR | --check OUT_DIR\n");
    return 2;
}
