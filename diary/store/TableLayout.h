#pragma once

#include <QList>
#include <QString>

// What the store knows of one table: its file, its columns in stored order (the key first)
// and their titles in the grids.
struct TableLayout
{
    enum class Kind
    {
        AutoKey,
        Key,
        Date,
        Time, // a time of day, stored as "HH:mm:ss" text
        Text
    };

    struct Column
    {
        QString name;
        Kind kind;
        int width = 0; // texts: bytes of the code page
        QString label; // empty for the hidden key
        bool indexed = false;
    };

    QString table;
    QString file; // in the program folder
    QList<Column> columns;

    const Column& key() const { return columns.constFirst(); }
    // Column names are matched without regard to case; -1 when there is none.
    int indexOf(const QString& name) const;
    // The name the table's file is attached under.
    QString schema() const;
};
