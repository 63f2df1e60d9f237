#pragma once

#include <QAbstractTableModel>
#include <QPointer>

#include <functional>

class QItemSelectionModel;
class TableCursor;

// A grid's view of a table cursor: every column but the key, titled with the columns'
// labels, showing the pending change where it stands. Edits go into the cursor's pending
// change; rows are read from the cursor only as the view asks for them.
class CursorModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CursorModel)

public:
    using FailureReport = std::function<void(const QString& message)>;

    explicit CursorModel(TableCursor& cursor, QObject* parent = nullptr);

    // Where a failure of a move or an edit that the view asked for is shown; without one it
    // propagates to the caller.
    void setFailureReport(FailureReport report) { m_report = std::move(report); }

    TableCursor& cursor() const { return m_cursor; }
    // Makes the selection's current row follow the cursor and asks the cursor to move when
    // the selection moves; a move the cursor refuses puts the selection back.
    void bindSelection(QItemSelectionModel* selection);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    void selectionMoved(const QModelIndex& current);
    void showCursorRow();
    void followCursor();

    // Runs step for the view, reporting a failure instead of throwing into the view's code.
    bool guarded(const std::function<bool()>& step);

    TableCursor& m_cursor;
    FailureReport m_report;
    QPointer<QItemSelectionModel> m_selection;
    int m_column = 0;
    bool m_following = false; // inside a move asked for by the selection
};
