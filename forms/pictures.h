#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace forms {

// Windows are created again and again (every dictionary switch, every lock,
// every visit to the copyright notice); their pictures and icons are decoded
// once a run and shared.
QPixmap picture(const QString& path);
QIcon icon(const QString& path);

}  // namespace forms
