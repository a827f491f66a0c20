#pragma once

#include <functional>

#include "forms/form_slot.h"
#include "shell/copyright_window.h"
#include "shell/dictionary_window.h"
#include "shell/info_window.h"
#include "shell/lock_window.h"

namespace shell {

// One run of the program: its ten windows, each at most once.
class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Creates Form1, which opens on the home screen, and shows it.
    void start();

    // Ends the program at once, every window with it.
    void end();
    bool ended() const { return m_ended; }
    // Called once when the program ends.
    std::function<void()> onEnded;

    forms::FormSlot<DictionaryWindow>& dictionaryWindow(int number);

    forms::FormSet windows;
    forms::FormSlot<DictionaryWindow> Form1;
    forms::FormSlot<DictionaryWindow> Form2;
    forms::FormSlot<DictionaryWindow> Form3;
    forms::FormSlot<DictionaryWindow> Form4;
    forms::FormSlot<DictionaryWindow> Form5;
    forms::FormSlot<HelpMenuWindow> Form6;
    forms::FormSlot<ContactWindow> Form7;
    forms::FormSlot<CopyrightWindow> Form8;
    forms::FormSlot<AboutWindow> Form9;
    forms::FormSlot<LockWindow> Form10;

private:
    bool m_ended = false;
};

}  // namespace shell
