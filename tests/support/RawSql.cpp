#include "tests/support/RawSql.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

Rows raw(const QString& file, const QString& sql, const QVariantList& values)
{
    Rows rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(file);
        db.open();
        QSqlQuery query(db);
        query.prepare(sql);
        for (const QVariant& value : values)
            query.addBindValue(value);
        if (!query.exec())
            qFatal("raw statement failed: %s", qPrintable(query.lastError().text()));
        while (query.next()) {
            QVariantList row;
            for (int i = 0; i < query.record().count(); ++i)
                row.append(query.value(i));
            rows.append(row);
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return rows;
}
