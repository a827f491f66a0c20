// Icons: one rounded tile per icon, the same shape and lighting, a different colour and glyph.

#include "tools/make_assets/icons.h"

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRadialGradient>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "tools/make_assets/drawing.h"

namespace make_assets {

namespace {

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

}  // namespace

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

namespace {

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

}  // namespace

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

}  // namespace make_assets
