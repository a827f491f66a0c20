// The pictures the user sees: each window's background and icon, and the
// copyright notice in each language, against the picture files in the source
// tree, read here with Qt's own image readers.
//
// The windows are reached by clicks from the home screen, as a user reaches
// them. A window's picture is drawn unscaled from its top left, so the window
// shows the top-left part of its file, as large as the window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QRegion>
#include <ostream>
#include <string>
#include <vector>

#include "program_fixture.h"

namespace {

QString sourceFile(const QString& relative) {
    return QStringLiteral(ORVANTA_SOURCE_DIR "/") + relative;
}

QImage readImage(const QString& relative) {
    QImage image(sourceFile(relative));
    EXPECT_FALSE(image.isNull()) << "cannot read " << qPrintable(relative);
    return image.convertToFormat(QImage::Format_ARGB32);
}

// What a widget and its controls put on the screen, one image pixel to a
// window pixel.
QImage rendered(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    widget.render(&image);
    return image;
}

// The pixels of `actual` inside `area` but outside `skip` that are not those
// of `expected` at the same place (both from the top left), as a message; an
// empty message when every pixel agrees. The files go through the same image
// readers as the program's own copies of them, so the pixels agree exactly.
std::string differences(const QImage& actual, const QImage& expected, const QRect& area,
                        const QRegion& skip = {}) {
    if (!QRect(QPoint(0, 0), expected.size()).contains(area)) {
        return "the picture (" + std::to_string(expected.width()) + " x " +
               std::to_string(expected.height()) + " px) does not cover the area";
    }
    long compared = 0;
    long differing = 0;
    QPoint first;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (skip.contains(QPoint(x, y))) continue;
            ++compared;
            if (actual.pixel(x, y) != expected.pixel(x, y) && differing++ == 0) {
                first = QPoint(x, y);
            }
        }
    }
    if (compared == 0) return "no pixel left to compare";
    if (differing == 0) return {};
    return std::to_string(differing) + " of " + std::to_string(compared) +
           " pixels differ, the first at (" + std::to_string(first.x()) + ", " +
           std::to_string(first.y()) + ")";
}

long pixelCount(const QRegion& region) {
    long count = 0;
    for (const QRect& r : region) count += long(r.width()) * r.height();
    return count;
}

// --- reaching a window -----------------------------------------------------------

struct Click {
    const char* window;
    const char* control;
};

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
    ASSERT_NE(control, nullptr) << c.window << " has no " << c.control;
    ui::click(*control);
    ui::settle();
}

// Follows the clicks from the home screen; the window, or nullptr with a failure.
QWidget* reach(const char* name, const std::vector<Click>& clicks) {
    for (const Click& c : clicks) {
        clickOn(c);
        if (::testing::Test::HasFatalFailure()) return nullptr;
    }
    QWidget* window = shownWindow(name);
    EXPECT_NE(window, nullptr) << name << " is not on the screen";
    return window;
}

// --- backgrounds and icons ---------------------------------------------------------

struct WindowCase {
    const char* name;  // the state it is seen in, for the test's name
    const char* window;
    std::vector<Click> clicks;
    const char* background;  // under assets/backgrounds/
    const char* icon;        // under assets/icons/
};

const Click kHelp{"Form1", "Label7"};

// Each window's picture carries its own caption in its painted title bar; the
// icons show a book (the dictionary and its lock), a question mark (the help
// menu and the contact page), a copyright sign and an "i" (about).
const WindowCase kWindowCases[] = {
    {"HomeScreen", "Form1", {}, "form1.jpg", "a.ico"},
    {"Oxford", "Form1", {{"Form1", "Label1"}}, "form1.jpg", "a.ico"},
    {"Computer", "Form2", {{"Form1", "Label2"}}, "form2.jpg", "a.ico"},
    {"Hardware", "Form3", {{"Form1", "Label3"}}, "form3.jpg", "a.ico"},
    {"Bangladesh", "Form4", {{"Form1", "Label4"}}, "form4.jpg", "a.ico"},
    {"International", "Form5", {{"Form1", "Label5"}}, "form5.jpg", "a.ico"},
    {"HelpMenu", "Form6", {kHelp}, "form6.jpg", "b.ico"},
    {"Contact", "Form7", {kHelp, {"Form6", "Label1"}}, "form7.jpg", "b.ico"},
    {"Copyright", "Form8", {kHelp, {"Form6", "Label2"}}, "form8.jpg", "c.ico"},
    {"About", "Form9", {kHelp, {"Form6", "Label3"}}, "form9.jpg", "d.ico"},
    {"Lock", "Form10", {{"Form1", "Label10"}}, "form10.jpg", "a.ico"},
    {"LockFromComputer",
     "Form10",
     {{"Form1", "Label2"}, {"Form2", "Label10"}},
     "form10.jpg",
     "a.ico"},
};

void PrintTo(const WindowCase& c, std::ostream* os) {
    *os << c.window << " (" << c.name << ")";
}

class WindowPictures : public ProgramTest, public ::testing::WithParamInterface<WindowCase> {};

// Wherever no control stands, the window shows its own picture.
TEST_P(WindowPictures, BackgroundIsTheWindowsOwnPicture) {
    const WindowCase& c = GetParam();
    QWidget* window = reach(c.window, c.clicks);
    if (window == nullptr) return;
    QRegion controls;
    for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) controls += child->geometry();
    }
    const QRect whole = window->rect();
    ASSERT_LT(pixelCount(controls.intersected(whole)), pixelCount(whole) / 2)
        << "most of the window is to be compared";
    const std::string found = differences(
        rendered(*window), readImage(QStringLiteral("assets/backgrounds/") + c.background), whole,
        controls);
    EXPECT_EQ(found, "") << c.window << " against assets/backgrounds/" << c.background;
}

// The icon holds the images of the window's own .ico file, at their sizes.
TEST_P(WindowPictures, IconIsTheWindowsOwnIcon) {
    const WindowCase& c = GetParam();
    QWidget* window = reach(c.window, c.clicks);
    if (window == nullptr) return;
    const QIcon icon = window->windowIcon();
    ASSERT_FALSE(icon.isNull()) << c.window << " has no icon";
    const QString file = QStringLiteral("assets/icons/") + c.icon;
    QImageReader reader(sourceFile(file));
    int images = 0;
    do {
        const QImage expected = reader.read().convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(expected.isNull()) << "cannot read " << qPrintable(file);
        ++images;
        const QImage actual =
            icon.pixmap(expected.size(), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(actual.size(), expected.size()) << c.window;
        EXPECT_EQ(differences(actual, expected, expected.rect()), "")
            << c.window << " against " << qPrintable(file) << " at " << expected.width() << " x "
            << expected.height() << " px";
    } while (reader.jumpToNextImage());
    EXPECT_GT(images, 0);
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowPictures, ::testing::ValuesIn(kWindowCases),
                         [](const auto& info) { return std::string(info.param.name); });

// --- the copyright notice ------------------------------------------------------------

struct NoticeCase {
    const char* name;
    std::vector<const char*> buttons;  // language buttons clicked, in order
    const char* picture;               // under assets/copyright/
};

const NoticeCase kNoticeCases[] = {
    {"AtFirst", {}, "english.jpg"},
    {"English", {"Label3"}, "english.jpg"},
    {"Chinese", {"Label4"}, "chinese.jpg"},
    {"Bengali", {"Label5"}, "bengali.jpg"},
    {"ChineseThenEnglish", {"Label4", "Label3"}, "english.jpg"},
    {"BengaliThenChinese", {"Label5", "Label4"}, "chinese.jpg"},
    {"ChineseThenBengali", {"Label4", "Label5"}, "bengali.jpg"},
};

void PrintTo(const NoticeCase& c, std::ostream* os) {
    *os << c.name;
}

class CopyrightNotice : public ProgramTest, public ::testing::WithParamInterface<NoticeCase> {};

// One picture control shows, holding the notice of the language chosen last,
// and the window shows that notice where the control stands.
TEST_P(CopyrightNotice, LanguageButtonShowsItsOwnNotice) {
    const NoticeCase& c = GetParam();
    QWidget* window = reach("Form8", {kHelp, {"Form6", "Label2"}});
    if (window == nullptr) return;
    for (const char* button : c.buttons) {
        clickOn({"Form8", button});
        if (HasFatalFailure()) return;
    }
    std::vector<QLabel*> shown;
    for (const char* name : {"Image1", "Image2", "Image3"}) {
        auto* picture = window->findChild<QLabel*>(name);
        ASSERT_NE(picture, nullptr) << name;
        if (picture->isVisible()) shown.push_back(picture);
    }
    ASSERT_EQ(shown.size(), 1u) << "one notice at a time";
    QLabel& picture = *shown.front();
    const QString file = QStringLiteral("assets/copyright/") + c.picture;
    const QImage expected = readImage(file);
    const QImage held = picture.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(held.size(), expected.size()) << qPrintable(picture.objectName());
    EXPECT_EQ(differences(held, expected, expected.rect()), "")
        << picture.objectName().toStdString() << " holds another picture than " << c.picture;

    // On the screen: the window's pixels where the control stands.
    const QRect at = picture.geometry().intersected(QRect(picture.pos(), expected.size()));
    const QImage onScreen = rendered(*window).copy(at);
    EXPECT_EQ(differences(onScreen, expected, QRect(QPoint(0, 0), at.size())), "")
        << "the window shows another notice than " << c.picture;
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, CopyrightNotice, ::testing::ValuesIn(kNoticeCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
