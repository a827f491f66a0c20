#include "forms/text_box.h"

#include <QMimeData>
#include <QMouseEvent>
#include <limits>

#include "bangla/bangla.h"

namespace forms {

TextBox::TextBox(QWidget* parent, const QString& name) : QLineEdit(parent) {
    setObjectName(name);
    setMaxLength(std::numeric_limits<int>::max());
}

void TextBox::showText(const QString& text) {
    QLineEdit::setText(text);
    setCursorPosition(0);
}

void TextBox::setRequestedFont(const FontRequest& font) {
    m_requestedFont = font;
    setFont(resolveFont(font).font);
}

MultiLineTextBox::MultiLineTextBox(QWidget* parent, const QString& name, ScrollBars scrollBars)
    : QPlainTextEdit(parent) {
    setObjectName(name);
    setTabChangesFocus(true);
    const bool horizontal = scrollBars == ScrollBars::Horizontal;
    setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_settingText) userEdited();
    });
}

void MultiLineTextBox::setText(const QString& text) {
    m_text = text;
    display(text);
}

void MultiLineTextBox::setRequestedFont(const FontRequest& font) {
    m_requestedFont = font;
    const ResolvedFont resolved = resolveFont(font);
    setFont(resolved.font);
    if (resolved.legacyBengali != m_legacyBengali) {
        m_legacyBengali = resolved.legacyBengali;
        display(m_text);
    }
}

void MultiLineTextBox::display(const QString& text) {
    m_settingText = true;
    setPlainText(m_legacyBengali ? bangla::toUnicode(text) : text);
    m_settingText = false;
}

void MultiLineTextBox::userEdited() {
    const QString shown = toPlainText();
    m_text = m_legacyBengali ? bangla::toLayout(shown) : shown;
    emit textEdited();
}

// Qt's own insertion crashes on X11 when nobody owns the primary selection (a
// middle click on a desktop where nothing was selected yet), and the box shows
// plain text anyway: it takes the text of any paste (Ctrl+V, Shift+Insert, a
// middle click, a drop), or nothing.
bool MultiLineTextBox::canInsertFromMimeData(const QMimeData* source) const {
    return source != nullptr && source->hasText();
}

void MultiLineTextBox::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText()) return;
    const QString text = source->text();
    if (!text.isEmpty()) insertPlainText(text);
}

// Qt's editor leaves the presses of other buttons than the left to the window
// behind, where they would start a window drag, and the middle button's
// release (the paste) would then never come back here.
void MultiLineTextBox::mousePressEvent(QMouseEvent* event) {
    QPlainTextEdit::mousePressEvent(event);
    event->accept();
}

}  // namespace forms
