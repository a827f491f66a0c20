#include "forms/pictures.h"

#include <QHash>
#include <QPixmapCache>

namespace forms {

QPixmap picture(const QString& path) {
    QPixmap pixmap;
    if (!QPixmapCache::find(path, &pixmap)) {
        pixmap = QPixmap(path);
        QPixmapCache::insert(path, pixmap);
    }
    return pixmap;
}

QIcon icon(const QString& path) {
    static QHash<QString, QIcon> icons;
    auto it = icons.find(path);
    if (it == icons.end()) it = icons.insert(path, QIcon(path));
    return *it;
}

}  // namespace forms
