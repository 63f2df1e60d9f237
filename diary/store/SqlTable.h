#pragma once

#include "diary/store/TableLayout.h"

#include <QTime>
#include <QVariantList>
#include <optional>

class QSqlQuery;

// The statements a table cursor runs on one table of a connection. Values travel in the
// layout's column order: keys as integers, dates as QDate (stored as ISO text), times as
// QTime (stored as "HH:mm:ss" text), texts as QString (never null). Every failure throws AppError with the engine's
// text.
class SqlTable final
{
public:
    enum class Direction
    {
        Forward,
        Backward
    };

    SqlTable(QString connection, TableLayout layout);

    // Attaches layout's file in folder to the connection, creating the file, the table and
    // its indexes when missing. A table that exists is not changed: when its file is no
    // database or its columns differ from the layout, the file is detached again and the
    // failure names the file and what is wrong.
    static void attach(const QString& connection, const TableLayout& layout, const QString& folder);
    static void detach(const QString& connection, const TableLayout& layout);
    // Runs one statement with its values bound in order; the query is left on its result.
    static QSqlQuery run(const QString& connection, const QString& sql, const QVariantList& values = {});

    // A stored value as the layout's kind gives it: keys as integers, dates as QDate,
    // times as QTime, texts as QString.
    static QVariant fromStored(TableLayout::Kind kind, const QVariant& value);
    // How a time of day is stored and bound.
    static QString timeText(QTime time);

    const TableLayout& layout() const { return m_layout; }

    int count() const;
    // Up to limit rows in ascending key order after skipping skip rows, read forward from
    // the first row (or the first row past `from`), or backward from the last row (or the
    // last row before `from`).
    QList<QVariantList> rows(Direction direction, std::optional<qint64> from, int skip, int limit) const;
    // The index of the row with key among count rows; cheap when it is the last row.
    int position(qint64 key, int count) const;
    // Returns the new row's key.
    qint64 insert(const QVariantList& values) const;
    // Stores values into the row whose key is values' first.
    void update(const QVariantList& values) const;
    void remove(qint64 key) const;
    void removeAll() const;

private:
    QSqlQuery exec(const QString& sql, const QVariantList& values = {}) const;
    QVariantList bindable(const QVariantList& values) const;

    QString m_connection;
    TableLayout m_layout;
    QString m_from; // the qualified table name
    QString m_key; // the quoted key column
    QString m_columns; // every column, quoted, in order
};
