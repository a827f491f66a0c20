#pragma once

#include <functional>

#include "forms/control.h"
#include "forms/fonts.h"

class QLineEdit;
class QPlainTextEdit;

namespace forms {

enum class ScrollBars { None, Horizontal, Vertical };

// An editable text box, single-line or multi-line. It raises Change on every
// change of its text that the user makes; text the program sets raises nothing.
//
// A box whose font is a legacy 8-bit Bengali font that is not installed keeps
// its text exactly as the program set it, and shows it converted to Unicode
// Bengali in a Unicode Bengali font; what the user types there becomes the
// text converted back to the layout.
class TextBox : public Control {
public:
    TextBox(QWidget* parent, const QString& name, bool multiLine = false,
            ScrollBars scrollBars = ScrollBars::None);

    void setText(const QString& text);
    QString text() const { return m_text; }

    // What the box shows, which differs from text() only for a converted font.
    QString displayedText() const;

    void setFont(const FontRequest& font);
    bool convertsForDisplay() const { return m_legacyBengali; }

    std::function<void()> Change;

private:
    void userEdited();
    void setDisplayed(const QString& shown);

    QLineEdit* m_line = nullptr;
    QPlainTextEdit* m_multi = nullptr;
    QString m_text;
    bool m_legacyBengali = false;
    bool m_settingText = false;
};

}  // namespace forms
