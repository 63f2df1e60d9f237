#include "diary/reminders/QueryResult.h"

#include "common/AppError.h"
#include "diary/store/SqlTable.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

QueryResult::QueryResult(QString connection, TableLayout layout, QObject* parent)
    : QObject(parent)
    , m_connection(std::move(connection))
    , m_layout(std::move(layout))
{
}

void QueryResult::open(const QVariantMap& parameters)
{
    close();
    QList<QVariantList> rows;
    {
        QSqlQuery query(QSqlDatabase::database(m_connection, false));
        query.setForwardOnly(true);
        if (!query.prepare(m_sql))
            throw AppError(query.lastError().text());
        for (auto it = parameters.cbegin(); it != parameters.cend(); ++it)
            query.bindValue(it.key(), it.value());
        if (!query.exec())
            throw AppError(query.lastError().text());
        const QSqlRecord record = query.record();
        QList<int> sources; // the result's column of each layout column, -1 when absent
        for (const TableLayout::Column& column : m_layout.columns)
            sources.append(record.indexOf(column.name));
        while (query.next()) {
            QVariantList row;
            for (int i = 0; i < m_layout.columns.size(); ++i)
                row.append(sources.at(i) < 0
                        ? QVariant()
                        : SqlTable::fromStored(m_layout.columns.at(i).kind, query.value(sources.at(i))));
            rows.append(row);
        }
        if (query.lastError().isValid())
            throw AppError(query.lastError().text());
    }
    replaceRows(true, std::move(rows));
}

void QueryResult::close()
{
    if (m_open)
        replaceRows(false, {});
}

void QueryResult::setCurrentRow(int row)
{
    if (row < 0 || row >= rowCount() || row == m_current)
        return;
    m_current = row;
    emit currentRowChanged(row);
}

QVariant QueryResult::field(const QString& name) const
{
    return value(m_current, name);
}

QVariant QueryResult::value(int row, const QString& name) const
{
    const int column = m_layout.indexOf(name);
    if (row < 0 || row >= rowCount() || column < 0)
        return {};
    return m_rows.at(row).at(column);
}

void QueryResult::replaceRows(bool open, QList<QVariantList> rows)
{
    emit aboutToReset();
    m_open = open;
    m_rows = std::move(rows);
    m_current = m_rows.isEmpty() ? -1 : 0;
    emit reset();
    emit currentRowChanged(m_current);
}
