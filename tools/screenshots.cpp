// Renders every window in each of its states to PNG files, on the offscreen
// platform: screenshots [output folder].
#include <QApplication>
#include <QDir>
#include <QTest>
#include <cstdio>
#include <string>

#include "shell/application.h"
#include "shell/program.h"
#include "tests/support/stepped_clock.h"

namespace {

QString outDir;

void save(QWidget& window, const char* name) {
    QCoreApplication::processEvents();
    const QString path = QDir(outDir).filePath(QString(name) + ".png");
    if (!window.grab().save(path)) std::fprintf(stderr, "could not write %s\n", qPrintable(path));
}

void click(forms::Label& label) {
    QTest::mouseClick(&label, Qt::LeftButton, {}, label.rect().center());
}

void type(forms::TextBox& box, const char* text) {
    QTest::keyClicks(&box, text);
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    shell::setUpApplication();
    outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(outDir);

    // A fixed moment, so that the lock window's pictures are the same each run.
    support::SteppedClock clock(QDateTime(QDate(2026, 12, 10), QTime(13, 5, 9)));
    shell::Program program(clock);
    program.start();
    save(program.oxfordWindow().get(), "form1_home");
    click(program.oxfordWindow().get().dictionaryButton(1));
    save(program.oxfordWindow().get(), "form1_oxford");
    type(program.oxfordWindow().get().searchBox, "TESOL");
    save(program.oxfordWindow().get(), "form1_search");

    const char* searches[] = {"", "ASCII", "CCITT", "BARD", "UNESCO"};
    const char* names[] = {"", "form2_computer", "form3_hardware", "form4_bangladesh",
                           "form5_international"};
    for (int n = 2; n <= 5; ++n) {
        auto& current = program.oxfordWindow().exists() ? program.oxfordWindow().get()
                                                        : program.dictionaryWindow(n - 1).get();
        click(current.dictionaryButton(n));
        auto& window = program.dictionaryWindow(n).get();
        save(window, (std::string(names[n - 1]) + "_empty").c_str());
        type(window.searchBox, searches[n - 1]);
        save(window, names[n - 1]);
    }
    auto& form5 = program.dictionaryWindow(5).get();
    click(form5.helpButton);
    save(program.helpMenu.get(), "form6_help_menu");
    click(program.helpMenu.get().helpButton);
    save(program.contactWindow.get(), "form7_contact");
    click(form5.helpButton);
    click(program.helpMenu.get().copyrightButton);
    save(program.copyrightWindow.get(), "form8_copyright_english");
    click(program.copyrightWindow.get().chineseButton);
    save(program.copyrightWindow.get(), "form8_copyright_chinese");
    click(program.copyrightWindow.get().bengaliButton);
    save(program.copyrightWindow.get(), "form8_copyright_bengali");
    click(form5.helpButton);
    click(program.helpMenu.get().aboutButton);
    save(program.aboutWindow.get(), "form9_about");

    click(form5.lockLabel);
    save(program.lockWindow.get(), "form10_lock_first");
    clock.advance(100);
    save(program.lockWindow.get(), "form10_lock");
    std::printf("screenshots written to %s\n", qPrintable(outDir));
    return 0;
}
