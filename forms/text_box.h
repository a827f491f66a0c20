#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>

#include "forms/fonts.h"

namespace forms {

// A single-line text box, without a limit on the length of its text. The
// user's changes are QLineEdit's textEdited(); text the program sets emits
// nothing.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    TextBox(QWidget* parent, const QString& name);

    // Sets the text as QLineEdit::setText() does, but shows it from its
    // start, as a box the program fills is read; setText() leaves the cursor
    // at the end and the end in view.
    void showText(const QString& text);

    // Sets the font as a layout asks for it; Qt may draw a stand-in family.
    void setRequestedFont(const FontRequest& font);
    const FontRequest& requestedFont() const { return m_requestedFont; }

private:
    FontRequest m_requestedFont;
};

enum class ScrollBars { Horizontal, Vertical };

// A multi-line text box with one scroll bar: horizontal, and then its lines
// run on to the right, or vertical, and then they wrap at the box's width. It
// emits textEdited() on every change of its text that the user makes; text the
// program sets emits nothing. A paste takes the text of what is pasted and
// nothing else.
//
// Where its font is a legacy 8-bit Bengali font that is not installed, the box
// keeps its text exactly as the program set it, and shows it converted to
// Unicode Bengali in a Unicode Bengali font; what the user types there becomes
// the text converted back to the layout.
class MultiLineTextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    MultiLineTextBox(QWidget* parent, const QString& name, ScrollBars scrollBars);

    void setText(const QString& text);
    QString text() const { return m_text; }

    void setRequestedFont(const FontRequest& font);
    const FontRequest& requestedFont() const { return m_requestedFont; }
    // Whether what the box shows is its text converted to Unicode Bengali.
    bool convertsForDisplay() const { return m_legacyBengali; }

signals:
    void textEdited();

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void display(const QString& text);
    void userEdited();

    QString m_text;
    FontRequest m_requestedFont;
    bool m_legacyBengali = false;
    bool m_settingText = false;
};

}  // namespace forms
