#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <functional>

#include "forms/fonts.h"
#include "forms/form_slot.h"
#include "forms/image.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "forms/twips.h"
#include "real_time.h"
#include "support/stepped_clock.h"
#include "ui.h"

namespace {

using forms::TwipsRect;

// A small window with one control of each kind.
class TestForm : public forms::Form {
public:
    explicit TestForm(bool draggable = true)
        : forms::Form({"Test", 6000, 4500, {}, {}, draggable}),
          button(this, "Label1"),
          list(this, "List1"),
          box(this, "Text1"),
          picture(this, "Image1") {
        button.setGeometry(TwipsRect{150, 150, 1500, 300}.toPixels());
        button.setText("Button");
        list.setGeometry(TwipsRect{150, 600, 2000, 2000}.toPixels());
        box.setGeometry(TwipsRect{3000, 600, 2000, 400}.toPixels());
        picture.setGeometry(TwipsRect{3000, 1500, 1500, 1500}.toPixels());
        connect(&button, &forms::Label::clicked, this, [this] { ++clicks; });
        connect(&list, &forms::ListBox::selectionSet, this,
                [this] { reportedIndexes.push_back(list.listIndex()); });
        connect(&box, &forms::TextBox::textEdited, this, [this] { ++changes; });
    }

    // What the window was like when its load step ran.
    void initializeForm() override {
        ++loads;
        rowsWhenLoaded = list.listCount();
        shownWhenLoaded = isVisible();
    }

    forms::Label button;
    forms::ListBox list;
    forms::TextBox box;
    forms::Image picture;
    int loads = 0;
    int rowsWhenLoaded = -1;
    bool shownWhenLoaded = false;
    int clicks = 0;
    int changes = 0;
    std::vector<int> reportedIndexes;
};

TEST(Twips, ConvertAtFifteenToThePixel) {
    EXPECT_EQ(forms::pixels(8235), 549);
    EXPECT_EQ(forms::pixels(7665), 511);
    EXPECT_EQ(forms::pixels(1215), 81);
    EXPECT_EQ((TwipsRect{6720, 1680, 1215, 495}.toPixels()), QRect(448, 112, 81, 33));
}

// --- window existence ---------------------------------------------------------

struct SlotFixture : ::testing::Test {
    forms::FormSet set;
    int created = 0;
    forms::FormSlot<TestForm> slot{set, [this] {
                                       ++created;
                                       return std::make_unique<TestForm>();
                                   }};
    int emptied = 0;
    void SetUp() override {
        QObject::connect(&set, &forms::FormSet::emptied, [this] { ++emptied; });
    }
};

// The first access to a slot creates its window, and the window's load step
// runs once, before that access takes effect: the step finds the list without
// the row the access adds, and the window not yet shown.
struct FirstAccess {
    const char* name;
    void (*access)(forms::FormSlot<TestForm>& slot);
    bool shows;
};

void PrintTo(const FirstAccess& c, std::ostream* os) {
    *os << c.name;
}

class SlotFirstAccess : public SlotFixture, public ::testing::WithParamInterface<FirstAccess> {};

TEST_P(SlotFirstAccess, LoadStepRunsOnceBeforeTheAccessTakesEffect) {
    const FirstAccess& c = GetParam();
    EXPECT_FALSE(slot.exists());
    c.access(slot);
    ASSERT_TRUE(slot.exists());
    TestForm& form = *slot.peek();
    EXPECT_EQ(form.loads, 1);
    EXPECT_EQ(form.rowsWhenLoaded, 0);
    EXPECT_FALSE(form.shownWhenLoaded);
    EXPECT_EQ(form.isVisible(), c.shows) << "creation alone does not show a window";
    slot.show();
    slot.get().list.addItem("another row");
    EXPECT_EQ(created, 1);
    EXPECT_EQ(form.loads, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, SlotFirstAccess,
    ::testing::Values(FirstAccess{"AddsARow",
                                  [](forms::FormSlot<TestForm>& s) { s.get().list.addItem("row"); },
                                  false},
                      FirstAccess{"Shows", [](forms::FormSlot<TestForm>& s) { s.show(); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SlotFixture, UnloadThenTouchGivesFreshWindow) {
    slot.show();
    slot.get().list.addItem("row");
    slot.get().box.showText("typed");
    TestForm* first = slot.peek();
    first->unload();
    EXPECT_FALSE(slot.exists()) << "the slot empties at once";
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(slot.get().list.listCount(), 0);
    EXPECT_TRUE(slot.get().box.text().isEmpty());
    EXPECT_EQ(created, 2);
    ui::settle();
    EXPECT_EQ(emptied, 0) << "a window exists again, so the program goes on";
}

TEST_F(SlotFixture, HandlerSurvivesUnloadingItsOwnWindow) {
    slot.show();
    int ranToEnd = 0;
    // In place of the window's own handler.
    QObject::disconnect(&slot.get().button, &forms::Label::clicked, nullptr, nullptr);
    QObject::connect(&slot.get().button, &forms::Label::clicked, [this, &ranToEnd] {
        TestForm& self = *slot.peek();
        self.unload();
        // The object lives until the handler returns.
        self.clicks += 1;
        ranToEnd = self.clicks;
    });
    ui::click(slot.get().button);
    EXPECT_EQ(ranToEnd, 1);
    EXPECT_FALSE(slot.exists());
    ui::settle();
    EXPECT_EQ(emptied, 1) << "no window is left after the handler";
}

// Every time, not only the first: each window closed in turn was the last.
TEST_F(SlotFixture, ClosedByThePlatformIsUnloaded) {
    for (int closed = 1; closed <= 3; ++closed) {
        slot.show();
        slot.get().close();
        EXPECT_FALSE(slot.exists());
        ui::settle();
        EXPECT_EQ(emptied, closed);
    }
}

TEST_F(SlotFixture, NewWindowIsCentredEvenAfterTheLastWasDragged) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    slot.show();
    EXPECT_EQ(slot.get().frameGeometry().center(), screen.center());
    ui::drag(slot.peek(), {350, 280}, {120, 90}, Qt::LeftButton);
    EXPECT_NE(slot.get().frameGeometry().center(), screen.center());
    slot.get().unload();
    slot.show();
    EXPECT_EQ(slot.get().frameGeometry().center(), screen.center());
}

// --- window drag ----------------------------------------------------------------

struct DragCase {
    const char* name;
    Qt::MouseButton button;
    Qt::KeyboardModifiers modifiers;
    QPoint at;  // pixels in the window
    bool moves;
};

class WindowDrag : public ::testing::TestWithParam<DragCase> {};

TEST_P(WindowDrag, MovesOnlyFromTheBackground) {
    const DragCase& c = GetParam();
    TestForm form;
    form.show();
    const QPoint before = form.pos();
    ui::drag(&form, c.at, {40, 25}, c.button, c.modifiers);
    if (c.moves) {
        EXPECT_EQ(form.pos(), before + QPoint(40, 25));
    } else {
        EXPECT_EQ(form.pos(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Forms, WindowDrag,
    ::testing::Values(DragCase{"LeftOnBackground", Qt::LeftButton, {}, {350, 250}, true},
                      DragCase{"RightOnBackground", Qt::RightButton, {}, {350, 250}, true},
                      DragCase{
                          "MiddleWithShift", Qt::MiddleButton, Qt::ShiftModifier, {10, 280}, true},
                      DragCase{"OnLabel", Qt::LeftButton, {}, {20, 15}, false},
                      DragCase{"OnLabelsEmptyPart", Qt::RightButton, {}, {105, 28}, false},
                      DragCase{"OnList", Qt::LeftButton, {}, {70, 100}, false},
                      DragCase{"OnTextBox", Qt::LeftButton, {}, {260, 50}, false},
                      DragCase{"OnPicture", Qt::LeftButton, {}, {250, 150}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A drag is a press, many moves and a release: after each move the window
// stands where it stood at the press, shifted by all the pointer has moved
// since, and so stays under the pointer.
struct DragPathCase {
    const char* name;
    Qt::MouseButton button;
    std::vector<QPoint> path;  // the pointer's offsets from the press, on the screen
};

void PrintTo(const DragPathCase& c, std::ostream* os) {
    *os << c.name;
}

class WindowDragPath : public ::testing::TestWithParam<DragPathCase> {};

TEST_P(WindowDragPath, WindowStaysUnderThePointer) {
    const DragPathCase& c = GetParam();
    TestForm form;
    form.show();
    const QPoint before = form.pos();
    std::vector<QPoint> expected;
    for (const QPoint& offset : c.path) expected.push_back(before + offset);
    EXPECT_EQ(ui::dragAlong(&form, {350, 250}, c.path, c.button), expected);
    EXPECT_EQ(form.pos(), before + c.path.back()) << "after the release";
    // The window is let go of: a move without the button leaves it there.
    QTest::mouseMove(form.windowHandle(), {300, 200});
    ui::settle();
    EXPECT_EQ(form.pos(), before + c.path.back());
}

INSTANTIATE_TEST_SUITE_P(
    Forms, WindowDragPath,
    ::testing::Values(
        DragPathCase{"Steady", Qt::LeftButton, {{10, 5}, {25, 15}, {40, 25}}},
        DragPathCase{"StepByStep", Qt::LeftButton, {{1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 3}}},
        DragPathCase{"ThereAndBack", Qt::LeftButton, {{30, 20}, {60, 40}, {30, 20}, {0, 0}}},
        DragPathCase{"UpAndLeft", Qt::RightButton, {{-15, 10}, {-40, -5}, {-70, -35}}},
        DragPathCase{"Pauses", Qt::MiddleButton, {{20, 0}, {20, 0}, {20, 0}, {45, 12}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowDragRule, HiddenControlsLetThePressThrough) {
    TestForm form;
    form.list.setVisible(false);
    form.show();
    const QPoint before = form.pos();
    ui::drag(&form, {70, 100}, {30, 30}, Qt::LeftButton);
    EXPECT_EQ(form.pos(), before + QPoint(30, 30));
}

TEST(WindowDragRule, AWindowWithoutDragStaysPut) {
    TestForm form(false);
    form.show();
    const QPoint before = form.pos();
    ui::drag(&form, {350, 250}, {30, 30}, Qt::LeftButton);
    EXPECT_EQ(form.pos(), before);
}

TEST(FormFrame, FixedSizeFramelessAndMinimizable) {
    TestForm form;
    form.show();
    EXPECT_EQ(form.size(), QSize(400, 300));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_TRUE(form.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form.windowTitle(), "Test");
    form.list.addItem("kept");
    form.minimize();
    EXPECT_TRUE(form.isMinimized());
    form.showForm();
    EXPECT_FALSE(form.isMinimized());
    EXPECT_EQ(form.list.listCount(), 1);
}

// --- labels ---------------------------------------------------------------------

TEST(LabelControl, ClickIsALeftClickInsideTheLabel) {
    TestForm form;
    form.show();
    ui::click(form.button);
    EXPECT_EQ(form.clicks, 1);
    ui::click(form.button, Qt::RightButton);
    EXPECT_EQ(form.clicks, 1);
    // Pressed on the label but released outside it: no click.
    QTest::mousePress(form.windowHandle(), Qt::LeftButton, {}, ui::centreInWindow(form.button));
    QTest::mouseRelease(form.windowHandle(), Qt::LeftButton, {}, {350, 250});
    EXPECT_EQ(form.clicks, 1);
    form.button.setVisible(false);
    ui::clickAt(&form, {20, 15});
    EXPECT_EQ(form.clicks, 1) << "a hidden label takes nothing";
}

TEST(LabelControl, WrapsItsCaptionInsideItsFixedSize) {
    TestForm form;
    form.button.setGeometry(TwipsRect{150, 150, 1215, 495}.toPixels());
    form.button.setLabelStyle({{"Calibri", 9.75},
                               false,
                               forms::kDarkRed,
                               forms::kHighlightText,
                               forms::Alignment::Centre});
    form.button.setText("International Abbreviation");
    form.show();
    QLabel* label = &form.button;
    EXPECT_EQ(label->size(), QSize(81, 33));
    const int oneLine = label->fontMetrics().height();
    EXPECT_GE(label->heightForWidth(81), 2 * oneLine) << "two lines";
    EXPECT_LE(label->heightForWidth(81), 33 + 2);
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
}

// --- text boxes -----------------------------------------------------------------

TEST(TextBoxControl, ChangeComesFromTheUserOnly) {
    TestForm form;
    form.show();
    form.box.showText("set by the program");
    EXPECT_EQ(form.changes, 0);
    form.box.showText({});
    ui::type(form.box, "ab");
    EXPECT_EQ(form.changes, 2);
    EXPECT_EQ(form.box.text(), "ab");
    ui::backspace(form.box);
    EXPECT_EQ(form.changes, 3);
    EXPECT_EQ(form.box.text(), "a");
}

TEST(TextBoxControl, HasNoLengthLimit) {
    TestForm form;
    form.show();
    const QString big(200000, QLatin1Char('x'));
    ui::paste(form.box, big);
    EXPECT_EQ(form.box.text().size(), big.size());
    EXPECT_EQ(form.changes, 1);
}

// A text the program puts in a box is read from its start: its first
// characters stand at the box's left, as they would if the text were no
// longer than they, and its end is out of view. So too after the user has
// typed a long text, which leaves its own end in view.
TEST(TextBoxControl, TextTheProgramSetsShowsFromItsStart) {
    const QString start = "Electrically";
    const QString text = start + " Erasable Programmable Read Only Memory, and more of it";
    for (const char* typedFirst : {"", "typed by the user until it runs out of the box"}) {
        TestForm form;
        form.show();
        ui::type(form.box, typedFirst);
        form.list.setFocus();  // no cursor blinks in the box
        ASSERT_GT(form.box.fontMetrics().horizontalAdvance(text), form.box.width());
        form.box.showText(start);
        const QImage alone = form.box.grab().toImage();
        form.box.showText(text);
        const QImage shown = form.box.grab().toImage();

        EXPECT_EQ(form.box.cursorPosition(), 0) << typedFirst;
        const QRect inside = form.box.contentsRect();
        EXPECT_EQ(form.box.cursorPositionAt({inside.left() + 1, inside.center().y()}), 0)
            << "the first character is the leftmost";
        EXPECT_LT(form.box.cursorPositionAt({inside.right() - 1, inside.center().y()}),
                  text.size() - 10)
            << "the end is out of view";
        // Up to the width of its first word, the box looks as if it held that word alone.
        const int firstWord = form.box.fontMetrics().horizontalAdvance(start);
        int differing = 0;
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < firstWord; ++x) differing += shown.pixel(x, y) != alone.pixel(x, y);
        }
        EXPECT_EQ(differing, 0) << "pixels where the first word is drawn; typed first: \""
                                << typedFirst << '"';
    }
}

// --- lists ----------------------------------------------------------------------

struct ListFixture : ::testing::Test {
    TestForm form;
    void SetUp() override {
        for (const char* row : {"AA", "ABTA", "AC", "AC", "a/c", "MB, mb", "MB", "Hard Disk ",
                                "Hard Disk Controller", "A&A"}) {
            form.list.addItem(row);
        }
        form.show();
    }
};

struct FindCase {
    const char* prefix;
    int row;
};

class FindString : public ListFixture, public ::testing::WithParamInterface<FindCase> {};

TEST_P(FindString, FirstRowFromTheTopThatBeginsWithIt) {
    EXPECT_EQ(form.list.findString(QString::fromUtf8(GetParam().prefix)), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, FindString,
    ::testing::Values(FindCase{"a", 0}, FindCase{"AA", 0}, FindCase{"ab", 1}, FindCase{"AC", 2},
                      FindCase{"a/", 4}, FindCase{"MB", 5}, FindCase{"mb", 5}, FindCase{"MB,", 5},
                      FindCase{"Hard Disk", 7}, FindCase{"hard disk c", 8}, FindCase{"A&", 9},
                      FindCase{"ABTAX", -1}, FindCase{" A", -1}, FindCase{"", -1},
                      FindCase{"Z", -1},
                      FindCase{"A\xE2\x82\xAC", -1},     // € is in the code page; no row has it
                      FindCase{"\xF0\x9F\x98\x80", -1},  // emoji: outside the code page
                      FindCase{"\xD7\x90", -1}));        // Hebrew letter

TEST_F(ListFixture, EveryProgramSetIsReportedAndAddingIsNot) {
    form.list.addItem("more");
    EXPECT_TRUE(form.reportedIndexes.empty());
    form.list.setListIndex(3);
    form.list.setListIndex(3);  // the same row again
    form.list.setListIndex(-1);
    form.list.setListIndex(-1);
    form.list.setListIndex(500);  // outside the rows: no selection
    EXPECT_EQ(form.reportedIndexes, (std::vector<int>{3, 3, -1, -1, -1}));
    EXPECT_EQ(form.list.listIndex(), -1);
    EXPECT_EQ(form.list.text(), "");
}

TEST_F(ListFixture, UserClicksAndKeysAreReportedOncePerChange) {
    ui::clickRow(form.list, 2);
    EXPECT_EQ(form.reportedIndexes, (std::vector<int>{2}));
    EXPECT_EQ(form.list.text(), "AC");
    ui::key(form.list, Qt::Key_Down);
    EXPECT_EQ(form.reportedIndexes, (std::vector<int>{2, 3}));
    ui::clickRow(form.list, 7);
    EXPECT_EQ(form.list.text(), "Hard Disk ") << "the row's text as added, blank included";
}

TEST_F(ListFixture, SearchSelectionIsScrolledIntoView) {
    for (int i = 0; i < 200; ++i) form.list.addItem(QString("row %1").arg(i));
    form.list.setListIndex(190);
    const QListView& list = form.list;
    EXPECT_TRUE(list.viewport()->rect().intersects(list.visualRect(list.model()->index(190, 0))));
}

// --- fonts ----------------------------------------------------------------------

TEST(Fonts, MissingFamiliesGetTheirStandIns) {
    struct Case {
        const char* requested;
        const char* standIn;
    };
    for (const Case& c : {Case{"Calibri", "Carlito"}, Case{"Monotype Corsiva", "TeX Gyre Chorus"},
                          Case{"SutonnyMJ", "Noto Sans Bengali"}}) {
        if (forms::isInstalled(c.requested)) continue;
        const forms::ResolvedFont resolved = forms::resolveFont({c.requested, 12});
        EXPECT_EQ(QFontInfo(resolved.font).family(), c.standIn) << c.requested;
        EXPECT_DOUBLE_EQ(resolved.font.pointSizeF(), 12);
    }
    if (!forms::isInstalled("SutonnyMJ")) {
        EXPECT_TRUE(forms::resolveFont({"SutonnyMJ", 14.25}).legacyBengali);
    }
    EXPECT_FALSE(forms::resolveFont({"Calibri", 12}).legacyBengali);
    const QFontInfo sans(forms::resolveFont({"MS Sans Serif", 12}).font);
    EXPECT_FALSE(sans.family().isEmpty());
}

// --- timer ----------------------------------------------------------------------

// The stepped clock, on which the program's other tests run, ticks exactly at
// each due time, and each tick reads the clock at that moment.
TEST(SteppedClock, TicksAtEachDueTimeAndReadsTheClockThere) {
    support::SteppedClock clock(QDateTime(QDate(2026, 11, 23), QTime(9, 0)));
    std::vector<QTime> ticks;
    TestForm form;
    forms::Timer* timer = clock.makeTimer(&form, 10);
    QObject::connect(timer, &forms::Timer::ticked,
                     [&ticks, &clock] { ticks.push_back(clock.now().time()); });
    timer->start();
    clock.advance(9);
    EXPECT_TRUE(ticks.empty());
    clock.advance(1);
    clock.advance(25);
    EXPECT_EQ(ticks,
              (std::vector<QTime>{QTime(9, 0, 0, 10), QTime(9, 0, 0, 20), QTime(9, 0, 0, 30)}));
    EXPECT_EQ(clock.now().time(), QTime(9, 0, 0, 35));
}

// The timers of both clocks a window may be handed keep one contract, driven
// alike: the stepped clock is moved a millisecond at a time, the system's runs
// under Qt's event loop. Times are read as milliseconds since the clock was
// made, and bound only from below.
struct OnSteppedClock {
    static constexpr const char* kName = "SteppedClock";
    const QDateTime made{QDate(2026, 11, 23), QTime(9, 0)};
    support::SteppedClock clock{made};

    static qint64 earliestTick(int intervalMs) { return intervalMs; }
    qint64 elapsed() const { return made.msecsTo(clock.now()); }
    bool waitUntil(const std::function<bool()>& done) {
        for (int ms = 0; ms < realtime::kPatienceMs && !done(); ++ms) clock.advance(1);
        return done();
    }
};

struct OnSystemClock {
    static constexpr const char* kName = "SystemClock";
    forms::SystemClock clock;
    QElapsedTimer made;

    OnSystemClock() { made.start(); }
    static qint64 earliestTick(int intervalMs) { return realtime::earliestTick(intervalMs); }
    qint64 elapsed() const { return made.elapsed(); }
    bool waitUntil(const std::function<bool()>& done) {
        return QTest::qWaitFor(done, realtime::kPatienceMs);
    }
};

template <typename On>
class TimerControl : public ::testing::Test {
protected:
    On on;

    // A timer that notes when it ticks.
    forms::Timer* makeTimer(QObject* parent, int intervalMs, std::vector<qint64>& ticks) {
        forms::Timer* timer = on.clock.makeTimer(parent, intervalMs);
        QObject::connect(timer, &forms::Timer::ticked,
                         [this, &ticks] { ticks.push_back(on.elapsed()); });
        return timer;
    }
};

struct ClockName {
    template <typename On>
    static std::string GetName(int) {
        return On::kName;
    }
};

using Clocks = ::testing::Types<OnSteppedClock, OnSystemClock>;
TYPED_TEST_SUITE(TimerControl, Clocks, ClockName);

constexpr int kIntervalMs = 100;

TYPED_TEST(TimerControl, TicksUntilItsWindowGoes) {
    auto form = std::make_unique<TestForm>();
    std::vector<qint64> ticks;
    forms::Timer* timer = this->makeTimer(form.get(), kIntervalMs, ticks);
    EXPECT_EQ(timer->interval(), kIntervalMs);
    const qint64 started = this->on.elapsed();
    timer->start();
    ASSERT_TRUE(this->on.waitUntil([&ticks] { return ticks.size() >= 3; }))
        << "ticks: " << ticks.size();
    EXPECT_TRUE(timer->isActive());
    // The n-th tick comes n intervals after the start at the earliest.
    for (std::size_t n = 1; n <= ticks.size(); ++n) {
        EXPECT_GE(ticks[n - 1] - started, qint64(n) * TypeParam::earliestTick(kIntervalMs))
            << "tick " << n;
    }

    form.reset();
    const std::size_t before = ticks.size();
    QObject keeper;
    std::vector<qint64> other;
    this->makeTimer(&keeper, kIntervalMs, other)->start();
    ASSERT_TRUE(this->on.waitUntil([&other] { return other.size() >= 3; }));
    EXPECT_EQ(ticks.size(), before) << "a tick after the window has gone";
}

TYPED_TEST(TimerControl, StopsAndRestartsAFullInterval) {
    TestForm form;
    std::vector<qint64> ticks;
    forms::Timer* timer = this->makeTimer(&form, kIntervalMs, ticks);
    std::vector<qint64> idle;
    forms::Timer* neverStarted = this->makeTimer(&form, kIntervalMs, idle);
    // Half an interval at a time.
    QObject keeper;
    std::vector<qint64> halves;
    forms::Timer* pace = this->makeTimer(&keeper, kIntervalMs / 2, halves);

    timer->start();
    pace->start();
    EXPECT_TRUE(timer->isActive());
    ASSERT_TRUE(this->on.waitUntil([&halves] { return !halves.empty(); }));
    // Started again while it runs: a full interval from now. Ticks that came
    // before (late, on a loaded machine) do not count.
    ticks.clear();
    qint64 restarted = this->on.elapsed();
    timer->start();
    ASSERT_TRUE(this->on.waitUntil([&ticks] { return !ticks.empty(); }));
    EXPECT_GE(ticks.front() - restarted, TypeParam::earliestTick(kIntervalMs))
        << "a restart that kept the running interval";

    timer->stop();
    EXPECT_FALSE(timer->isActive());
    ticks.clear();
    halves.clear();
    ASSERT_TRUE(this->on.waitUntil([&halves] { return halves.size() >= 6; }));
    EXPECT_TRUE(ticks.empty()) << "ticks while stopped";
    // Started after a stop: a full interval from now.
    ticks.clear();
    restarted = this->on.elapsed();
    timer->start();
    ASSERT_TRUE(this->on.waitUntil([&ticks] { return !ticks.empty(); }));
    EXPECT_GE(ticks.front() - restarted, TypeParam::earliestTick(kIntervalMs));

    EXPECT_FALSE(neverStarted->isActive());
    EXPECT_TRUE(idle.empty()) << "a timer never started ticks";
}

TYPED_TEST(TimerControl, AnUnloadedWindowGetsNoMoreTicks) {
    forms::FormSet set;
    forms::FormSlot<TestForm> slot{set, [] { return std::make_unique<TestForm>(); }};
    int ticks = 0;
    const QPointer<forms::Timer> timer = this->on.clock.makeTimer(&slot.get(), kIntervalMs);
    QObject::connect(timer, &forms::Timer::ticked, [&ticks, &slot] {
        ++ticks;
        slot.unload();  // the handler unloads its own window
    });
    timer->start();
    ASSERT_TRUE(this->on.waitUntil([&ticks] { return ticks > 0; }));
    // Gone already, or waiting to be deleted without ticking.
    EXPECT_TRUE(timer.isNull() || !timer->isActive());

    QObject keeper;
    std::vector<qint64> other;
    this->makeTimer(&keeper, kIntervalMs, other)->start();
    ASSERT_TRUE(this->on.waitUntil([&other] { return other.size() >= 3; }));
    EXPECT_EQ(ticks, 1) << "ticks while the window waits to be deleted";
    ui::settle();
    ASSERT_TRUE(this->on.waitUntil([&other] { return other.size() >= 6; }));
    EXPECT_EQ(ticks, 1);
}

}  // namespace
