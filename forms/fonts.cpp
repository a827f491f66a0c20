#include "forms/fonts.h"

#include <QFontDatabase>
#include <QSet>
#include <QStringList>

namespace forms {

namespace {

struct StandIn {
    const char* requested;
    QStringList candidates;
    bool legacyBengali;
    bool drawnItalic;  // the stand-in is an italic design already
};

const StandIn* findStandIn(const QString& family) {
    static const StandIn standIns[] = {
        {"Calibri", {"Carlito", "DejaVu Sans", "Noto Sans"}, false, false},
        {"Monotype Corsiva", {"TeX Gyre Chorus", "URW Chancery L", "DejaVu Serif"}, false, true},
        {"MS Sans Serif",
         {"Microsoft Sans Serif", "DejaVu Sans", "Noto Sans", "Liberation Sans"},
         false,
         false},
        {"SutonnyMJ",
         {"Noto Sans Bengali", "Lohit Bengali", "Nirmala UI", "Vrinda", "Noto Serif Bengali"},
         true,
         false},
    };
    for (const auto& s : standIns) {
        if (family.compare(QLatin1String(s.requested), Qt::CaseInsensitive) == 0) return &s;
    }
    return nullptr;
}

}  // namespace

bool isInstalled(const QString& family) {
    static const QSet<QString> installed = [] {
        QSet<QString> names;
        for (const QString& name : QFontDatabase::families()) names.insert(name.toLower());
        return names;
    }();
    return installed.contains(family.toLower());
}

ResolvedFont resolveFont(const FontRequest& request) {
    ResolvedFont resolved;
    QFont& font = resolved.font;
    font.setPointSizeF(request.points);
    font.setBold(request.bold);
    font.setItalic(request.italic);
    font.setUnderline(false);
    font.setStrikeOut(false);

    if (isInstalled(request.family)) {
        font.setFamilies({request.family});
        return resolved;
    }
    const StandIn* standIn = findStandIn(request.family);
    if (standIn == nullptr) {
        font.setStyleHint(QFont::SansSerif);
        return resolved;
    }
    for (const QString& candidate : standIn->candidates) {
        if (isInstalled(candidate)) {
            font.setFamilies({candidate});
            if (standIn->drawnItalic && candidate == standIn->candidates.front()) {
                font.setItalic(false);
            }
            break;
        }
    }
    font.setStyleHint(QFont::SansSerif);
    resolved.legacyBengali = standIn->legacyBengali;
    return resolved;
}

}  // namespace forms
