#include "diary/store/CursorModel.h"

#include "common/AppError.h"
#include "diary/store/TableCursor.h"

#include <QItemSelectionModel>
#include <QScopedValueRollback>

// Column c of the model is column c + 1 of the table: the key is not shown.

CursorModel::CursorModel(TableCursor& cursor, QObject* parent)
    : QAbstractTableModel(parent)
    , m_cursor(cursor)
{
    connect(&m_cursor, &TableCursor::rowsAboutToChange, this, &CursorModel::beginResetModel);
    connect(&m_cursor, &TableCursor::rowsChanged, this, &CursorModel::endResetModel);
    connect(&m_cursor, &TableCursor::rowChanged, this,
        [this](int row) { emit dataChanged(index(row, 0), index(row, columnCount() - 1)); });
    connect(&m_cursor, &TableCursor::currentRowChanged, this, &CursorModel::followCursor);
}

void CursorModel::bindSelection(QItemSelectionModel* selection)
{
    Q_ASSERT(selection->model() == this);
    m_selection = selection;
    connect(selection, &QItemSelectionModel::currentChanged, this, &CursorModel::selectionMoved);
    showCursorRow();
}

int CursorModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cursor.shownRowCount();
}

int CursorModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_cursor.layout().columns.size()) - 1;
}

QVariant CursorModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    try {
        return m_cursor.value(index.row(), index.column() + 1);
    } catch (const AppError&) {
        return {}; // a failed read shows an empty cell rather than unwinding through the view
    }
}

QVariant CursorModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return {};
    return m_cursor.layout().columns.at(section + 1).label;
}

Qt::ItemFlags CursorModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool CursorModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) || role != Qt::EditRole)
        return false;
    return guarded([&] {
        return m_cursor.moveTo(index.row()) && m_cursor.edit() && m_cursor.setField(index.column() + 1, value);
    });
}

bool CursorModel::guarded(const std::function<bool()>& step)
{
    if (!m_report)
        return step();
    try {
        return step();
    } catch (const AppError& failure) {
        m_report(failure.message());
        return false;
    }
}

void CursorModel::selectionMoved(const QModelIndex& current)
{
    if (current.isValid())
        m_column = current.column();
    if (!current.isValid() || current.row() == m_cursor.currentRow())
        return;
    QScopedValueRollback following(m_following, true);
    if (!guarded([&] { return m_cursor.moveTo(current.row()); }))
        followCursor();
}

void CursorModel::showCursorRow()
{
    if (!m_selection)
        return;
    const int row = m_cursor.currentRow();
    const QModelIndex target = row >= 0 ? index(row, std::min(m_column, columnCount() - 1)) : QModelIndex();
    if (m_selection->currentIndex() != target)
        m_selection->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
}

// The selection is not changed from inside its own change notification, but afterwards.
void CursorModel::followCursor()
{
    if (m_following)
        QMetaObject::invokeMethod(this, &CursorModel::showCursorRow, Qt::QueuedConnection);
    else
        showCursorRow();
}
