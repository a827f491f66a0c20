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

template <std::size_t... I>
DictionarySlots makeDictionaryWindows(Program& program, forms::FormSet& windows,
                                      std::index_sequence<I...>) {
    return {forms::FormSlot<DictionaryWindow>(windows, [&program] {
        return std::make_unique<DictionaryWindow>(program, dictionaryLayout(I + 1));
    })...};
}

template <class T>
auto makeWindow(Program& program) {
    return [&program] { return std::make_unique<T>(program); };
}

}  // namespace

Program::Program(forms::Clock& clock)
    : m_clock(clock),
      m_dictionaryWindows(makeDictionaryWindows(
          *this, m_windows, std::make_index_sequence<dictionaries::kDictionaryCount>())),
      helpMenu(m_windows, makeWindow<HelpMenuWindow>(*this)),
      contactWindow(m_windows, makeWindow<ContactWindow>(*this)),
      copyrightWindow(m_windows, makeWindow<CopyrightWindow>(*this)),
      aboutWindow(m_windows, makeWindow<AboutWindow>(*this)),
      lockWindow(m_windows, makeWindow<LockWindow>(*this)) {
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

}  // namespace shell
