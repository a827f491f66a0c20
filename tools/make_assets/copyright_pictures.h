#pragma once

// The copyright notice as a picture, in English, Chinese and Bengali.

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace make_assets {

struct Notice {
    QString file;
    QStringList families;
    QStringList lines;
};

// The notice on a framed card, 246x109.
QImage copyrightPicture(const Notice& n);
std::vector<Notice> notices();

}  // namespace make_assets
