#pragma once

#include <QFont>
#include <QLocale>
#include <QString>

namespace shell {

// The lock window's time format for a locale: its long format without the
// time zone (and the brackets or separator that served only the zone), or,
// where that is too wide for `width` pixels in the label's font at some time
// of day, the first of its shorter forms with seconds that fits: the short
// format with seconds added in the locale's own way, the same on a 24-hour
// clock, and last "HH:mm:ss".
QString clockFormat(const QLocale& locale, const QFont& font, int width);

}  // namespace shell
