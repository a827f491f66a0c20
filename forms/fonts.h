#pragma once

#include <QFont>
#include <QString>

namespace forms {

// A font as a layout asks for it.
struct FontRequest {
    QString family;
    double points = 8.25;
    bool bold = false;
    bool italic = false;
};

struct ResolvedFont {
    QFont font;
    // The request named a legacy 8-bit Bengali font that is not installed; the
    // font is a Unicode Bengali one and text must be converted for display.
    bool legacyBengali = false;
};

// An installed family is used as it is; otherwise a stand-in of the same
// size: Calibri -> Carlito (same metrics), Monotype Corsiva -> TeX Gyre
// Chorus, MS Sans Serif -> a plain sans, SutonnyMJ -> a Unicode Bengali font.
ResolvedFont resolveFont(const FontRequest& request);

// Whether a family is installed, by its exact name.
bool isInstalled(const QString& family);

}  // namespace forms
