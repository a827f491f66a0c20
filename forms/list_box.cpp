#include "forms/list_box.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

#include "text/windows_1252.h"

namespace forms {

namespace {

// A single-selection list whose selection the user moves and never clears:
// a left click on a row selects it, Ctrl or not; keys that move the current
// row select the row they reach; Space selects nothing and clears nothing; the
// right and middle buttons leave both the selection and the current row alone.
class SelectionList : public QListWidget {
public:
    using QListWidget::QListWidget;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override {
        constexpr auto kSelect = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
        if (event == nullptr) return QListWidget::selectionCommand(index, event);
        switch (event->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonDblClick:
                return index.isValid() &&
                               static_cast<const QMouseEvent*>(event)->button() == Qt::LeftButton
                           ? kSelect
                           : QItemSelectionModel::NoUpdate;
            case QEvent::MouseMove:  // the left button held, dragged over the rows
                return index.isValid() &&
                               (static_cast<const QMouseEvent*>(event)->buttons() & Qt::LeftButton)
                           ? kSelect
                           : QItemSelectionModel::NoUpdate;
            case QEvent::KeyPress: {
                const int key = static_cast<const QKeyEvent*>(event)->key();
                if (key == Qt::Key_Space || key == Qt::Key_Select || !index.isValid()) {
                    return QItemSelectionModel::NoUpdate;
                }
                return kSelect;
            }
            default:
                return QItemSelectionModel::NoUpdate;
        }
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (leftButtonOnly(event)) QListWidget::mousePressEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (leftButtonOnly(event)) QListWidget::mouseReleaseEvent(event);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (leftButtonOnly(event)) QListWidget::mouseDoubleClickEvent(event);
    }

private:
    // Other buttons are taken here, so that they neither reach the list's rows
    // nor pass to the window behind (where a press would move the window).
    static bool leftButtonOnly(QMouseEvent* event) {
        if (event->button() == Qt::LeftButton) return true;
        event->accept();
        return false;
    }
};

}  // namespace

ListBox::ListBox(QWidget* parent, const QString& name)
    : Control(new SelectionList(parent), name), m_list(static_cast<QListWidget*>(widget())) {
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSortingEnabled(false);
    m_list->setUniformItemSizes(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setTextElideMode(Qt::ElideNone);
    QObject::connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, m_list,
                     [this] { selectionMoved(); });
    QObject::connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, m_list,
                     [this] { selectionMoved(); });
}

void ListBox::setFont(const FontRequest& font) {
    keepRequestedFont(font);
    m_list->setFont(resolveFont(font).font);
}

void ListBox::addItem(const QString& text) {
    m_rows.push_back(text);
    m_list->addItem(text);
}

QString ListBox::list(int row) const {
    if (row < 0 || row >= listCount()) return {};
    return m_rows[static_cast<std::size_t>(row)];
}

std::int16_t ListBox::listIndex() const {
    const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return -1;
    return static_cast<std::int16_t>(selected.front().row());
}

void ListBox::setListIndex(std::int16_t index) {
    m_settingIndex = true;
    if (index >= 0 && index < listCount()) {
        m_list->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
        m_list->scrollToItem(m_list->item(index));
    } else {
        m_list->clearSelection();
        m_list->setCurrentIndex(QModelIndex());
    }
    m_settingIndex = false;
    raiseClick();
}

QString ListBox::text() const {
    return list(listIndex());
}

int ListBox::findString(QStringView prefix) const {
    if (prefix.isEmpty() || !text::isWindows1252(prefix)) return -1;
    for (std::size_t row = 0; row < m_rows.size(); ++row) {
        if (QStringView(m_rows[row]).startsWith(prefix, Qt::CaseInsensitive)) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

void ListBox::selectionMoved() {
    // The user moved the selection (mouse or keys). Qt reports a move as a
    // change of the current row and of the selection; raise Click once.
    if (m_settingIndex) return;
    if (listIndex() != m_reported) raiseClick();
}

void ListBox::raiseClick() {
    m_reported = listIndex();
    if (auto handler = Click) handler();
}

}  // namespace forms
