#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
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

// Where the test platforms are: "failing" and "screenless".
const QString testPlatforms = QStringLiteral(ORVANTA_TEST_PLATFORMS);

// The program started in this test's environment less everything that picks
// a platform or a display or shapes Qt's messages, plus `set`.
void startProgram(QProcess& process, const QStringList& set, const QStringList& arguments) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE",
          "QT_QPA_PLATFORM_PLUGIN_PATH", "QT_MESSAGE_PATTERN", "QT_LOGGING_RULES",
          "QT_FATAL_WARNINGS", "QT_FATAL_CRITICALS", "TEST_PLATFORM_SAYS"}) {
        env.remove(name);
    }
    for (const QString& assignment : set) {
        env.insert(assignment.section('=', 0, 0), assignment.section('=', 1));
    }
    process.setProcessEnvironment(env);
    process.start(ORVANTA_BINARY, arguments);
}

// What the program wrote to stderr, once it has ended.
QString finish(QProcess& process) {
    EXPECT_TRUE(process.waitForFinished(60000));
    return QString::fromLocal8Bit(process.readAllStandardError());
}

// Whether a line of stderr is of what the program's line replaces: Qt's
// platform messages and its fatal text.
bool isPlatformWords(const QString& line) {
    return line.startsWith(QLatin1String("qt.qpa.")) ||
           line.contains(QLatin1String("platform plugin")) ||
           line.contains(QLatin1String("wl_display"));
}

// Stderr as a user reads it: the program's line comes last, after whatever
// else Qt said meanwhile (on some systems, that it switched to a UTF-8
// locale). Returns the lines before it that should not be there, if any: the
// platform's words, or another line of the program's.
std::string strayLines(const QString& err) {
    QStringList stray;
    QStringList lines = err.split('\n');
    lines.removeLast();  // after the last newline
    if (!lines.isEmpty()) lines.removeLast();
    for (const QString& line : lines) {
        if (isPlatformWords(line) || line.startsWith(QLatin1String("orvanta: "))) stray << line;
    }
    return stray.join('\n').toStdString();
}

// The last line of stderr, without its newline.
QString lastLine(const QString& err) {
    return err.chopped(1).section('\n', -1);
}

struct FailedStart {
    const char* name;
    QStringList environment;
    QStringList arguments;
    // The line; where it ends in "one of: ", its start, and the rest is the
    // list of platforms Qt has.
    QString line;
};

// A platform Qt cannot start ends the program with one line that names the
// value Qt tried and where it came from, and status 1; none of Qt's platform
// lines.
TEST(ProgramStart, APlatformQtCannotStartGivesOneLine) {
    const QString none = absentDisplay(59);
    const QString other = absentDisplay(none.mid(1).toInt() + 1);
    const QString noDisplay =
        "orvanta: cannot open an X display: DISPLAY is not set; set DISPLAY to a running X server";
    const QString fails = "could not start: The test platform has no device to show windows on";
    const FailedStart cases[] = {
        {"X without DISPLAY", {}, {}, noDisplay},
        {"xcb without DISPLAY", {"QT_QPA_PLATFORM=xcb"}, {}, noDisplay},
        {"DISPLAY set but empty",
         {"DISPLAY="},
         {},
         "orvanta: cannot open an X display: DISPLAY is set but empty; set DISPLAY to a running X "
         "server"},
        {"DISPLAY naming no server",
         {"DISPLAY=" + none},
         {},
         "orvanta: cannot open the X display \"" + none +
             "\" (from DISPLAY); set DISPLAY to a running X server"},
        {"-display naming no server",
         {"DISPLAY=" + other},
         {"-display", none},
         "orvanta: cannot open the X display \"" + none +
             "\" (from -display); give -display a running X server"},
        {"--display naming no server",
         {"DISPLAY=" + other},
         {"--display", none},
         "orvanta: cannot open the X display \"" + none +
             "\" (from -display); give -display a running X server"},
        {"QT_QPA_PLATFORM naming no plugin",
         {"QT_QPA_PLATFORM=nonsense"},
         {},
         "orvanta: Qt's platform plugin \"nonsense\" (from QT_QPA_PLATFORM) is not installed; set "
         "QT_QPA_PLATFORM to one of: "},
        {"-platform naming no plugin",
         {"QT_QPA_PLATFORM=offscreen"},
         {"-platform", "nonsense"},
         "orvanta: Qt's platform plugin \"nonsense\" (from -platform) is not installed; give "
         "-platform one of: "},
        {"--platform naming no plugin",
         {"QT_QPA_PLATFORM=offscreen"},
         {"--platform", "nonsense"},
         "orvanta: Qt's platform plugin \"nonsense\" (from -platform) is not installed; give "
         "-platform one of: "},
        {"two platforms that are not installed",
         {"QT_QPA_PLATFORM=nonsense;bogus"},
         {},
         "orvanta: Qt's platform plugin \"nonsense\" (from QT_QPA_PLATFORM) is not installed, and "
         "Qt's platform plugin \"bogus\" (from QT_QPA_PLATFORM) is not installed; set "
         "QT_QPA_PLATFORM to one of: "},
        {"-platform naming a plugin that fails",
         {},
         {"-platformpluginpath", testPlatforms, "-platform", "failing"},
         "orvanta: Qt's platform plugin \"failing\" (from -platform) " + fails +
             "; give -platform another platform"},
        {"QT_QPA_PLATFORM naming a plugin that fails, then xcb",
         {"QT_QPA_PLATFORM_PLUGIN_PATH=" + testPlatforms, "QT_QPA_PLATFORM=failing;xcb"},
         {},
         "orvanta: Qt's platform plugin \"failing\" (from QT_QPA_PLATFORM) " + fails +
             ", and cannot open an X display: DISPLAY is not set; set QT_QPA_PLATFORM to another "
             "platform, or set DISPLAY to a running X server"},
        {"a plugin that fails, then one that ends the process",
         {"QT_QPA_PLATFORM_PLUGIN_PATH=" + testPlatforms},
         {"--platform", "failing;aborting;offscreen"},
         "orvanta: Qt's platform plugin \"failing\" (from -platform) " + fails +
             ", and Qt's platform plugin \"aborting\" (from -platform) could not start: The test "
             "platform cannot go on; give -platform another platform"},
    };
    const QRegularExpression platforms(QStringLiteral("^[a-z0-9_-]+(, [a-z0-9_-]+)*$"));
    for (const FailedStart& c : cases) {
        QProcess process;
        startProgram(process, c.environment, c.arguments);
        const QString err = finish(process);
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << c.name << ": " << qPrintable(err);
        EXPECT_EQ(process.exitCode(), 1) << c.name << ": " << qPrintable(err);
        ASSERT_TRUE(err.endsWith('\n')) << c.name << ": " << qPrintable(err);
        EXPECT_EQ(strayLines(err), "") << c.name << ": " << qPrintable(err);
        const QString line = lastLine(err);
        if (c.line.endsWith("one of: ")) {
            EXPECT_TRUE(line.startsWith(c.line)) << c.name << ": " << qPrintable(err);
            const QString rest = line.mid(c.line.size());
            EXPECT_TRUE(platforms.match(rest).hasMatch()) << c.name << ": " << qPrintable(err);
            EXPECT_TRUE(rest.split(", ").contains("offscreen"))
                << c.name << ": " << qPrintable(err);
        } else {
            EXPECT_EQ(line.toStdString(), c.line.toStdString()) << c.name;
        }
    }
}

// A platform that starts but has no screen is ended the same way, with what
// its plugin said. Qt's other messages (here: the test platform's own warning)
// show at once, before.
TEST(ProgramStart, APlatformWithoutAScreenGivesItsLine) {
    QProcess process;
    startProgram(process, {"TEST_PLATFORM_SAYS=warning orvanta.test A warning while starting"},
                 {"-platformpluginpath", testPlatforms, "-platform", "screenless"});
    const QString err = finish(process);
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    ASSERT_TRUE(err.endsWith('\n')) << qPrintable(err);
    EXPECT_EQ(strayLines(err), "") << qPrintable(err);
    EXPECT_EQ(lastLine(err).toStdString(),
              "orvanta: Qt's platform plugin \"screenless\" (from -platform) started without a "
              "screen: The test platform found no screen; give -platform a platform that has one "
              "here");
    const QStringList lines = err.split('\n');
    const qsizetype warning = lines.indexOf("orvanta.test: A warning while starting");
    EXPECT_TRUE(warning >= 0 && warning < lines.size() - 2) << qPrintable(err);
}

struct FatalWarning {
    const char* name;
    QStringList environment;
    QStringList arguments;
    QString err;  // all of it
    bool aborted;
};

// Where Qt ends the process itself after a warning (QT_FATAL_WARNINGS=N: the
// N-th), the warning and every platform message before it are shown first, as
// Qt shows them; where Qt does not, the start fails with the one line.
TEST(ProgramStart, WhereQtEndsAtAWarningItIsShown) {
    const QString none = absentDisplay(59);
    const QString noConnection = "qt.qpa.xcb: could not connect to display " + none + "\n";
    const QString notFound =
        "qt.qpa.plugin: Could not find the Qt platform plugin \"nonsense\" in \"\"\n";
    const QString line =
        "orvanta: Qt's platform plugin \"nonsense\" (from QT_QPA_PLATFORM) is not "
        "installed, and cannot open the X display \"" +
        none + "\" (from DISPLAY); ";
    const FatalWarning cases[] = {
        {"the first", {"QT_FATAL_WARNINGS=1", "DISPLAY=" + none}, {}, noConnection, true},
        {"any value but a number is the first",
         {"QT_FATAL_WARNINGS=yes", "DISPLAY=" + none},
         {},
         noConnection,
         true},
        {"the second, after one held",
         {"QT_FATAL_WARNINGS=2", "QT_QPA_PLATFORM=nonsense;xcb", "DISPLAY=" + none},
         {},
         notFound + noConnection,
         true},
        {"a test platform's reason",
         {"QT_FATAL_WARNINGS=1"},
         {"-platformpluginpath", testPlatforms, "-platform", "failing"},
         "qt.qpa.failing: The test platform has no device to show windows on.\n",
         true},
        {"warnings only are counted",
         {"QT_FATAL_WARNINGS=2",
          "TEST_PLATFORM_SAYS=debug orvanta.test A debug message;critical qt.qpa.test A "
          "critical;info qt.qpa.test An info;warning qt.qpa.test A warning"},
         {"-platformpluginpath", testPlatforms, "-platform", "failing"},
         "orvanta.test: A debug message\nqt.qpa.test: A critical\nqt.qpa.test: An info\n"
         "qt.qpa.test: A warning\nqt.qpa.failing: The test platform has no device to show "
         "windows on.\n",
         true},
        {"criticals only are counted toward QT_FATAL_CRITICALS",
         {"QT_FATAL_CRITICALS=2",
          "TEST_PLATFORM_SAYS=critical qt.qpa.test A critical;warning qt.qpa.test A "
          "warning;info qt.qpa.test An info;debug orvanta.test A debug message;critical "
          "qt.qpa.test Another critical"},
         {"-platformpluginpath", testPlatforms, "-platform", "failing"},
         "orvanta.test: A debug message\nqt.qpa.test: A critical\nqt.qpa.test: A warning\n"
         "qt.qpa.test: An info\nqt.qpa.test: Another critical\n",
         true},
        {"a count beyond every warning",
         {"QT_FATAL_WARNINGS=99", "QT_QPA_PLATFORM=nonsense;xcb", "DISPLAY=" + none},
         {},
         line,
         false},
        {"criticals only",
         {"QT_FATAL_CRITICALS=1", "QT_QPA_PLATFORM=nonsense;xcb", "DISPLAY=" + none},
         {},
         line,
         false},
    };
    for (const FatalWarning& c : cases) {
        QProcess process;
        // Qt warns of a locale that is not UTF-8, which would count too.
        startProgram(process, c.environment + QStringList{"LC_ALL=C.UTF-8"}, c.arguments);
        const QString err = finish(process);
        if (c.aborted) {
            EXPECT_EQ(process.exitStatus(), QProcess::CrashExit) << c.name;
            EXPECT_EQ(err.toStdString(), c.err.toStdString()) << c.name;
        } else {
            EXPECT_EQ(process.exitCode(), 1) << c.name;
            EXPECT_TRUE(err.startsWith(c.err)) << c.name << ": " << qPrintable(err);
            EXPECT_EQ(err.count('\n'), 1) << c.name << ": " << qPrintable(err);
        }
    }
}

// A warning given while the program starts (here: by a platform Qt tries
// first) shows while the program runs; so do, once the application exists,
// the platform messages held meanwhile.
TEST(ProgramStart, AWarningWhileStartingShows) {
    QProcess process;
    startProgram(
        process,
        {"QT_QPA_PLATFORM_PLUGIN_PATH=" + testPlatforms, "QT_QPA_PLATFORM=failing;offscreen",
         "TEST_PLATFORM_SAYS=warning orvanta.test A warning while starting"},
        {});
    ASSERT_TRUE(process.waitForStarted(30000));
    const QByteArray warning = "orvanta.test: A warning while starting\n";
    const QByteArray held = "qt.qpa.failing: The test platform has no device to show windows on.\n";
    QByteArray err;
    const QDeadlineTimer deadline(60000);
    while (!(err.contains(warning) && err.contains(held)) && !deadline.hasExpired() &&
           process.state() == QProcess::Running) {
        process.waitForReadyRead(100);
        err += process.readAllStandardError();
    }
    const bool running = process.state() == QProcess::Running;
    process.kill();
    process.waitForFinished(30000);
    EXPECT_TRUE(running) << err.constData();
    EXPECT_TRUE(err.contains(warning)) << err.constData();
    EXPECT_TRUE(err.contains(held)) << err.constData();
    EXPECT_LT(err.indexOf(warning), err.indexOf(held)) << err.constData();
}

Q_LOGGING_CATEGORY(startTest, "orvanta.start_test")
Q_LOGGING_CATEGORY(testPlatform, "qt.qpa.start_test")

QStringList seen;

void record(QtMsgType, const QMessageLogContext& context, const QString& text) {
    seen << QStringLiteral("%1: %2").arg(context.category, text);
}

// While the application is made, the handler that was there before gets every
// message at once but the platform's; those once the application exists, in
// order, with their categories; after that it gets every message directly.
TEST(ProgramStart, OnlyPlatformMessagesWaitForTheApplication) {
    seen.clear();
    const QtMessageHandler outer = qInstallMessageHandler(record);
    char program[] = "start_test";
    char* argv[] = {program, nullptr};
    forms::installPlatformFailureHandler(1, argv);
    qWarning("first");
    const QStringList atFirst = seen;
    qCWarning(testPlatform, "platform");
    qCInfo(testPlatform, "platform info");
    qCWarning(startTest, "second");
    const QStringList whileMade = seen;
    forms::removePlatformFailureHandler();
    const QStringList once = seen;
    qCWarning(startTest, "third");
    qCWarning(testPlatform, "platform later");
    qInstallMessageHandler(outer);
    EXPECT_EQ(atFirst, (QStringList{"default: first"}));
    EXPECT_EQ(whileMade, (QStringList{"default: first", "orvanta.start_test: second"}));
    EXPECT_EQ(once,
              (QStringList{"default: first", "orvanta.start_test: second",
                           "qt.qpa.start_test: platform", "qt.qpa.start_test: platform info"}));
    EXPECT_EQ(seen,
              (QStringList{"default: first", "orvanta.start_test: second",
                           "qt.qpa.start_test: platform", "qt.qpa.start_test: platform info",
                           "orvanta.start_test: third", "qt.qpa.start_test: platform later"}));
}

}  // namespace
