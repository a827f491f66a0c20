#pragma once

// The ten window backgrounds: five dictionary windows, four information windows and the lock
// screen.

#include <QColor>
#include <QImage>
#include <QString>
#include <vector>

#include "tools/make_assets/icons.h"

namespace make_assets {

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

// form1 to form5, 551x514.
QImage dictionaryBackground(const Theme& t, quint32 seed);
// form6 to form9, 305x358.
QImage infoBackground(const Theme& t, quint32 seed);
// form10, 558x522.
QImage lockBackground(quint32 seed);

std::vector<Theme> dictionaryThemes();
std::vector<Theme> infoThemes();

}  // namespace make_assets
