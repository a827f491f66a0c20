#pragma once

#include <array>
#include <memory>

#include "dictionaries/dictionary.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/text_box.h"
#include "shell/dictionary_layout.h"

namespace shell {

// The five dictionary windows are one class, built from the layout of their
// dictionary's number. The Oxford window is created as the program's home
// screen; the others are working from the start. What leads out of the window
// it asks for with its signals.
class DictionaryWindow : public forms::Form {
    Q_OBJECT

public:
    explicit DictionaryWindow(const DictionaryLayout& layout);

    int number() const { return m_layout.number; }
    bool isHomeScreen() const { return number() == kHomeScreen; }

    // Shows the working controls and hides the title label: the home screen
    // becomes the Oxford window.
    void showWorkingControls();

    // Appends the dictionary's abbreviations, in row order, after the rows the
    // list holds. Clears nothing and selects nothing.
    void fillList();

    // The button that opens dictionary `number`.
    forms::Label& dictionaryButton(int number);

signals:
    // The button of another dictionary: its window is to take this one's place.
    void dictionaryRequested(int number);
    void helpMenuRequested();
    void lockRequested();
    // "X": the program is to end.
    void endRequested();

private:
    // By dictionary number; named "Label1" to "Label5".
    std::array<forms::Label, dictionaries::kDictionaryCount> m_dictionaryButtons;

public:
    // Each control's objectName is its name in the layout tables ("Label6",
    // "Text1", ...); two roles are named differently in some windows.
    forms::Label changeHeading;
    forms::Label helpButton;
    forms::Label closeLabel;
    forms::Label minimizeLabel;
    forms::Label lockLabel;
    std::unique_ptr<forms::Label> titleLabel;  // the home screen's title; Oxford window only
    forms::Label abbreviationCaption;
    forms::Label elaborationCaption;
    forms::Label selectedCaption;
    forms::Label searchCaption;
    forms::Label selectionCaption;  // "You selected: ..."
    forms::Label selectionMarker;   // the red square beside the dictionary's own button
    forms::TextBox searchBox;
    forms::ListBox abbreviationList;
    forms::MultiLineTextBox elaborationBox;
    forms::TextBox selectedBox;  // the selected abbreviation

protected:
    void initializeForm() override;

private:
    // The ten controls of the working state: the boxes, the list and their
    // captions, which the home screen hides.
    void setWorkingControlsVisible(bool visible);

    void placeControls();
    void writeCaptions();
    void styleControls();
    void connectHandlers();

    // Selects the first row that begins with the search box's text, or none.
    void search();
    // Shows the selected row's elaboration and abbreviation in the two boxes.
    void showSelection();

    // The home screen's own dictionary button: the home screen becomes the
    // Oxford window, filled once.
    void openOwnDictionary();

    const DictionaryLayout& m_layout;
    const dictionaries::Dictionary& m_dictionary;
};

}  // namespace shell
