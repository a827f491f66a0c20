// Every control of the ten windows, in every state the user can see, against
// the layout: place and size, caption, tool tip, font, colours, opacity,
// alignment, visibility and, for the boxes and the list, the tab order.
//
// The windows are reached as a user reaches them, by clicks, and found by
// name among the top-level windows; controls are found by name in their
// window. What is compared is what the live widgets show, and for the font
// family and the stored colours what the layout asked of them, since Qt may
// draw a stand-in family and a system colour may look like another.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "forms/image.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/text_box.h"
#include "program_fixture.h"

namespace {

// --- how the controls look -----------------------------------------------------------

// Colours as a layout stores them: 0x00BBGGRR, or 0x800000NN for system colour NN.
using Colour = std::uint32_t;
constexpr Colour kBlack = 0x00000000;
constexpr Colour kDarkRed = 0x00000080;
constexpr Colour kWindowColour = 0x80000005;      // behind the text of a box or list
constexpr Colour kWindowTextColour = 0x80000008;  // the text of a box or list
constexpr Colour kHighlightText = 0x8000000E;
constexpr Colour kButtonText = 0x80000012;

enum class Kind { Label, LineBox, MultiLineBox, List, Picture };
enum class Align { Left, Centre };
constexpr bool kOpaque = false;
constexpr bool kTransparent = true;

struct Font {
    const char* family;
    double points;
    bool bold = false;
    bool italic = false;
};

struct Look {
    Kind kind;
    std::optional<Font> font;  // none where the control shows no text
    Colour fore;
    std::optional<Colour> back;  // as stored, where the layout gives one
    bool transparent;
    Align align;
};

Look label(std::optional<Font> font, Colour fore, std::optional<Colour> back, bool transparent,
           Align align) {
    return {Kind::Label, font, fore, back, transparent, align};
}
Look redButton(double points, bool bold = false) {
    return label(Font{"Calibri", points, bold}, kHighlightText, kDarkRed, kOpaque, Align::Centre);
}
Look plainText(double points, Align align = Align::Left) {
    return label(Font{"Calibri", points}, kButtonText, std::nullopt, kTransparent, align);
}
Look box(Kind kind = Kind::LineBox, Font font = {"Calibri", 12}) {
    return {kind, font, kWindowTextColour, kWindowColour, kOpaque, Align::Left};
}
const Look kTitleBarLabel =
    label(Font{"MS Sans Serif", 12}, kHighlightText, std::nullopt, kTransparent, Align::Left);
// Its stored dark red never shows: the label is transparent.
const Look kTitle = label(Font{"Monotype Corsiva", 24, false, true}, kButtonText, kDarkRed,
                          kTransparent, Align::Centre);
const Look kMarker = label(std::nullopt, kBlack, kDarkRed, kOpaque, Align::Left);
const Look kList = box(Kind::List);
const Look kPicture{Kind::Picture, std::nullopt, 0, std::nullopt, kOpaque, Align::Left};
const Look kLockText =
    label(Font{"Calibri", 24}, kHighlightText, std::nullopt, kTransparent, Align::Centre);

// What a control's caption must be. Some texts are the program's own
// particulars (a phone number, an author's name): for those, their fixed
// start, or only that there is a text.
struct Caption {
    enum Match { Exact, StartsWith, AnyText, Unchecked } match;
    const char* text = "";
};
Caption is(const char* text) {
    return {Caption::Exact, text};
}
Caption startsWith(const char* text) {
    return {Caption::StartsWith, text};
}
const Caption kEmpty{Caption::Exact, ""};
const Caption kSomeText{Caption::AnyText};
const Caption kUnchecked{Caption::Unchecked};

// --- the windows ----------------------------------------------------------------------

// The states a window is seen in.
enum State : unsigned { Home, Working, Open, English, Chinese, Bengali };
const char* stateName(State s) {
    static const char* const names[] = {"Home", "Working", "Open", "English", "Chinese", "Bengali"};
    return names[s];
}
constexpr unsigned in(State s) {
    return 1u << s;
}
constexpr unsigned kAlways = ~0u;

struct Twips {
    int left, top, width, height;
};

struct ControlRow {
    const char* name;
    Twips rect;
    Caption caption;
    const char* toolTip;  // "" for none
    Look look;
    unsigned shownIn = kAlways;  // the states in which the control shows
    int tab = -1;                // place in the tab order, for the controls that take the focus
};

struct Click {
    const char* window;
    const char* control;
};

// How the user brings a window into a state, starting from the home screen.
struct Route {
    State state;
    std::vector<Click> clicks;
};

struct WindowTable {
    const char* window;
    const char* caption;
    int width, height;  // client area, twips
    std::vector<Route> states;
    std::vector<ControlRow> controls;
};

ControlRow dictionaryButton(int n, int left, int top) {
    static const char* const names[] = {"Label1", "Label2", "Label3", "Label4", "Label5"};
    static const char* const captions[] = {"Oxford Abbreviation", "Computer Abbreviation",
                                           "Hardware Abbreviation", "Bangladesh Abbreviation",
                                           "International Abbreviation"};
    return {names[n - 1],
            {left, top, 1215, 495},
            is(captions[n - 1]),
            captions[n - 1],
            redButton(9.75)};
}

const Look kChangeHeading = redButton(9.75, true);
const Look kHelpButton = redButton(20.25);
const Look kFieldCaption = plainText(12);
const Look kSelectionCaption = plainText(12);
const Look kElaborationBox = box(Kind::MultiLineBox);
const Look kBengaliElaborationBox = box(Kind::MultiLineBox, {"SutonnyMJ", 14.25});
constexpr const char* kSelectedCaption = "Your Selected Abbreviation is:";

// One row per control, as the layout gives it: name, left, top, width and
// height in twips, caption, tool tip, look, the states it shows in and, for
// the boxes and the list, the place in the tab order.
// clang-format off
const WindowTable kOxford{"Form1", "Orvanta Abbreviation Dictionary", 8235, 7665,
    {{Home, {}}, {Working, {{"Form1", "Label1"}}}},
    {
        dictionaryButton(1, 6720, 1680),
        dictionaryButton(2, 6720, 2520),
        dictionaryButton(3, 6720, 3360),
        dictionaryButton(4, 6720, 4200),
        dictionaryButton(5, 6720, 5040),
        {"Label6", {6840, 1200, 975, 255}, is("Change"), "", kChangeHeading},
        {"Label7", {6720, 5880, 1215, 555}, is("Help"), "Help", kHelpButton},
        {"Label8", {7850, 75, 375, 255}, is("X"), "Close", kTitleBarLabel},
        {"Label9", {7100, 30, 255, 330}, is("_"), "Minimize", kTitleBarLabel},
        {"Label10", {7480, 75, 375, 375}, is("L"), "Lock", kTitleBarLabel},
        {"Label11", {240, 3360, 6135, 855}, is("Orvanta Abbreviation Dictionary"), "", kTitle,
            in(Home)},
        {"Label15", {360, 1200, 975, 255}, is("Search"), "", kFieldCaption, in(Working)},
        {"Label12", {360, 2040, 1455, 255}, is("Abbreviation"), "", kFieldCaption, in(Working)},
        {"Label13", {3000, 2040, 1215, 255}, is("Elaboration:"), "", kFieldCaption, in(Working)},
        {"Label14", {3000, 3480, 3015, 375}, is(kSelectedCaption), "", kFieldCaption, in(Working)},
        {"Label16", {360, 6240, 4455, 375},
            is("You selected: Oxford Abbreviation Dictionary"), "", kSelectionCaption, in(Working)},
        {"Label17", {6360, 1800, 255, 255}, kEmpty, "", kMarker, in(Working)},
        {"Text1", {360, 1530, 2055, 405}, kEmpty, "", box(), in(Working), 12},
        {"List1", {360, 2400, 2055, 2595}, kUnchecked, "", kList, in(Working), 11},
        {"Text2", {3000, 2400, 3015, 645}, kEmpty, "", kElaborationBox, in(Working), 14},
        {"Text3", {3000, 3840, 3015, 405}, kEmpty, "", box(), in(Working), 16},
    }};

const WindowTable kComputer{"Form2", "Orvanta Computer Abbreviation", 8250, 7665,
    {{Working, {{"Form1", "Label2"}}}},
    {
        dictionaryButton(1, 6720, 1635),
        dictionaryButton(2, 6720, 2475),
        dictionaryButton(3, 6720, 3240),
        dictionaryButton(4, 6720, 4080),
        dictionaryButton(5, 6720, 4920),
        {"Label6", {6840, 1155, 975, 255}, is("Change"), "", kChangeHeading},
        {"Label16", {6720, 5760, 1215, 555}, is("Help"), "Help", kHelpButton},
        {"Label8", {7850, 60, 375, 255}, is("X"), "Close", kTitleBarLabel},
        {"Label9", {7100, 30, 255, 330}, is("_"), "Minimize", kTitleBarLabel},
        {"Label10", {7480, 60, 375, 375}, is("L"), "Lock", kTitleBarLabel},
        {"Label15", {360, 1155, 975, 255}, is("Search"), "", kFieldCaption},
        {"Label12", {360, 1995, 1455, 255}, is("Abbreviation"), "", kFieldCaption},
        {"Label13", {3000, 2040, 1215, 255}, is("Elaboration:"), "", kFieldCaption},
        {"Label14", {3000, 3435, 3015, 375}, is(kSelectedCaption), "", kFieldCaption},
        {"Label11", {360, 6240, 5655, 375},
            is("You selected: Orvanta Computer Abbreviation Dictionary"), "", kSelectionCaption},
        {"Label17", {6360, 2610, 255, 255}, kEmpty, "", kMarker},
        {"Text1", {360, 1485, 2055, 405}, kEmpty, "", box(), kAlways, 2},
        {"List1", {360, 2355, 2055, 2595}, kUnchecked, "", kList, kAlways, 3},
        {"Text2", {3000, 2355, 3015, 645}, kEmpty, "", kElaborationBox, kAlways, 1},
        {"Text3", {3000, 3795, 3015, 405}, kEmpty, "", box(), kAlways, 0},
    }};

const WindowTable kHardware{"Form3", "Orvanta Hardware Abbreviation", 8235, 7665,
    {{Working, {{"Form1", "Label3"}}}},
    {
        dictionaryButton(1, 6720, 1700),
        dictionaryButton(2, 6720, 2580),
        dictionaryButton(3, 6720, 3400),
        dictionaryButton(4, 6720, 4250),
        dictionaryButton(5, 6720, 5100),
        {"Label6", {6840, 1200, 975, 255}, is("Change"), "", kChangeHeading},
        {"Label7", {6720, 5950, 1215, 555}, is("Help"), "Help", kHelpButton},
        {"Label8", {7850, 60, 375, 255}, is("X"), "Close", kTitleBarLabel},
        {"Label9", {7100, 30, 255, 330}, is("_"), "Minimize", kTitleBarLabel},
        {"Label10", {7500, 60, 255, 375}, is("L"), "Lock", kTitleBarLabel},
        {"Label15", {360, 1200, 975, 255}, is("Search"), "", kFieldCaption},
        {"Label12", {360, 2040, 1455, 255}, is("Abbreviation"), "", kFieldCaption},
        {"Label13", {3120, 2040, 1215, 255}, is("Elaboration:"), "", kFieldCaption},
        {"Label14", {3120, 4320, 3015, 375}, is(kSelectedCaption), "", kFieldCaption},
        {"Label11", {360, 6240, 5655, 375},
            is("You selected: Orvanta Hardware Abbreviation Dictionary"), "", kSelectionCaption},
        {"Label17", {6360, 3520, 255, 255}, kEmpty, "", kMarker},
        {"Text1", {360, 1560, 2055, 405}, kEmpty, "", box(), kAlways, 4},
        {"List1", {360, 2400, 2175, 2595}, kUnchecked, "", kList, kAlways, 3},
        {"Text2", {3120, 2400, 3015, 1725}, kEmpty, "", kBengaliElaborationBox, kAlways, 5},
        {"Text3", {3120, 4680, 3015, 405}, kEmpty, "", box(), kAlways, 6},
    }};

const WindowTable kBangladesh{"Form4", "Bangladesh Abbreviation", 8235, 7665,
    {{Working, {{"Form1", "Label4"}}}},
    {
        dictionaryButton(1, 6720, 1680),
        dictionaryButton(2, 6720, 2520),
        dictionaryButton(3, 6720, 3285),
        dictionaryButton(4, 6720, 4125),
        dictionaryButton(5, 6720, 4965),
        {"Label6", {6840, 1200, 975, 255}, is("Change"), "", kChangeHeading},
        {"Label16", {6720, 5805, 1215, 555}, is("Help"), "Help", kHelpButton},
        {"Label8", {7850, 60, 375, 255}, is("X"), "Close", kTitleBarLabel},
        {"Label9", {7100, 30, 255, 330}, is("_"), "Minimize", kTitleBarLabel},
        {"Label10", {7500, 60, 375, 375}, is("L"), "Lock", kTitleBarLabel},
        {"Label15", {360, 1200, 975, 255}, is("Search"), "", kFieldCaption},
        {"Label12", {360, 2040, 1455, 255}, is("Abbreviation"), "", kFieldCaption},
        {"Label13", {3120, 2040, 1215, 255}, is("Elaboration:"), "", kFieldCaption},
        {"Label14", {3120, 3480, 3015, 375}, is(kSelectedCaption), "", kFieldCaption},
        {"Label11", {360, 6240, 5655, 375},
            is("You selected: Bangladesh Abbreviation Dictionary"), "", kSelectionCaption},
        {"Label17", {6360, 4250, 255, 255}, kEmpty, "", kMarker},
        {"Text1", {360, 1560, 2055, 405}, kEmpty, "", box(), kAlways, 4},
        {"List1", {360, 2400, 2175, 2595}, kUnchecked, "", kList, kAlways, 5},
        {"Text2", {3120, 2400, 3015, 645}, kEmpty, "", kElaborationBox, kAlways, 9},
        {"Text3", {3120, 3840, 3015, 405}, kEmpty, "", box(), kAlways, 3},
    }};

const WindowTable kInternational{"Form5", "International Abbreviation", 8235, 7665,
    {{Working, {{"Form1", "Label5"}}}},
    {
        dictionaryButton(1, 6720, 1680),
        dictionaryButton(2, 6720, 2520),
        dictionaryButton(3, 6720, 3360),
        dictionaryButton(4, 6720, 4200),
        dictionaryButton(5, 6720, 5040),
        {"Label6", {6840, 1200, 975, 255}, is("Change"), "", kChangeHeading},
        {"Label7", {6720, 5880, 1215, 555}, is("Help"), "Help", kHelpButton},
        {"Label8", {7840, 60, 375, 255}, is("X"), "Close", kTitleBarLabel},
        {"Label9", {7100, 30, 255, 330}, is("_"), "Minimize", kTitleBarLabel},
        {"Label10", {7480, 60, 375, 375}, is("L"), "Lock", kTitleBarLabel},
        {"Label15", {360, 1200, 975, 255}, is("Search"), "", kFieldCaption},
        {"Label12", {360, 2040, 1455, 255}, is("Abbreviation"), "", kFieldCaption},
        {"Label13", {3000, 2040, 1215, 255}, is("Elaboration:"), "", kFieldCaption},
        {"Label14", {3000, 3480, 3015, 375}, is(kSelectedCaption), "", kFieldCaption},
        {"Label16", {360, 6240, 5295, 375},
            is("You selected: International Abbreviation Dictionary"), "", kSelectionCaption},
        {"Label17", {6360, 5160, 255, 255}, kEmpty, "", kMarker},
        {"Text1", {360, 1530, 2055, 405}, kEmpty, "", box(), kAlways, 5},
        {"List1", {360, 2400, 2055, 2595}, kUnchecked, "", kList, kAlways, 6},
        {"Text2", {3000, 2400, 3015, 645}, kEmpty, "", kElaborationBox, kAlways, 4},
        {"Text3", {3000, 3840, 3015, 405}, kEmpty, "", box(), kAlways, 3},
    }};

const Click kHelp{"Form1", "Label7"};
const Look kThankYouLine = plainText(9.75, Align::Centre);

const WindowTable kHelpMenu{"Form6", "Orvanta Help", 4560, 5370,
    {{Open, {kHelp}}},
    {
        {"Label1", {1320, 1320, 1935, 405}, is("Help"), "", redButton(14.25)},
        {"Label2", {1320, 2280, 1935, 400}, is("Copyright"), "", redButton(14.25)},
        {"Label3", {1320, 3240, 1935, 400}, is("About"), "", redButton(14.25)},
        {"Label8", {4140, 60, 375, 255}, is("X"), "Close", kTitleBarLabel},
        {"Label9", {3780, 30, 255, 330}, is("_"), "Minimize", kTitleBarLabel},
    }};

const WindowTable kContact{"Form7", "Help", 4560, 5370,
    {{Open, {kHelp, {"Form6", "Label1"}}}},
    {
        {"Label1", {390, 960, 3855, 975},
            is("If you face any problem of this Orvanta Abbreviation dictionary please contact the "
               "following number and email:"), "", plainText(12)},
        {"Label2", {405, 2040, 3495, 375}, startsWith("Phone Number: "), "", plainText(12)},
        {"Label3", {405, 2520, 3135, 255}, startsWith("Email: "), "", plainText(12)},
        {"Label4", {1065, 3000, 2895, 375}, kSomeText, "", plainText(12)},
        {"Label5", {520, 4320, 3495, 495},
            is("Thank you for using Orvanta Abbreviation Dictionary"), "", kThankYouLine},
        {"Label8", {4120, 80, 375, 255}, is("X"), "Close", kTitleBarLabel},
        {"Label9", {3770, 40, 255, 330}, is("_"), "Minimize", kTitleBarLabel},
    }};

const Click kCopyright{"Form6", "Label2"};

const WindowTable kCopyrightWindow{"Form8", "Copyright", 4560, 5370,
    {{English, {kHelp, kCopyright}},
     {Chinese, {kHelp, kCopyright, {"Form8", "Label4"}}},
     {Bengali, {kHelp, kCopyright, {"Form8", "Label5"}}}},
    {
        {"Label8", {4120, 80, 375, 255}, is("X"), "Close", kTitleBarLabel},
        {"Label9", {3770, 40, 255, 330}, is("_"), "Minimize", kTitleBarLabel},
        {"Label1", {720, 840, 2895, 375}, kSomeText, "", plainText(12, Align::Centre)},
        {"Image1", {360, 1680, 3690, 1635}, kUnchecked, "", kPicture, in(English)},
        {"Image2", {360, 1680, 3690, 1635}, kUnchecked, "", kPicture, in(Chinese)},
        {"Image3", {480, 1680, 3690, 1635}, kUnchecked, "", kPicture, in(Bengali)},
        {"Label2", {480, 3840, 975, 255}, is("Language"), "", plainText(9.75)},
        {"Label3", {480, 4200, 975, 255}, is("English"), "", redButton(9.75)},
        {"Label4", {1800, 4200, 855, 255}, is("Chinese"), "", redButton(9.75)},
        {"Label5", {3000, 4200, 855, 255}, is("Bengali"), "", redButton(9.75)},
    }};

const WindowTable kAbout{"Form9", "About", 4560, 5370,
    {{Open, {kHelp, {"Form6", "Label3"}}}},
    {
        {"Label1", {720, 720, 3015, 735}, kSomeText, "", plainText(12, Align::Centre)},
        {"Label2", {960, 1560, 2535, 375}, kSomeText, "", plainText(12, Align::Centre)},
        {"Label3", {1440, 1920, 1575, 375}, kSomeText, "", plainText(12, Align::Centre)},
        {"Label4", {1540, 2280, 1335, 375}, kSomeText, "", plainText(12, Align::Centre)},
        {"Label5", {1560, 2640, 1575, 375}, kSomeText, "", plainText(12)},
        {"Label6", {360, 3480, 2775, 375}, kSomeText, "", plainText(12)},
        {"Label7", {360, 3840, 855, 375}, kSomeText, "", plainText(12)},
        {"Label10", {360, 4200, 2295, 375}, kSomeText, "", plainText(12)},
        {"Label11", {360, 4520, 1695, 255}, is("Version: 2.0.0"), "", plainText(12)},
        {"Label12", {2160, 4800, 2055, 375}, kSomeText, "", plainText(9.75)},
        {"Label8", {4130, 60, 375, 255}, is("X"), "Close", kTitleBarLabel},
        {"Label9", {3770, 30, 255, 330}, is("_"), "Minimize", kTitleBarLabel},
    }};

// The time and the date are the clock's to write; the lock tests look at them.
const WindowTable kLock{"Form10", "Orvanta Abbreviation Dictionary", 8235, 7665,
    {{Open, {{"Form1", "Label10"}}}},
    {
        {"Label1", {2760, 3360, 2895, 615}, kUnchecked, "", kLockText},
        {"Label2", {2760, 4320, 2895, 615}, kUnchecked, "", kLockText},
        {"Label3", {3180, 5640, 1935, 615}, is("Unlock"), "Click here to unlock", kLockText},
    }};
// clang-format on

const std::vector<const WindowTable*> kWindows{
    &kOxford,   &kComputer, &kHardware,        &kBangladesh, &kInternational,
    &kHelpMenu, &kContact,  &kCopyrightWindow, &kAbout,      &kLock,
};

// --- reading the live windows ---------------------------------------------------------

QWidget* shownWindow(const QString& name) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == name && w->isVisible()) return w;
    }
    return nullptr;
}

void clickOn(const Click& c) {
    QWidget* window = shownWindow(c.window);
    ASSERT_NE(window, nullptr) << c.window << " is not on the screen to click " << c.control;
    auto* control = window->findChild<QWidget*>(c.control);
    ASSERT_NE(control, nullptr) << c.window << " has no " << c.control << " to click";
    ui::clickAt(window, control->mapTo(window, control->rect().center()));
    ui::settle();
}

// Follows the route from the home screen; the window, or nullptr with a failure.
QWidget* reach(const WindowTable& table, const Route& route) {
    for (const Click& c : route.clicks) {
        clickOn(c);
        if (::testing::Test::HasFatalFailure()) return nullptr;
    }
    QWidget* window = shownWindow(table.window);
    EXPECT_NE(window, nullptr) << table.window << " is not on the screen in its "
                               << stateName(route.state) << " state";
    return window;
}

constexpr int kTwipsPerPixel = 15;
int toPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

std::string text(const QString& s) {
    return '"' + s.toStdString() + '"';
}

std::string stored(Colour c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "&H%08X&", c);
    return buffer;
}

std::string colourName(const QColor& c) {
    return c.name(QColor::HexArgb).toStdString();
}

// The colour a stored value stands for on this desktop, for a widget of this kind.
QColor onScreen(Colour c, const QWidget* widget) {
    if ((c & 0x80000000u) == 0) return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    const QPalette system = QApplication::palette(widget);
    const QPalette::ColorGroup group = widget->palette().currentColorGroup();
    switch (c & 0xFF) {
        case 0x05:
            return system.color(group, QPalette::Base);
        case 0x08:
            return system.color(group, QPalette::Text);
        case 0x0E:
            return system.color(group, QPalette::HighlightedText);
        case 0x12:
            return system.color(group, QPalette::ButtonText);
    }
    ADD_FAILURE() << "no system colour " << stored(c) << " in this table";
    return {};
}

// The colour that covers most of what the widget paints, or "transparent"
// where most of it lets the window's picture show through.
std::string paintedBackground(QWidget* widget) {
    // Rendered without the window behind it: what the control leaves
    // unpainted stays transparent.
    QImage image(widget->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            ++counts[qAlpha(p) == 0 ? 0 : p];
        }
    }
    if (counts.empty()) return "nothing";
    const auto most = std::max_element(counts.begin(), counts.end(),
                                       [](auto& a, auto& b) { return a.second < b.second; });
    return qAlpha(most->first) == 0 ? "transparent" : colourName(QColor::fromRgba(most->first));
}

std::string horizontalAlignment(Qt::Alignment a) {
    switch (a & Qt::AlignHorizontal_Mask) {
        case Qt::AlignLeft:
            return "left";
        case Qt::AlignHCenter:
            return "centred";
        case Qt::AlignRight:
            return "right";
        default:
            return "other";
    }
}

std::string alignmentOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return horizontalAlignment(label->alignment());
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        return horizontalAlignment(line->alignment());
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        return horizontalAlignment(edit->document()->defaultTextOption().alignment());
    }
    if (auto* list = qobject_cast<QListView*>(widget)) {
        // Rows without an alignment of their own are drawn on the left.
        if (list->model()->rowCount() == 0) return "left";
        const int own = list->model()->index(0, 0).data(Qt::TextAlignmentRole).toInt();
        return own == 0 ? "left" : horizontalAlignment(Qt::Alignment(own));
    }
    return "none";
}

std::string kindName(Kind kind) {
    switch (kind) {
        case Kind::Label:
            return "label";
        case Kind::LineBox:
            return "single-line text box";
        case Kind::MultiLineBox:
            return "multi-line text box";
        case Kind::List:
            return "list box";
        case Kind::Picture:
            return "picture";
    }
    return "?";
}

// The font a control of the program was asked to draw in; none for other widgets.
const forms::FontRequest* requestedFont(const QWidget* widget) {
    if (auto* label = qobject_cast<const forms::Label*>(widget)) return &label->labelStyle().font;
    if (auto* box = qobject_cast<const forms::TextBox*>(widget)) return &box->requestedFont();
    if (auto* box = qobject_cast<const forms::MultiLineTextBox*>(widget)) {
        return &box->requestedFont();
    }
    if (auto* list = qobject_cast<const forms::ListBox*>(widget)) return &list->requestedFont();
    return nullptr;
}

bool isControl(const QWidget* widget) {
    return requestedFont(widget) != nullptr || qobject_cast<const forms::Image*>(widget) != nullptr;
}

std::string kindOf(QWidget* widget) {
    if (qobject_cast<forms::Label*>(widget) != nullptr) return kindName(Kind::Label);
    if (qobject_cast<QLineEdit*>(widget) != nullptr) return kindName(Kind::LineBox);
    if (qobject_cast<QPlainTextEdit*>(widget) != nullptr) return kindName(Kind::MultiLineBox);
    if (qobject_cast<QListView*>(widget) != nullptr) return kindName(Kind::List);
    if (qobject_cast<QLabel*>(widget) != nullptr) return kindName(Kind::Picture);
    return widget->metaObject()->className();
}

std::string shownText(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text().toStdString();
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text().toStdString();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
        return edit->toPlainText().toStdString();
    }
    return {};
}

// Records each property that differs from the layout, naming window, state and control.
class Differences {
public:
    Differences(const WindowTable& window, State state, const char* control)
        : m_where(std::string(window.window) + " (" + stateName(state) + ") " + control) {}

    void compare(const char* property, std::string_view expected, std::string_view actual) {
        if (expected == actual) return;
        ADD_FAILURE() << m_where << ", " << property << ": expected " << expected << ", actual "
                      << actual;
    }
    void compareFlag(const char* property, bool expected, bool actual) {
        compare(property, expected ? "yes" : "no", actual ? "yes" : "no");
    }
    void fail(const std::string& what) { ADD_FAILURE() << m_where << ": " << what; }

private:
    std::string m_where;
};

void compareEdge(Differences& d, const char* property, int twips, int pixels) {
    if (toPixels(twips) == pixels) return;
    d.compare(
        property, std::to_string(twips) + " twips (" + std::to_string(toPixels(twips)) + " px)",
        std::to_string(pixels) + " px (" + std::to_string(pixels * kTwipsPerPixel) + " twips)");
}

void compareCaption(Differences& d, const Caption& caption, const std::string& shown) {
    switch (caption.match) {
        case Caption::Exact:
            d.compare("caption", text(caption.text), text(QString::fromStdString(shown)));
            break;
        case Caption::StartsWith:
            if (shown.rfind(caption.text, 0) != 0 ||
                shown.size() == std::string(caption.text).size()) {
                d.compare("caption", text(caption.text) + " followed by a text",
                          text(QString::fromStdString(shown)));
            }
            break;
        case Caption::AnyText:
            if (shown.empty()) d.compare("caption", "a text", "none");
            break;
        case Caption::Unchecked:
            break;
    }
}

void compareFont(Differences& d, const Look& look, QWidget* widget) {
    if (!look.font) return;
    const forms::FontRequest* request = requestedFont(widget);
    if (request == nullptr) {
        d.fail("is not a control of the program, so its font request cannot be read");
        return;
    }
    const forms::FontRequest& asked = *request;
    d.compare("font family asked for", text(look.font->family), text(asked.family));
    d.compareFlag("italic asked for", look.font->italic, asked.italic);
    const QFont font = widget->font();
    d.compare("font size", QString::number(look.font->points).toStdString() + " pt",
              QString::number(font.pointSizeF()).toStdString() + " pt");
    auto weight = [](int w) {
        return std::to_string(w) + (w == QFont::Bold     ? " (bold)"
                                    : w == QFont::Normal ? " (regular)"
                                                         : "");
    };
    d.compare("font weight", weight(look.font->bold ? QFont::Bold : QFont::Normal),
              weight(font.weight()));
    d.compareFlag("underlined", false, font.underline());
    d.compareFlag("struck through", false, font.strikeOut());
}

void compareColours(Differences& d, const Look& look, QWidget* widget) {
    if (look.kind == Kind::Picture) return;
    const QPalette palette = widget->palette();
    if (look.kind == Kind::Label) {
        const auto* label = qobject_cast<const forms::Label*>(widget);
        if (label == nullptr) {
            d.fail("is not a label of the program, so its stored look cannot be read");
            return;
        }
        const forms::LabelStyle& style = label->labelStyle();
        d.compare("text colour as stored", stored(look.fore), stored(style.foreColour));
        if (look.back) {
            d.compare("background colour as stored", stored(*look.back), stored(style.backColour));
        }
        d.compareFlag("transparent as stored", look.transparent, style.transparent);
        d.compare("text colour", colourName(onScreen(look.fore, widget)),
                  colourName(palette.color(widget->foregroundRole())));
    } else {
        d.compare("text colour", colourName(onScreen(look.fore, widget)),
                  colourName(palette.color(QPalette::Text)));
        d.compare("background colour", colourName(onScreen(*look.back, widget)),
                  colourName(palette.color(QPalette::Base)));
    }
    // What is painted: the background colour over most of the control, or
    // the window's picture through it.
    d.compare(
        "painted background",
        look.transparent ? std::string("transparent") : colourName(onScreen(*look.back, widget)),
        paintedBackground(widget));
}

// --- one row of the table: a control of a window in one state ---------------------------

struct Case {
    const WindowTable* window;
    const Route* route;
    const ControlRow* control;
};

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.window->window << " (" << stateName(c.route->state) << ") " << c.control->name;
}

std::vector<Case> everyControlInEveryState() {
    std::vector<Case> cases;
    for (const WindowTable* w : kWindows) {
        for (const Route& r : w->states) {
            for (const ControlRow& c : w->controls) cases.push_back({w, &r, &c});
        }
    }
    return cases;
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return std::string(info.param.window->window) + "_" + stateName(info.param.route->state) + "_" +
           info.param.control->name;
}

class Layout : public ProgramTest, public ::testing::WithParamInterface<Case> {};

TEST_P(Layout, ControlAsLaidOut) {
    const Case& c = GetParam();
    const ControlRow& row = *c.control;
    QWidget* window = reach(*c.window, *c.route);
    if (window == nullptr) return;
    auto* widget = window->findChild<QWidget*>(row.name);
    ASSERT_NE(widget, nullptr) << c.window->window << " (" << stateName(c.route->state)
                               << ") has no control " << row.name;
    Differences d(*c.window, c.route->state, row.name);

    const QRect r(widget->mapTo(window, QPoint(0, 0)), widget->size());
    compareEdge(d, "left", row.rect.left, r.x());
    compareEdge(d, "top", row.rect.top, r.y());
    compareEdge(d, "width", row.rect.width, r.width());
    compareEdge(d, "height", row.rect.height, r.height());

    d.compare("kind of control", kindName(row.look.kind), kindOf(widget));
    d.compareFlag("visible", (row.shownIn & in(c.route->state)) != 0, widget->isVisibleTo(window));
    d.compare("tool tip", text(row.toolTip), text(widget->toolTip()));
    const bool takesFocus = row.look.kind == Kind::LineBox || row.look.kind == Kind::MultiLineBox ||
                            row.look.kind == Kind::List;
    d.compareFlag("takes the keyboard focus", takesFocus,
                  takesFocus ? (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus
                             : widget->focusPolicy() != Qt::NoFocus);

    if (row.look.kind == Kind::Picture) {
        auto* label = qobject_cast<QLabel*>(widget);
        const QPixmap picture = label != nullptr ? label->pixmap() : QPixmap();
        d.compare(
            "picture size", "246 x 109 px",
            std::to_string(picture.width()) + " x " + std::to_string(picture.height()) + " px");
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(widget); label && row.look.kind == Kind::Label) {
        // A label keeps its size, wraps its caption inside it, draws no border
        // and shows the ordinary pointer.
        d.compareFlag("wraps at word boundaries", true, label->wordWrap());
        d.compareFlag("border", false, label->frameShape() != QFrame::NoFrame);
        d.compareFlag("arrow pointer", true, label->cursor().shape() == Qt::ArrowCursor);
    }
    compareCaption(d, row.caption, shownText(widget));
    compareFont(d, row.look, widget);
    compareColours(d, row.look, widget);
    d.compare("alignment", std::string(row.look.align == Align::Centre ? "centred" : "left"),
              alignmentOf(widget));
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, Layout, ::testing::ValuesIn(everyControlInEveryState()),
                         caseName);

// --- the windows themselves -------------------------------------------------------------

class WindowFrame : public ProgramTest, public ::testing::WithParamInterface<const WindowTable*> {};

std::string windowName(const ::testing::TestParamInfo<const WindowTable*>& info) {
    return info.param->window;
}

// Caption, client size and frame; and the window holds the controls of its
// table, no fewer and no more.
TEST_P(WindowFrame, CaptionSizeAndControlsAsLaidOut) {
    const WindowTable& table = *GetParam();
    QWidget* window = reach(table, table.states.front());
    if (window == nullptr) return;
    Differences d(table, table.states.front().state, "window");
    d.compare("caption", text(table.caption), text(window->windowTitle()));
    compareEdge(d, "client width", table.width, window->width());
    compareEdge(d, "client height", table.height, window->height());
    d.compareFlag("frameless", true, window->windowFlags().testFlag(Qt::FramelessWindowHint));

    std::set<std::string> laidOut;
    for (const ControlRow& row : table.controls) laidOut.insert(row.name);
    std::set<std::string> present;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (isControl(child)) present.insert(child->objectName().toStdString());
    }
    auto list = [](const std::set<std::string>& names) {
        std::string all;
        for (const std::string& n : names) all += (all.empty() ? "" : " ") + n;
        return all;
    };
    d.compare("controls", list(laidOut), list(present));
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowFrame, ::testing::ValuesIn(kWindows), windowName);

// --- tab order ----------------------------------------------------------------------------

class TabOrder : public ProgramTest, public ::testing::WithParamInterface<const WindowTable*> {};

// The control that holds the focus: the focus may sit on a part of it.
std::string focusedControl(QWidget* window) {
    for (QWidget* w = window->focusWidget(); w != nullptr && w != window; w = w->parentWidget()) {
        if (isControl(w)) return w->objectName().toStdString();
    }
    return "nothing";
}

// From the first box in tab order, Tab visits the boxes and the list in their
// order and comes back round to the first.
TEST_P(TabOrder, TabGoesThroughTheBoxesAndTheListInOrder) {
    const WindowTable& table = *GetParam();
    const Route& working = table.states.back();
    QWidget* window = reach(table, working);
    if (window == nullptr) return;

    std::vector<const ControlRow*> chain;
    for (const ControlRow& row : table.controls) {
        if (row.tab >= 0) chain.push_back(&row);
    }
    std::sort(chain.begin(), chain.end(), [](auto* a, auto* b) { return a->tab < b->tab; });
    ASSERT_FALSE(chain.empty());

    std::string expected = chain.front()->name;
    for (std::size_t i = 1; i <= chain.size(); ++i) {
        expected += std::string(" > ") + chain[i % chain.size()]->name;
    }
    window->findChild<QWidget*>(chain.front()->name)->setFocus(Qt::TabFocusReason);
    std::string actual = focusedControl(window);
    for (std::size_t i = 0; i < chain.size() && window->focusWidget() != nullptr; ++i) {
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
        actual += " > " + focusedControl(window);
    }
    Differences(table, working.state, "boxes and list").compare("tab order", expected, actual);
}

INSTANTIATE_TEST_SUITE_P(DictionaryWindows, TabOrder,
                         ::testing::Values(&kOxford, &kComputer, &kHardware, &kBangladesh,
                                           &kInternational),
                         windowName);

}  // namespace
