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

    // Creates the Oxford window, which opens on the home screen, and shows it.
    void start();

    // Ends the program at once, every window with it.
    void end();
    bool ended() const { return m_ended; }
    // Called once when the program ends.
    std::function<void()> onEnded;

    forms::FormSlot<DictionaryWindow>& dictionaryWindow(int number);

    // Named "Form1" to "Form10" as objectName, in this order.
    forms::FormSet windows;
    forms::FormSlot<DictionaryWindow> oxfordWindow;
    forms::FormSlot<DictionaryWindow> computerWindow;
    forms::FormSlot<DictionaryWindow> hardwareWindow;
    forms::FormSlot<DictionaryWindow> bangladeshWindow;
    forms::FormSlot<DictionaryWindow> internationalWindow;
    forms::FormSlot<HelpMenuWindow> helpMenu;
    forms::FormSlot<ContactWindow> contactWindow;
    forms::FormSlot<CopyrightWindow> copyrightWindow;
    forms::FormSlot<AboutWindow> aboutWindow;
    forms::FormSlot<LockWindow> lockWindow;

private:
    bool m_ended = false;
};

}  // namespace shell
