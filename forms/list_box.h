#pragma once

#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <functional>
#include <vector>

#include "forms/control.h"
#include "forms/fonts.h"

class QListWidget;

namespace forms {

// A single-column list with single selection that keeps its rows in the order
// they were added. It raises Click on every change of its selection, by mouse,
// by keys, or by the program setting listIndex (then also when the row is the
// one already selected); adding rows raises nothing.
class ListBox : public Control {
public:
    ListBox(QWidget* parent, const QString& name);

    void addItem(const QString& text);
    int listCount() const { return static_cast<int>(m_rows.size()); }
    QString list(int row) const;

    // The selected row, -1 for none.
    std::int16_t listIndex() const;
    // Selects a row and scrolls it into view; any value outside the rows
    // clears the selection.
    void setListIndex(std::int16_t index);

    // The selected row's text; empty without a selection.
    QString text() const;

    // The first row from the top whose text begins with `prefix`, letters
    // compared without regard to case; -1 when none does. Like the platform
    // list it stands in for, it only matches text the Windows-1252 code page
    // can hold, and an empty prefix matches nothing.
    int findString(QStringView prefix) const;

    void setFont(const FontRequest& font);

    std::function<void()> Click;

private:
    void selectionMoved();
    void raiseClick();

    QListWidget* m_list;
    std::vector<QString> m_rows;
    std::int16_t m_reported = -1;
    bool m_settingIndex = false;
};

}  // namespace forms
