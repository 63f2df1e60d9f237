#pragma once

#include "common/AppContext.h"
#include "diary/store/TableLayout.h"

#include <QStringList>
#include <functional>

struct BackupEntry;

// Backup of the program's data files to a folder the user picks, and their restore from one.
// The table files are attached to one database connection; the restore detaches each before
// it replaces it and attaches it again after, so no stale rows stay visible.
class DataBackup final
{
public:
    // What the windows and data modules do around a restore.
    struct Hooks
    {
        std::function<void()> closeTables; // cursors closed, statements released
        std::function<void()> reopenTables; // the diary and reminder tables and their views read again
        std::function<void()> reloadTrees; // the trees in memory read from the restored files
    };

    // tables: the layouts of the table files attached to connection.
    DataBackup(const AppContext& context, QString connection, QList<TableLayout> tables, Hooks hooks);

    // The two commands: chooser, copies, closing message.
    void backup();
    void restore();

    // The copies into and from a given folder, with their messages.
    void backupTo(const QString& folder);
    void restoreFrom(const QString& folder);

private:
    // The names of the files it could not write.
    QStringList copyAll(const QString& folder);
    void copyForBackup(const BackupEntry& entry, const QString& target);
    // A file that would not open as what it should be is refused and the current one kept.
    void restoreOne(const BackupEntry& entry, const QString& source);
    bool acceptable(const BackupEntry& entry, const QString& source) const;
    const TableLayout* tableOf(const BackupEntry& entry) const;
    void detach(const TableLayout& layout);
    void attachAgain();

    AppContext m_context;
    QString m_connection;
    QList<TableLayout> m_tables;
    QList<TableLayout> m_detached;
    Hooks m_hooks;
};
