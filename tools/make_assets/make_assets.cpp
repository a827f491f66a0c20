// Draws every picture and icon of the program: the ten window backgrounds, the four window icons
// and the three copyright pictures. Everything is painted with QPainter from fixed seeds, so a
// rebuild gives the same bytes on the same fonts.
//
//   make_assets OUT_DIR            write all assets into OUT_DIR
//   make_assets --check OUT_DIR    reload them from disk and verify format, size and content

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

namespace {

constexpr int kJpegQuality = 90;

// ---------------------------------------------------------------------------------------------
// Small drawing helpers

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

QFont makeFont(const QStringList& families, double pixelSize, QFont::Weight weight = QFont::Normal,
               bool italic = false) {
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(static_cast<int>(std::lround(pixelSize)));
    f.setWeight(weight);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont uiFont(double pixelSize, QFont::Weight weight = QFont::Normal) {
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

// ---------------------------------------------------------------------------------------------
// Icons: one rounded tile per icon, the same shape and lighting, a different colour and glyph.

enum class IconKind { Dictionary, Help, Copyright, About };

struct IconStyle {
    QColor top;
    QColor bottom;
};

IconStyle iconStyle(IconKind kind) {
    switch (kind) {
        case IconKind::Dictionary:
            return {QColor(0x2a, 0x52, 0x8f), QColor(0x0e, 0x22, 0x47)};
        case IconKind::Help:
            return {QColor(0x1f, 0x9c, 0x8c), QColor(0x0a, 0x4d, 0x46)};
        case IconKind::Copyright:
            return {QColor(0xb3, 0x24, 0x24), QColor(0x5c, 0x08, 0x08)};
        case IconKind::About:
            return {QColor(0x3b, 0x7d, 0xd6), QColor(0x14, 0x3a, 0x78)};
    }
    return {};
}

void drawBookGlyph(QPainter& p) {
    // Open book on a 256 grid: two curved pages meeting at the spine, gold page edges below.
    const QColor ink(0x12, 0x2a, 0x55);
    QPainterPath edges;
    edges.moveTo(128, 206);
    edges.cubicTo(100, 188, 64, 184, 30, 192);
    edges.lineTo(30, 204);
    edges.cubicTo(64, 196, 100, 200, 128, 218);
    edges.cubicTo(156, 200, 192, 196, 226, 204);
    edges.lineTo(226, 192);
    edges.cubicTo(192, 184, 156, 188, 128, 206);
    p.fillPath(edges, QColor(0xe3, 0xb8, 0x4f));

    auto page = [](bool left) {
        const double s = left ? -1.0 : 1.0;
        QPainterPath path;
        path.moveTo(128, 70);
        path.cubicTo(128 + s * 30, 54, 128 + s * 70, 50, 128 + s * 98, 60);
        path.lineTo(128 + s * 98, 190);
        path.cubicTo(128 + s * 70, 180, 128 + s * 30, 184, 128, 204);
        path.closeSubpath();
        return path;
    };
    QLinearGradient paper(0, 60, 0, 204);
    paper.setColorAt(0, QColor(0xff, 0xff, 0xff));
    paper.setColorAt(1, QColor(0xec, 0xe6, 0xd6));
    for (bool left : {true, false}) {
        p.fillPath(page(left), paper);
    }
    p.setPen(QPen(QColor(0xb9, 0xae, 0x93), 4));
    p.drawLine(QPointF(128, 72), QPointF(128, 202));

    p.setPen(ink);
    p.setFont(uiFont(92, QFont::Bold));
    p.drawText(QRectF(36, 62, 90, 124), Qt::AlignCenter, "A");
    p.drawText(QRectF(132, 62, 90, 124), Qt::AlignCenter, "b");
}

void drawRingGlyph(QPainter& p, const QString& glyph, double pixelSize, double dy) {
    p.setPen(QPen(Qt::white, 16));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(128, 128), 80, 80);
    p.setPen(Qt::white);
    p.setFont(uiFont(pixelSize, QFont::Bold));
    p.drawText(QRectF(28, 28 + dy, 200, 200), Qt::AlignCenter, glyph);
}

QImage renderIcon(IconKind kind, int size) {
    QImage big(256, 256, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        const IconStyle style = iconStyle(kind);
        const QRectF tile(6, 6, 244, 244);
        QPainterPath shape;
        shape.addRoundedRect(tile, 54, 54);

        QLinearGradient body(0, 6, 0, 250);
        body.setColorAt(0, style.top);
        body.setColorAt(1, style.bottom);
        p.fillPath(shape, body);

        p.save();
        p.setClipPath(shape);
        QRadialGradient sheen(QPointF(128, -40), 230);
        sheen.setColorAt(0, QColor(255, 255, 255, 90));
        sheen.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(tile, sheen);
        p.restore();

        p.setPen(QPen(style.bottom.darker(160), 8));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(tile.adjusted(4, 4, -4, -4), 50, 50);

        switch (kind) {
            case IconKind::Dictionary:
                drawBookGlyph(p);
                break;
            case IconKind::Help:
                drawRingGlyph(p, "?", 150, 2);
                break;
            case IconKind::Copyright:
                drawRingGlyph(p, "C", 130, 0);
                break;
            case IconKind::About:
                drawRingGlyph(p, "i", 150, 0);
                break;
        }
    }
    return big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32);
}

// Median cut over the opaque pixels, refined by a few k-means rounds. Index 0 stays black: it is
// what the transparent pixels carry under their mask bit.
std::vector<QRgb> buildPalette(const std::vector<QRgb>& pixels, int colours) {
    struct Box {
        std::vector<QRgb> px;
    };
    auto channel = [](QRgb c, int ch) {
        return ch == 0 ? qRed(c) : ch == 1 ? qGreen(c) : qBlue(c);
    };
    auto range = [&](const Box& b, int& widest) {
        int best = -1;
        for (int ch = 0; ch < 3; ++ch) {
            int lo = 255, hi = 0;
            for (QRgb c : b.px) {
                lo = std::min(lo, channel(c, ch));
                hi = std::max(hi, channel(c, ch));
            }
            if (hi - lo > best) {
                best = hi - lo;
                widest = ch;
            }
        }
        return best;
    };
    std::vector<Box> boxes{{pixels}};
    while (static_cast<int>(boxes.size()) < colours) {
        int pick = -1, pickChannel = 0;
        double pickScore = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            int ch = 0;
            const int r = range(boxes[i], ch);
            const double score = r * std::sqrt(static_cast<double>(boxes[i].px.size()));
            if (r > 0 && score > pickScore) {
                pickScore = score;
                pick = static_cast<int>(i);
                pickChannel = ch;
            }
        }
        if (pick < 0) break;
        auto& px = boxes[pick].px;
        std::sort(px.begin(), px.end(), [&](QRgb a, QRgb b) {
            return channel(a, pickChannel) < channel(b, pickChannel);
        });
        Box upper{std::vector<QRgb>(px.begin() + px.size() / 2, px.end())};
        px.resize(px.size() / 2);
        boxes.push_back(std::move(upper));
    }
    std::vector<std::array<double, 3>> centres;
    for (const Box& b : boxes) {
        std::array<double, 3> sum{0, 0, 0};
        for (QRgb c : b.px) {
            sum[0] += qRed(c);
            sum[1] += qGreen(c);
            sum[2] += qBlue(c);
        }
        for (double& s : sum) s /= static_cast<double>(b.px.size());
        centres.push_back(sum);
    }
    auto nearest = [&](QRgb c) {
        size_t best = 0;
        double bestD = 1e18;
        for (size_t i = 0; i < centres.size(); ++i) {
            const double dr = qRed(c) - centres[i][0], dg = qGreen(c) - centres[i][1],
                         db = qBlue(c) - centres[i][2];
            const double d = dr * dr + dg * dg + db * db;
            if (d < bestD) {
                bestD = d;
                best = i;
            }
        }
        return best;
    };
    for (int round = 0; round < 6; ++round) {
        std::vector<std::array<double, 4>> acc(centres.size(), {0, 0, 0, 0});
        for (QRgb c : pixels) {
            auto& a = acc[nearest(c)];
            a[0] += qRed(c);
            a[1] += qGreen(c);
            a[2] += qBlue(c);
            a[3] += 1;
        }
        for (size_t i = 0; i < centres.size(); ++i) {
            if (acc[i][3] > 0) {
                for (int ch = 0; ch < 3; ++ch) centres[i][ch] = acc[i][ch] / acc[i][3];
            }
        }
    }
    std::vector<QRgb> palette{qRgb(0, 0, 0)};
    for (const auto& c : centres) {
        palette.push_back(qRgb(static_cast<int>(std::lround(c[0])),
                               static_cast<int>(std::lround(c[1])),
                               static_cast<int>(std::lround(c[2]))));
    }
    palette.resize(256, qRgb(0, 0, 0));
    return palette;
}

void putLe16(QByteArray& out, int v) {
    out.append(static_cast<char>(v & 0xff));
    out.append(static_cast<char>((v >> 8) & 0xff));
}

void putLe32(QByteArray& out, qint64 v) {
    for (int i = 0; i < 4; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xff));
}

// An ICO with one 64x64 image of 256 colours: BITMAPINFOHEADER, 256-entry palette, 8-bit XOR
// pixels and a 1-bit AND mask, both bottom-up. 22 + 40 + 1024 + 4096 + 512 = 5694 bytes.
QByteArray encodeIco(const QImage& argb) {
    const int w = argb.width(), h = argb.height();
    std::vector<QRgb> opaque;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = argb.pixel(x, y);
            if (qAlpha(c) >= 128) opaque.push_back(qRgb(qRed(c), qGreen(c), qBlue(c)));
        }
    }
    const std::vector<QRgb> palette = buildPalette(opaque, 255);
    auto indexOf = [&](QRgb c) {
        int best = 1;
        int bestD = 1 << 30;
        for (int i = 1; i < 256; ++i) {
            const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                      db = qBlue(c) - qBlue(palette[i]);
            const int d = dr * dr + dg * dg + db * db;
            if (d < bestD) {
                bestD = d;
                best = i;
            }
        }
        return best;
    };

    const int xorStride = (w + 3) / 4 * 4;
    const int andStride = ((w + 31) / 32) * 4;
    const int imageBytes = 40 + 256 * 4 + xorStride * h + andStride * h;

    QByteArray out;
    putLe16(out, 0);  // reserved
    putLe16(out, 1);  // type: icon
    putLe16(out, 1);  // one image
    out.append(static_cast<char>(w == 256 ? 0 : w));
    out.append(static_cast<char>(h == 256 ? 0 : h));
    out.append('\0');  // colour count 0 means 256
    out.append('\0');
    putLe16(out, 1);  // planes
    putLe16(out, 8);  // bits per pixel
    putLe32(out, imageBytes);
    putLe32(out, 22);

    putLe32(out, 40);
    putLe32(out, w);
    putLe32(out, 2 * h);  // XOR and AND bitmaps stacked
    putLe16(out, 1);
    putLe16(out, 8);
    putLe32(out, 0);  // BI_RGB
    putLe32(out, xorStride * h + andStride * h);
    putLe32(out, 0);
    putLe32(out, 0);
    putLe32(out, 256);
    putLe32(out, 0);
    for (QRgb c : palette) {
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(xorStride, '\0');
        for (int x = 0; x < w; ++x) {
            const QRgb c = argb.pixel(x, y);
            if (qAlpha(c) >= 128) row[x] = static_cast<char>(indexOf(c));
        }
        out.append(row);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(andStride, '\0');
        for (int x = 0; x < w; ++x) {
            if (qAlpha(argb.pixel(x, y)) < 128)
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

// ---------------------------------------------------------------------------------------------
// Window backgrounds

enum class Motif { Book, Circuit, Gear, Delta, Globe, Question, Envelope, Seal, Info };

struct Theme {
    QString file;
    QString name;
    QColor headerLeft;
    QColor headerRight;
    QColor accent;
    QColor paper;
    QColor panel;
    Motif motif;
    IconKind icon;
};

void drawMotif(QPainter& p, Motif motif, const QPointF& c, double r, const QColor& ink) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, std::max(1.5, r / 40.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (motif) {
        case Motif::Book: {
            for (int i = 0; i < 4; ++i) {
                const double y = c.y() + r * 0.15 + i * r * 0.09;
                QPainterPath page;
                page.moveTo(c.x() - r, y - r * 0.1);
                page.cubicTo(c.x() - r * 0.5, y - r * 0.3, c.x() - r * 0.15, y - r * 0.2, c.x(), y);
                page.cubicTo(c.x() + r * 0.15, y - r * 0.2, c.x() + r * 0.5, y - r * 0.3, c.x() + r,
                             y - r * 0.1);
                p.drawPath(page);
            }
            QPainterPath top;
            top.moveTo(c.x() - r, c.y() - r * 0.55);
            top.cubicTo(c.x() - r * 0.5, c.y() - r * 0.75, c.x() - r * 0.15, c.y() - r * 0.65,
                        c.x(), c.y() - r * 0.45);
            top.cubicTo(c.x() + r * 0.15, c.y() - r * 0.65, c.x() + r * 0.5, c.y() - r * 0.75,
                        c.x() + r, c.y() - r * 0.55);
            p.drawPath(top);
            p.drawLine(QPointF(c.x() - r, c.y() - r * 0.55), QPointF(c.x() - r, c.y() + r * 0.05));
            p.drawLine(QPointF(c.x() + r, c.y() - r * 0.55), QPointF(c.x() + r, c.y() + r * 0.05));
            p.drawLine(QPointF(c.x(), c.y() - r * 0.45), QPointF(c.x(), c.y() + r * 0.42));
            break;
        }
        case Motif::Circuit: {
            // A chip with traces running out from its pins to round pads.
            const QRectF chip(c.x() - r * 0.32, c.y() - r * 0.32, r * 0.64, r * 0.64);
            p.drawRoundedRect(chip, r * 0.05, r * 0.05);
            p.drawRoundedRect(chip.adjusted(r * 0.1, r * 0.1, -r * 0.1, -r * 0.1), 2, 2);
            const double reach[] = {0.55, 0.8, 0.65};
            for (int side = 0; side < 4; ++side) {
                for (int k = 0; k < 3; ++k) {
                    const double along = (k - 1) * r * 0.2;
                    const double bend = (k - 1) * r * 0.18;
                    QPointF start, mid, end;
                    if (side == 0) {
                        start = {chip.right(), c.y() + along};
                        mid = {c.x() + r * 0.5, start.y()};
                        end = {c.x() + r * reach[k] + r * 0.2, start.y() + bend};
                    } else if (side == 1) {
                        start = {chip.left(), c.y() + along};
                        mid = {c.x() - r * 0.5, start.y()};
                        end = {c.x() - r * reach[k] - r * 0.2, start.y() + bend};
                    } else if (side == 2) {
                        start = {c.x() + along, chip.bottom()};
                        mid = {start.x(), c.y() + r * 0.5};
                        end = {start.x() + bend, c.y() + r * reach[k] + r * 0.1};
                    } else {
                        start = {c.x() + along, chip.top()};
                        mid = {start.x(), c.y() - r * 0.5};
                        end = {start.x() + bend, c.y() - r * reach[k] - r * 0.1};
                    }
                    QPainterPath trace(start);
                    trace.lineTo(mid);
                    trace.lineTo(end);
                    p.drawPath(trace);
                    p.drawEllipse(end, r * 0.045, r * 0.045);
                }
            }
            break;
        }
        case Motif::Gear: {
            QPainterPath gear;
            const int teeth = 12;
            for (int i = 0; i < teeth * 4; ++i) {
                const double a = i * M_PI * 2 / (teeth * 4);
                const double rr = (i % 4 == 0 || i % 4 == 1) ? r : r * 0.82;
                const QPointF pt(c.x() + std::cos(a) * rr, c.y() + std::sin(a) * rr);
                if (i == 0)
                    gear.moveTo(pt);
                else
                    gear.lineTo(pt);
            }
            gear.closeSubpath();
            p.drawPath(gear);
            p.drawEllipse(c, r * 0.35, r * 0.35);
            p.drawEllipse(c + QPointF(r * 1.25, r * 0.55), r * 0.3, r * 0.3);
            break;
        }
        case Motif::Delta: {
            p.drawEllipse(c, r * 0.55, r * 0.55);
            for (int i = 0; i < 4; ++i) {
                QPainterPath wave;
                const double y = c.y() + r * 0.7 + i * r * 0.16;
                wave.moveTo(c.x() - r * 1.2, y);
                for (int k = 0; k < 4; ++k) {
                    const double x0 = c.x() - r * 1.2 + k * r * 0.6;
                    wave.cubicTo(x0 + r * 0.15, y - r * 0.08, x0 + r * 0.45, y + r * 0.08,
                                 x0 + r * 0.6, y);
                }
                p.drawPath(wave);
            }
            break;
        }
        case Motif::Globe: {
            p.drawEllipse(c, r, r);
            for (double k : {0.35, 0.7}) p.drawEllipse(c, r * k, r);
            p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
            for (double k : {-0.5, 0.0, 0.5}) {
                const double y = c.y() + k * r;
                const double half = std::sqrt(1 - k * k) * r;
                p.drawLine(QPointF(c.x() - half, y), QPointF(c.x() + half, y));
            }
            break;
        }
        case Motif::Question:
        case Motif::Seal:
        case Motif::Info: {
            p.setPen(QPen(ink, r * 0.09));
            p.drawEllipse(c, r, r);
            const QString glyph = motif == Motif::Question ? "?" : motif == Motif::Seal ? "C" : "i";
            p.setPen(ink);
            p.setFont(uiFont(r * 1.3, QFont::Bold));
            p.drawText(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::AlignCenter, glyph);
            break;
        }
        case Motif::Envelope: {
            const QRectF body(c.x() - r, c.y() - r * 0.62, 2 * r, r * 1.24);
            p.drawRoundedRect(body, r * 0.08, r * 0.08);
            QPainterPath flap;
            flap.moveTo(body.topLeft());
            flap.lineTo(c.x(), c.y() + r * 0.1);
            flap.lineTo(body.topRight());
            p.drawPath(flap);
            p.drawLine(body.bottomLeft(), QPointF(c.x() - r * 0.3, c.y() - r * 0.1));
            p.drawLine(body.bottomRight(), QPointF(c.x() + r * 0.3, c.y() - r * 0.1));
            break;
        }
    }
    p.restore();
}

// Light paper body: a soft vertical gradient of the theme's paper colour.
void drawPaper(QPainter& p, const QRectF& r, const QColor& paper) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, paper.lighter(103));
    g.setColorAt(1, mix(paper, QColor(0, 0, 0), 0.035));
    p.fillRect(r, g);
}

// Dark band across the top with the window's emblem and name on the left; the right end stays
// plain for the white title-bar labels.
void drawHeader(QPainter& p, const QRectF& band, const Theme& t, double textPx) {
    QLinearGradient g(band.topLeft(), band.topRight());
    g.setColorAt(0, t.headerLeft);
    g.setColorAt(1, t.headerRight);
    p.fillRect(band, g);
    QLinearGradient sheen(band.topLeft(), band.bottomLeft());
    sheen.setColorAt(0, QColor(255, 255, 255, 34));
    sheen.setColorAt(0.5, QColor(255, 255, 255, 8));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(band, sheen);
    p.fillRect(QRectF(band.left(), band.top(), band.width(), 1), QColor(255, 255, 255, 40));

    const QRectF stripe(band.left(), band.bottom(), band.width(), 2);
    QLinearGradient sg(stripe.topLeft(), stripe.topRight());
    sg.setColorAt(0, t.accent);
    sg.setColorAt(0.7, withAlpha(t.accent, 200));
    sg.setColorAt(1, withAlpha(t.accent.darker(150), 160));
    p.fillRect(stripe, sg);
    QLinearGradient shadow(0, stripe.bottom(), 0, stripe.bottom() + 4);
    shadow.setColorAt(0, QColor(0, 0, 0, 40));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(band.left(), stripe.bottom(), band.width(), 4), shadow);

    const double emblem = band.height() - 10;
    const QImage icon = renderIcon(t.icon, static_cast<int>(emblem));
    p.drawImage(QPointF(band.left() + 8, band.top() + 5), icon);

    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QColor(255, 255, 255, 235));
    p.setFont(uiFont(textPx, QFont::DemiBold));
    const QRectF textBox(band.left() + 14 + emblem, band.top(), 330, band.height());
    p.drawText(textBox, Qt::AlignLeft | Qt::AlignVCenter, t.name);
}

QImage dictionaryBackground(const Theme& t, quint32 seed) {
    QImage img(551, 514, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(0, 32, 551, 482);
    drawPaper(p, body, t.paper);
    drawMotif(p, t.motif, QPointF(316, 358), 58, withAlpha(t.headerLeft, 20));
    drawVignette(p, body, 22);

    // A tinted panel for the dictionary buttons, wide enough to take the selection marker.
    const QRectF panel(418.5, 64.5, 120, 382);
    QLinearGradient pg(panel.topLeft(), panel.bottomLeft());
    pg.setColorAt(0, mix(t.paper, t.panel, 0.16));
    pg.setColorAt(1, mix(t.paper, t.panel, 0.09));
    p.setPen(QPen(withAlpha(t.headerLeft, 70), 1));
    p.setBrush(pg);
    p.drawRoundedRect(panel, 10, 10);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(panel.adjusted(1, 1, -1, -1), 9, 9);

    // Hairline footer.
    QLinearGradient fg(24, 0, 400, 0);
    fg.setColorAt(0, withAlpha(t.accent, 0));
    fg.setColorAt(0.5, withAlpha(t.accent, 150));
    fg.setColorAt(1, withAlpha(t.accent, 0));
    p.fillRect(QRectF(24, 490, 376, 1), fg);

    drawHeader(p, QRectF(0, 0, 551, 32), t, 15);
    p.end();
    addGrain(img, 2, seed);
    return img;
}

QImage infoBackground(const Theme& t, quint32 seed) {
    QImage img(305, 358, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(0, 28, 305, 330);
    drawPaper(p, body, t.paper);
    drawMotif(p, t.motif, QPointF(238, 290), 50, withAlpha(t.headerLeft, 13));
    drawVignette(p, body, 18);

    p.setPen(QPen(withAlpha(t.headerLeft, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(8.5, 38.5, 285, 309), 8, 8);
    p.setPen(QPen(withAlpha(t.accent, 90), 1));
    p.drawRoundedRect(QRectF(11.5, 41.5, 279, 303), 6, 6);

    if (t.file == "form6") {
        const QRectF menu(72.5, 72.5, 160, 187);
        QLinearGradient mg(menu.topLeft(), menu.bottomLeft());
        mg.setColorAt(0, mix(t.paper, t.panel, 0.16));
        mg.setColorAt(1, mix(t.paper, t.panel, 0.08));
        p.setPen(QPen(withAlpha(t.headerLeft, 70), 1));
        p.setBrush(mg);
        p.drawRoundedRect(menu, 10, 10);
    } else if (t.file == "form8") {
        // A soft well behind the copyright picture and a strip behind the language buttons.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawRoundedRect(QRectF(20, 108, 262, 118), 6, 6);
        const QRectF row(20.5, 250.5, 260, 54);
        QLinearGradient rg(row.topLeft(), row.bottomLeft());
        rg.setColorAt(0, mix(t.paper, t.panel, 0.12));
        rg.setColorAt(1, mix(t.paper, t.panel, 0.06));
        p.setPen(QPen(withAlpha(t.headerLeft, 60), 1));
        p.setBrush(rg);
        p.drawRoundedRect(row, 8, 8);
    }

    drawHeader(p, QRectF(0, 0, 305, 28), t, 13);
    p.end();
    addGrain(img, 2, seed);
    return img;
}

void drawPadlock(QPainter& p, const QPointF& top) {
    const double cx = top.x();
    QRadialGradient glow(QPointF(cx, top.y() + 90), 120);
    glow.setColorAt(0, QColor(120, 170, 255, 60));
    glow.setColorAt(1, QColor(120, 170, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(cx, top.y() + 90), 120, 120);

    // Shackle
    QPainterPath shackle;
    shackle.moveTo(cx - 34, top.y() + 76);
    shackle.lineTo(cx - 34, top.y() + 40);
    shackle.arcTo(QRectF(cx - 34, top.y() + 6, 68, 68), 180, -180);
    shackle.lineTo(cx + 34, top.y() + 76);
    QLinearGradient steel(cx - 40, 0, cx + 40, 0);
    steel.setColorAt(0, QColor(0xb8, 0xc4, 0xd6));
    steel.setColorAt(0.45, QColor(0xf4, 0xf7, 0xfb));
    steel.setColorAt(1, QColor(0x8a, 0x98, 0xad));
    p.setPen(QPen(QBrush(steel), 13, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shackle);

    // Body
    const QRectF body(cx - 56, top.y() + 70, 112, 86);
    QLinearGradient gold(body.topLeft(), body.bottomLeft());
    gold.setColorAt(0, QColor(0xf3, 0xd0, 0x7a));
    gold.setColorAt(0.5, QColor(0xd9, 0xa7, 0x3e));
    gold.setColorAt(1, QColor(0xa4, 0x74, 0x1e));
    p.setPen(QPen(QColor(0x6e, 0x4a, 0x10), 1.5));
    p.setBrush(gold);
    p.drawRoundedRect(body, 14, 14);
    QLinearGradient shine(body.topLeft(), body.bottomLeft());
    shine.setColorAt(0, QColor(255, 255, 255, 90));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawRoundedRect(body.adjusted(4, 3, -4, -body.height() * 0.55), 10, 10);

    // Keyhole
    QPainterPath hole;
    hole.addEllipse(QPointF(cx, body.top() + 36), 10, 10);
    QPainterPath slot;
    slot.moveTo(cx - 5, body.top() + 40);
    slot.lineTo(cx + 5, body.top() + 40);
    slot.lineTo(cx + 7, body.top() + 66);
    slot.lineTo(cx - 7, body.top() + 66);
    slot.closeSubpath();
    p.setBrush(QColor(0x2a, 0x1c, 0x06));
    p.drawPath(hole.united(slot));
}

QImage lockBackground(quint32 seed) {
    QImage img(558, 522, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 522);
    g.setColorAt(0, QColor(0x10, 0x22, 0x42));
    g.setColorAt(0.55, QColor(0x09, 0x14, 0x2a));
    g.setColorAt(1, QColor(0x04, 0x08, 0x12));
    p.fillRect(img.rect(), g);
    QRadialGradient halo(QPointF(280, 300), 300);
    halo.setColorAt(0, QColor(0x2c, 0x50, 0x8c, 110));
    halo.setColorAt(1, QColor(0x2c, 0x50, 0x8c, 0));
    p.fillRect(img.rect(), halo);

    // Faint concentric rings behind the clock.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 10 - i), 1));
        p.drawEllipse(QPointF(280, 278), 150 + i * 38, 150 + i * 38);
    }

    // Product name, small and spaced, at the top.
    QFont name = uiFont(14, QFont::DemiBold);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
    p.setFont(name);
    p.setPen(QColor(255, 255, 255, 170));
    p.drawText(QRectF(10, 12, 540, 22), Qt::AlignCenter, "Orvanta Abbreviation Dictionary");
    QLinearGradient line(170, 0, 390, 0);
    line.setColorAt(0, QColor(255, 255, 255, 0));
    line.setColorAt(0.5, QColor(0xd9, 0xa7, 0x3e, 170));
    line.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(170, 38, 220, 1), line);

    drawPadlock(p, QPointF(280, 46));

    // Glass card for the time and the date.
    const QRectF card(166.5, 214.5, 228, 126);
    p.setPen(QPen(QColor(255, 255, 255, 36), 1));
    p.setBrush(QColor(255, 255, 255, 14));
    p.drawRoundedRect(card, 16, 16);
    QLinearGradient sep(200, 0, 360, 0);
    sep.setColorAt(0, QColor(255, 255, 255, 0));
    sep.setColorAt(0.5, QColor(255, 255, 255, 70));
    sep.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRectF(200, 276, 160, 1), sep);

    // Outline that makes the transparent "Unlock" label read as a button.
    const QRectF pill(204.5, 372.5, 145, 48);
    p.setPen(QPen(QColor(255, 255, 255, 120), 1.5));
    p.setBrush(QColor(255, 255, 255, 16));
    p.drawRoundedRect(pill, 24, 24);

    p.end();
    addGrain(img, 2, seed);
    return img;
}

// ---------------------------------------------------------------------------------------------
// Copyright pictures

struct Notice {
    QString file;
    QStringList families;
    QStringList lines;
};

QImage copyrightPicture(const Notice& n) {
    QImage img(246, 109, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient bg(0, 0, 0, 109);
    bg.setColorAt(0, QColor(0xff, 0xfd, 0xf7));
    bg.setColorAt(1, QColor(0xf1, 0xea, 0xda));
    p.fillRect(img.rect(), bg);

    const QColor red(0x80, 0x00, 0x00);
    const QColor gold(0xc9, 0x9a, 0x3a);
    QLinearGradient ribbon(0, 0, 246, 0);
    ribbon.setColorAt(0, red);
    ribbon.setColorAt(0.6, red.lighter(130));
    ribbon.setColorAt(1, gold);
    p.fillRect(QRectF(0, 0, 246, 4), ribbon);
    p.setPen(QPen(withAlpha(red, 110), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 245, 108));
    p.setPen(QPen(withAlpha(gold, 120), 1));
    p.drawRect(QRectF(2.5, 5.5, 241, 101));

    // The largest size, up to a comfortable one, at which every line fits inside the frame.
    const QRectF area(8, 9, 230, 94);
    int px = 20;
    for (; px > 9; --px) {
        const QFontMetricsF first(makeFont(n.families, px, QFont::Bold));
        const QFontMetricsF rest(makeFont(n.families, px));
        double widest = first.horizontalAdvance(n.lines.front());
        for (int i = 1; i < n.lines.size(); ++i)
            widest = std::max(widest, rest.horizontalAdvance(n.lines[i]));
        const double height = first.height() + (n.lines.size() - 1) * rest.height() * 1.06;
        if (widest <= area.width() && height <= area.height()) break;
    }
    const QFont headFont = makeFont(n.families, px, QFont::Bold);
    const QFont bodyFont = makeFont(n.families, px);
    const QFontMetricsF hm(headFont), bm(bodyFont);
    const double lineGap = bm.height() * 1.06;
    const double total = hm.height() + (n.lines.size() - 1) * lineGap;
    double y = area.top() + (area.height() - total) / 2;
    p.setFont(headFont);
    p.setPen(red);
    p.drawText(QRectF(area.left(), y, area.width(), hm.height()), Qt::AlignCenter, n.lines.front());
    y += hm.height();
    p.setFont(bodyFont);
    p.setPen(QColor(0x1d, 0x1d, 0x24));
    for (int i = 1; i < n.lines.size(); ++i) {
        p.drawText(QRectF(area.left(), y + (lineGap - bm.height()) / 2, area.width(), bm.height()),
                   Qt::AlignCenter, n.lines[i]);
        y += lineGap;
    }
    p.end();
    return img;
}

std::vector<Notice> notices() {
    return {
        {"english",
         {"Carlito", "DejaVu Sans"},
         {QString::fromUtf8("Copyright \u00A9 2026"), "Orvanta Software Works.",
          "All rights reserved."}},
        {"chinese",
         {"Noto Sans CJK SC"},
         {QString::fromUtf8("版权所有 © 2026"), QString::fromUtf8("Orvanta Software Works。"),
          QString::fromUtf8("保留所有权利。")}},
        {"bengali",
         {"Noto Sans Bengali", "Noto Sans"},
         {QString::fromUtf8("কপিরাইট © ২০২৬"), QString::fromUtf8("অরভান্তা সফটওয়্যার ওয়ার্কস।"),
          QString::fromUtf8("সর্বস্বত্ব সংরক্ষিত।")}},
    };
}

// ---------------------------------------------------------------------------------------------
// Themes

std::vector<Theme> dictionaryThemes() {
    return {
        {"form1", "Orvanta Abbreviation Dictionary", QColor(0x17, 0x2e, 0x56),
         QColor(0x0a, 0x16, 0x2e), QColor(0xc9, 0xa4, 0x4c), QColor(0xf6, 0xf1, 0xe6),
         QColor(0xc9, 0xa4, 0x4c), Motif::Book, IconKind::Dictionary},
        {"form2", "Orvanta Computer Abbreviation", QColor(0x0f, 0x42, 0x4a),
         QColor(0x06, 0x22, 0x28), QColor(0x3f, 0xb8, 0xaf), QColor(0xee, 0xf5, 0xf3),
         QColor(0x3f, 0xb8, 0xaf), Motif::Circuit, IconKind::Dictionary},
        {"form3", "Orvanta Hardware Abbreviation", QColor(0x34, 0x3b, 0x45),
         QColor(0x17, 0x1a, 0x20), QColor(0xe0, 0x8a, 0x2c), QColor(0xf4, 0xf1, 0xec),
         QColor(0xe0, 0x8a, 0x2c), Motif::Gear, IconKind::Dictionary},
        {"form4", "Bangladesh Abbreviation", QColor(0x0b, 0x4d, 0x35), QColor(0x05, 0x28, 0x1b),
         QColor(0xe2, 0x3b, 0x45), QColor(0xef, 0xf5, 0xee), QColor(0x2e, 0x8b, 0x57), Motif::Delta,
         IconKind::Dictionary},
        {"form5", "International Abbreviation", QColor(0x3b, 0x25, 0x66), QColor(0x1c, 0x10, 0x36),
         QColor(0x9a, 0x86, 0xe6), QColor(0xf3, 0xf1, 0xf8), QColor(0x9a, 0x86, 0xe6), Motif::Globe,
         IconKind::Dictionary},
    };
}

std::vector<Theme> infoThemes() {
    const QColor left(0x1d, 0x2d, 0x48), right(0x0c, 0x15, 0x26);
    return {
        {"form6", "Orvanta Help", left, right, QColor(0xc9, 0xa4, 0x4c), QColor(0xf6, 0xf2, 0xe8),
         QColor(0xc9, 0xa4, 0x4c), Motif::Question, IconKind::Help},
        {"form7", "Help", left, right, QColor(0x3f, 0xb8, 0xaf), QColor(0xf1, 0xf5, 0xf3),
         QColor(0x3f, 0xb8, 0xaf), Motif::Envelope, IconKind::Help},
        {"form8", "Copyright", left, right, QColor(0xb8, 0x3a, 0x3a), QColor(0xf7, 0xf1, 0xec),
         QColor(0xc9, 0xa4, 0x4c), Motif::Seal, IconKind::Copyright},
        {"form9", "About", left, right, QColor(0x5b, 0x93, 0xe0), QColor(0xf0, 0xf3, 0xf8),
         QColor(0x5b, 0x93, 0xe0), Motif::Info, IconKind::About},
    };
}

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

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() == 2) return generate(args[1]);
    if (args.size() == 3 && args[1] == "--check") return check(args[2]);
    std::fprintf(stderr, "usage: make_assets OUT_DIR | --check OUT_DIR\n");
    return 2;
}
