#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "dictionaries/dictionary.h"
#include "forms/clock.h"
#include "shell/program.h"
#include "ui.h"

// The controls of dictionary window n by their names, which differ between
// windows for the Help button and the selection caption.
struct DictionaryControls {
    std::vector<QString> always;   // shown on the home screen and in the working state
    std::vector<QString> working;  // shown in the working state only
    QString title;                 // shown on the home screen only; Form1 alone has it
};

inline DictionaryControls dictionaryControls(int n) {
    const QString help = n == 1 || n == 3 || n == 5 ? "Label7" : "Label16";
    const QString selectionCaption = n == 1 || n == 5 ? "Label16" : "Label11";
    DictionaryControls c;
    c.always = {"Label1", "Label2", "Label3", "Label4", "Label5",
                "Label6", help,     "Label8", "Label9", "Label10"};
    c.working = {"Text1",   "List1",   "Text2",   "Text3",          "Label12",
                 "Label13", "Label14", "Label15", selectionCaption, "Label17"};
    if (n == 1) c.title = "Label11";
    return c;
}

// The system's clock, for the program runs that need no other.
inline forms::Clock& systemClock() {
    static forms::SystemClock clock;
    return clock;
}

// One program run per test, started on the home screen.
struct ProgramTest : ::testing::Test {
    explicit ProgramTest(forms::Clock& clock = systemClock()) : program(clock) {}

    shell::Program program;
    int endings = 0;

    void SetUp() override {
        QObject::connect(&program, &shell::Program::ended, [this] { ++endings; });
        program.start();
    }

    // The dictionary windows that exist.
    std::vector<int> dictionaryWindows() {
        std::vector<int> open;
        for (int n = 1; n <= dictionaries::kDictionaryCount; ++n) {
            if (program.dictionaryWindow(n).exists()) open.push_back(n);
        }
        return open;
    }

    shell::DictionaryWindow& window(int n) { return program.dictionaryWindow(n).get(); }

    // From the home screen to the working window of dictionary n.
    shell::DictionaryWindow& open(int n) {
        ui::click(program.oxfordWindow().get().dictionaryButton(n));
        ui::settle();
        return window(n);
    }
};
