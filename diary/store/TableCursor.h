#pragma once

#include "diary/store/SqlTable.h"

#include <QObject>
#include <functional>

// A cursor on one table, as the diary's grids and commands use it: it stands on one current
// row and holds at most one pending change, a new row or an edit of the current row. Rows
// are read in key order, a page at a time, so a long table costs no more than a short one.
//
// Rows are counted as shown: while a new row is pending it stands at the current row and
// the stored rows from there on shift down by one.
class TableCursor final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TableCursor)

public:
    enum class State
    {
        Closed,
        Browse,
        Edit,
        Insert
    };
    // Runs before every save; false refuses it, leaving the change pending.
    using BeforeSave = std::function<bool()>;

    explicit TableCursor(const SqlTable& table, QObject* parent = nullptr);

    const TableLayout& layout() const { return m_table.layout(); }
    void setBeforeSave(BeforeSave rule);

    // Opening stands on the first row; closing drops a pending change.
    void open();
    void close();
    void refresh();
    bool isOpen() const { return m_state != State::Closed; }
    State state() const { return m_state; }

    // Stored rows, without a pending new row.
    int rowCount() const { return m_count; }
    int shownRowCount() const;
    // -1 when the table is closed or empty.
    int currentRow() const { return m_current; }
    // Set when a move forward found no further row or a row was appended after the last;
    // cleared when the cursor comes to stand on a row.
    bool eof() const { return m_eof; }

    // Moves save a pending change first; false when that save was refused or failed.
    bool moveTo(int row);
    bool first();
    bool next();

    bool edit();
    // A new row at the current row, or after the last one.
    bool insert();
    bool append();
    // Writes into the pending change; texts are cut to the column's width. False without one.
    bool setField(int column, const QVariant& value);
    bool setField(const QString& name, const QVariant& value);
    // Values of the current or a shown row; the pending change's values where it stands.
    QVariant field(const QString& name) const;
    QVariant value(int row, int column) const;

    // Runs the before-save rule and stores the pending change; true when nothing is pending.
    bool post();
    void cancel();
    // Deletes the current row; a pending new row is cancelled instead.
    void deleteCurrent();

signals:
    // Around every change of which rows are shown.
    void rowsAboutToChange();
    void rowsChanged();
    // The values shown in one row changed.
    void rowChanged(int row);
    void currentRowChanged(int row);
    // After every change of values, rows, position or state.
    void dataChanged();

private:
    struct Page
    {
        int start = 0;
        QList<QVariantList> rows;
    };

    bool hasPending() const { return m_state == State::Edit || m_state == State::Insert; }
    int storedIndex(int row) const;
    QVariantList storedRow(int index) const;
    Page fetchPage(int page) const;
    QVariantList blankRow() const;
    // Sets the shown rows in one step that the model sees as a reset.
    void resetRows(State state, int count, int current, bool eof);
    void stand(int row, bool eof);

    const SqlTable& m_table;
    BeforeSave m_beforeSave;
    State m_state = State::Closed;
    int m_count = 0;
    int m_current = -1;
    bool m_eof = false;
    QVariantList m_pending;
    mutable QList<Page> m_pages; // most recently used first
};
