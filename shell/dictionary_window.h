#pragma once

#include <memory>

#include "dictionaries/dictionary.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/text_box.h"
#include "shell/dictionary_layout.h"

namespace shell {

class Program;

// Form1 to Form5: one dictionary window, built from the layout of its number.
// Form1 is created as the home screen; the others are working from the start.
class DictionaryWindow : public forms::Form {
public:
    DictionaryWindow(Program& program, const DictionaryLayout& layout);

    void Form_Load() override;

    int number() const { return m_layout.number; }
    const dictionaries::Dictionary& dictionaryShown() const { return m_dictionary; }

    // Shows the working controls and hides the title label (Form1's home
    // screen becomes the Oxford window).
    void showWorkingControls();

    // Appends the dictionary's abbreviations, in row order, after the rows the
    // list holds. Clears nothing and selects nothing.
    void fillList();

    // The dictionary buttons, by dictionary number 1 to 5.
    forms::Label& dictionaryButton(int number);

    forms::Label Label1;  // Oxford Abbreviation
    forms::Label Label2;  // Computer Abbreviation
    forms::Label Label3;  // Hardware Abbreviation
    forms::Label Label4;  // Bangladesh Abbreviation
    forms::Label Label5;  // International Abbreviation
    forms::Label Label6;  // "Change"
    forms::Label helpButton;        // Label7 or Label16
    forms::Label Label8;            // "X"
    forms::Label Label9;            // "_"
    forms::Label Label10;           // "L"
    std::unique_ptr<forms::Label> titleLabel;  // Label11, Form1 only
    forms::Label Label12;           // "Abbreviation"
    forms::Label Label13;           // "Elaboration:"
    forms::Label Label14;           // "Your Selected Abbreviation is:"
    forms::Label Label15;           // "Search"
    forms::Label selectionCaption;  // Label16 or Label11
    forms::Label Label17;           // selection marker
    forms::TextBox Text1;           // search box
    forms::ListBox List1;           // abbreviations
    forms::TextBox Text2;           // elaboration
    forms::TextBox Text3;           // the selected abbreviation

private:
    // The ten controls of the working state: the boxes, the list and their
    // captions, which Form1's home screen hides.
    void setWorkingControlsVisible(bool visible);

    void placeControls();
    void writeCaptions();
    void styleControls();
    void connectHandlers();

    void Label10_Click();
    void Text1_Change();
    void List1_Click();

    // The dictionary buttons: the window of another dictionary takes this one's
    // place.
    void openDictionary(int number);
    void showHelpMenu();

    Program& m_program;
    const DictionaryLayout& m_layout;
    const dictionaries::Dictionary& m_dictionary;
};

}  // namespace shell
