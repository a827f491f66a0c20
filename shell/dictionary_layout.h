#pragma once

#include <array>

namespace shell {

// Where a control stands (twips, from the client area's top left) and its
// place in the tab order.
struct Placement {
    int left;
    int top;
    int tab;
};

// What differs between the five dictionary windows.
struct DictionaryLayout {
    int number;  // the dictionary it shows, also the digit of its name
    const char* caption;
    int clientWidth;
    const char* picture;

    const char* helpButtonName;        // "Label7" or "Label16"
    const char* selectionCaptionName;  // "Label16" or "Label11"
    const char* selectionCaption;
    int selectionCaptionWidth;
    bool hasTitleLabel;

    int listWidth;
    int lockWidth;
    int elaborationHeight;
    bool elaborationWraps;  // wrapped with a vertical scroll bar, else one line
    const char* elaborationFont;
    double elaborationPoints;

    std::array<Placement, 5> dictionaryButtons;
    Placement changeHeading;
    Placement helpButton;
    Placement closeLabel;
    Placement minimizeLabel;
    Placement lockLabel;
    Placement titleLabel;
    Placement searchCaption;
    Placement abbreviationCaption;
    Placement elaborationCaption;
    Placement selectedCaption;
    Placement selectionCaptionAt;
    Placement selectionMarker;
    Placement searchBox;
    Placement list;
    Placement elaborationBox;
    Placement selectedBox;
};

// Form1 to Form5.
const DictionaryLayout& dictionaryLayout(int number);

}  // namespace shell
