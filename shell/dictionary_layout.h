#pragma once

#include <array>

#include "forms/twips.h"

namespace shell {

// Where a control stands, in twips from the client area's top left, and its
// place in the tab order (-1 for none).
struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tab = -1;

    forms::TwipsRect rect() const { return {left, top, width, height}; }
};

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
    bool hasTitleLabel = false;  // the home screen's title: Oxford only

    bool elaborationWraps = false;  // wrapped with a vertical scroll bar, else one line
    const char* elaborationFont = "";
    double elaborationPoints = 0;

    // By dictionary number 1 to 5.
    std::array<Place, 5> dictionaryButtons = {};
    Place changeHeading = {};
    Place helpButton = {};
    Place closeLabel = {};
    Place minimizeLabel = {};
    Place lockLabel = {};
    Place titleLabel = {};
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
