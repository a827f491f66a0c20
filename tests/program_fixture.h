#pragma once

#include <gtest/gtest.h>

#include "shell/program.h"
#include "ui.h"

// One program run per test, started on the home screen.
struct ProgramTest : ::testing::Test {
    shell::Program program;
    int endings = 0;

    void SetUp() override {
        program.onEnded = [this] { ++endings; };
        program.start();
    }

    // The dictionary windows that exist.
    std::vector<int> dictionaryWindows() {
        std::vector<int> open;
        for (int n = 1; n <= 5; ++n) {
            if (program.dictionaryWindow(n).exists()) open.push_back(n);
        }
        return open;
    }

    shell::DictionaryWindow& window(int n) { return program.dictionaryWindow(n).get(); }

    // From the home screen to the working window of dictionary n.
    shell::DictionaryWindow& open(int n) {
        ui::click(program.oxfordWindow->dictionaryButton(n));
        ui::settle();
        return window(n);
    }
};
