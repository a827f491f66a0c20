#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "dictionaries/dictionary.h"
#include "program_fixture.h"
#include "real_time.h"
#include "support/stepped_clock.h"

namespace {

using shell::LockWindow;

void expectHomeScreen(shell::Program& program) {
    ASSERT_TRUE(program.oxfordWindow().exists());
    shell::DictionaryWindow& home = *program.oxfordWindow().peek();
    EXPECT_TRUE(home.isVisible());
    EXPECT_TRUE(home.titleLabel->isVisible());
    EXPECT_FALSE(home.abbreviationList.isVisible());
    EXPECT_EQ(home.abbreviationList.listCount(), 0);
    for (int n = 2; n <= 5; ++n) EXPECT_FALSE(program.dictionaryWindow(n).exists());
}

// The numbers in a text, in order, in whatever digits the region writes.
std::vector<int> numbersIn(const QString& text) {
    std::vector<int> numbers;
    bool inNumber = false;
    for (char32_t c : text.toUcs4()) {
        if (!QChar::isDigit(c)) {
            inNumber = false;
            continue;
        }
        if (!inNumber) numbers.push_back(0);
        numbers.back() = numbers.back() * 10 + QChar::digitValue(c);
        inNumber = true;
    }
    return numbers;
}

// The texts between the numbers of a text: for a time, what stands between
// its hours and minutes, then between its minutes and seconds.
QStringList separatorsIn(const QString& text) {
    QStringList separators;
    QString sinceNumber;
    bool afterNumber = false;
    bool inNumber = false;
    for (char32_t c : text.toUcs4()) {
        if (!QChar::isDigit(c)) {
            inNumber = false;
            sinceNumber += QString::fromUcs4(&c, 1);
            continue;
        }
        if (!inNumber && afterNumber) separators.append(sinceNumber);
        sinceNumber.clear();
        afterNumber = inNumber = true;
    }
    return separators;
}

// Whether every digit of a text is one of the region's own.
::testing::AssertionResult inDigitsOf(const QLocale& region, const QString& text) {
    const char32_t zero = region.zeroDigit().toUcs4().front();
    for (char32_t c : text.toUcs4()) {
        if (QChar::isDigit(c) && c != zero + QChar::digitValue(c)) {
            return ::testing::AssertionFailure()
                   << '"' << text.toStdString() << "\" is not all in the digits of "
                   << region.name().toStdString();
        }
    }
    return ::testing::AssertionSuccess();
}

// A text as it reads: Qt's locale data writes the blank between a time and
// its AM or PM as a space, or in newer data as a narrow no-break space.
QString asRead(QString text) {
    return text.replace(QChar(0x202F), u' ').replace(QChar(0x00A0), u' ');
}

// A short date names the day, the month and the year (whole or its last two
// digits), in whatever order the region writes them, and nothing else. The
// month is a number, or in the C locale the region's short month name.
bool isDate(const QString& text, const QDate& day) {
    std::vector<int> numbers = numbersIn(text);
    std::sort(numbers.begin(), numbers.end());
    const bool monthByName = text.contains(QLocale().monthName(day.month(), QLocale::ShortFormat));
    auto are = [&numbers](std::vector<int> expected) {
        std::sort(expected.begin(), expected.end());
        return numbers == expected;
    };
    for (int year : {day.year() % 100, day.year()}) {
        if (are({day.day(), day.month(), year})) return true;
        if (monthByName && are({day.day(), year})) return true;
    }
    return false;
}

class LockFrom : public ProgramTest, public ::testing::WithParamInterface<int> {};

// 0 stands for the home screen.
TEST_P(LockFrom, UnlockAlwaysGivesAFreshHomeScreen) {
    const int n = GetParam();
    shell::DictionaryWindow& w = n == 0 ? program.oxfordWindow().get() : open(n);
    if (n == 1) ui::click(w.dictionaryButton(1));
    ui::click(w.lockLabel);
    ui::settle();
    EXPECT_TRUE(dictionaryWindows().empty());
    ASSERT_TRUE(program.lockWindow.exists());
    EXPECT_TRUE(program.lockWindow.get().isVisible());
    EXPECT_EQ(endings, 0) << "the program does not end between the two steps";
    ui::click(program.lockWindow.get().unlockButton);
    ui::settle();
    EXPECT_FALSE(program.lockWindow.exists());
    expectHomeScreen(program);
    EXPECT_EQ(endings, 0);
    // The Oxford button fills the new, empty list once more.
    ui::click(program.oxfordWindow().get().dictionaryButton(1));
    EXPECT_EQ(program.oxfordWindow().get().abbreviationList.listCount(),
              dictionaries::dictionary(1).rowCount());
}

INSTANTIATE_TEST_SUITE_P(Shell, LockFrom, ::testing::Values(0, 1, 2, 3, 4, 5));

// Whether a clock's text reads a second from `from` to `to`, both included:
// hours (on a 12- or 24-hour clock), minutes and seconds, in the region's digits.
bool showsTimeBetween(const QString& text, const QDateTime& from, const QDateTime& to) {
    const std::vector<int> numbers = numbersIn(text);
    QDateTime second = from.addMSecs(-from.time().msec());
    for (; second <= to; second = second.addSecs(1)) {
        const QTime t = second.time();
        const int twelve = t.hour() % 12 == 0 ? 12 : t.hour() % 12;
        for (int hour : {t.hour(), twelve}) {
            if (numbers == std::vector<int>({hour, t.minute(), t.second()})) return true;
        }
    }
    return false;
}

// Without a stopped clock the lock window runs on the system's: a Qt timer of
// 100 ms, started with the window, whose every tick reads the time of day and
// the date. The test waits for the ticks; on a loaded machine they come late.
TEST_F(ProgramTest, LockClockRunsOnTheSystemClock) {
    const QDateTime locked = QDateTime::currentDateTime();
    QElapsedTimer sinceLocked;
    sinceLocked.start();
    ui::click(program.oxfordWindow().get().lockLabel);
    LockWindow& lock = program.lockWindow.get();
    const QString atOnce = lock.timeLabel.text();
    // No tick comes before its interval is up; later the first may have come.
    if (sinceLocked.elapsed() < realtime::earliestTick(100)) {
        EXPECT_TRUE(atOnce.isEmpty()) << "a tick at once: " << qPrintable(atOnce);
    }
    const auto timers = lock.findChildren<QTimer*>();
    ASSERT_EQ(timers.size(), 1);
    const QTimer* timer = timers.front();
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);

    ASSERT_TRUE(QTest::qWaitFor([&lock] { return !lock.timeLabel.text().isEmpty(); },
                                realtime::kPatienceMs));
    const QDateTime firstSeen = QDateTime::currentDateTime();
    const QString first = lock.timeLabel.text();
    EXPECT_TRUE(showsTimeBetween(first, locked, firstSeen)) << qPrintable(first);
    const QString date = lock.dateLabel.text();
    EXPECT_TRUE(isDate(date, locked.date()) || isDate(date, firstSeen.date())) << qPrintable(date);
    EXPECT_TRUE(timer->isActive()) << "the timer stopped after its first tick";

    // The clock goes on to the next second.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return lock.timeLabel.text() != first; }, realtime::kPatienceMs))
        << "the clock stands still at " << qPrintable(first);
    const QString next = lock.timeLabel.text();
    EXPECT_TRUE(showsTimeBetween(next, firstSeen, QDateTime::currentDateTime()))
        << qPrintable(next) << " after " << qPrintable(first);
}

// The program's clock stands still at a moment of the test's choosing and moves
// only when the test moves it; the region is the test's too.
struct StoppedClock {
    static inline const QDate kDay{2026, 11, 23};
    support::SteppedClock clock{QDateTime(kDay, QTime(13, 5, 9))};
};

class LockClock : public StoppedClock, public ProgramTest {
protected:
    LockClock() : ProgramTest(clock) {}

    void TearDown() override { QLocale::setDefault(m_regionBefore); }

    void useRegion(const char* name) { QLocale::setDefault(QLocale(QString::fromLatin1(name))); }

    LockWindow& lock() {
        ui::click(program.oxfordWindow().get().lockLabel);
        ui::settle();
        return program.lockWindow.get();
    }

    // Puts the clock at the start of `time` and lets one timer interval pass.
    void tickAt(const QTime& time) {
        clock.setTime(QDateTime(kDay, time));
        clock.advance(100);
    }

private:
    const QLocale m_regionBefore;
};

TEST_F(LockClock, EmptyForOneIntervalThenShowsTimeAndDateOnEveryTick) {
    useRegion("en_US");
    LockWindow& window = lock();
    EXPECT_EQ(window.clockTimer.interval(), 100);
    EXPECT_TRUE(window.timeLabel.text().isEmpty());
    EXPECT_TRUE(window.dateLabel.text().isEmpty());
    clock.advance(99);
    EXPECT_TRUE(window.timeLabel.text().isEmpty()) << "no tick before one interval";
    EXPECT_TRUE(window.dateLabel.text().isEmpty());
    clock.advance(1);
    EXPECT_EQ(asRead(window.timeLabel.text()), "1:05:09 PM");
    EXPECT_EQ(window.dateLabel.text(), "11/23/26");
    clock.advance(900);
    EXPECT_EQ(asRead(window.timeLabel.text()), "1:05:10 PM")
        << "the tenth tick shows the next second";
    // Across midnight the date follows on the next tick.
    clock.setTime(QDateTime(kDay, QTime(23, 59, 59, 950)));
    clock.advance(100);
    EXPECT_EQ(asRead(window.timeLabel.text()), "12:00:00 AM");
    EXPECT_EQ(window.dateLabel.text(), "11/24/26");
}

TEST_F(LockClock, UnlockBeforeTheFirstTickAndNoTickAfterwards) {
    ui::click(program.oxfordWindow().get().lockLabel);
    ui::click(program.lockWindow.get().unlockButton);
    clock.advance(250);  // a tick of the gone window would touch freed labels
    ui::settle();
    clock.advance(250);
    expectHomeScreen(program);
    ui::click(program.oxfordWindow().get().lockLabel);
    LockWindow& again = program.lockWindow.get();
    EXPECT_TRUE(again.timeLabel.text().isEmpty()) << "a new lock starts empty";
    clock.advance(99);
    EXPECT_TRUE(again.timeLabel.text().isEmpty()) << "its timer starts anew";
    clock.advance(1);
    EXPECT_FALSE(again.timeLabel.text().isEmpty());
}

// What a user of each region reads at 13:05:09 and 01:05:09 on 23 November
// 2026. Regions whose long time format is too wide for the label show a
// shorter form that still has the seconds: fr_CA instead of "13 h 05 min 09 s",
// sq_AL on a 24-hour clock instead of "1:05:09 E PASDITES". A region that
// writes a dot between hours and minutes writes one before the seconds too:
// as_IN where its "AP h.mm.ss" is too wide, on a 24-hour clock in its own
// digits, and Manipuri in Meetei Mayek likewise (Qt 6.4 has hardly any data
// for it yet: the clock of the root locale).
//
// The texts come from Qt's locale data, which changes with Qt: each text is
// kept with the Qt versions it was read on. On every Qt, also one whose texts
// are not kept here, the clock shows what a region writes on every version:
// its digits, hours, minutes and seconds on its hour cycle, and the
// separators its formats have.
enum class HourCycle {
    Twelve,
    TwentyFour,
    Either,  // twelve hours where the region's AM/PM fits the label
};

constexpr const char* kQtsRead = "6.4.2 6.8.2 6.11.2";

struct ClockReading {
    const char* qts;  // the Qt versions it was read on
    const char* afternoon;
    const char* night;
    const char* date;
};

struct RegionClock {
    const char* region;
    HourCycle hourCycle;
    const char* separators;  // between hours, minutes and seconds; null where versions differ
    std::vector<ClockReading> readings;
};

void PrintTo(const RegionClock& row, std::ostream* out) {
    *out << row.region;
}

// The reading taken on the Qt in use, if any.
const ClockReading* readingOnThisQt(const RegionClock& row) {
    const QString version = QString::fromLatin1(qVersion());
    for (const ClockReading& reading : row.readings) {
        if (QString::fromLatin1(reading.qts).split(u' ').contains(version)) return &reading;
    }
    return nullptr;
}

// 13:05:09 and 01:05:09 on the hour cycle a region's clock may have.
::testing::AssertionResult onHourCycle(HourCycle cycle, const QLocale& region,
                                       const QString& afternoon, const QString& night) {
    const std::vector<int> twelve{1, 5, 9};
    auto says = [](const QString& text, const QString& word) {
        return !word.isEmpty() && text.contains(word, Qt::CaseInsensitive);
    };
    const bool twelveHour = numbersIn(afternoon) == twelve && numbersIn(night) == twelve &&
                            says(afternoon, region.pmText()) && says(night, region.amText());
    const bool twentyFourHour = numbersIn(afternoon) == std::vector<int>{13, 5, 9} &&
                                numbersIn(night) == twelve && !says(afternoon, region.pmText()) &&
                                !says(night, region.amText());
    if (cycle == HourCycle::Twelve       ? twelveHour
        : cycle == HourCycle::TwentyFour ? twentyFourHour
                                         : twelveHour || twentyFourHour) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << '"' << afternoon.toStdString() << "\" and \"" << night.toStdString()
           << "\" are not on the region's hour cycle";
}

class LockClockRegion : public LockClock, public ::testing::WithParamInterface<RegionClock> {};

TEST_P(LockClockRegion, ShowsTheRegionsTimeWithSecondsAndShortDate) {
    const RegionClock& row = GetParam();
    const QLocale region(QString::fromLatin1(row.region));
    useRegion(row.region);
    LockWindow& window = lock();
    tickAt(QTime(13, 5, 9));
    const QString afternoon = window.timeLabel.text();
    const QString date = window.dateLabel.text();
    tickAt(QTime(1, 5, 9));
    const QString night = window.timeLabel.text();

    EXPECT_TRUE(onHourCycle(row.hourCycle, region, afternoon, night));
    for (const QString& text : {afternoon, night, date}) EXPECT_TRUE(inDigitsOf(region, text));
    if (row.separators) {
        EXPECT_EQ(separatorsIn(afternoon).join(QString()).toStdString(), row.separators)
            << afternoon.toStdString();
        EXPECT_EQ(separatorsIn(night).join(QString()).toStdString(), row.separators)
            << night.toStdString();
    }
    if (const ClockReading* reading = readingOnThisQt(row)) {
        // As UTF-8, so that a failure prints the texts.
        EXPECT_EQ(afternoon.toStdString(), reading->afternoon);
        EXPECT_EQ(night.toStdString(), reading->night);
        EXPECT_EQ(date.toStdString(), reading->date);
    } else {
        RecordProperty("texts", std::string("none read on Qt ") + qVersion());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shell, LockClockRegion,
    ::testing::Values(
        RegionClock{"en_US",
                    HourCycle::Twelve,
                    "::",
                    {{"6.4.2", "1:05:09 PM", "1:05:09 AM", "11/23/26"},
                     {"6.8.2 6.11.2", "1:05:09\u202FPM", "1:05:09\u202FAM", "11/23/26"}}},
        RegionClock{
            "de_DE", HourCycle::TwentyFour, "::", {{kQtsRead, "13:05:09", "01:05:09", "23.11.26"}}},
        RegionClock{"fr_CA",
                    HourCycle::TwentyFour,
                    nullptr,
                    {{kQtsRead, "13:05:09", "01:05:09", "2026-11-23"}}},
        RegionClock{
            "sq_AL", HourCycle::Either, "::", {{kQtsRead, "13:05:09", "1:05:09", "23.11.26"}}},
        RegionClock{"nds_DE",
                    HourCycle::TwentyFour,
                    nullptr,
                    {{kQtsRead, "Klock 13.05:09", "Klock 1.05:09", "23.11.26"}}},
        RegionClock{"zh_TW",
                    HourCycle::Twelve,
                    "::",
                    {{kQtsRead, "下午1:05:09", "上午1:05:09", "2026/11/23"}}},
        RegionClock{"as_IN",
                    HourCycle::Either,
                    "..",
                    {{"6.4.2 6.11.2", "১৩.০৫.০৯", "১.০৫.০৯", "২৩-১১-২০২৬"},
                     {"6.8.2", "PM ১.০৫.০৯", "AM ১.০৫.০৯", "২৩-১১-২০২৬"}}},
        RegionClock{"mni_Mtei_IN",
                    HourCycle::Either,
                    nullptr,
                    {{"6.8.2 6.11.2", "꯱꯳.꯰꯵.꯰꯹", "꯱.꯰꯵.꯰꯹", "꯲꯳-꯱꯱-꯲꯰꯲꯶"}}},
        RegionClock{"da_DK",
                    HourCycle::TwentyFour,
                    "..",
                    {{kQtsRead, "13.05.09", "01.05.09", "23.11.2026"}}},
        RegionClock{"fi_FI",
                    HourCycle::TwentyFour,
                    "..",
                    {{kQtsRead, "13.05.09", "1.05.09", "23.11.2026"}}},
        RegionClock{"id_ID",
                    HourCycle::TwentyFour,
                    "..",
                    {{kQtsRead, "13.05.09", "01.05.09", "23/11/26"}}}),
    [](const ::testing::TestParamInfo<RegionClock>& info) {
        return std::string(info.param.region);
    });

// Regions that share a language each keep their own clock: the C locale writes
// English yet a 24-hour clock, en_US a 12-hour one, en_GB a 24-hour one again.
TEST_F(LockClock, EachRegionOfOneLanguageShowsItsOwnClock) {
    const struct {
        const char* region;
        const char* afternoon;
    } steps[] = {
        {"C", "13:05:09"}, {"en_US", "1:05:09 PM"}, {"en_GB", "13:05:09"}, {"en_US", "1:05:09 PM"}};
    LockWindow& window = lock();
    for (const auto& step : steps) {
        SCOPED_TRACE(step.region);
        useRegion(step.region);
        tickAt(QTime(13, 5, 9));
        EXPECT_EQ(asRead(window.timeLabel.text()), QString::fromUtf8(step.afternoon));
    }
}

// A user may name a region for times alone (LANG=C.UTF-8 LC_TIME=ar_EG.UTF-8)
// or keep numbers apart (LANG=my_MM.UTF-8 LC_NUMERIC=C.UTF-8): the clock's
// time and date are both in the region named for times, in its digits.
// LC_ALL, where set, names it instead. Qt reads the system's locale from the
// environment once a process; where this one was started otherwise, the test
// starts itself anew in the row's environment, with only this test to run.
struct TimeRegion {
    const char* name;
    const char* environment;  // the locale variables set; the others are not
    const char* region;       // the region of the clock
};

void PrintTo(const TimeRegion& row, std::ostream* out) {
    *out << row.environment;
}

class LockClockTimeRegion : public LockClock, public ::testing::WithParamInterface<TimeRegion> {};

TEST_P(LockClockTimeRegion, TimeAndDateInTheDigitsOfTheRegionNamedForTimes) {
    const TimeRegion& row = GetParam();
    const QProcessEnvironment started = QProcessEnvironment::systemEnvironment();
    QProcessEnvironment wanted = started;
    for (const QString& name : started.keys()) {
        if (name.startsWith(QStringLiteral("LC_")) || name == QStringLiteral("LANG") ||
            name == QStringLiteral("LANGUAGE")) {
            wanted.remove(name);
        }
    }
    for (const QString& variable : QString::fromLatin1(row.environment).split(u' ')) {
        wanted.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    }
    if (started != wanted) {
        const ::testing::TestInfo& test = *::testing::UnitTest::GetInstance()->current_test_info();
        QProcess alone;
        alone.setProcessEnvironment(wanted);
        alone.setProcessChannelMode(QProcess::MergedChannels);
        alone.start(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--gtest_filter=%1.%2")
                 .arg(QString::fromUtf8(test.test_suite_name()), QString::fromUtf8(test.name()))});
        ASSERT_TRUE(alone.waitForFinished(-1));
        const QString output = QString::fromUtf8(alone.readAll());
        // Counted: a filter that finds no test also ends with status 0.
        EXPECT_TRUE(alone.exitStatus() == QProcess::NormalExit && alone.exitCode() == 0 &&
                    output.contains(QStringLiteral("[  PASSED  ] 1 test.")))
            << output.toStdString();
        return;
    }
    const QLocale region(QString::fromLatin1(row.region));
    LockWindow& window = lock();
    tickAt(QTime(13, 5, 9));
    const QString time = window.timeLabel.text();
    const QString date = window.dateLabel.text();
    EXPECT_TRUE(numbersIn(time) == std::vector<int>({13, 5, 9}) ||
                numbersIn(time) == std::vector<int>({1, 5, 9}))
        << time.toStdString();
    EXPECT_TRUE(inDigitsOf(region, time));
    EXPECT_TRUE(isDate(date, kDay)) << date.toStdString();
    EXPECT_TRUE(inDigitsOf(region, date));
}

INSTANTIATE_TEST_SUITE_P(
    Shell, LockClockTimeRegion,
    ::testing::Values(
        TimeRegion{"ar_EG", "LANG=C.UTF-8 LC_TIME=ar_EG.UTF-8", "ar_EG"},
        TimeRegion{"bn_BD", "LANG=C.UTF-8 LC_TIME=bn_BD.UTF-8", "bn_BD"},
        TimeRegion{"fa_IR", "LANG=C.UTF-8 LC_TIME=fa_IR.UTF-8", "fa_IR"},
        TimeRegion{"my_MM", "LANG=C.UTF-8 LC_TIME=my_MM.UTF-8", "my_MM"},
        TimeRegion{"my_MM_NumbersInC", "LANG=my_MM.UTF-8 LC_NUMERIC=C.UTF-8", "my_MM"},
        TimeRegion{"fa_IR_ForAll", "LANG=C.UTF-8 LC_TIME=ar_EG.UTF-8 LC_ALL=fa_IR.UTF-8", "fa_IR"}),
    [](const ::testing::TestParamInfo<TimeRegion>& info) { return std::string(info.param.name); });

// Nothing of a time zone: no zone name, no empty brackets, nothing that
// separated it from the time.
::testing::AssertionResult noZoneLeft(const QString& text, const QString& zone) {
    auto fail = [&text](const char* why) {
        return ::testing::AssertionFailure() << why << " in \"" << text.toStdString() << '"';
    };
    for (const QString& name : {zone, QStringLiteral("UTC"), QStringLiteral("GMT")}) {
        if (!name.isEmpty() && text.contains(name)) return fail("a time zone");
    }
    static const QRegularExpression emptyBrackets(
        QStringLiteral("[(\\[\\x{FF08}]\\s*[)\\]\\x{FF09}]"));
    if (text.contains(emptyBrackets)) return fail("empty brackets");
    if (text != text.trimmed() || text.contains(QStringLiteral("  "))) return fail("stray blanks");
    static const QString danglingEnd = QStringLiteral(",\uFF0C([:-");
    static const QString danglingStart = QStringLiteral(",\uFF0C)]:-");
    if (text.isEmpty() || danglingEnd.contains(text.back()) ||
        danglingStart.contains(text.front())) {
        return fail("a dangling separator");
    }
    return ::testing::AssertionSuccess();
}

// On one line, within the label's width, in the label's own font.
::testing::AssertionResult fitsOneLine(const QLabel& label, const QString& text) {
    const QFontMetrics metrics(label.font());
    const int width = metrics.horizontalAdvance(text);
    const int oneLine =
        metrics.boundingRect(QRect(0, 0, 100000, 1000), Qt::AlignHCenter, text).height();
    const int wrapped = metrics
                            .boundingRect(QRect(0, 0, label.width(), 1000),
                                          Qt::AlignHCenter | Qt::TextWordWrap, text)
                            .height();
    if (width <= label.width() && wrapped == oneLine) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << '"' << text.toStdString() << "\" is " << width << " px wide and wraps to " << wrapped
           << " px; the label is " << label.width() << " x " << label.height();
}

// The seconds follow the minutes as the minutes follow the hours, or with a
// separator the region's own time formats write.
::testing::AssertionResult secondsSeparatedAsTheRegionDoes(const QLocale& region,
                                                           const QString& text) {
    const QStringList separators = separatorsIn(text);
    const QString beforeSeconds = separators.value(1);
    if (separators.size() == 2 &&
        (beforeSeconds == separators[0] ||
         region.timeFormat(QLocale::LongFormat).contains(beforeSeconds) ||
         region.timeFormat(QLocale::ShortFormat).contains(beforeSeconds))) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "the seconds separated otherwise than the region does: \"" << text.toStdString()
           << '"';
}

TEST_F(LockClock, EveryRegionShowsHoursMinutesAndSecondsWithoutZoneWithinTheLabel) {
    LockWindow& window = lock();
    const QLabel& label = window.timeLabel;
    const QLabel& dateLabel = window.dateLabel;
    ASSERT_EQ(label.size(), QSize(193, 41)) << "2895 x 615 twips";
    const QString zone = QDateTime(kDay, QTime(13, 5, 9)).timeZoneAbbreviation();
    const auto regions =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(regions.size(), 500);
    for (const QLocale& region : regions) {
        SCOPED_TRACE(region.bcp47Name().toStdString() + " (" + region.name().toStdString() + ")");
        QLocale::setDefault(region);
        tickAt(QTime(13, 5, 9));
        const QString afternoon = window.timeLabel.text();
        EXPECT_TRUE(isDate(window.dateLabel.text(), kDay)) << window.dateLabel.text().toStdString();
        EXPECT_TRUE(inDigitsOf(region, window.dateLabel.text()));
        EXPECT_TRUE(fitsOneLine(dateLabel, window.dateLabel.text()));
        tickAt(QTime(1, 5, 9));
        const QString night = window.timeLabel.text();

        const std::vector<int> numbers = numbersIn(afternoon);
        EXPECT_TRUE(numbers == std::vector<int>({13, 5, 9}) ||
                    numbers == std::vector<int>({1, 5, 9}))
            << "hours, minutes and seconds, and no other number, in \"" << afternoon.toStdString()
            << '"';
        EXPECT_EQ(numbersIn(night), std::vector<int>({1, 5, 9})) << night.toStdString();
        EXPECT_TRUE(inDigitsOf(region, afternoon));
        EXPECT_TRUE(inDigitsOf(region, night));
        EXPECT_TRUE(secondsSeparatedAsTheRegionDoes(region, afternoon));
        EXPECT_TRUE(secondsSeparatedAsTheRegionDoes(region, night));
        EXPECT_NE(afternoon, night) << "1 p.m. and 1 a.m. look alike";
        EXPECT_TRUE(noZoneLeft(afternoon, zone));
        EXPECT_TRUE(noZoneLeft(night, zone));
        EXPECT_TRUE(fitsOneLine(label, afternoon));
        EXPECT_TRUE(fitsOneLine(label, night));
        EXPECT_EQ(label.size(), QSize(193, 41)) << "the label keeps its stored size";
    }
}

TEST_F(ProgramTest, LockWindowHasNoDragNoTitleBarLabelsAndNoKeys) {
    ui::click(program.oxfordWindow().get().lockLabel);
    LockWindow& lock = program.lockWindow.get();
    EXPECT_EQ(lock.findChild<QWidget*>("Label8"), nullptr);
    EXPECT_EQ(lock.findChild<QWidget*>("Label9"), nullptr);
    EXPECT_EQ(lock.findChild<QWidget*>("Label10"), nullptr);
    const QPoint before = lock.pos();
    ui::drag(&lock, {30, 480}, {50, 50}, Qt::LeftButton);
    ui::drag(&lock, ui::centreInWindow(lock.timeLabel), {50, 50}, Qt::RightButton);
    EXPECT_EQ(lock.pos(), before);
    ui::click(lock.timeLabel);
    ui::click(lock.dateLabel);
    QTest::keyClick(&lock, Qt::Key_Escape);
    QTest::keyClick(&lock, Qt::Key_Return);
    ui::settle();
    EXPECT_TRUE(program.lockWindow.exists());
    EXPECT_FALSE(program.oxfordWindow().exists());
    EXPECT_EQ(lock.windowTitle(), "Orvanta Abbreviation Dictionary");
    EXPECT_EQ(lock.unlockButton.toolTip(), "Click here to unlock");
}

}  // namespace
