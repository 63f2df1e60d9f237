#pragma once

#include <QList>
#include <QString>

// One file of the backup set: the name looked for in a backup folder, the name it is copied
// under on both sides and the message shown when a backup folder lacks it.
struct BackupEntry
{
    enum class Kind
    {
        Plain,
        Tree,
        Table
    };

    QString testName;
    QString copyName;
    QString missingMessage;
    Kind kind;
};

// The backup set in the order both commands handle it. The password file is never part of it.
const QList<BackupEntry>& backupSet();

// The file named name in folder, matched without regard to case: the exact name first, then
// the only name that differs in case alone. Empty when there is none or more than one.
QString findIgnoringCase(const QString& folder, const QString& name);

// Whether both paths name one existing file (the same folder reached twice, a link).
bool sameFile(const QString& a, const QString& b);
