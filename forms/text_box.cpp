#include "forms/text_box.h"

#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <limits>

#include "bangla/bangla.h"

namespace forms {

namespace {

// Takes plain text only, from any paste: Ctrl+V, Shift+Insert, a middle click,
// a drop. Qt's own insertion crashes on X11 when nobody owns the primary
// selection (a middle click on a desktop where nothing was selected yet), and
// the boxes show plain text anyway.
class PlainTextEditor : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override {
        return source != nullptr && source->hasText();
    }

    void insertFromMimeData(const QMimeData* source) override {
        if (source == nullptr || !source->hasText()) return;
        const QString text = source->text();
        if (!text.isEmpty()) insertPlainText(text);
    }

    // Qt's editor leaves the presses of other buttons than the left to the
    // window behind, where they would start a window drag, and the middle
    // button's release (the paste) would then never come back here.
    void mousePressEvent(QMouseEvent* event) override {
        QPlainTextEdit::mousePressEvent(event);
        event->accept();
    }
};

QWidget* makeEditor(QWidget* parent, bool multiLine, ScrollBars scrollBars) {
    if (!multiLine) {
        auto* line = new QLineEdit(parent);
        line->setMaxLength(std::numeric_limits<int>::max());
        return line;
    }
    auto* edit = new PlainTextEditor(parent);
    edit->setTabChangesFocus(true);
    edit->setLineWrapMode(scrollBars == ScrollBars::Horizontal ? QPlainTextEdit::NoWrap
                                                               : QPlainTextEdit::WidgetWidth);
    edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    edit->setHorizontalScrollBarPolicy(
        scrollBars == ScrollBars::Horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(scrollBars == ScrollBars::Vertical ? Qt::ScrollBarAlwaysOn
                                                                        : Qt::ScrollBarAlwaysOff);
    return edit;
}

}  // namespace

TextBox::TextBox(QWidget* parent, const QString& name, bool multiLine, ScrollBars scrollBars)
    : Control(makeEditor(parent, multiLine, scrollBars), name) {
    if (multiLine) {
        m_multi = static_cast<QPlainTextEdit*>(widget());
        QObject::connect(m_multi, &QPlainTextEdit::textChanged, m_multi, [this] {
            if (!m_settingText) userEdited();
        });
    } else {
        m_line = static_cast<QLineEdit*>(widget());
        QObject::connect(m_line, &QLineEdit::textEdited, m_line, [this] { userEdited(); });
    }
}

void TextBox::setFont(const FontRequest& font) {
    keepRequestedFont(font);
    const ResolvedFont resolved = resolveFont(font);
    widget()->setFont(resolved.font);
    if (resolved.legacyBengali != m_legacyBengali) {
        m_legacyBengali = resolved.legacyBengali;
        setDisplayed(m_legacyBengali ? bangla::toUnicode(m_text) : m_text);
    }
}

void TextBox::setText(const QString& text) {
    m_text = text;
    setDisplayed(m_legacyBengali ? bangla::toUnicode(text) : text);
}

QString TextBox::displayedText() const {
    return m_line != nullptr ? m_line->text() : m_multi->toPlainText();
}

void TextBox::setDisplayed(const QString& shown) {
    m_settingText = true;
    if (m_line != nullptr) {
        m_line->setText(shown);
        m_line->setCursorPosition(0);
    } else {
        m_multi->setPlainText(shown);
    }
    m_settingText = false;
}

void TextBox::userEdited() {
    const QString shown = displayedText();
    m_text = m_legacyBengali ? bangla::toLayout(shown) : shown;
    if (auto handler = Change) handler();
}

}  // namespace forms
