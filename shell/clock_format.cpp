#include "shell/clock_format.h"

#include <QFontMetricsF>
#include <QTime>
#include <algorithm>
#include <vector>

namespace shell {

namespace {

// A time format taken apart: fields ("HH", "mm", "AP", "t") and the literal
// text between them, unquoted.
struct FormatPart {
    bool field = false;
    QString text;

    QChar letter() const { return field ? text.front() : QChar(); }
};
using TimeFormat = std::vector<FormatPart>;

bool isFieldLetter(QChar c) {
    return QStringLiteral("hHmsztaAB").contains(c);
}

TimeFormat parse(const QString& format) {
    TimeFormat parts;
    auto literal = [&parts](QChar c) {
        if (parts.empty() || parts.back().field) parts.push_back({false, {}});
        parts.back().text += c;
    };
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') {
            // Two quotes stand for one, inside quotes or out.
            if (i + 1 < format.size() && format[i + 1] == u'\'') {
                literal(c);
                ++i;
            } else {
                quoted = !quoted;
            }
            continue;
        }
        if (quoted || !isFieldLetter(c)) {
            literal(c);
            continue;
        }
        qsizetype end = i + 1;
        if (c == u'a' || c == u'A') {
            if (end < format.size() && (format[end] == u'p' || format[end] == u'P')) ++end;
        } else {
            while (end < format.size() && format[end] == c) ++end;
        }
        parts.push_back({true, format.mid(i, end - i)});
        i = end - 1;
    }
    return parts;
}

QString compose(const TimeFormat& parts) {
    QString format;
    for (const FormatPart& part : parts) {
        if (part.field) {
            format += part.text;
        } else if (!part.text.isEmpty()) {
            format += u'\'' + QString(part.text).replace(u'\'', QStringLiteral("''")) + u'\'';
        }
    }
    return format;
}

// Joins neighbouring literals, drops empty ones and blanks at either end.
TimeFormat tidy(const TimeFormat& parts) {
    TimeFormat out;
    for (const FormatPart& part : parts) {
        if (!part.field && !out.empty() && !out.back().field) {
            out.back().text += part.text;
        } else {
            out.push_back(part);
        }
    }
    if (!out.empty() && !out.front().field) {
        QString& text = out.front().text;
        while (!text.isEmpty() && text.front().isSpace()) text.remove(0, 1);
    }
    if (!out.empty() && !out.back().field) {
        QString& text = out.back().text;
        while (!text.isEmpty() && text.back().isSpace()) text.chop(1);
    }
    std::erase_if(out, [](const FormatPart& p) { return !p.field && p.text.isEmpty(); });
    return out;
}

QChar closingBracket(QChar open) {
    switch (open.unicode()) {
        case u'(':
            return u')';
        case u'[':
            return u']';
        case u'\uFF08':
            return u'\uFF09';  // fullwidth brackets
        default:
            return {};
    }
}

void chopTrailing(QString& text, bool commas) {
    while (!text.isEmpty() && (text.back().isSpace() ||
                               (commas && (text.back() == u',' || text.back() == u'\uFF0C')))) {
        text.chop(1);
    }
}

void chopLeading(QString& text, bool commas) {
    while (!text.isEmpty() && (text.front().isSpace() ||
                               (commas && (text.front() == u',' || text.front() == u'\uFF0C')))) {
        text.remove(0, 1);
    }
}

// The clock shows no time zone. The zone goes with what only served it: the
// brackets around it and the separator before it, as in "(zone)", "[zone]"
// and ", zone". Also, a day-period field this Qt does not know ("B") is taken
// for AM/PM, instead of showing as a letter.
TimeFormat withoutZone(TimeFormat parts) {
    for (std::size_t i = 0; i < parts.size();) {
        if (parts[i].letter() == u'B') parts[i].text = QStringLiteral("AP");
        if (parts[i].letter() != u't') {
            ++i;
            continue;
        }
        QString empty;
        QString& before = i > 0 && !parts[i - 1].field ? parts[i - 1].text : empty;
        QString& after = i + 1 < parts.size() && !parts[i + 1].field ? parts[i + 1].text : empty;
        chopTrailing(before, false);
        chopLeading(after, false);
        if (!before.isEmpty() && !after.isEmpty() && !closingBracket(before.back()).isNull() &&
            closingBracket(before.back()) == after.front()) {
            before.chop(1);
            after.remove(0, 1);
        }
        chopTrailing(before, true);
        chopLeading(after, true);
        // A zone between two other parts leaves a blank between them.
        const bool between = i > 0 && i + 1 < parts.size();
        parts[i] = {false, between && before.isEmpty() && after.isEmpty() ? QStringLiteral(" ")
                                                                          : QString()};
        ++i;
    }
    return tidy(parts);
}

// The short format, which has no seconds, with seconds after the minutes in
// the way it writes the minutes after the hours ("H.mm" -> "H.mm.ss"). Where
// a word stands between hours and minutes ("HH 'h' mm"), the three are joined
// by colons.
TimeFormat withSeconds(TimeFormat parts) {
    auto find = [&parts](QStringView letters) {
        return std::find_if(parts.begin(), parts.end(), [letters](const FormatPart& p) {
            return p.field && letters.contains(p.letter());
        });
    };
    if (find(u"s") != parts.end()) return parts;
    const auto hour = find(u"hH");
    auto minute = find(u"m");
    if (hour == parts.end() || minute == parts.end()) return parse(QStringLiteral("HH:mm:ss"));
    QString separator = minute - hour == 1 ? QString() : QStringLiteral(":");
    if (minute - hour == 2) {
        FormatPart& between = *(hour + 1);
        if (std::any_of(between.text.begin(), between.text.end(),
                        [](QChar c) { return c.isLetter(); })) {
            between.text = QStringLiteral(":");
        }
        separator = between.text;
    }
    const std::size_t at = minute - parts.begin() + 1;
    parts.insert(parts.begin() + at, {{false, separator}, {true, QStringLiteral("ss")}});
    return tidy(parts);
}

// The same on a 24-hour clock, without AM/PM and what joins it to the time.
TimeFormat twentyFourHour(TimeFormat parts) {
    for (std::size_t i = 0; i < parts.size();) {
        FormatPart& part = parts[i];
        if (part.letter() == u'h') {
            part.text = part.text.size() > 1 ? QStringLiteral("HH") : QStringLiteral("H");
        }
        if (part.letter() != u'a' && part.letter() != u'A') {
            ++i;
            continue;
        }
        const bool timeBefore = std::any_of(parts.begin(), parts.begin() + i,
                                            [](const FormatPart& p) { return p.field; });
        if (timeBefore && i > 0 && !parts[i - 1].field) {
            parts.erase(parts.begin() + i - 1, parts.begin() + i + 1);
            --i;
        } else if (!timeBefore && i + 1 < parts.size() && !parts[i + 1].field) {
            parts.erase(parts.begin() + i, parts.begin() + i + 2);
        } else {
            parts.erase(parts.begin() + i);
        }
    }
    return tidy(parts);
}

// The widest text a format gives over a day: every hour, with minutes and
// seconds alike, so that the widest two-digit value stands in both places.
qreal widestText(const QLocale& locale, const QString& format, const QFontMetricsF& metrics) {
    qreal widest = 0;
    for (int hour = 0; hour < 24; ++hour) {
        for (int m = 0; m < 60; ++m) {
            widest = std::max(
                widest, metrics.horizontalAdvance(locale.toString(QTime(hour, m, m), format)));
        }
    }
    return widest;
}

}  // namespace

QString clockFormat(const QLocale& locale, const QFont& font, int width) {
    // In fractions of a pixel: a text a fraction wider than the label, which
    // whole pixels round down to its width, would wrap in it.
    const QFontMetricsF metrics(font);
    const TimeFormat shortWithSeconds =
        withSeconds(withoutZone(parse(locale.timeFormat(QLocale::ShortFormat))));
    const QString candidates[] = {
        compose(withoutZone(parse(locale.timeFormat(QLocale::LongFormat)))),
        compose(shortWithSeconds),
        compose(twentyFourHour(shortWithSeconds)),
    };
    for (const QString& format : candidates) {
        if (widestText(locale, format, metrics) <= width) return format;
    }
    return QStringLiteral("HH:mm:ss");
}

}  // namespace shell
