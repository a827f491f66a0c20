#include "shell/dictionary_window.h"

#include "shell/program.h"
#include "shell/styles.h"

namespace shell {

namespace {

forms::FormFrame frameOf(const DictionaryLayout& layout) {
    return {layout.caption, layout.clientWidth, layout.clientHeight, layout.picture, kIconA, true};
}

constexpr const char* kButtonCaptions[5] = {
    "Oxford Abbreviation", "Computer Abbreviation", "Hardware Abbreviation",
    "Bangladesh Abbreviation", "International Abbreviation",
};

void place(forms::Control& control, const Place& at) {
    control.setGeometry(at.rect());
    control.setTabIndex(at.tab);
}

}  // namespace

DictionaryWindow::DictionaryWindow(Program& program, const DictionaryLayout& layout)
    : forms::Form(frameOf(layout)),
      Label1(this, "Label1"),
      Label2(this, "Label2"),
      Label3(this, "Label3"),
      Label4(this, "Label4"),
      Label5(this, "Label5"),
      Label6(this, "Label6"),
      helpButton(this, layout.helpButtonName),
      Label8(this, "Label8"),
      Label9(this, "Label9"),
      Label10(this, "Label10"),
      titleLabel(layout.hasTitleLabel ? std::make_unique<forms::Label>(this, "Label11") : nullptr),
      Label12(this, "Label12"),
      Label13(this, "Label13"),
      Label14(this, "Label14"),
      Label15(this, "Label15"),
      selectionCaption(this, layout.selectionCaptionName),
      Label17(this, "Label17"),
      Text1(this, "Text1"),
      List1(this, "List1"),
      Text2(this, "Text2", true,
            layout.elaborationWraps ? forms::ScrollBars::Vertical : forms::ScrollBars::Horizontal),
      Text3(this, "Text3"),
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
    place(Label6, m_layout.changeHeading);
    place(helpButton, m_layout.helpButton);
    place(Label8, m_layout.closeLabel);
    place(Label9, m_layout.minimizeLabel);
    place(Label10, m_layout.lockLabel);
    if (titleLabel) place(*titleLabel, m_layout.titleLabel);
    place(Label15, m_layout.searchCaption);
    place(Label12, m_layout.abbreviationCaption);
    place(Label13, m_layout.elaborationCaption);
    place(Label14, m_layout.selectedCaption);
    place(selectionCaption, m_layout.selectionCaption);
    place(Label17, m_layout.selectionMarker);
    place(Text1, m_layout.searchBox);
    place(List1, m_layout.abbreviationList);
    place(Text2, m_layout.elaborationBox);
    place(Text3, m_layout.selectedBox);
    applyTabOrder({&Text1, &List1, &Text2, &Text3});
}

void DictionaryWindow::writeCaptions() {
    for (int n = 1; n <= 5; ++n) {
        dictionaryButton(n).setCaption(kButtonCaptions[n - 1]);
        dictionaryButton(n).setToolTip(kButtonCaptions[n - 1]);
    }
    Label6.setCaption("Change");
    helpButton.setCaption("Help");
    helpButton.setToolTip("Help");
    setTitleBarLabel(Label8, "X", "Close");
    setTitleBarLabel(Label9, "_", "Minimize");
    setTitleBarLabel(Label10, "L", "Lock");
    if (titleLabel) titleLabel->setCaption("Orvanta Abbreviation Dictionary");
    Label15.setCaption("Search");
    Label12.setCaption("Abbreviation");
    Label13.setCaption("Elaboration:");
    Label14.setCaption("Your Selected Abbreviation is:");
    selectionCaption.setCaption(m_layout.selectionCaptionText);
}

void DictionaryWindow::styleControls() {
    for (int n = 1; n <= 5; ++n) dictionaryButton(n).setStyle(redButton(9.75));
    Label6.setStyle(redButton(9.75, true));
    helpButton.setStyle(redButton(20.25));
    if (titleLabel) {
        titleLabel->setStyle({{"Monotype Corsiva", 24, false, true},
                              true,
                              forms::kDarkRed,
                              forms::kButtonText,
                              forms::Alignment::Centre});
    }
    for (forms::Label* l : {&Label15, &Label12, &Label13, &Label14, &selectionCaption}) {
        l->setStyle(fieldCaption());
    }
    Label17.setStyle({{"MS Sans Serif", 8.25}, false, forms::kDarkRed, forms::kBlack,
                      forms::Alignment::Left});

    const forms::FontRequest calibri{"Calibri", 12};
    Text1.setFont(calibri);
    List1.setFont(calibri);
    Text2.setFont({m_layout.elaborationFont, m_layout.elaborationPoints});
    Text3.setFont(calibri);
}

void DictionaryWindow::connectHandlers() {
    // The button of the window's own dictionary does nothing, but for Form1's
    // Oxford button, which turns the home screen into the Oxford window.
    for (int n = 1; n <= 5; ++n) {
        if (n != number() || n == 1) dictionaryButton(n).Click = [this, n] { openDictionary(n); };
    }
    helpButton.Click = [this] { showHelpMenu(); };
    Label8.Click = [this] { m_program.end(); };
    Label9.Click = [this] { minimize(); };
    Label10.Click = [this] { Label10_Click(); };
    Text1.Change = [this] { Text1_Change(); };
    List1.Click = [this] { List1_Click(); };
}

forms::Label& DictionaryWindow::dictionaryButton(int number) {
    switch (number) {
        case 1: return Label1;
        case 2: return Label2;
        case 3: return Label3;
        case 4: return Label4;
        default: return Label5;
    }
}

void DictionaryWindow::Form_Load() {
    if (number() != 1) {
        Label17.setVisible(true);
        return;
    }
    // Form1 opens as the home screen.
    setWorkingControlsVisible(false);
}

void DictionaryWindow::showWorkingControls() {
    setWorkingControlsVisible(true);
    if (titleLabel) titleLabel->setVisible(false);
}

void DictionaryWindow::setWorkingControlsVisible(bool visible) {
    for (forms::Control* control : std::initializer_list<forms::Control*>{
             &Text1, &List1, &Text2, &Text3, &Label15, &Label12, &Label13, &Label14,
             &selectionCaption, &Label17}) {
        control->setVisible(visible);
    }
}

void DictionaryWindow::fillList() {
    for (const QString& abbreviation : m_dictionary.abbreviations()) List1.addItem(abbreviation);
}

void DictionaryWindow::openDictionary(int target) {
    if (target == number()) {
        // Only Form1's Oxford button opens its own dictionary: the home screen
        // becomes the Oxford window, filled once.
        showWorkingControls();
        if (List1.listCount() == 0) fillList();
        return;
    }
    // This window goes first; the handler runs on, touching only the target.
    unload();
    DictionaryWindow& window = m_program.dictionaryWindow(target).get();
    if (target == 1) window.showWorkingControls();
    window.showForm();
    window.fillList();
}

void DictionaryWindow::showHelpMenu() { m_program.Form6.show(); }

void DictionaryWindow::Label10_Click() {
    unload();
    m_program.Form10.show();
}

void DictionaryWindow::Text1_Change() {
    const int found = List1.findString(Text1.text());
    // Setting the selection raises the list's Click, which shows it.
    List1.setListIndex(static_cast<std::int16_t>(found));
}

void DictionaryWindow::List1_Click() {
    Text2.setText(m_dictionary.elaboration(List1.listIndex()));
    Text3.setText(List1.text());
}

}  // namespace shell
