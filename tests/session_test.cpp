// A randomized user session: seeded sequences of user actions, each delivered
// as real Qt events to whatever windows exist at that moment, and checked
// after every action against a small model of what the program must show.
//
// ORVANTA_SOAK=<actions> runs one more session of that length with a new seed.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QStringEncoder>
#include <random>
#include <set>
#include <sstream>
#include <vector>

#include "dictionaries/dictionary.h"
#include "forms/list_box.h"
#include "program_fixture.h"

namespace {

using shell::DictionaryWindow;

// What the program must look like, kept apart from the program.
struct Model {
    int dictionary = 1;       // the dictionary window that exists, 0 while locked
    bool home = true;         // Form1 on its home screen
    std::set<int> info;       // Form6 to Form9 that exist
    int picture = 1;          // the copyright picture shown
    bool boxesTyped = false;  // the user typed into Text2 or Text3 since the last display
    bool searched = false;    // the last action changed the search text
};

// Whether every character of the text has a byte in Windows-1252, by Qt's own
// converter for the code page.
bool inWindows1252(const QString& text) {
    QStringEncoder encoder("windows-1252", QStringConverter::Flag::Stateless);
    const QByteArray bytes = encoder.encode(text);  // converts only when it becomes bytes
    return encoder.isValid() && !encoder.hasError();
}

// The first row whose text begins with `text`, by the rules the list follows:
// the list compares in Windows-1252, so a text it cannot hold finds nothing.
int expectedSearch(const dictionaries::Dictionary& d, const QString& text) {
    if (text.isEmpty() || !inWindows1252(text)) return -1;
    for (int row = 0; row < d.rowCount(); ++row) {
        if (d.abbreviation(row).startsWith(text, Qt::CaseInsensitive)) return row;
    }
    return -1;
}

class Session {
public:
    Session(shell::Program& program, std::uint32_t seed) : m_program(program), m_random(seed) {}

    // Runs `count` actions; on the first mismatch returns a failure that names
    // the actions so far, the shortest failing prefix of this sequence.
    ::testing::AssertionResult run(int count) {
        for (int i = 0; i < count; ++i) {
            m_log.push_back(step());
            ui::settle();
            if (std::string problem = check(); !problem.empty()) {
                std::ostringstream out;
                out << "after action " << i + 1 << ": " << problem << "\nfailing prefix:\n";
                for (std::size_t k = 0; k < m_log.size(); ++k)
                    out << "  " << k + 1 << ". " << m_log[k] << "\n";
                return ::testing::AssertionFailure() << out.str();
            }
        }
        return ::testing::AssertionSuccess();
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }
    bool chance(int percent) { return pick(100) < percent; }

    QString randomText() {
        static const QString letters =
            QStringLiteral("ABCDEFGHIJKLMNOPRSTUVWabcdeimnoprst &.,-/2 ");
        QString text;
        const int length = 1 + pick(3);
        for (int i = 0; i < length; ++i) text += letters[pick(static_cast<int>(letters.size()))];
        return text;
    }

    QString strangeText() {
        switch (pick(8)) {
            case 0:
                return QString(20000 + pick(50000), QLatin1Char('A'));
            case 1:
                return QString::fromUtf8("\xF0\x9F\x98\x80");
            case 2:
                return QString::fromUtf8("\xE2\x80\x8F\xD7\x90");
            case 3:
                return QString(QChar(0)) + "A";
            case 4:
                return QStringLiteral("\x01\x02\x1B");
            case 5:
                return QString::fromUtf8("\xE2\x84\xAA");  // KELVIN SIGN, folds to "k"
            case 6:
                return QString::fromUtf8("\xC5\xBF");  // LATIN SMALL LETTER LONG S, folds to "s"
            default:
                return QString::fromUtf8("Hard Disk \xE2\x82\xAC");
        }
    }

    DictionaryWindow* dictionaryWindow() {
        return m_model.dictionary == 0 ? nullptr
                                       : m_program.dictionaryWindow(m_model.dictionary).peek();
    }

    std::string step() {
        // Weighted choice among what the windows that exist offer.
        const int roll = pick(100);
        if (!m_model.info.empty() && roll < 18) return infoAction();
        if (m_model.dictionary == 0) {
            if (chance(85)) {
                ui::click(m_program.lockWindow.get().unlockButton);
                m_model = afterUnlock();
                return "Unlock";
            }
            ui::clickAt(m_program.lockWindow.peek(), {40, 480});
            return "press on the lock window";
        }
        return dictionaryAction();
    }

    Model afterUnlock() {
        Model next = m_model;
        next.dictionary = 1;
        next.home = true;
        next.boxesTyped = false;
        next.searched = false;
        return next;
    }

    std::string dictionaryAction() {
        DictionaryWindow& w = *dictionaryWindow();
        const bool working = !(m_model.dictionary == 1 && m_model.home);
        m_model.searched = false;
        const int roll = pick(100);
        if (roll < 12) {
            const int n = 1 + pick(5);
            const int from = w.number();
            ui::click(w.dictionaryButton(n));
            if (n != m_model.dictionary) {
                m_model.dictionary = n;
                m_model.home = false;
                m_model.boxesTyped = false;
            } else if (n == 1) {
                m_model.home = false;
            }
            return "click dictionary button " + std::to_string(n) + " of Form" +
                   std::to_string(from);
        }
        if (roll < 15) {
            ui::click(w.lockLabel);
            m_model.dictionary = 0;
            return "L";
        }
        if (roll < 19) {
            ui::click(w.helpButton);
            m_model.info.insert(6);
            return "Help";
        }
        if (roll < 22) {
            ui::click(w.minimizeLabel);
            const bool minimized = w.isMinimized();
            w.showForm();  // back from the taskbar
            return minimized ? "_ and restore" : "_ (did not minimize)";
        }
        if (roll < 26) {
            ui::drag(&w, {100, 480}, {pick(40) - 20, pick(40) - 20},
                     chance(50) ? Qt::LeftButton : Qt::RightButton);
            return "drag";
        }
        if (!working) {
            ui::click(w.changeHeading);
            return "click Change heading";
        }
        if (roll < 56) {
            const QString text = randomText();
            ui::type(w.searchBox, text);
            m_model.searched = true;
            m_model.boxesTyped = false;
            return "type \"" + text.toStdString() + "\"";
        }
        if (roll < 64) {
            if (w.searchBox.text().isEmpty()) return "nothing to delete";
            ui::backspace(w.searchBox);
            m_model.searched = true;
            m_model.boxesTyped = false;
            return "backspace";
        }
        if (roll < 67) {
            const QString text = strangeText();
            ui::paste(w.searchBox, text);
            m_model.searched = true;
            m_model.boxesTyped = false;
            return "paste " + std::to_string(text.size()) + " characters";
        }
        if (roll < 79 && w.abbreviationList.listCount() > 0) {
            const auto before = w.abbreviationList.listIndex();
            const int row = pick(w.abbreviationList.listCount());
            ui::clickRow(w.abbreviationList, row);
            if (w.abbreviationList.listIndex() != before) m_model.boxesTyped = false;
            return "click row " + std::to_string(row);
        }
        if (roll < 87) {
            const auto before = w.abbreviationList.listIndex();
            const Qt::Key k = chance(50) ? Qt::Key_Down : Qt::Key_Up;
            ui::key(w.abbreviationList, k);
            if (w.abbreviationList.listIndex() != before) m_model.boxesTyped = false;
            return k == Qt::Key_Down ? "down arrow" : "up arrow";
        }
        QWidget& box = chance(50) ? static_cast<QWidget&>(w.elaborationBox) : w.selectedBox;
        ui::type(box, "xy");
        m_model.boxesTyped = true;
        return "type into " + box.objectName().toStdString();
    }

    std::string infoAction() {
        const int n = *std::next(m_model.info.begin(), pick(static_cast<int>(m_model.info.size())));
        forms::Form* window = n == 6   ? static_cast<forms::Form*>(m_program.helpMenu.peek())
                              : n == 7 ? static_cast<forms::Form*>(m_program.contactWindow.peek())
                              : n == 8 ? static_cast<forms::Form*>(m_program.copyrightWindow.peek())
                                       : static_cast<forms::Form*>(m_program.aboutWindow.peek());
        const std::string name = "Form" + std::to_string(n);
        const int roll = pick(100);
        if (roll < 15) {
            ui::click(closeLabel(n));
            m_model.info.erase(n);
            return "X of " + name;
        }
        if (roll < 25) {
            ui::drag(window, {150, 340}, {pick(30) - 15, pick(30) - 15}, Qt::LeftButton);
            return "drag " + name;
        }
        if (roll < 32) {
            ui::click(minimizeLabel(n));
            window->showForm();
            return "_ of " + name + " and restore";
        }
        if (n == 6) {
            const int button = 1 + pick(3);
            auto& menu = m_program.helpMenu.get();
            ui::click(button == 1   ? menu.helpButton
                      : button == 2 ? menu.copyrightButton
                                    : menu.aboutButton);
            m_model.info.erase(6);
            const int target = button == 1 ? 7 : button == 2 ? 8 : 9;
            if (target == 8 && !m_model.info.count(8)) m_model.picture = 1;
            m_model.info.insert(target);
            return "menu button " + std::to_string(button);
        }
        if (n == 8) {
            const int button = 3 + pick(3);
            auto& copyright = m_program.copyrightWindow.get();
            ui::click(button == 3   ? copyright.englishButton
                      : button == 4 ? copyright.chineseButton
                                    : copyright.bengaliButton);
            m_model.picture = button - 2;
            return "language button " + std::to_string(button);
        }
        ui::clickAt(window, {120, 100});
        return "click a text line of " + name;
    }

    forms::Label& closeLabel(int n) {
        switch (n) {
            case 6:
                return m_program.helpMenu.get().closeLabel;
            case 7:
                return m_program.contactWindow.get().closeLabel;
            case 8:
                return m_program.copyrightWindow.get().closeLabel;
            default:
                return m_program.aboutWindow.get().closeLabel;
        }
    }
    forms::Label& minimizeLabel(int n) {
        switch (n) {
            case 6:
                return m_program.helpMenu.get().minimizeLabel;
            case 7:
                return m_program.contactWindow.get().minimizeLabel;
            case 8:
                return m_program.copyrightWindow.get().minimizeLabel;
            default:
                return m_program.aboutWindow.get().minimizeLabel;
        }
    }

    std::string check() {
        if (m_program.hasEnded()) return "the program ended";
        for (int n = 1; n <= 5; ++n) {
            if (m_program.dictionaryWindow(n).exists() != (n == m_model.dictionary)) {
                return "Form" + std::to_string(n) + " existence";
            }
        }
        if (m_program.lockWindow.exists() != (m_model.dictionary == 0)) return "Form10 existence";
        const forms::FormSlotBase* infos[] = {&m_program.helpMenu, &m_program.contactWindow,
                                              &m_program.copyrightWindow, &m_program.aboutWindow};
        for (int n = 6; n <= 9; ++n) {
            if (infos[n - 6]->exists() != (m_model.info.count(n) == 1)) {
                return "Form" + std::to_string(n) + " existence";
            }
        }
        if (CopyrightWindow* c = m_program.copyrightWindow.peek()) {
            const int shown = c->englishPicture.isVisibleTo(c) + c->chinesePicture.isVisibleTo(c) +
                              c->bengaliPicture.isVisibleTo(c);
            if (shown != 1) return "copyright pictures shown: " + std::to_string(shown);
            const int which = c->englishPicture.isVisibleTo(c)   ? 1
                              : c->chinesePicture.isVisibleTo(c) ? 2
                                                                 : 3;
            if (which != m_model.picture) return "copyright picture";
        }
        DictionaryWindow* w = dictionaryWindow();
        if (w == nullptr) return {};
        if (!w->isVisible()) return "dictionary window not shown";
        if (std::string problem = checkVisibility(*w); !problem.empty()) return problem;
        const auto& d = dictionaries::dictionary(m_model.dictionary);
        const int rows = m_model.home ? 0 : d.rowCount();
        if (w->abbreviationList.listCount() != rows) {
            return "rows: " + std::to_string(w->abbreviationList.listCount()) + " instead of " +
                   std::to_string(rows);
        }
        if (m_model.home) return {};
        if (m_model.searched) {
            const int expected = expectedSearch(d, w->searchBox.text());
            if (w->abbreviationList.listIndex() != expected) {
                return "search selected " + std::to_string(w->abbreviationList.listIndex()) +
                       " instead of " + std::to_string(expected);
            }
        }
        if (!m_model.boxesTyped) {
            const auto row = w->abbreviationList.listIndex();
            if (w->elaborationBox.text() != d.elaboration(row)) return "elaboration box is stale";
            if (w->selectedBox.text() != w->abbreviationList.text())
                return "selected-abbreviation box is stale";
        }
        return {};
    }

    // Every control of the dictionary window, found by its name, shown or
    // hidden as the home screen or the working state has it.
    std::string checkVisibility(DictionaryWindow& w) const {
        const DictionaryControls controls = dictionaryControls(m_model.dictionary);
        const std::string window = "Form" + std::to_string(m_model.dictionary);
        const std::string state = m_model.home ? "on the home screen" : "in the working state";
        const auto expect = [&](const QString& name, bool shown) -> std::string {
            const QWidget* control = w.findChild<QWidget*>(name);
            if (control == nullptr) return window + " has no control " + name.toStdString();
            if (control->isVisibleTo(&w) == shown) return {};
            return name.toStdString() + " of " + window + (shown ? " hidden " : " shown ") + state;
        };
        for (const QString& name : controls.always) {
            if (std::string problem = expect(name, true); !problem.empty()) return problem;
        }
        for (const QString& name : controls.working) {
            if (std::string problem = expect(name, !m_model.home); !problem.empty()) return problem;
        }
        if (!controls.title.isEmpty()) return expect(controls.title, m_model.home);
        return {};
    }

    using CopyrightWindow = shell::CopyrightWindow;
    shell::Program& m_program;
    std::mt19937 m_random;
    Model m_model;
    std::vector<std::string> m_log;
};

class RandomSession : public ProgramTest, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(RandomSession, MatchesTheModelAfterEveryAction) {
    Session session(program, GetParam());
    EXPECT_TRUE(session.run(2500)) << "seed " << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSession, ::testing::Values(1u, 20261210u, 4242u));

TEST_F(ProgramTest, Soak) {
    const QByteArray length = qgetenv("ORVANTA_SOAK");
    if (length.isEmpty()) GTEST_SKIP() << "set ORVANTA_SOAK=<actions> to run";
    const std::uint32_t seed = std::random_device{}();
    std::printf("soak: seed %u, %d actions\n", seed, length.toInt());
    Session session(program, seed);
    EXPECT_TRUE(session.run(length.toInt())) << "seed " << seed;
}

}  // namespace
