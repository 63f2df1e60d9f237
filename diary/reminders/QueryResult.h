#pragma once

#include "diary/store/TableLayout.h"

#include <QObject>
#include <QVariantMap>

// A statement's result read whole, with a current row: a read-only view of a query that a
// grid shows and commands read from. Field values take the kinds of the table's layout.
class QueryResult final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QueryResult)

public:
    QueryResult(QString connection, TableLayout layout, QObject* parent = nullptr);

    void setSql(const QString& sql) { m_sql = sql; }
    const QString& sql() const { return m_sql; }
    const TableLayout& layout() const { return m_layout; }

    // Runs the statement with its named parameters and stands on the first row. Throws
    // AppError with the engine's text; the result then stays closed.
    void open(const QVariantMap& parameters);
    void close();
    bool isOpen() const { return m_open; }

    int rowCount() const { return int(m_rows.size()); }
    // -1 when closed or empty.
    int currentRow() const { return m_current; }
    void setCurrentRow(int row);
    // A field of the current row; null when there is none.
    QVariant field(const QString& name) const;
    QVariant value(int row, const QString& name) const;

signals:
    void aboutToReset();
    void reset();
    void currentRowChanged(int row);

private:
    void replaceRows(bool open, QList<QVariantList> rows);

    QString m_connection;
    TableLayout m_layout;
    QString m_sql;
    bool m_open = false;
    QList<QVariantList> m_rows; // in the layout's column order
    int m_current = -1;
};
