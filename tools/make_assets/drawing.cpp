#include "tools/make_assets/drawing.h"

#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <random>

namespace make_assets {

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

QFont makeFont(const QStringList& families, double pixelSize, QFont::Weight weight, bool italic) {
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    f.setWeight(weight);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont uiFont(double pixelSize, QFont::Weight weight) {
    return makeFont({"Carlito", "DejaVu Sans"}, pixelSize, weight);
}

// Film-grain noise, the same offset on all channels, so flat areas do not band in the JPEG.
void addGrain(QImage& img, int amplitude, quint32 seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> dist(-amplitude, amplitude);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const int n = dist(rng);
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                           std::clamp(qBlue(p) + n, 0, 255));
        }
    }
}

// Soft darkening towards the edges of a rectangle.
void drawVignette(QPainter& p, const QRectF& r, int strength) {
    QRadialGradient g(r.center(), std::hypot(r.width(), r.height()) * 0.62);
    g.setColorAt(0.0, QColor(0, 0, 0, 0));
    g.setColorAt(0.65, QColor(0, 0, 0, 0));
    g.setColorAt(1.0, QColor(0, 0, 0, strength));
    p.fillRect(r, g);
}

}  // namespace make_assets
