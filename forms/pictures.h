#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace forms {

// Windows are created again and again (every dictionary switch, every lock,
// every visit to the copyright notice). A picture is kept in Qt's pixmap
// cache under its path, so a window made again finds it decoded, unless the
// cache has since dropped it to keep within its limit
// (QPixmapCache::cacheLimit()); then it is decoded again. An icon is made once
// for the whole process and shared.
QPixmap picture(const QString& path);
QIcon icon(const QString& path);

}  // namespace forms
