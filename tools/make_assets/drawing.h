#pragma once

// Drawing helpers shared by the icons, the window backgrounds and the copyright pictures.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QStringList>

namespace make_assets {

// The colour a fraction t of the way from a to b, alpha included.
QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(QColor c, int alpha);

// From the first of families that is installed, antialiased and fully hinted.
QFont makeFont(const QStringList& families, double pixelSize, QFont::Weight weight = QFont::Normal,
               bool italic = false);
// Carlito, the face the program's windows show their Calibri text in.
QFont uiFont(double pixelSize, QFont::Weight weight = QFont::Normal);

void addGrain(QImage& img, int amplitude, quint32 seed);
void drawVignette(QPainter& p, const QRectF& r, int strength);

}  // namespace make_assets
