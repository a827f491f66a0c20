#include "shell/program.h"

#include <QCoreApplication>

// The pictures and icons are compiled into the program.
inline void initAssets() {
    Q_INIT_RESOURCE(assets);
}

namespace shell {

namespace {

template <class T>
auto makeWindow(Program& program) {
    return [&program] { return std::make_unique<T>(program); };
}

auto makeDictionaryWindow(Program& program, int number) {
    return [&program, number] {
        return std::make_unique<DictionaryWindow>(program, dictionaryLayout(number));
    };
}

}  // namespace

Program::Program()
    : oxfordWindow(windows, makeDictionaryWindow(*this, 1)),
      computerWindow(windows, makeDictionaryWindow(*this, 2)),
      hardwareWindow(windows, makeDictionaryWindow(*this, 3)),
      bangladeshWindow(windows, makeDictionaryWindow(*this, 4)),
      internationalWindow(windows, makeDictionaryWindow(*this, 5)),
      helpMenu(windows, makeWindow<HelpMenuWindow>(*this)),
      contactWindow(windows, makeWindow<ContactWindow>(*this)),
      copyrightWindow(windows, makeWindow<CopyrightWindow>(*this)),
      aboutWindow(windows, makeWindow<AboutWindow>(*this)),
      lockWindow(windows, makeWindow<LockWindow>(*this)) {
    initAssets();
    windows.onEmpty = [this] { end(); };
}

Program::~Program() {
    windows.onEmpty = nullptr;
    windows.discardAll();
    // Windows unloaded earlier wait for the event loop; let them go now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Program::start() {
    oxfordWindow.show();
}

void Program::end() {
    if (m_ended) return;
    m_ended = true;
    windows.discardAll();
    if (auto ended = onEnded) ended();
}

forms::FormSlot<DictionaryWindow>& Program::dictionaryWindow(int number) {
    switch (number) {
        case 2:
            return computerWindow;
        case 3:
            return hardwareWindow;
        case 4:
            return bangladeshWindow;
        case 5:
            return internationalWindow;
        default:
            return oxfordWindow;
    }
}

}  // namespace shell
