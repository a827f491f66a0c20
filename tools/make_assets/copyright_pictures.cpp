#include "tools/make_assets/copyright_pictures.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <algorithm>

#include "tools/make_assets/drawing.h"

namespace make_assets {

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

}  // namespace make_assets
