#include "diary/reminders/QueryResultModel.h"

#include "common/LocaleTexts.h"
#include "diary/reminders/QueryResult.h"

QueryResultModel::QueryResultModel(QueryResult& result, QList<Column> columns, QObject* parent)
    : QAbstractTableModel(parent)
    , m_result(result)
    , m_columns(std::move(columns))
{
    connect(&m_result, &QueryResult::aboutToReset, this, &QueryResultModel::beginResetModel);
    connect(&m_result, &QueryResult::reset, this, &QueryResultModel::endResetModel);
}

int QueryResultModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_result.rowCount();
}

int QueryResultModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant QueryResultModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const QVariant value = m_result.value(index.row(), m_columns.at(index.column()).field);
    switch (value.typeId()) {
    case QMetaType::QDate:
        return LocaleTexts::dateText(value.toDate());
    case QMetaType::QTime:
        return LocaleTexts::timeText(value.toTime());
    default:
        return value.toString();
    }
}

QVariant QueryResultModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_columns.at(section).title;
    if (role == Qt::TextAlignmentRole)
        return int(m_columns.at(section).centredTitle ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}
