#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QStringList>

#include "forms/platform_failure.h"

namespace {

// An X display number that no server on this machine has.
QString absentDisplay(int from) {
    int n = from;
    while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
           QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))) {
        ++n;
    }
    return QStringLiteral(":%1").arg(n);
}

// The program started in this test's environment less everything that picks
// a platform or a display, plus `set`.
void startProgram(QProcess& process, const QStringList& set, const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
        env.remove(name);
    }
    for (const QString& assignment : set) {
        env.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
    }
    process.setProcessEnvironment(env);
    process.start(ORVANTA_BINARY, arguments);
}

struct FailedStart {
    const char* name;
    QStringList environment;
    QStringList arguments;
    QStringList names;     // what the line must name
    QStringList notNamed;  // a value Qt did not use
};

// A platform Qt cannot start ends the program with one line that names the
// value Qt tried and where it came from, and status 1; none of Qt's own lines.
TEST(ProgramStart, APlatformQtCannotStartGivesOneLine) {
    const QString none = absentDisplay(59);
    const QString other = absentDisplay(none.mid(1).toInt() + 1);
    const FailedStart cases[] = {
        {"X without DISPLAY", {}, {}, {"DISPLAY is not set"}, {}},
        {"xcb without DISPLAY", {"QT_QPA_PLATFORM=xcb"}, {}, {"DISPLAY is not set"}, {}},
        {"DISPLAY naming no server",
         {"DISPLAY=" + none},
         {},
         {'"' + none + "\" (from DISPLAY)"},
         {}},
        {"-display naming no server",
         {"DISPLAY=" + other},
         {"-display", none},
         {'"' + none + "\" (from -display)"},
         {other}},
        {"QT_QPA_PLATFORM naming no plugin",
         {"QT_QPA_PLATFORM=nonsense"},
         {},
         {"\"nonsense\" (from QT_QPA_PLATFORM)", "offscreen"},
         {}},
        {"-platform naming no plugin",
         {"QT_QPA_PLATFORM=offscreen"},
         {"-platform", "nonsense"},
         {"\"nonsense\" (from -platform)", "offscreen"},
         {"QT_QPA_PLATFORM"}},
    };
    for (const FailedStart& c : cases) {
        QProcess process;
        startProgram(process, c.environment, c.arguments);
        ASSERT_TRUE(process.waitForFinished(60000)) << c.name;
        const QString err = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << c.name << ": " << qPrintable(err);
        EXPECT_EQ(process.exitCode(), 1) << c.name << ": " << qPrintable(err);
        EXPECT_EQ(err.count('\n'), 1) << c.name << ": " << qPrintable(err);
        EXPECT_TRUE(err.startsWith("orvanta: ")) << c.name << ": " << qPrintable(err);
        for (const QString& s : c.names) {
            EXPECT_TRUE(err.contains(s))
                << c.name << ": no " << qPrintable(s) << " in " << qPrintable(err);
        }
        for (const QString& s : c.notNamed) {
            EXPECT_FALSE(err.contains(s)) << c.name << ": " << qPrintable(err);
        }
    }
}

// A warning Qt gives while it starts (here: no runtime folder named) is held
// until the start has succeeded, and then still shown.
TEST(ProgramStart, AWarningWhileStartingStillShowsOnceStarted) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("XDG_RUNTIME_DIR");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start(ORVANTA_BINARY, {});
    ASSERT_TRUE(process.waitForStarted(30000));
    QByteArray err;
    const QDeadlineTimer deadline(60000);
    while (!err.contains("XDG_RUNTIME_DIR not set") && !deadline.hasExpired() &&
           process.state() == QProcess::Running) {
        process.waitForReadyRead(100);
        err += process.readAllStandardError();
    }
    const bool running = process.state() == QProcess::Running;
    process.kill();
    process.waitForFinished(30000);
    EXPECT_TRUE(running) << err.constData();
    EXPECT_TRUE(err.contains("XDG_RUNTIME_DIR not set")) << err.constData();
}

Q_LOGGING_CATEGORY(startTest, "orvanta.start_test")

QStringList seen;

void record(QtMsgType, const QMessageLogContext& context, const QString& text) {
    seen << QStringLiteral("%1: %2").arg(context.category, text);
}

// Once the application exists, the handler that was there before gets the
// held messages, in order, with their categories, and then every later one
// directly.
TEST(ProgramStart, ThePreviousHandlerIsBackOnceStarted) {
    seen.clear();
    const QtMessageHandler outer = qInstallMessageHandler(record);
    char program[] = "start_test";
    char* argv[] = {program, nullptr};
    forms::installPlatformFailureHandler(1, argv);
    qWarning("first");
    qCWarning(startTest, "second");
    const QStringList whileHeld = seen;
    forms::removePlatformFailureHandler();
    qCWarning(startTest, "third");
    qInstallMessageHandler(outer);
    EXPECT_TRUE(whileHeld.isEmpty()) << qPrintable(whileHeld.join(" | "));
    EXPECT_EQ(seen, (QStringList{"default: first", "orvanta.start_test: second",
                                 "orvanta.start_test: third"}));
}

}  // namespace
