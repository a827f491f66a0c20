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
    // The button of the window's own dictionary has no handler, but for
    // Form1's Oxford button, which fills its own list.
    Label1.Click = [this] { Label1_Click(); };
    if (number() != 2) Label2.Click = [this] { Label2_Click(); };
    if (number() != 3) Label3.Click = [this] { Label3_Click(); };
    if (number() != 4) Label4.Click = [this] { Label4_Click(); };
    if (number() != 5) Label5.Click = [this] { Label5_Click(); };
    if (helpButton.name() == "Label7") {
        helpButton.Click = [this] { Label7_Click(); };
    } else {
        helpButton.Click = [this] { Label16_Click(); };
    }
    Label8.Click = [this] { Label8_Click(); };
    Label9.Click = [this] { Label9_Click(); };
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
    Label17.setVisible(false);
    selectionCaption.setVisible(false);
    Label15.setVisible(false);
    Label12.setVisible(false);
    Label13.setVisible(false);
    Label14.setVisible(false);
    Text1.setVisible(false);
    Text2.setVisible(false);
    Text3.setVisible(false);
    List1.setVisible(false);
}

void DictionaryWindow::showWorkingControls() {
    Label17.setVisible(true);
    selectionCaption.setVisible(true);
    Label15.setVisible(true);
    Label12.setVisible(true);
    Label13.setVisible(true);
    Label14.setVisible(true);
    List1.setVisible(true);
    if (titleLabel) titleLabel->setVisible(false);
    Text1.setVisible(true);
    Text2.setVisible(true);
    Text3.setVisible(true);
}

void DictionaryWindow::Label1_Click() {
    if (number() != 1) {
        openDictionary(1);
        return;
    }
    showWorkingControls();
    if (List1.listCount() == 0) fillList();
}

void DictionaryWindow::fillList() {
    for (const QString& abbreviation : m_dictionary.abbreviations()) List1.addItem(abbreviation);
}

void DictionaryWindow::Label2_Click() { openDictionary(2); }
void DictionaryWindow::Label3_Click() { openDictionary(3); }
void DictionaryWindow::Label4_Click() { openDictionary(4); }
void DictionaryWindow::Label5_Click() { openDictionary(5); }

void DictionaryWindow::openDictionary(int target) {
    // This window goes first; the handler runs on, touching only the target.
    unload();
    DictionaryWindow& window = m_program.dictionaryWindow(target).get();
    if (target == 1) window.showWorkingControls();
    window.showForm();
    window.fillList();
}

void DictionaryWindow::Label7_Click() { showHelpMenu(); }
void DictionaryWindow::Label16_Click() { showHelpMenu(); }

void DictionaryWindow::showHelpMenu() { m_program.Form6.show(); }

void DictionaryWindow::Label8_Click() { m_program.end(); }

void DictionaryWindow::Label9_Click() { minimize(); }

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
