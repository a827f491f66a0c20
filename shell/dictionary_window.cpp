#include "shell/dictionary_window.h"

#include "shell/program.h"
#include "shell/styles.h"

namespace shell {

namespace {

forms::FormFrame frameOf(const DictionaryLayout& layout) {
    return {layout.caption, layout.clientWidth, layout.clientHeight, layout.picture, kIconA, true};
}

constexpr const char* kButtonCaptions[5] = {
    "Oxford Abbreviation",     "Computer Abbreviation",      "Hardware Abbreviation",
    "Bangladesh Abbreviation", "International Abbreviation",
};

void place(forms::Control& control, const Place& at) {
    control.setGeometry(at.rect());
    control.setTabIndex(at.tab);
}

}  // namespace

DictionaryWindow::DictionaryWindow(Program& program, const DictionaryLayout& layout)
    : forms::Form(frameOf(layout)),
      oxfordButton(this, "Label1"),
      computerButton(this, "Label2"),
      hardwareButton(this, "Label3"),
      bangladeshButton(this, "Label4"),
      internationalButton(this, "Label5"),
      changeHeading(this, "Label6"),
      helpButton(this, layout.helpButtonName),
      closeLabel(this, "Label8"),
      minimizeLabel(this, "Label9"),
      lockLabel(this, "Label10"),
      titleLabel(layout.hasTitleLabel ? std::make_unique<forms::Label>(this, "Label11") : nullptr),
      abbreviationCaption(this, "Label12"),
      elaborationCaption(this, "Label13"),
      selectedCaption(this, "Label14"),
      searchCaption(this, "Label15"),
      selectionCaption(this, layout.selectionCaptionName),
      selectionMarker(this, "Label17"),
      searchBox(this, "Text1"),
      abbreviationList(this, "List1"),
      elaborationBox(
          this, "Text2", true,
          layout.elaborationWraps ? forms::ScrollBars::Vertical : forms::ScrollBars::Horizontal),
      selectedBox(this, "Text3"),
      m_program(program),
      m_layout(layout),
      m_dictionary(dictionaries::dictionary(layout.number)) {
    setObjectName(QStringLiteral("Form%1").arg(layout.number));
    placeControls();
    writeCaptions();
    styleControls();
    connectHandlers();
}

void DictionaryWindow::placeControls() {
    for (int n = 1; n <= 5; ++n) {
        place(dictionaryButton(n), m_layout.dictionaryButtons[static_cast<std::size_t>(n - 1)]);
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
    applyTabOrder({&searchBox, &abbreviationList, &elaborationBox, &selectedBox});
}

void DictionaryWindow::writeCaptions() {
    for (int n = 1; n <= 5; ++n) {
        dictionaryButton(n).setCaption(kButtonCaptions[n - 1]);
        dictionaryButton(n).setToolTip(kButtonCaptions[n - 1]);
    }
    changeHeading.setCaption("Change");
    helpButton.setCaption("Help");
    helpButton.setToolTip("Help");
    setTitleBarLabel(closeLabel, "X", "Close");
    setTitleBarLabel(minimizeLabel, "_", "Minimize");
    setTitleBarLabel(lockLabel, "L", "Lock");
    if (titleLabel) titleLabel->setCaption("Orvanta Abbreviation Dictionary");
    searchCaption.setCaption("Search");
    abbreviationCaption.setCaption("Abbreviation");
    elaborationCaption.setCaption("Elaboration:");
    selectedCaption.setCaption("Your Selected Abbreviation is:");
    selectionCaption.setCaption(m_layout.selectionCaptionText);
}

void DictionaryWindow::styleControls() {
    for (int n = 1; n <= 5; ++n) dictionaryButton(n).setStyle(redButton(9.75));
    changeHeading.setStyle(redButton(9.75, true));
    helpButton.setStyle(redButton(20.25));
    if (titleLabel) {
        titleLabel->setStyle({{"Monotype Corsiva", 24, false, true},
                              true,
                              forms::kDarkRed,
                              forms::kButtonText,
                              forms::Alignment::Centre});
    }
    for (forms::Label* l : {&searchCaption, &abbreviationCaption, &elaborationCaption,
                            &selectedCaption, &selectionCaption}) {
        l->setStyle(fieldCaption());
    }
    selectionMarker.setStyle(
        {{"MS Sans Serif", 8.25}, false, forms::kDarkRed, forms::kBlack, forms::Alignment::Left});

    const forms::FontRequest calibri{"Calibri", 12};
    searchBox.setFont(calibri);
    abbreviationList.setFont(calibri);
    elaborationBox.setFont({m_layout.elaborationFont, m_layout.elaborationPoints});
    selectedBox.setFont(calibri);
}

void DictionaryWindow::connectHandlers() {
    // The button of the window's own dictionary does nothing, but for the
    // Oxford window's own, which turns the home screen into the Oxford window.
    for (int n = 1; n <= 5; ++n) {
        if (n != number() || n == 1) dictionaryButton(n).Click = [this, n] { openDictionary(n); };
    }
    helpButton.Click = [this] { showHelpMenu(); };
    closeLabel.Click = [this] { m_program.end(); };
    minimizeLabel.Click = [this] { minimize(); };
    lockLabel.Click = [this] { lock(); };
    searchBox.Change = [this] { search(); };
    abbreviationList.Click = [this] { showSelection(); };
}

forms::Label& DictionaryWindow::dictionaryButton(int number) {
    switch (number) {
        case 1:
            return oxfordButton;
        case 2:
            return computerButton;
        case 3:
            return hardwareButton;
        case 4:
            return bangladeshButton;
        default:
            return internationalButton;
    }
}

void DictionaryWindow::Form_Load() {
    if (number() != 1) {
        selectionMarker.setVisible(true);
        return;
    }
    // The Oxford window opens as the home screen.
    setWorkingControlsVisible(false);
}

void DictionaryWindow::showWorkingControls() {
    setWorkingControlsVisible(true);
    if (titleLabel) titleLabel->setVisible(false);
}

void DictionaryWindow::setWorkingControlsVisible(bool visible) {
    for (forms::Control* control : std::initializer_list<forms::Control*>{
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

void DictionaryWindow::openDictionary(int target) {
    if (target == number()) {
        // Only the Oxford window's button opens its own dictionary: the home
        // screen becomes the Oxford window, filled once.
        showWorkingControls();
        if (abbreviationList.listCount() == 0) fillList();
        return;
    }
    // This window goes first; the handler runs on, touching only the target.
    unload();
    DictionaryWindow& window = m_program.dictionaryWindow(target).get();
    if (target == 1) window.showWorkingControls();
    window.showForm();
    window.fillList();
}

void DictionaryWindow::showHelpMenu() {
    m_program.helpMenu.show();
}

void DictionaryWindow::lock() {
    unload();
    m_program.lockWindow.show();
}

void DictionaryWindow::search() {
    const int found = abbreviationList.findString(searchBox.text());
    // Setting the selection raises the list's Click, which shows it.
    abbreviationList.setListIndex(static_cast<std::int16_t>(found));
}

void DictionaryWindow::showSelection() {
    elaborationBox.setText(m_dictionary.elaboration(abbreviationList.listIndex()));
    selectedBox.setText(abbreviationList.text());
}

}  // namespace shell
