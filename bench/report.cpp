// Runs every figure of the benchmark and prints one table: the program beside
// its floor, and the ratio of the two.
//
// Start-up is timed as whole processes, the program's and the floors' runs
// taken in turn so that all see the same machine; the in-process figures come
// from bench_ui (Google Benchmark, its repetitions interleaved at random).

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "bench/clock.h"

extern char** environ;

namespace {

struct Options {
    QString startProgram;
    QString startFloor;
    QString ui;
    QString programFile;
    QString floorFile;
    int runs = 30;
    int repetitions = 10;
    QString minTime = "0.2";
};

void say(const QString& text) {
    std::fprintf(stderr, "bench: %s\n", qPrintable(text));
    std::fflush(stderr);
}

// --- start-up, as whole processes ---------------------------------------------------

struct StartRun {
    double milliseconds = 0;
    double cpuMilliseconds = 0;  // user and system, to the process's end
    double maxResidentMiB = 0;
};

std::optional<StartRun> startOnce(const QString& executable, const QStringList& arguments,
                                  QString& error) {
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0) {
        error = "no pipe";
        return std::nullopt;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, out[1], 2);

    std::vector<std::string> words{executable.toStdString()};
    for (const QString& a : arguments) words.push_back(a.toStdString());
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    const std::string& path = words.front();
    pid_t pid = 0;
    const std::int64_t started = bench::monotonicNanoseconds();
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (spawned != 0) {
        close(out[0]);
        error = "cannot start " + executable;
        return std::nullopt;
    }

    std::string output;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) != 0;) {
        if (n > 0)
            output.append(buffer, static_cast<std::size_t>(n));
        else if (errno != EINTR)
            break;
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);

    StartRun run;
    std::optional<long long> stamp;
    for (const QString& line : QString::fromStdString(output).split('\n')) {
        if (line.startsWith("first-frame ")) stamp = line.mid(12).toLongLong();
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || !stamp) {
        error = executable + " did not report its first frame:\n" + QString::fromStdString(output);
        return std::nullopt;
    }
    run.milliseconds = static_cast<double>(*stamp - started) / 1e6;
    run.maxResidentMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    const auto ms = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
    };
    run.cpuMilliseconds = ms(usage.ru_utime) + ms(usage.ru_stime);
    return run;
}

double quantile(std::vector<double> values, double q) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const double at = q * static_cast<double>(values.size() - 1);
    const auto low = static_cast<std::size_t>(at);
    const std::size_t high = std::min(low + 1, values.size() - 1);
    return values[low] + (values[high] - values[low]) * (at - static_cast<double>(low));
}

struct StartFigures {
    std::vector<double> milliseconds;
    std::vector<double> cpuMilliseconds;
    std::vector<double> maxResidentMiB;
};

// The three start-ups, run in turn, in an order that rotates so that none
// always follows another.
bool measureStartUp(const Options& options, std::array<StartFigures, 3>& figures) {
    // The first runs fill the page cache and the font cache; they count for nothing.
    constexpr int kWarmUp = 3;
    const std::array<std::pair<QString, QStringList>, 3> commands{{
        {options.startProgram, {}},
        {options.startFloor, {}},
        {options.startFloor, {"--text"}},
    }};
    QString error;
    for (int i = 0; i < kWarmUp + options.runs; ++i) {
        for (int turn = 0; turn < 3; ++turn) {
            const std::size_t which = static_cast<std::size_t>((i + turn) % 3);
            const auto run = startOnce(commands[which].first, commands[which].second, error);
            if (!run) {
                say(error);
                return false;
            }
            if (i < kWarmUp) continue;
            StartFigures& into = figures[which];
            into.milliseconds.push_back(run->milliseconds);
            into.cpuMilliseconds.push_back(run->cpuMilliseconds);
            into.maxResidentMiB.push_back(run->maxResidentMiB);
        }
    }
    return true;
}

// --- in-process figures -------------------------------------------------------------

struct UiFigure {
    double microseconds = -1;  // the median of the repetitions; -1 when it failed
    int dictionary = 0;
    int rows = 0;
    int row = -1;
};

std::optional<QJsonArray> runUi(const Options& options) {
    QProcess ui;
    ui.setProcessChannelMode(QProcess::SeparateChannels);
    ui.start(options.ui, {"--benchmark_format=json",
                          "--benchmark_repetitions=" + QString::number(options.repetitions),
                          "--benchmark_enable_random_interleaving=true",
                          "--benchmark_report_aggregates_only=true",
                          "--benchmark_min_time=" + options.minTime});
    if (!ui.waitForFinished(-1) || ui.exitStatus() != QProcess::NormalExit || ui.exitCode() != 0) {
        say(options.ui + " failed:\n" + QString::fromLocal8Bit(ui.readAllStandardError()));
        return std::nullopt;
    }
    const QJsonDocument document = QJsonDocument::fromJson(ui.readAllStandardOutput());
    return document.object().value("benchmarks").toArray();
}

UiFigure uiFigure(const QJsonArray& benchmarks, const QString& name) {
    UiFigure figure;
    for (const QJsonValue& value : benchmarks) {
        const QJsonObject b = value.toObject();
        const QString run = b.value("run_name").toString();
        if (run != name && !run.startsWith(name + "/")) continue;
        if (b.contains("error_occurred") && b.value("error_occurred").toBool()) {
            say(name + ": " + b.value("error_message").toString());
            return figure;
        }
        const QString aggregate = b.value("aggregate_name").toString();
        if (aggregate == "median") {
            double time = b.value("real_time").toDouble();
            const QString unit = b.value("time_unit").toString();
            if (unit == "ns") time /= 1e3;
            if (unit == "ms") time *= 1e3;
            if (unit == "s") time *= 1e6;
            figure.microseconds = time;
            figure.dictionary = b.value("dictionary").toInt();
            figure.rows = b.value("rows").toInt();
            figure.row = b.contains("row") ? b.value("row").toInt() : -1;
        }
    }
    return figure;
}

// --- the program file ---------------------------------------------------------------

qint64 strippedSize(const QString& file) {
    const QString strip = QStandardPaths::findExecutable("strip");
    QTemporaryDir dir;
    if (strip.isEmpty() || !dir.isValid()) return -1;
    const QString out = dir.filePath("stripped");
    if (QProcess::execute(strip, {"-o", out, file}) != 0) return -1;
    return QFileInfo(out).size();
}

// --- the table ----------------------------------------------------------------------

const char* dictionaryName(int number) {
    static const char* names[] = {"?",        "Oxford",     "Computer",
                                  "Hardware", "Bangladesh", "International"};
    return names[number >= 1 && number <= 5 ? number : 0];
}

QString microseconds(double us) {
    if (us < 0) return "failed";
    if (us >= 1000) return QString::number(us / 1000, 'f', 2) + " ms";
    if (us >= 10) return QString::number(us, 'f', 1) + " us";
    return QString::number(us, 'f', 3) + " us";
}

QString ratio(double program, double floor) {
    if (program < 0 || floor <= 0) return "-";
    const double r = program / floor;
    return QString::number(r, 'f', r < 10 ? 2 : (r < 100 ? 1 : 0)) + "x";
}

QString mebibytes(double mib) {
    return QString::number(mib, 'f', 1) + " MiB";
}

struct Line {
    QString figure;
    QString program;
    QString floor;
    QString ratio;
    QString notes;
};

void printTable(const std::vector<Line>& lines) {
    const QStringList headings = {"Figure", "Program", "Floor", "Ratio", "How, and the floor"};
    std::vector<qsizetype> widths(5);
    for (int c = 0; c < 5; ++c) widths[c] = headings[c].size();
    for (const Line& l : lines) {
        const QString cells[] = {l.figure, l.program, l.floor, l.ratio, l.notes};
        for (int c = 0; c < 5; ++c) widths[c] = std::max(widths[c], cells[c].size());
    }
    const auto row = [&widths](const QStringList& cells) {
        QString text = "|";
        for (int c = 0; c < 5; ++c) {
            const bool number = c >= 1 && c <= 3;
            text +=
                ' ' +
                (number ? cells[c].rightJustified(widths[c]) : cells[c].leftJustified(widths[c])) +
                " |";
        }
        std::printf("%s\n", qPrintable(text));
    };
    row(headings);
    QString rule = "|";
    for (int c = 0; c < 5; ++c) {
        const bool number = c >= 1 && c <= 3;
        rule +=
            (number ? QString(widths[c] + 1, '-') + ":" : ":" + QString(widths[c] + 1, '-')) + "|";
    }
    std::printf("%s\n", qPrintable(rule));
    for (const Line& l : lines) row({l.figure, l.program, l.floor, l.ratio, l.notes});
}

std::optional<Options> parse(const QStringList& arguments) {
    Options o;
    if (arguments.size() % 2 == 0) return std::nullopt;  // a key without its value
    for (qsizetype i = 1; i + 1 < arguments.size(); i += 2) {
        const QString& key = arguments[i];
        const QString& value = arguments[i + 1];
        if (key == "--start-program")
            o.startProgram = value;
        else if (key == "--start-floor")
            o.startFloor = value;
        else if (key == "--ui")
            o.ui = value;
        else if (key == "--program-file")
            o.programFile = value;
        else if (key == "--floor-file")
            o.floorFile = value;
        else if (key == "--runs")
            o.runs = std::max(1, value.toInt());
        else if (key == "--repetitions")
            o.repetitions = std::max(1, value.toInt());
        else if (key == "--min-time")
            o.minTime = value;
        else
            return std::nullopt;
    }
    if (o.startProgram.isEmpty() || o.startFloor.isEmpty() || o.ui.isEmpty() ||
        o.programFile.isEmpty() || o.floorFile.isEmpty()) {
        return std::nullopt;
    }
    return o;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const std::optional<Options> options = parse(QCoreApplication::arguments());
    if (!options) {
        std::fputs(
            "usage: bench_report --start-program EXE --start-floor EXE --ui EXE "
            "--program-file FILE --floor-file FILE [--runs N] [--repetitions N] "
            "[--min-time SECONDS]\n",
            stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");

    say(QString("start-up, %1 runs of each, in turn").arg(options->runs));
    std::array<StartFigures, 3> starts;
    if (!measureStartUp(*options, starts)) return 1;
    const StartFigures& program = starts[0];
    const StartFigures& floor = starts[1];
    const StartFigures& textFloor = starts[2];

    say(QString("in-process figures, %1 interleaved repetitions").arg(options->repetitions));
    const std::optional<QJsonArray> benchmarks = runUi(*options);
    if (!benchmarks) return 1;

    std::vector<Line> lines;
    const double startProgram = quantile(program.milliseconds, 0.5);
    const double startFloor = quantile(floor.milliseconds, 0.5);
    const auto spread = [](const StartFigures& f) {
        return QString("%1-%2")
            .arg(quantile(f.milliseconds, 0.25), 0, 'f', 1)
            .arg(quantile(f.milliseconds, 0.75), 0, 'f', 1);
    };
    lines.push_back(
        {"1. Start-up: process start to first frame of the home screen",
         QString::number(startProgram, 'f', 1) + " ms", QString::number(startFloor, 'f', 1) + " ms",
         ratio(startProgram, startFloor),
         QString("median of %1 runs each (middle half: program %2, floor %3 ms); floor: "
                 "one frameless 549x511 window, background picture :/backgrounds/form1.jpg")
             .arg(options->runs)
             .arg(spread(program), spread(floor))});
    const double startText = quantile(textFloor.milliseconds, 0.5);
    lines.push_back({"   Start-up, beside a floor that also shows one line of text",
                     QString::number(startProgram, 'f', 1) + " ms",
                     QString::number(startText, 'f', 1) + " ms", ratio(startProgram, startText),
                     QString("floor: the same window with the home screen's title as one "
                             "plain QLabel (middle half %1 ms)")
                         .arg(spread(textFloor))});
    const double cpuProgram = quantile(program.cpuMilliseconds, 0.5);
    const double cpuFloor = quantile(floor.cpuMilliseconds, 0.5);
    lines.push_back({"   Start-up: processor time", QString::number(cpuProgram, 'f', 1) + " ms",
                     QString::number(cpuFloor, 'f', 1) + " ms", ratio(cpuProgram, cpuFloor),
                     "user + system time of the child, which ends right after that frame; "
                     "steadier than the wall clock on a busy machine"});
    const double rssProgram = quantile(program.maxResidentMiB, 0.5);
    const double rssFloor = quantile(floor.maxResidentMiB, 0.5);
    lines.push_back({"   Start-up: peak resident memory", mebibytes(rssProgram),
                     mebibytes(rssFloor), ratio(rssProgram, rssFloor),
                     "ru_maxrss of the child, median of the same runs"});

    const UiFigure open = uiFigure(*benchmarks, "open/program");
    const UiFigure openFloor = uiFigure(*benchmarks, "open/floor");
    const QString openWhat = QString("%1 (Form%2, %3 rows%4)")
                                 .arg(dictionaryName(open.dictionary))
                                 .arg(open.dictionary)
                                 .arg(open.rows)
                                 .arg(open.dictionary == 3 ? "" : "; Hardware table still empty");
    lines.push_back({"2. Open a dictionary: click on the home screen -> window shown with its rows",
                     microseconds(open.microseconds), microseconds(openFloor.microseconds),
                     ratio(open.microseconds, openFloor.microseconds),
                     openWhat + "; the background picture decoded, as on the first open of "
                                "a run; floor: new QListWidget + addItem of the same texts"});
    const UiFigure openAgain = uiFigure(*benchmarks, "open_again/program");
    lines.push_back({"   Open it again later in the same run", microseconds(openAgain.microseconds),
                     microseconds(openFloor.microseconds),
                     ratio(openAgain.microseconds, openFloor.microseconds),
                     "the picture is still decoded in Qt's pixmap cache; floor: the same"});
    const UiFigure openFrame = uiFigure(*benchmarks, "open_frame/program");
    const UiFigure openFrameFloor = uiFigure(*benchmarks, "open_frame/floor");
    lines.push_back({"   Open, through the window's first frame",
                     microseconds(openFrame.microseconds),
                     microseconds(openFrameFloor.microseconds),
                     ratio(openFrame.microseconds, openFrameFloor.microseconds),
                     "floor: the same list where the window has it, in a plain frameless 549x511 "
                     "window, shown and painted"});

    for (const bool lastRow : {false, true}) {
        const QString name = lastRow ? "key_last_row" : "key_no_match";
        const UiFigure key = uiFigure(*benchmarks, name + "/program");
        const UiFigure scan = uiFigure(*benchmarks, name + "/scan");
        const UiFigure widgets = uiFigure(*benchmarks, name + "/widgets");
        const UiFigure keyFrame = uiFigure(*benchmarks, name + "_frame/program");
        const UiFigure widgetsFrame = uiFigure(*benchmarks, name + "_frame/widgets");
        const QString where =
            QString("%1, %2 rows; ").arg(dictionaryName(key.dictionary)).arg(key.rows) +
            (lastRow ? QString("the search lands on row %1%2")
                           .arg(key.row)
                           .arg(key.row == key.rows - 1 ? ", the last" : ", the last it can reach")
                     : QString("after the last row's text, so the selection and both boxes "
                               "are cleared"));
        lines.push_back({lastRow ? "3. Keystroke: text that matches the last row"
                                 : "3. Keystroke: text that matches no row",
                         microseconds(key.microseconds), microseconds(scan.microseconds),
                         ratio(key.microseconds, scan.microseconds),
                         where + "; typed key -> list moved, both boxes written; floor: one "
                                 "case-insensitive startsWith scan"});
        lines.push_back({"   the same, beside plain Qt widgets", microseconds(key.microseconds),
                         microseconds(widgets.microseconds),
                         ratio(key.microseconds, widgets.microseconds),
                         "floor: QLineEdit, QListWidget, QPlainTextEdit, QLineEdit where the "
                         "window has them; the same scan, setCurrentRow, setPlainText, setText"});
        lines.push_back({"   through the repaint of the changed controls",
                         microseconds(keyFrame.microseconds),
                         microseconds(widgetsFrame.microseconds),
                         ratio(keyFrame.microseconds, widgetsFrame.microseconds),
                         "floor: the same plain Qt widgets, repainted"});
    }

    const qint64 fileProgram = QFileInfo(options->programFile).size();
    const qint64 fileFloor = QFileInfo(options->floorFile).size();
    const auto size = [](qint64 bytes) {
        return bytes < 0 ? QString("-")
                         : QString::number(static_cast<double>(bytes) / 1048576.0, 'f', 2) + " MiB";
    };
    lines.push_back({"4. Program file", size(fileProgram), size(fileFloor),
                     ratio(static_cast<double>(fileProgram), static_cast<double>(fileFloor)),
                     QFileInfo(options->programFile).fileName() +
                         " as built (with debug info); "
                         "floor: the start-up floor's file, same build and resources"});
    const qint64 strippedProgram = strippedSize(options->programFile);
    const qint64 strippedFloor = strippedSize(options->floorFile);
    lines.push_back(
        {"   Program file, stripped", size(strippedProgram), size(strippedFloor),
         ratio(static_cast<double>(strippedProgram), static_cast<double>(strippedFloor)),
         "strip -o copy: what an installed package would carry"});

    std::printf("\n");
    printTable(lines);
    return 0;
}
