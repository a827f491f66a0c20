#pragma once

#include <QObject>
#include <array>
#include <memory>

#include "dictionaries/dictionary.h"
#include "forms/clock.h"
#include "forms/form_slot.h"
#include "shell/about_window.h"
#include "shell/contact_window.h"
#include "shell/copyright_window.h"
#include "shell/dictionary_window.h"
#include "shell/help_menu_window.h"
#include "shell/lock_window.h"

namespace shell {

// One run of the program: its ten windows, each at most once, and the clock
// the lock window reads the time from. It makes each window and connects the
// window's signals to what they ask for, so that every way from one window to
// another reads here.
class Program : public QObject {
    Q_OBJECT

public:
    explicit Program(forms::Clock& clock);
    ~Program() override;

    // Creates the Oxford window, which opens on the home screen, and shows it.
    void start();

    // Ends the program at once, every window with it; emits ended() once.
    void end();
    bool hasEnded() const { return m_ended; }

    // The window of dictionary `number`, named "Form1" to "Form5".
    forms::FormSlot<DictionaryWindow>& dictionaryWindow(int number);
    // The Oxford window, which is also the home screen.
    forms::FormSlot<DictionaryWindow>& oxfordWindow() { return dictionaryWindow(kHomeScreen); }

signals:
    void ended();

private:
    std::unique_ptr<DictionaryWindow> makeDictionaryWindow(int number);
    std::unique_ptr<HelpMenuWindow> makeHelpMenu();
    std::unique_ptr<LockWindow> makeLockWindow();

    // The window of dictionary `to` takes the place of the window of `from`.
    void openDictionary(int from, int to);
    // The lock window takes the place of the window of dictionary `from`.
    void lock(int from);
    // The home screen takes the place of the lock window.
    void unlock();
    // The help menu closes, then the page shows.
    template <class Page>
    void openHelpPage(forms::FormSlot<Page>& page);

    forms::Clock& m_clock;
    forms::FormSet m_windows;  // every slot below belongs to it
    // By dictionary number.
    std::array<forms::FormSlot<DictionaryWindow>, dictionaries::kDictionaryCount>
        m_dictionaryWindows;
    bool m_ended = false;

public:
    // Named "Form6" to "Form10" as objectName, in this order.
    forms::FormSlot<HelpMenuWindow> helpMenu;
    forms::FormSlot<ContactWindow> contactWindow;
    forms::FormSlot<CopyrightWindow> copyrightWindow;
    forms::FormSlot<AboutWindow> aboutWindow;
    forms::FormSlot<LockWindow> lockWindow;
};

}  // namespace shell
