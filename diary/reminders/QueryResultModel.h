#pragma once

#include <QAbstractTableModel>

class QueryResult;

// A grid's read-only view of a query result: the chosen fields with their titles, dates and
// times in the user's formats.
class QueryResultModel final : public QAbstractTableModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QueryResultModel)

public:
    struct Column
    {
        QString field;
        QString title;
        bool centredTitle = false;
    };

    QueryResultModel(QueryResult& result, QList<Column> columns, QObject* parent = nullptr);

    QueryResult& result() const { return m_result; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QueryResult& m_result;
    QList<Column> m_columns;
};
