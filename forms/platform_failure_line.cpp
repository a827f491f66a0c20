#include "forms/platform_failure_line.h"

#include <QStringList>
#include <optional>

namespace forms {

namespace {

QString quoted(const QString& s) {
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// The plugin names in a platform request, "wayland;xcb:option=value", split
// as Qt splits it: empty parts skipped, so ":xcb" names "xcb".
QStringList requestedNames(const QByteArray& request) {
    QStringList names;
    for (const QByteArray& entry : request.split(';')) {
        const QStringList parts =
            QString::fromLocal8Bit(entry).split(QLatin1Char(':'), Qt::SkipEmptyParts);
        if (!parts.isEmpty()) names << parts.first().toLower();
    }
    return names;
}

// Qt takes the platform from its -platform option, else from QT_QPA_PLATFORM,
// else chooses it itself.
QByteArray platformRequest(const PlatformRequest& r) {
    return r.platformOption.isNull() ? r.platformVariable : r.platformOption;
}

struct Source {
    QString from;  // "(from -platform)"
    QString set;   // "give -platform"
    bool byQt = false;
};

Source platformSource(const PlatformRequest& r, const QString& plugin) {
    if (!requestedNames(platformRequest(r)).contains(plugin)) {
        return {QStringLiteral("(Qt's default)"), QStringLiteral("set QT_QPA_PLATFORM to"), true};
    }
    if (!r.platformOption.isNull())
        return {QStringLiteral("(from -platform)"), QStringLiteral("give -platform")};
    return {QStringLiteral("(from QT_QPA_PLATFORM)"), QStringLiteral("set QT_QPA_PLATFORM to")};
}

struct Failure {
    QString what;
    QString advice;
};

// The display name without its screen number: ":75.5" -> ":75".
QString withoutScreen(const QString& display) {
    const qsizetype dot = display.lastIndexOf(QLatin1Char('.'));
    if (dot < display.lastIndexOf(QLatin1Char(':'))) return display;
    bool digits = false;
    display.mid(dot + 1).toUInt(&digits);
    return digits ? display.left(dot) : display;
}

// Nothing where the server answers and has the screen: then Qt's own words
// are all the line has. `display` is the name Qt's X platform tried, empty
// where it was given none.
std::optional<Failure> xFailure(const PlatformRequest& r, QString display,
                                const QStringList& qtWords) {
    // Qt's -display option, when given, names the display; otherwise DISPLAY.
    bool option = !r.displayOption.isNull() && QString::fromLocal8Bit(r.displayOption) == display;
    if (display.isEmpty()) {
        // An empty name, from either, opens the display DISPLAY names.
        display = QString::fromLocal8Bit(r.displayVariable);
        option = false;
    }
    if (display.isEmpty()) {
        return Failure{r.displayVariable.isNull()
                           ? QStringLiteral("cannot open an X display: DISPLAY is not set")
                           : QStringLiteral("cannot open an X display: DISPLAY is set but empty"),
                       QStringLiteral("set DISPLAY to a running X server")};
    }
    const QString from =
        option ? QStringLiteral("(from -display)") : QStringLiteral("(from DISPLAY)");
    const QString set = option ? QStringLiteral("give -display") : QStringLiteral("set DISPLAY to");
    const QString cannotOpen =
        QStringLiteral("cannot open the X display %1 %2").arg(quoted(display), from);
    if (!r.askX) {
        return Failure{cannotOpen + QStringLiteral(": ") + qtWords.join(QStringLiteral(", ")),
                       set + QStringLiteral(" a running X server")};
    }
    const XDisplayAnswer answer = r.askX(display.toLocal8Bit());
    switch (answer.kind) {
        case XDisplayAnswer::BadName:
            return Failure{
                QStringLiteral("%1 %2 is not an X display name").arg(quoted(display), from),
                set + QStringLiteral(" a running X server")};
        case XDisplayAnswer::NoScreen: {
            const QString base = withoutScreen(display);
            QString all = quoted(base + QStringLiteral(".0"));
            if (answer.screens > 1) {
                all += QStringLiteral(" to ") +
                       quoted(QStringLiteral("%1.%2").arg(base).arg(answer.screens - 1));
            }
            return Failure{QStringLiteral("the X server of %1 %2 has no screen %3, only %4 (%5)")
                               .arg(quoted(display), from)
                               .arg(answer.screen)
                               .arg(answer.screens)
                               .arg(all),
                           set + QStringLiteral(" one of its screens")};
        }
        case XDisplayAnswer::Open:
            return std::nullopt;
        case XDisplayAnswer::NoServer:
            break;
    }
    return Failure{cannotOpen, set + QStringLiteral(" a running X server")};
}

Failure waylandFailure(const PlatformRequest& r, const QString& who) {
    const QString advice = QStringLiteral("set WAYLAND_DISPLAY to a running compositor's socket");
    if (!r.waylandSocket.isEmpty()) {
        return {
            who + QStringLiteral(" cannot use the connection handed over in WAYLAND_SOCKET (%1)")
                      .arg(quoted(QString::fromLocal8Bit(r.waylandSocket))),
            QStringLiteral("unset WAYLAND_SOCKET, or ") + advice};
    }
    if (r.waylandDisplay.isEmpty()) {
        return {who + QStringLiteral(" finds no Wayland display: WAYLAND_DISPLAY is not set"),
                advice};
    }
    return {who + QStringLiteral(" cannot connect to the Wayland display %1 (from WAYLAND_DISPLAY)")
                      .arg(quoted(QString::fromLocal8Bit(r.waylandDisplay))),
            advice};
}

const auto couldNotFind = QLatin1String("Could not find the Qt platform plugin ");
const auto couldNotLoad = QLatin1String("Could not load the Qt platform plugin ");
const auto couldNotConnect = QLatin1String("could not connect to display");
const auto noWaylandDisplay = QLatin1String("Failed to create wl_display");

// A message of Qt's as a clause of the line.
QString reason(const QString& text) {
    QString clause = text.trimmed();
    if (clause.endsWith(QLatin1Char('.'))) clause.chop(1);
    return clause;
}

// One platform plugin Qt tried, and what was said while it was tried.
struct Attempt {
    QString plugin;
    bool installed = true;
    std::optional<QString> xDisplay;  // the X display it could not open
    bool noWayland = false;
    QStringList reasons;  // the rest, in Qt's words
};

// The name in `Could not find the Qt platform plugin "xcb" in ""`.
QString firstQuoted(const QString& text) {
    const qsizetype open = text.indexOf(QLatin1Char('"'));
    const qsizetype close = text.indexOf(QLatin1Char('"'), open + 1);
    return open < 0 || close < 0 ? QString() : text.mid(open + 1, close - open - 1);
}

// Qt reports each plugin it could not use after the plugin has said why:
// "Could not find" when none of that name is installed, "Could not load" when
// one is but it failed to start.
std::vector<Attempt> attempts(const std::vector<PlatformMessage>& messages, Attempt& pending) {
    std::vector<Attempt> tried;
    for (const PlatformMessage& m : messages) {
        const bool missing = m.text.startsWith(couldNotFind);
        if (m.category == "qt.qpa.plugin" && (missing || m.text.startsWith(couldNotLoad))) {
            pending.plugin = firstQuoted(m.text).toLower();
            pending.installed = !missing;
            tried.push_back(std::move(pending));
            pending = {};
        } else if (m.category == "qt.qpa.xcb" && m.text.startsWith(couldNotConnect)) {
            // "could not connect to display %s": the name as it was given.
            pending.xDisplay = m.text.mid(couldNotConnect.size() + 1);
            pending.reasons << reason(m.text);
        } else if (m.text.startsWith(noWaylandDisplay)) {
            pending.noWayland = true;
        } else {
            pending.reasons << reason(m.text);
        }
    }
    return tried;
}

// "Available platform plugins are: minimal, xcb." in Qt's fatal message.
QString availablePlatforms(const QString& fatal) {
    const auto intro = QLatin1String("Available platform plugins are: ");
    const qsizetype at = fatal.indexOf(intro);
    if (at < 0) return {};
    QString list = fatal.mid(at + intro.size());
    QStringList names =
        list.left(list.indexOf(QLatin1Char('.'))).split(QStringLiteral(", "), Qt::SkipEmptyParts);
    names.sort();
    return names.join(QStringLiteral(", "));
}

Failure describe(const PlatformRequest& r, const Attempt& attempt, const QString& available) {
    const Source source = platformSource(r, attempt.plugin);
    const QString who =
        QStringLiteral("Qt's platform plugin %1 %2").arg(quoted(attempt.plugin), source.from);
    const QString another = source.set + QStringLiteral(" another platform");
    if (!attempt.installed) {
        if (available.isEmpty()) return {who + QStringLiteral(" is not installed"), another};
        return {who + QStringLiteral(" is not installed"),
                (source.byQt ? QStringLiteral("install it, or ") : QString()) + source.set +
                    QStringLiteral(" one of: ") + available};
    }
    if (attempt.xDisplay) {
        if (const std::optional<Failure> x = xFailure(r, *attempt.xDisplay, attempt.reasons))
            return *x;
    }
    if (attempt.noWayland) return waylandFailure(r, who);
    if (!attempt.reasons.isEmpty()) {
        return {
            who + QStringLiteral(" could not start: ") + attempt.reasons.join(QStringLiteral(", ")),
            another};
    }
    return {
        who + QStringLiteral(" is installed but could not start (QT_DEBUG_PLUGINS=1 shows why)"),
        another};
}

}  // namespace

void readQtOptions(PlatformRequest& request, const QByteArrayList& arguments) {
    request.platformOption = {};
    request.displayOption = {};
    // The platform named so far: Qt's default here is X's unless a Wayland
    // display is named.
    QByteArray platform = request.platformVariable;
    if (platform.isEmpty()) platform = request.waylandDisplay.isEmpty() ? "xcb" : "wayland";
    // QGuiApplication takes its own options out first. These take the next
    // argument as their value; -geometry, -title and -icon only while the
    // platform named so far is X's.
    static const QByteArrayList valued{"-platformpluginpath", "-platform",     "-platformtheme",
                                       "-qwindowgeometry",    "-qwindowtitle", "-qwindowicon"};
    static const QByteArrayList xValued{"-geometry", "-title", "-icon"};
    QByteArrayList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (!arguments[i].startsWith('-')) {
            rest << arguments[i];
            continue;
        }
        const QByteArray option =
            arguments[i].startsWith("--") ? arguments[i].mid(1) : arguments[i];
        if (!valued.contains(option) && !(platform.startsWith("xcb") && xValued.contains(option))) {
            rest << arguments[i];
        } else if (++i < arguments.size() && option == "-platform") {
            request.platformOption = platform = arguments[i];
        }
    }
    // Then Qt's X platform reads what is left: -display, -name and -visual
    // take a value where one follows.
    for (qsizetype i = 0; i + 1 < rest.size(); ++i) {
        const QByteArray option = rest[i].startsWith("--") ? rest[i].mid(1) : rest[i];
        if (option == "-display") {
            request.displayOption = rest[++i];
        } else if (option == "-name" || option == "-visual") {
            ++i;
        }
    }
}

bool isPlatformMessage(QtMsgType type, const char* category, const QString& text) {
    if (type == QtDebugMsg) return false;
    return qstrncmp(category, "qt.qpa.", 7) == 0 || text.startsWith(noWaylandDisplay);
}

QString platformFailureLine(const std::vector<PlatformMessage>& messages, const QString& fatal,
                            const PlatformRequest& request) {
    Attempt pending;
    std::vector<Attempt> tried = attempts(messages, pending);
    if (!fatal.contains(QLatin1String("no Qt platform plugin could be initialized"))) {
        // A plugin ended the process itself: the first one asked for that Qt
        // has not reported.
        QStringList requested = requestedNames(platformRequest(request));
        for (const Attempt& a : tried) requested.removeAll(a.plugin);
        pending.reasons << reason(fatal);
        if (requested.isEmpty()) {
            return QStringLiteral(
                       "Qt's default platform plugin could not start: %1; set QT_QPA_PLATFORM to "
                       "another platform")
                .arg(pending.reasons.join(QStringLiteral(", ")));
        }
        pending.plugin = requested.first();
        tried.push_back(std::move(pending));
    }
    if (tried.empty()) {
        return QStringLiteral(
            "Qt could not start a platform plugin; set QT_QPA_PLATFORM to one that can start "
            "here (QT_DEBUG_PLUGINS=1 shows why)");
    }
    const QString available = availablePlatforms(fatal);
    QStringList whats;
    QStringList advice;
    for (const Attempt& a : tried) {
        const Failure f = describe(request, a, available);
        whats << f.what;
        if (!advice.contains(f.advice)) advice << f.advice;
    }
    return whats.join(QStringLiteral(", and ")) + QStringLiteral("; ") +
           advice.join(QStringLiteral(", or "));
}

QString screenlessPlatformLine(const QString& platform,
                               const std::vector<PlatformMessage>& messages,
                               const PlatformRequest& request) {
    const Source source = platformSource(request, platform);
    QStringList reasons;
    for (const PlatformMessage& m : messages) reasons << reason(m.text);
    const QString said =
        reasons.isEmpty() ? QString() : QStringLiteral(": ") + reasons.join(QStringLiteral(", "));
    return QStringLiteral(
               "Qt's platform plugin %1 %2 started without a screen%3; %4 a platform "
               "that has one here")
        .arg(quoted(platform), source.from, said, source.set);
}

}  // namespace forms
