#include "bangla/bangla.h"

namespace bangla {

QString toUnicode(QStringView layoutText) { return layoutText.toString(); }

QString toLayout(QStringView unicodeText) { return unicodeText.toString(); }

}  // namespace bangla
