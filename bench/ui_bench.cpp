// In-process figures: what the program spends on opening a dictionary and on
// one keystroke in the search box, each beside the least Qt spends on the
// same work. Every figure is timed by hand around the work alone, so setting
// up a program run or tearing it down counts for nothing.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QTest>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "bangla/bangla.h"
#include "dictionaries/dictionary.h"
#include "forms/clock.h"
#include "forms/fonts.h"
#include "shell/application.h"
#include "shell/dictionary_layout.h"
#include "shell/program.h"
#include "text/windows_1252.h"

namespace {

using Clock = std::chrono::steady_clock;
using shell::DictionaryWindow;

forms::SystemClock systemClock;

double seconds(Clock::time_point start, Clock::time_point end) {
    return std::chrono::duration<double>(end - start).count();
}

// Opening is measured on the Hardware window: the largest list, in a window
// of its own (Oxford opens in place of the home screen).
constexpr int kOpenedDictionary = 3;

int largestDictionary() {
    int best = 1;
    for (int n = 1; n <= dictionaries::kDictionaryCount; ++n) {
        if (dictionaries::dictionary(n).rowCount() > dictionaries::dictionary(best).rowCount()) {
            best = n;
        }
    }
    return best;
}

std::vector<QString> abbreviations(int number) {
    const dictionaries::Dictionary& d = dictionaries::dictionary(number);
    std::vector<QString> texts;
    texts.reserve(static_cast<std::size_t>(d.rowCount()));
    for (int row = 0; row < d.rowCount(); ++row) texts.push_back(d.abbreviation(row));
    return texts;
}

// The floor of a search: the first text that begins with the prefix.
int firstMatch(const std::vector<QString>& texts, QStringView prefix) {
    for (std::size_t row = 0; row < texts.size(); ++row) {
        if (QStringView(texts[row]).startsWith(prefix, Qt::CaseInsensitive)) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

// Lets queued work run: the end-of-handler check, deferred deletes.
void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QPoint centreInWindow(const QWidget& control) {
    return control.mapTo(control.window(), control.rect().center());
}

QRect pixels(const shell::Place& at) {
    return at.rect().toPixels();
}

// Watches the paint events that reach a window or any widget inside it.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(std::function<const QWidget*()> window) : m_window(std::move(window)) {
        qApp->installEventFilter(this);
    }
    ~PaintWatch() override { qApp->removeEventFilter(this); }

    // Runs the event loop until the window has been painted and the loop has
    // gone quiet; returns when the last pass that painted ended, nullopt when
    // nothing was painted. A repaint can take a few passes (an expose, then a
    // delayed list layout, then the scroll bar it brings), so it takes several
    // passes that paint nothing to call the loop quiet.
    std::optional<Clock::time_point> untilPainted() {
        std::optional<Clock::time_point> lastPaint;
        for (int quiet = 0, round = 0; quiet < 4 && round < 10000; ++round) {
            const int before = m_paints;
            QCoreApplication::processEvents();
            if (m_paints != before) {
                lastPaint = Clock::now();
                quiet = 0;
            } else if (lastPaint) {
                ++quiet;
            }
        }
        return lastPaint;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            const QWidget* window = m_window();
            if (window != nullptr && static_cast<QWidget*>(watched)->window() == window) {
                ++m_paints;
            }
        }
        return false;
    }

private:
    std::function<const QWidget*()> m_window;
    int m_paints = 0;
};

// Ends a timed stretch: at once, or, with `throughFrame`, when the window's
// repaint is done. Nullopt when nothing was painted.
std::optional<Clock::time_point> finish(PaintWatch& watch, bool throughFrame) {
    if (!throughFrame) return Clock::now();
    return watch.untilPainted();
}

// A left click in the middle of a control, delivered through its window as the
// platform delivers it, and nothing more: unlike QTest's click it does not run
// the event loop afterwards, so the time taken is the handler's alone.
void clickWithoutEventLoop(const QWidget& control) {
    static int timestamp = 0;
    timestamp += 10'000;  // far apart: no two clicks make a double click
    QWindow* window = control.window()->windowHandle();
    const QPointF at = centreInWindow(control);
    const QPointF global = window->mapToGlobal(at);
    qt_handleMouseEvent(window, at, global, Qt::LeftButton, Qt::LeftButton,
                        QEvent::MouseButtonPress, {}, timestamp);
    qt_handleMouseEvent(window, at, global, Qt::NoButton, Qt::LeftButton,
                        QEvent::MouseButtonRelease, {}, timestamp + 1);
}

void describe(benchmark::State& state, int number, int rows) {
    state.counters["dictionary"] = number;
    state.counters["rows"] = rows;
}

// --- opening a dictionary --------------------------------------------------------

// A click on the dictionary's button on the home screen until its window is
// shown with all its rows; with `throughFrame`, until that window has been
// painted. Qt keeps decoded pictures for reuse: unless `again`, they are
// dropped before every click, so that each one pays for decoding the window's
// background as the first open of a program run does.
void openProgram(benchmark::State& state, bool throughFrame, bool again) {
    const int number = kOpenedDictionary;
    const int rows = dictionaries::dictionary(number).rowCount();
    for (auto _ : state) {
        auto program = std::make_unique<shell::Program>(systemClock);
        program->start();
        settle();
        if (!again) QPixmapCache::clear();
        forms::Label& button = program->oxfordWindow().get().dictionaryButton(number);
        PaintWatch painted([&program, number]() -> const QWidget* {
            return program->dictionaryWindow(number).peek();
        });

        const auto start = Clock::now();
        clickWithoutEventLoop(button);
        const auto end = finish(painted, throughFrame);

        const DictionaryWindow* window = program->dictionaryWindow(number).peek();
        if (!end || window == nullptr || !window->isVisible() ||
            window->abbreviationList.listCount() != rows) {
            state.SkipWithError("the dictionary window did not open with its rows");
            break;
        }
        state.SetIterationTime(seconds(start, *end));
        program.reset();
        settle();
    }
    describe(state, number, rows);
}

// One list created and the same number of texts added; with `throughFrame`,
// the list stands where the dictionary window has it, in a plain frameless
// window of that window's size, shown until painted.
void openFloor(benchmark::State& state, bool throughFrame) {
    const int number = kOpenedDictionary;
    const std::vector<QString> texts = abbreviations(number);
    const shell::DictionaryLayout& layout = shell::dictionaryLayout(number);
    for (auto _ : state) {
        std::unique_ptr<QWidget> window;
        QListWidget* list = nullptr;
        PaintWatch painted([&window]() -> const QWidget* { return window.get(); });

        const auto start = Clock::now();
        if (throughFrame) {
            window = std::make_unique<QWidget>(nullptr, Qt::Window | Qt::FramelessWindowHint);
            window->setFixedSize(549, 511);
            list = new QListWidget(window.get());
            list->setGeometry(pixels(layout.abbreviationList));
        } else {
            window = std::make_unique<QListWidget>();
            list = static_cast<QListWidget*>(window.get());
        }
        // Rows of one height spare the list from measuring every text.
        list->setUniformItemSizes(true);
        for (const QString& text : texts) list->addItem(text);
        if (throughFrame) window->show();
        const auto end = finish(painted, throughFrame);

        if (!end || list->count() != static_cast<int>(texts.size())) {
            state.SkipWithError("the list was not filled and shown");
            break;
        }
        state.SetIterationTime(seconds(start, *end));
        window.reset();
        settle();
    }
    describe(state, number, static_cast<int>(texts.size()));
}

// --- a keystroke in the search box ------------------------------------------------

// One typed character that turns `before` into `after`, and the row the search
// must land on (-1 for none).
struct Keystroke {
    QString before;
    char key = 0;
    QString after;
    int row = -1;
};

bool typeable(QChar c) {
    return c.unicode() > 0x20 && c.unicode() < 0x7F;
}

// Both searches scan every row: one ends on the last row, one finds nothing.
// The one that finds nothing starts from the last row's text, so that the
// keystroke also clears the selection and both boxes.
std::optional<Keystroke> worstKeystroke(const std::vector<QString>& texts, bool findsLastRow) {
    // The last row that a search for its own text lands on; normally the last.
    for (int row = static_cast<int>(texts.size()) - 1; row >= 0; --row) {
        const QString& text = texts[static_cast<std::size_t>(row)];
        if (text.size() < 2 || !text::isWindows1252(text) || firstMatch(texts, text) != row) {
            continue;
        }
        if (findsLastRow) {
            if (!typeable(text.back())) continue;
            return Keystroke{text.chopped(1), static_cast<char>(text.back().unicode()), text, row};
        }
        for (char key : {'~', '#', 'q', 'z', '9'}) {
            const QString after = text + QLatin1Char(key);
            if (firstMatch(texts, after) == -1) return Keystroke{text, key, after, -1};
        }
    }
    return std::nullopt;
}

// From the home screen to the working window of dictionary `number`.
DictionaryWindow& openFromHome(shell::Program& program, int number) {
    const forms::Label& button = program.oxfordWindow().get().dictionaryButton(number);
    QTest::mouseClick(button.window()->windowHandle(), Qt::LeftButton, {}, centreInWindow(button));
    settle();
    return program.dictionaryWindow(number).get();
}

// The floor for the widgets: the four controls a search touches, straight Qt,
// where and in the fonts the dictionary window has them. A typed text selects
// the first row it begins and writes the row's elaboration and text to the
// two boxes.
class PlainSearchWindow : public QWidget {
public:
    explicit PlainSearchWindow(int number)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
          m_search(this),
          m_list(this),
          m_elaboration(this),
          m_selected(this),
          m_texts(abbreviations(number)) {
        const shell::DictionaryLayout& layout = shell::dictionaryLayout(number);
        setFixedSize(549, 511);
        const forms::ResolvedFont calibri = forms::resolveFont({"Calibri", 12});
        const forms::ResolvedFont elaboration =
            forms::resolveFont({layout.elaborationFont, layout.elaborationPoints});
        const dictionaries::Dictionary& dictionary = dictionaries::dictionary(number);
        for (int row = 0; row < dictionary.rowCount(); ++row) {
            // What the box shows; a legacy Bengali text is shown converted.
            const QString text = dictionary.elaboration(row);
            m_elaborations.push_back(elaboration.legacyBengali ? bangla::toUnicode(text) : text);
        }

        m_search.setGeometry(pixels(layout.searchBox));
        m_search.setFont(calibri.font);
        m_list.setGeometry(pixels(layout.abbreviationList));
        m_list.setFont(calibri.font);
        m_list.setUniformItemSizes(true);
        m_list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        for (const QString& text : m_texts) m_list.addItem(text);
        m_elaboration.setGeometry(pixels(layout.elaborationBox));
        m_elaboration.setFont(elaboration.font);
        m_elaboration.setLineWrapMode(layout.elaborationWraps ? QPlainTextEdit::WidgetWidth
                                                              : QPlainTextEdit::NoWrap);
        m_elaboration.setHorizontalScrollBarPolicy(layout.elaborationWraps ? Qt::ScrollBarAlwaysOff
                                                                           : Qt::ScrollBarAlwaysOn);
        m_elaboration.setVerticalScrollBarPolicy(layout.elaborationWraps ? Qt::ScrollBarAlwaysOn
                                                                         : Qt::ScrollBarAlwaysOff);
        m_selected.setGeometry(pixels(layout.selectedBox));
        m_selected.setFont(calibri.font);

        QObject::connect(&m_search, &QLineEdit::textEdited, this, [this](const QString& text) {
            const int row = firstMatch(m_texts, text);
            if (row < 0) {
                m_list.clearSelection();
                m_list.setCurrentIndex(QModelIndex());
                m_elaboration.setPlainText({});
                m_selected.setText({});
                return;
            }
            m_list.setCurrentRow(row);
            m_list.scrollToItem(m_list.item(row));
            m_elaboration.setPlainText(m_elaborations[static_cast<std::size_t>(row)]);
            m_selected.setText(m_texts[static_cast<std::size_t>(row)]);
        });
    }

    QLineEdit& search() { return m_search; }
    int currentRow() const { return m_list.selectedItems().isEmpty() ? -1 : m_list.currentRow(); }
    QString selected() const { return m_selected.text(); }

private:
    QLineEdit m_search;
    QListWidget m_list;
    QPlainTextEdit m_elaboration;
    QLineEdit m_selected;
    std::vector<QString> m_texts;
    std::vector<QString> m_elaborations;
};

// What the keystroke benchmarks need to know of the window they type into.
struct SearchTarget {
    QLineEdit* box;
    std::function<QString()> text;
    std::function<int()> row;
    std::function<QString()> selected;
};

// Types the keystroke again and again: the typed character is timed until the
// list has moved and both boxes show the result, or with `throughFrame` until
// the changed controls have been repainted; the backspace that undoes it is
// not. QTest types into a widget without running the event loop.
void typeRepeatedly(benchmark::State& state, const SearchTarget& target, const QWidget& window,
                    const Keystroke& keystroke, const QString& expected, bool throughFrame) {
    target.box->setFocus();
    target.box->setText(keystroke.before);
    QTest::keyClick(target.box, Qt::Key_End);
    settle();
    PaintWatch painted([&window]() -> const QWidget* { return &window; });
    painted.untilPainted();
    for (auto _ : state) {
        const auto start = Clock::now();
        QTest::keyClick(target.box, keystroke.key);
        const auto end = finish(painted, throughFrame);

        if (!end || target.text() != keystroke.after || target.row() != keystroke.row ||
            target.selected() != expected) {
            state.SkipWithError("the search did not land where it should");
            break;
        }
        state.SetIterationTime(seconds(start, *end));
        QTest::keyClick(target.box, Qt::Key_Backspace);
        painted.untilPainted();
    }
}

void keystrokeProgram(benchmark::State& state, bool findsLastRow, bool throughFrame) {
    const int number = largestDictionary();
    const std::vector<QString> texts = abbreviations(number);
    const std::optional<Keystroke> keystroke = worstKeystroke(texts, findsLastRow);
    if (!keystroke) {
        state.SkipWithError("no row fits this search");
        return;
    }
    shell::Program program(systemClock);
    program.start();
    settle();
    DictionaryWindow& window = openFromHome(program, number);
    const SearchTarget target{(&window.searchBox), [&window] { return window.searchBox.text(); },
                              [&window] { return window.abbreviationList.listIndex(); },
                              [&window] { return window.selectedBox.text(); }};
    const QString expected = keystroke->row < 0 ? QString() : texts[keystroke->row];
    typeRepeatedly(state, target, window, *keystroke, expected, throughFrame);
    describe(state, number, static_cast<int>(texts.size()));
    state.counters["row"] = keystroke->row;
}

void keystrokeWidgetsFloor(benchmark::State& state, bool findsLastRow, bool throughFrame) {
    const int number = largestDictionary();
    const std::vector<QString> texts = abbreviations(number);
    const std::optional<Keystroke> keystroke = worstKeystroke(texts, findsLastRow);
    if (!keystroke) {
        state.SkipWithError("no row fits this search");
        return;
    }
    PlainSearchWindow window(number);
    window.show();
    settle();
    const SearchTarget target{&window.search(), [&window] { return window.search().text(); },
                              [&window] { return window.currentRow(); },
                              [&window] { return window.selected(); }};
    const QString expected = keystroke->row < 0 ? QString() : texts[keystroke->row];
    typeRepeatedly(state, target, window, *keystroke, expected, throughFrame);
    describe(state, number, static_cast<int>(texts.size()));
    state.counters["row"] = keystroke->row;
}

void keystrokeScanFloor(benchmark::State& state, bool findsLastRow) {
    const int number = largestDictionary();
    const std::vector<QString> texts = abbreviations(number);
    const std::optional<Keystroke> keystroke = worstKeystroke(texts, findsLastRow);
    if (!keystroke) {
        state.SkipWithError("no row fits this search");
        return;
    }
    for (auto _ : state) {
        const auto start = Clock::now();
        int found = firstMatch(texts, keystroke->after);
        benchmark::DoNotOptimize(found);
        const auto end = Clock::now();
        if (found != keystroke->row) {
            state.SkipWithError("the scan did not land where it should");
            break;
        }
        state.SetIterationTime(seconds(start, end));
    }
    describe(state, number, static_cast<int>(texts.size()));
    state.counters["row"] = keystroke->row;
}

void registerAll() {
    const auto add = [](const char* name, auto&& function, auto... args) {
        benchmark::RegisterBenchmark(name, function, args...)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
    };
    add("open/program", openProgram, false, false);
    add("open/floor", openFloor, false);
    add("open_again/program", openProgram, false, true);
    add("open_frame/program", openProgram, true, false);
    add("open_frame/floor", openFloor, true);
    for (const bool lastRow : {false, true}) {
        const std::string name = lastRow ? "key_last_row" : "key_no_match";
        add((name + "/program").c_str(), keystrokeProgram, lastRow, false);
        add((name + "/scan").c_str(), keystrokeScanFloor, lastRow);
        add((name + "/widgets").c_str(), keystrokeWidgetsFloor, lastRow, false);
        add((name + "_frame/program").c_str(), keystrokeProgram, lastRow, true);
        add((name + "_frame/widgets").c_str(), keystrokeWidgetsFloor, lastRow, true);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    shell::setUpApplication();
    registerAll();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
