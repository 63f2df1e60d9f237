#include "diary/store/SqlTable.h"

#include "common/AppError.h"

#include <QDate>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {

QString quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

QString declaration(const TableLayout::Column& column)
{
    switch (column.kind) {
    case TableLayout::Kind::AutoKey:
        return quoted(column.name) + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    case TableLayout::Kind::Key:
        return quoted(column.name) + QStringLiteral(" INTEGER PRIMARY KEY");
    case TableLayout::Kind::Date:
        return quoted(column.name) + QStringLiteral(" TEXT"); // ISO, so text order is date order
    case TableLayout::Kind::Time:
        return quoted(column.name) + QStringLiteral(" TEXT");
    case TableLayout::Kind::Text:
        return quoted(column.name) + QStringLiteral(" VARCHAR(%1)").arg(column.width);
    }
    return {};
}

[[noreturn]] void fail(const QSqlError& error)
{
    throw AppError(error.text());
}

const QString kWrongLayout = QStringLiteral("表文件 \"%1\" 中的表 %2 与程序的表结构不符：%3");
const QString kCannotOpen = QStringLiteral("表文件 \"%1\" 无法打开：%2");

// The column names of the layout's table in its attached file; empty when there is no such table.
QStringList storedColumns(const QString& connection, const TableLayout& layout)
{
    QStringList names;
    QSqlQuery query = SqlTable::run(
        connection, QStringLiteral("SELECT name FROM pragma_table_info(?, ?)"), { layout.table, layout.schema() });
    while (query.next())
        names.append(query.value(0).toString());
    return names;
}

// What differs between the layout and the stored columns, or empty when they agree.
QString layoutMismatch(const TableLayout& layout, const QStringList& stored)
{
    QStringList missing;
    for (const TableLayout::Column& column : layout.columns)
        if (!stored.contains(column.name, Qt::CaseInsensitive))
            missing.append(column.name);
    QStringList extra;
    for (const QString& name : stored)
        if (layout.indexOf(name) < 0)
            extra.append(name);
    QStringList problems;
    if (!missing.isEmpty())
        problems.append(QStringLiteral("缺少列 ") + missing.join(QStringLiteral(", ")));
    if (!extra.isEmpty())
        problems.append(QStringLiteral("多出列 ") + extra.join(QStringLiteral(", ")));
    return problems.join(QStringLiteral("；"));
}

void create(const QString& connection, const TableLayout& layout)
{
    const QString schema = quoted(layout.schema());
    QStringList columns;
    for (const TableLayout::Column& column : layout.columns)
        columns.append(declaration(column));
    SqlTable::run(connection,
        QStringLiteral("CREATE TABLE %1.%2 (%3)")
            .arg(schema, quoted(layout.table), columns.join(QStringLiteral(", "))));
    for (const TableLayout::Column& column : layout.columns) {
        if (column.indexed)
            SqlTable::run(connection,
                QStringLiteral("CREATE INDEX %1.%2 ON %3 (%4)")
                    .arg(schema, quoted(layout.table + QLatin1Char('_') + column.name), quoted(layout.table),
                        quoted(column.name)));
    }
}

} // namespace

QString SqlTable::timeText(QTime time)
{
    // A bound QTime would be stored with milliseconds ("09:30:00.000").
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QVariant SqlTable::fromStored(TableLayout::Kind kind, const QVariant& value)
{
    switch (kind) {
    case TableLayout::Kind::AutoKey:
    case TableLayout::Kind::Key:
        return value.isNull() ? QVariant() : QVariant(value.toLongLong());
    case TableLayout::Kind::Date:
        return QDate::fromString(value.toString(), Qt::ISODate);
    case TableLayout::Kind::Time:
        return QTime::fromString(value.toString(), QStringLiteral("HH:mm:ss"));
    case TableLayout::Kind::Text:
        return value.isNull() ? QStringLiteral("") : value.toString();
    }
    return {};
}

SqlTable::SqlTable(QString connection, TableLayout layout)
    : m_connection(std::move(connection))
    , m_layout(std::move(layout))
    , m_from(quoted(m_layout.schema()) + QLatin1Char('.') + quoted(m_layout.table))
    , m_key(quoted(m_layout.key().name))
{
    QStringList names;
    for (const TableLayout::Column& column : m_layout.columns)
        names.append(quoted(column.name));
    m_columns = names.join(QStringLiteral(", "));
}

void SqlTable::attach(const QString& connection, const TableLayout& layout, const QString& folder)
{
    const QString path = QDir::toNativeSeparators(QDir(folder).filePath(layout.file));
    QStringList stored;
    try {
        run(connection, QStringLiteral("ATTACH DATABASE ? AS %1").arg(quoted(layout.schema())), { path });
        stored = storedColumns(connection, layout);
        if (stored.isEmpty())
            create(connection, layout);
    } catch (const AppError& failure) {
        detach(connection, layout);
        throw AppError(kCannotOpen.arg(path, failure.message()));
    }
    if (const QString wrong = stored.isEmpty() ? QString() : layoutMismatch(layout, stored); !wrong.isEmpty()) {
        detach(connection, layout);
        throw AppError(kWrongLayout.arg(path, layout.table, wrong));
    }
}

void SqlTable::detach(const QString& connection, const TableLayout& layout)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.exec(QStringLiteral("DETACH DATABASE %1").arg(quoted(layout.schema())));
}

QSqlQuery SqlTable::run(const QString& connection, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.setForwardOnly(true); // keeps the driver from caching every row read
    if (!query.prepare(sql))
        fail(query.lastError());
    for (const QVariant& value : values)
        query.addBindValue(value);
    if (!query.exec())
        fail(query.lastError());
    return query;
}

QSqlQuery SqlTable::exec(const QString& sql, const QVariantList& values) const
{
    return run(m_connection, sql, values);
}

QVariantList SqlTable::bindable(const QVariantList& values) const
{
    QVariantList result;
    for (int i = 0; i < m_layout.columns.size(); ++i) {
        const QVariant value = values.value(i);
        switch (m_layout.columns.at(i).kind) {
        case TableLayout::Kind::Date:
            result.append(value.isNull() ? QVariant() : QVariant(value.toDate().toString(Qt::ISODate)));
            break;
        case TableLayout::Kind::Time:
            result.append(value.isNull() ? QVariant() : QVariant(timeText(value.toTime())));
            break;
        case TableLayout::Kind::Text:
            result.append(value.isNull() ? QStringLiteral("") : value.toString());
            break;
        default:
            result.append(value);
        }
    }
    return result;
}

int SqlTable::count() const
{
    QSqlQuery query = exec(QStringLiteral("SELECT count(*) FROM %1").arg(m_from));
    return query.next() ? query.value(0).toInt() : 0;
}

QList<QVariantList> SqlTable::rows(Direction direction, std::optional<qint64> from, int skip, int limit) const
{
    const bool forward = direction == Direction::Forward;
    QString sql = QStringLiteral("SELECT %1 FROM %2").arg(m_columns, m_from);
    QVariantList values;
    if (from) {
        sql += QStringLiteral(" WHERE %1 %2 ?").arg(m_key, forward ? QStringLiteral(">") : QStringLiteral("<"));
        values.append(*from);
    }
    sql += QStringLiteral(" ORDER BY %1%2 LIMIT ? OFFSET ?").arg(m_key, forward ? QString() : QStringLiteral(" DESC"));
    values << limit << skip;

    QSqlQuery query = exec(sql, values);
    QList<QVariantList> result;
    result.reserve(limit);
    while (query.next()) {
        QVariantList row;
        row.reserve(m_layout.columns.size());
        for (int i = 0; i < m_layout.columns.size(); ++i)
            row.append(fromStored(m_layout.columns.at(i).kind, query.value(i)));
        result.append(row);
    }
    if (!forward)
        std::reverse(result.begin(), result.end());
    return result;
}

int SqlTable::position(qint64 key, int count) const
{
    QSqlQuery last = exec(QStringLiteral("SELECT max(%1) FROM %2").arg(m_key, m_from));
    if (last.next() && last.value(0).toLongLong() == key)
        return count - 1;
    QSqlQuery before = exec(QStringLiteral("SELECT count(*) FROM %1 WHERE %2 < ?").arg(m_from, m_key), { key });
    return before.next() ? before.value(0).toInt() : 0;
}

qint64 SqlTable::insert(const QVariantList& values) const
{
    QVariantList bound = bindable(values);
    const bool keyGiven = !bound.constFirst().isNull(); // else the table assigns it
    if (!keyGiven)
        bound.removeFirst();
    QStringList names;
    for (qsizetype i = keyGiven ? 0 : 1; i < m_layout.columns.size(); ++i)
        names.append(quoted(m_layout.columns.at(i).name));
    const QStringList marks(bound.size(), QStringLiteral("?"));
    const QSqlQuery query = exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                     .arg(m_from, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
        bound);
    return query.lastInsertId().toLongLong();
}

void SqlTable::update(const QVariantList& values) const
{
    QVariantList bound = bindable(values);
    QStringList sets;
    for (int i = 1; i < m_layout.columns.size(); ++i)
        sets.append(quoted(m_layout.columns.at(i).name) + QStringLiteral(" = ?"));
    bound.append(bound.takeFirst());
    exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?").arg(m_from, sets.join(QStringLiteral(", ")), m_key), bound);
}

void SqlTable::remove(qint64 key) const
{
    exec(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(m_from, m_key), { key });
}

void SqlTable::removeAll() const
{
    exec(QStringLiteral("DELETE FROM %1").arg(m_from));
}
