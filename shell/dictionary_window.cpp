#include "shell/dictionary_window.h"

#include <utility>

#include "shell/styles.h"

namespace shell {

namespace {

using dictionaries::kDictionaryCount;

forms::FormFrame frameOf(const DictionaryLayout& layout) {
    return {layout.caption, layout.clientWidth, layout.clientHeight, layout.picture, kIconA, true};
}

// By dictionary number.
constexpr std::array<const char*, kDictionaryCount> kButtonCaptions = {
    "Oxford Abbreviation",     "Computer Abbreviation",      "Hardware Abbreviation",
    "Bangladesh Abbreviation", "International Abbreviation",
};

template <std::size_t... I>
std::array<forms::Label, sizeof...(I)> makeDictionaryButtons(QWidget* window,
                                                             std::index_sequence<I...>) {
    return {forms::Label(window, QStringLiteral("Label%1").arg(I + 1))...};
}

}  // namespace

DictionaryWindow::DictionaryWindow(const DictionaryLayout& layout)
    : forms::Form(frameOf(layout)),
      m_dictionaryButtons(
          makeDictionaryButtons(this, std::make_index_sequence<kDictionaryCount>())),
      changeHeading(this, "Label6"),
      helpButton(this, layout.helpButtonName),
      closeLabel(this, "Label8"),
      minimizeLabel(this, "Label9"),
      lockLabel(this, "Label10"),
      titleLabel(layout.number == kHomeScreen ? std::make_unique<forms::Label>(this, "Label11")
                                              : nullptr),
      abbreviationCaption(this, "Label12"),
      elaborationCaption(this, "Label13"),
      selectedCaption(this, "Label14"),
      searchCaption(this, "Label15"),
      selectionCaption(this, layout.selectionCaptionName),
      selectionMarker(this, "Label17"),
      searchBox(this, "Text1"),
      abbreviationList(this, "List1"),
      elaborationBox(
          this, "Text2",
          layout.elaborationWraps ? forms::ScrollBars::Vertical : forms::ScrollBars::Horizontal),
      selectedBox(this, "Text3"),
      m_layout(layout),
      m_dictionary(dictionaries::dictionary(layout.number)) {
    setObjectName(QStringLiteral("Form%1").arg(layout.number));
    placeControls();
    writeCaptions();
    styleControls();
    connectHandlers();
}

forms::Label& DictionaryWindow::dictionaryButton(int number) {
    return m_dictionaryButtons[dictionaries::dictionaryIndex(number)];
}

void DictionaryWindow::placeControls() {
    for (int n = 1; n <= kDictionaryCount; ++n) {
        place(dictionaryButton(n), m_layout.dictionaryButtons[dictionaries::dictionaryIndex(n)]);
    }
    place(changeHeading, m_layout.changeHeading);
    place(helpButton, m_layout.helpButton);
    place(closeLabel, m_layout.closeLabel);
    place(minimizeLabel, m_layout.minimizeLabel);
    place(lockLabel, m_layout.lockLabel);
    if (titleLabel) place(*titleLabel, m_layout.titleLabel);
    place(searchCaption, m_layout.searchCaption);
    place(abbreviationCaption, m_layout.abbreviationCaption);
    place(elaborationCaption, m_layout.elaborationCaption);
    place(selectedCaption, m_layout.selectedCaption);
    place(selectionCaption, m_layout.selectionCaption);
    place(selectionMarker, m_layout.selectionMarker);
    place(searchBox, m_layout.searchBox);
    place(abbreviationList, m_layout.abbreviationList);
    place(elaborationBox, m_layout.elaborationBox);
    place(selectedBox, m_layout.selectedBox);
    chainTabOrder({{&searchBox, m_layout.searchBox.tab},
                   {&abbreviationList, m_layout.abbreviationList.tab},
                   {&elaborationBox, m_layout.elaborationBox.tab},
                   {&selectedBox, m_layout.selectedBox.tab}});
}

void DictionaryWindow::writeCaptions() {
    for (int n = 1; n <= kDictionaryCount; ++n) {
        const char* caption = kButtonCaptions[dictionaries::dictionaryIndex(n)];
        dictionaryButton(n).setText(caption);
        dictionaryButton(n).setToolTip(caption);
    }
    changeHeading.setText("Change");
    helpButton.setText("Help");
    helpButton.setToolTip("Help");
    setTitleBarLabel(closeLabel, "X", "Close");
    setTitleBarLabel(minimizeLabel, "_", "Minimize");
    setTitleBarLabel(lockLabel, "L", "Lock");
    if (titleLabel) titleLabel->setText("Orvanta Abbreviation Dictionary");
    searchCaption.setText("Search");
    abbreviationCaption.setText("Abbreviation");
    elaborationCaption.setText("Elaboration:");
    selectedCaption.setText("Your Selected Abbreviation is:");
    selectionCaption.setText(m_layout.selectionCaptionText);
}

void DictionaryWindow::styleControls() {
    for (forms::Label& button : m_dictionaryButtons) button.setLabelStyle(redButton(9.75));
    changeHeading.setLabelStyle(redButton(9.75, true));
    helpButton.setLabelStyle(redButton(20.25));
    if (titleLabel) {
        titleLabel->setLabelStyle({{"Monotype Corsiva", 24, false, true},
                                   true,
                                   forms::kDarkRed,
                                   forms::kButtonText,
                                   forms::Alignment::Centre});
    }
    for (forms::Label* l : {&searchCaption, &abbreviationCaption, &elaborationCaption,
                            &selectedCaption, &selectionCaption}) {
        l->setLabelStyle(fieldCaption());
    }
    selectionMarker.setLabelStyle(
        {{"MS Sans Serif", 8.25}, false, forms::kDarkRed, forms::kBlack, forms::Alignment::Left});

    const forms::FontRequest calibri{"Calibri", 12};
    searchBox.setRequestedFont(calibri);
    abbreviationList.setRequestedFont(calibri);
    elaborationBox.setRequestedFont({m_layout.elaborationFont, m_layout.elaborationPoints});
    selectedBox.setRequestedFont(calibri);
}

void DictionaryWindow::connectHandlers() {
    // The button of the window's own dictionary does nothing, but for the home
    // screen's own, which turns the home screen into the Oxford window.
    for (int n = 1; n <= kDictionaryCount; ++n) {
        if (n != number()) {
            connect(&dictionaryButton(n), &forms::Label::clicked, this,
                    [this, n] { emit dictionaryRequested(n); });
        } else if (isHomeScreen()) {
            connect(&dictionaryButton(n), &forms::Label::clicked, this,
                    &DictionaryWindow::openOwnDictionary);
        }
    }
    connect(&helpButton, &forms::Label::clicked, this, &DictionaryWindow::helpMenuRequested);
    connect(&closeLabel, &forms::Label::clicked, this, &DictionaryWindow::endRequested);
    connect(&minimizeLabel, &forms::Label::clicked, this, &DictionaryWindow::minimize);
    connect(&lockLabel, &forms::Label::clicked, this, &DictionaryWindow::lockRequested);
    connect(&searchBox, &forms::TextBox::textEdited, this, &DictionaryWindow::search);
    connect(&abbreviationList, &forms::ListBox::selectionSet, this,
            &DictionaryWindow::showSelection);
}

void DictionaryWindow::initializeForm() {
    if (!isHomeScreen()) {
        selectionMarker.setVisible(true);
        return;
    }
    setWorkingControlsVisible(false);
}

void DictionaryWindow::showWorkingControls() {
    setWorkingControlsVisible(true);
    if (titleLabel) titleLabel->setVisible(false);
}

void DictionaryWindow::setWorkingControlsVisible(bool visible) {
    for (QWidget* control : std::initializer_list<QWidget*>{
             &searchBox, &abbreviationList, &elaborationBox, &selectedBox, &searchCaption,
             &abbreviationCaption, &elaborationCaption, &selectedCaption, &selectionCaption,
             &selectionMarker}) {
        control->setVisible(visible);
    }
}

void DictionaryWindow::fillList() {
    for (const QString& abbreviation : m_dictionary.abbreviations())
        abbreviationList.addItem(abbreviation);
}

void DictionaryWindow::openOwnDictionary() {
    showWorkingControls();
    if (abbreviationList.listCount() == 0) fillList();
}

void DictionaryWindow::search() {
    const int found = abbreviationList.findString(searchBox.text());
    // Setting the selection makes the list emit selectionSet(), which shows it.
    abbreviationList.setListIndex(found);
}

void DictionaryWindow::showSelection() {
    elaborationBox.setText(m_dictionary.elaboration(abbreviationList.listIndex()));
    selectedBox.showText(abbreviationList.text());
}

}  // namespace shell
