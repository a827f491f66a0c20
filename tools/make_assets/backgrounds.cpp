// Window backgrounds: a light paper body under a dark title band, each window in its own colours
// and with its own faint motif, and a dark lock screen.

#include "tools/make_assets/backgrounds.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QRadialGradient>
#include <QRectF>
#include <algorithm>
#include <cmath>

#include "tools/make_assets/drawing.h"

namespace make_assets {

namespace {

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

}  // namespace

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

namespace {

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

}  // namespace

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

}  // namespace make_assets
