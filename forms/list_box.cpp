#include "forms/list_box.h"

#include <QAbstractListModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <vector>

#include "text/windows_1252.h"

namespace forms {

// The rows of a list, in the order they were added: the one place they are
// kept, which the view draws and the search reads.
class ListRows : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
        return m_rows[static_cast<std::size_t>(index.row())];
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        if (!index.isValid()) return Qt::NoItemFlags;
        return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    }

    void append(const QString& text) {
        const int row = rowCount();
        beginInsertRows({}, row, row);
        m_rows.push_back(text);
        endInsertRows();
    }

    const std::vector<QString>& rows() const { return m_rows; }

private:
    std::vector<QString> m_rows;
};

ListBox::ListBox(QWidget* parent, const QString& name)
    : QListView(parent), m_rows(new ListRows(this)) {
    setObjectName(name);
    setModel(m_rows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextElideMode(Qt::ElideNone);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ListBox::selectionMoved);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &ListBox::selectionMoved);
}

void ListBox::setRequestedFont(const FontRequest& font) {
    m_requestedFont = font;
    setFont(resolveFont(font).font);
}

void ListBox::addItem(const QString& text) {
    m_rows->append(text);
}

int ListBox::listCount() const {
    return m_rows->rowCount();
}

QString ListBox::list(int row) const {
    if (row < 0 || row >= listCount()) return {};
    return m_rows->rows()[static_cast<std::size_t>(row)];
}

int ListBox::listIndex() const {
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty()) return -1;
    return selected.front().row();
}

void ListBox::setListIndex(int index) {
    m_settingIndex = true;
    if (index >= 0 && index < listCount()) {
        const QModelIndex row = m_rows->index(index);
        selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
        scrollTo(row);
    } else {
        clearSelection();
        setCurrentIndex(QModelIndex());
    }
    m_settingIndex = false;
    emitSelectionSet();
}

QString ListBox::text() const {
    return list(listIndex());
}

int ListBox::findString(QStringView prefix) const {
    if (prefix.isEmpty() || !text::isWindows1252(prefix)) return -1;
    const std::vector<QString>& rows = m_rows->rows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (QStringView(rows[row]).startsWith(prefix, Qt::CaseInsensitive)) {
            return static_cast<int>(row);
        }
    }
    return -1;
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
    constexpr auto kSelect = QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    if (event == nullptr) return QListView::selectionCommand(index, event);
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

namespace {

// Other buttons than the left are taken here, so that they neither reach the
// rows nor pass to the window behind (where a press would move the window).
bool leftButtonOnly(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) return true;
    event->accept();
    return false;
}

}  // namespace

void ListBox::mousePressEvent(QMouseEvent* event) {
    if (leftButtonOnly(event)) QListView::mousePressEvent(event);
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (leftButtonOnly(event)) QListView::mouseReleaseEvent(event);
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (leftButtonOnly(event)) QListView::mouseDoubleClickEvent(event);
}

void ListBox::selectionMoved() {
    // The user moved the selection (mouse or keys). Qt reports a move as a
    // change of the current row and of the selection; emit once.
    if (m_settingIndex) return;
    if (listIndex() != m_reported) emitSelectionSet();
}

void ListBox::emitSelectionSet() {
    m_reported = listIndex();
    emit selectionSet();
}

}  // namespace forms
