#pragma once

#include <array>

#include "dictionaries/dictionary.h"
#include "shell/place.h"

namespace shell {

// The Oxford window is also the home screen: the program opens on it, with
// the title label and without its working controls, and "Unlock" returns to
// it.
inline constexpr int kHomeScreen = 1;

// Everything that differs between the five dictionary windows.
struct DictionaryLayout {
    int number = 0;  // the dictionary it shows, also the digit of its name
    const char* caption = "";
    int clientWidth = 0;
    int clientHeight = 0;
    const char* picture = "";

    // Two roles have other control names in some windows.
    const char* helpButtonName = "";        // "Label7" or "Label16"
    const char* selectionCaptionName = "";  // "Label16" or "Label11"
    const char* selectionCaptionText = "";

    bool elaborationWraps = false;  // wrapped with a vertical scroll bar, else one line
    const char* elaborationFont = "";
    double elaborationPoints = 0;

    // By dictionary number.
    std::array<Place, dictionaries::kDictionaryCount> dictionaryButtons = {};
    Place changeHeading = {};
    Place helpButton = {};
    Place closeLabel = {};
    Place minimizeLabel = {};
    Place lockLabel = {};
    Place titleLabel = {};  // the home screen's only
    Place searchCaption = {};
    Place abbreviationCaption = {};
    Place elaborationCaption = {};
    Place selectedCaption = {};
    Place selectionCaption = {};
    Place selectionMarker = {};
    Place searchBox = {};
    Place abbreviationList = {};
    Place elaborationBox = {};
    Place selectedBox = {};
};

// The layouts of the five dictionary windows, by dictionary number.
const DictionaryLayout& dictionaryLayout(int number);

}  // namespace shell
