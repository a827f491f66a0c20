#include "shell/program.h"

#include <QCoreApplication>
#include <utility>

// The pictures and icons are compiled into the program.
inline void initAssets() {
    Q_INIT_RESOURCE(assets);
}

namespace shell {

namespace {

using DictionarySlots =
    std::array<forms::FormSlot<DictionaryWindow>, dictionaries::kDictionaryCount>;

// One slot for each dictionary number, whose window `make` makes.
template <class Make, std::size_t... I>
DictionarySlots makeDictionarySlots(forms::FormSet& windows, const Make& make,
                                    std::index_sequence<I...>) {
    return {forms::FormSlot<DictionaryWindow>(windows,
                                              [make] { return make(static_cast<int>(I) + 1); })...};
}

}  // namespace

Program::Program(forms::Clock& clock)
    : m_clock(clock),
      m_dictionaryWindows(makeDictionarySlots(
          m_windows, [this](int number) { return makeDictionaryWindow(number); },
          std::make_index_sequence<dictionaries::kDictionaryCount>())),
      helpMenu(m_windows, [this] { return makeHelpMenu(); }),
      contactWindow(m_windows, [] { return std::make_unique<ContactWindow>(); }),
      copyrightWindow(m_windows, [] { return std::make_unique<CopyrightWindow>(); }),
      aboutWindow(m_windows, [] { return std::make_unique<AboutWindow>(); }),
      lockWindow(m_windows, [this] { return makeLockWindow(); }) {
    initAssets();
    connect(&m_windows, &forms::FormSet::emptied, this, &Program::end);
}

Program::~Program() {
    disconnect(&m_windows, nullptr, this, nullptr);
    m_windows.unloadAll();
    // The unloaded windows wait for the event loop; let them go now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Program::start() {
    oxfordWindow().show();
}

void Program::end() {
    if (m_ended) return;
    m_ended = true;
    m_windows.unloadAll();
    emit ended();
}

forms::FormSlot<DictionaryWindow>& Program::dictionaryWindow(int number) {
    return m_dictionaryWindows[dictionaries::dictionaryIndex(number)];
}

std::unique_ptr<DictionaryWindow> Program::makeDictionaryWindow(int number) {
    auto window = std::make_unique<DictionaryWindow>(dictionaryLayout(number));
    connect(window.get(), &DictionaryWindow::dictionaryRequested, this,
            [this, number](int target) { openDictionary(number, target); });
    connect(window.get(), &DictionaryWindow::helpMenuRequested, this, [this] { helpMenu.show(); });
    connect(window.get(), &DictionaryWindow::lockRequested, this, [this, number] { lock(number); });
    connect(window.get(), &DictionaryWindow::endRequested, this, &Program::end);
    return window;
}

std::unique_ptr<HelpMenuWindow> Program::makeHelpMenu() {
    auto menu = std::make_unique<HelpMenuWindow>();
    connect(menu.get(), &HelpMenuWindow::contactRequested, this,
            [this] { openHelpPage(contactWindow); });
    connect(menu.get(), &HelpMenuWindow::copyrightRequested, this,
            [this] { openHelpPage(copyrightWindow); });
    connect(menu.get(), &HelpMenuWindow::aboutRequested, this,
            [this] { openHelpPage(aboutWindow); });
    return menu;
}

std::unique_ptr<LockWindow> Program::makeLockWindow() {
    auto window = std::make_unique<LockWindow>(m_clock);
    connect(window.get(), &LockWindow::unlockRequested, this, &Program::unlock);
    return window;
}

// Each of these runs inside a handler of the window that asked, which it
// unloads first; that window goes only once the handler has returned.

void Program::openDictionary(int from, int to) {
    dictionaryWindow(from).unload();
    DictionaryWindow& window = dictionaryWindow(to).get();
    if (window.isHomeScreen()) window.showWorkingControls();
    window.showForm();
    window.fillList();
}

void Program::lock(int from) {
    dictionaryWindow(from).unload();
    lockWindow.show();
}

void Program::unlock() {
    lockWindow.unload();
    oxfordWindow().show();
}

template <class Page>
void Program::openHelpPage(forms::FormSlot<Page>& page) {
    helpMenu.unload();
    page.show();
}

}  // namespace shell
