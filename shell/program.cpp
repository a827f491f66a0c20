#include "shell/program.h"

#include <QCoreApplication>

// The pictures and icons are compiled into the program.
inline void initAssets() { Q_INIT_RESOURCE(assets); }

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
    : Form1(windows, makeDictionaryWindow(*this, 1)),
      Form2(windows, makeDictionaryWindow(*this, 2)),
      Form3(windows, makeDictionaryWindow(*this, 3)),
      Form4(windows, makeDictionaryWindow(*this, 4)),
      Form5(windows, makeDictionaryWindow(*this, 5)),
      Form6(windows, makeWindow<HelpMenuWindow>(*this)),
      Form7(windows, makeWindow<ContactWindow>(*this)),
      Form8(windows, makeWindow<CopyrightWindow>(*this)),
      Form9(windows, makeWindow<AboutWindow>(*this)),
      Form10(windows, makeWindow<LockWindow>(*this)) {
    initAssets();
    windows.onEmpty = [this] { end(); };
}

Program::~Program() {
    windows.onEmpty = nullptr;
    windows.discardAll();
    // Windows unloaded earlier wait for the event loop; let them go now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Program::start() { Form1.show(); }

void Program::end() {
    if (m_ended) return;
    m_ended = true;
    windows.discardAll();
    if (auto ended = onEnded) ended();
}

forms::FormSlot<DictionaryWindow>& Program::dictionaryWindow(int number) {
    switch (number) {
        case 2: return Form2;
        case 3: return Form3;
        case 4: return Form4;
        case 5: return Form5;
        default: return Form1;
    }
}

}  // namespace shell
