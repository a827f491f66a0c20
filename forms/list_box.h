#pragma once

#include <QListView>
#include <QStringView>

#include "forms/fonts.h"

namespace forms {

class ListRows;

// A single-column list with single selection that keeps its rows in the order
// they were added. It emits selectionSet() on every change of its selection,
// by mouse, by keys, or by the program setting listIndex (then also when the
// row is the one already selected); adding rows emits nothing.
//
// The user moves the selection and never clears it: a left click on a row
// selects it, Ctrl or not; keys that move the current row select the row they
// reach; Space selects and clears nothing; the right and middle buttons leave
// both the selection and the current row alone.
class ListBox : public QListView {
    Q_OBJECT

public:
    ListBox(QWidget* parent, const QString& name);

    void addItem(const QString& text);
    int listCount() const;
    // The text of a row; empty for a number outside the rows.
    QString list(int row) const;

    // The selected row, -1 for none.
    int listIndex() const;
    // Selects a row and scrolls it into view; any value outside the rows
    // clears the selection.
    void setListIndex(int index);

    // The selected row's text; empty without a selection.
    QString text() const;

    // The first row from the top whose text begins with `prefix`, letters
    // compared without regard to case; -1 when none does. Like the platform
    // list it stands in for, it only matches text the Windows-1252 code page
    // can hold, and an empty prefix matches nothing.
    int findString(QStringView prefix) const;

    // Sets the font as a layout asks for it; Qt may draw a stand-in family.
    void setRequestedFont(const FontRequest& font);
    const FontRequest& requestedFont() const { return m_requestedFont; }

signals:
    void selectionSet();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void selectionMoved();
    void emitSelectionSet();

    ListRows* m_rows;  // the model, owned as a Qt child
    FontRequest m_requestedFont;
    int m_reported = -1;
    bool m_settingIndex = false;
};

}  // namespace forms
