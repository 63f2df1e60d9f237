#include "diary/shell/DataBackup.h"

#include "common/AppError.h"
#include "common/Prompts.h"
#include "diary/shell/BackupSet.h"
#include "diary/store/NodeTree.h"
#include "diary/store/SqlTable.h"
#include "diary/store/TreeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUuid>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

namespace {

// clang-format off
const QString kCaption        = QStringLiteral("数据备份（恢复窗口）");
const QString kBackupPrompt   = QStringLiteral("请选择保存的位置：           ");
const QString kRestorePrompt  = QStringLiteral("请指出原来数据备份的位置:        ");
const QString kBackupDone     = QStringLiteral("数据备份完毕");
const QString kRestoreDone    = QStringLiteral("数据恢复完毕");
const QString kRestoreFailed  = QStringLiteral("文件恢复出现错误,请检查备份文件夹");
const QString kNotBackedUp    = QStringLiteral("文件%1没有备份成功：%2");
const QString kNotInProgram   = QStringLiteral("程序文件夹中没有这个文件");
const QString kRefused        = QStringLiteral("备份文件夹中的%1已损坏或不是本程序的数据文件，没有恢复，保留了当前的%2");
// clang-format on

constexpr qint64 ChunkSize = 1 << 20;

// Copies source onto target through a temporary file that replaces target only once it is
// whole, so a failed copy keeps the file that was there.
void copyReplacing(const QString& source, const QString& target)
{
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        throw AppError(in.errorString());
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        throw AppError(out.errorString());
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(ChunkSize);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError)
            throw AppError(in.errorString());
        if (out.write(chunk) != chunk.size())
            throw AppError(out.errorString());
    }
    if (!out.commit())
        throw AppError(out.errorString());
}

// The file a copy goes to in a backup folder: the one already there under another letter case,
// so the folder never holds two candidates for one name.
QString backupTarget(const QString& folder, const QString& name)
{
    const QString existing = findIgnoringCase(folder, name);
    return existing.isEmpty() ? QDir(folder).filePath(name) : existing;
}

void makeOwnerWritable(const QString& path)
{
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner | QFileDevice::ReadOwner);
}

QString quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

bool isAttached(const QString& connection, const QString& schema)
{
    QSqlQuery list = SqlTable::run(connection, QStringLiteral("PRAGMA database_list"));
    while (list.next()) {
        if (list.value(1).toString() == schema)
            return true;
    }
    return false;
}

// Whether path opens read-only as an intact database holding table with every column given.
bool isTableFile(const QString& path, const QString& table, const QStringList& columns)
{
    const QString name = QStringLiteral("restore-check-") + QUuid::createUuid().toString(QUuid::Id128);
    bool good = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery check(db);
            good = check.exec(QStringLiteral("PRAGMA quick_check")) && check.next()
                && check.value(0).toString() == QLatin1String("ok") && !check.next();
            QStringList found;
            QSqlQuery info(db);
            if (good && info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(table)))) {
                while (info.next())
                    found.append(info.value(1).toString().toLower());
            }
            for (const QString& column : columns)
                good = good && found.contains(column.toLower());
            good = good && !found.isEmpty();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return good;
}

// Read from the stream, so that checking leaves no copy of a damaged file in the backup folder.
bool isTreeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    NodeTree scratch;
    try {
        LoadTreeStream(scratch, file);
    } catch (const AppError&) {
        return false;
    }
    return true;
}

} // namespace

DataBackup::DataBackup(const AppContext& context, QString connection, QList<TableLayout> tables, Hooks hooks)
    : m_context(context)
    , m_connection(std::move(connection))
    , m_tables(std::move(tables))
    , m_hooks(std::move(hooks))
{
}

void DataBackup::backup()
{
    const QString folder = m_context.prompts.folder(kCaption, kBackupPrompt, {});
    if (!folder.isEmpty())
        backupTo(folder);
}

void DataBackup::restore()
{
    const QString folder = m_context.prompts.folder(kCaption, kRestorePrompt, {});
    if (!folder.isEmpty())
        restoreFrom(folder);
}

void DataBackup::backupTo(const QString& folder)
{
    const QStringList failures = copyAll(folder);
    for (const QString& failure : failures)
        m_context.prompts.notice(failure);
    m_context.prompts.notice(kBackupDone);
}

QStringList DataBackup::copyAll(const QString& folder)
{
    QStringList failures;
    for (const BackupEntry& entry : backupSet()) {
        try {
            copyForBackup(entry, backupTarget(folder, entry.copyName));
        } catch (const AppError& failure) {
            failures.append(kNotBackedUp.arg(entry.copyName, failure.message()));
        }
    }
    return failures;
}

void DataBackup::copyForBackup(const BackupEntry& entry, const QString& target)
{
    const QString source = findIgnoringCase(m_context.programDir, entry.copyName);
    if (source.isEmpty())
        throw AppError(kNotInProgram);
    if (sameFile(source, target))
        return; // backing up into the program folder: the file is there already
    const TableLayout* table = tableOf(entry);
    if (!table || !isAttached(m_connection, table->schema())) {
        copyReplacing(source, target);
        return;
    }
    // A snapshot through the engine: no half-written transaction can reach the copy.
    QTemporaryFile snapshot(target + QStringLiteral(".XXXXXX"));
    if (!snapshot.open())
        throw AppError(snapshot.errorString());
    snapshot.close();
    SqlTable::run(
        m_connection, QStringLiteral("VACUUM %1 INTO ?").arg(quoted(table->schema())), { snapshot.fileName() });
    QFile::setPermissions(snapshot.fileName(),
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (std::rename(QFile::encodeName(snapshot.fileName()).constData(), QFile::encodeName(target).constData()) != 0)
        throw AppError(QString::fromLocal8Bit(std::strerror(errno)));
    snapshot.setAutoRemove(false);
}

void DataBackup::restoreFrom(const QString& folder)
{
    if (m_hooks.closeTables)
        m_hooks.closeTables();
    bool failed = false;
    try {
        for (const BackupEntry& entry : backupSet()) {
            const QString source = findIgnoringCase(folder, entry.testName);
            if (source.isEmpty()) {
                m_context.prompts.notice(entry.missingMessage);
                continue;
            }
            restoreOne(entry, source);
        }
    } catch (const std::exception&) {
        failed = true;
    }
    if (failed)
        m_context.prompts.notice(kRestoreFailed);
    try {
        attachAgain();
    } catch (const AppError& failure) {
        m_context.prompts.error(failure.message());
    }
    if (m_hooks.reopenTables)
        m_hooks.reopenTables();
    if (m_hooks.reloadTrees)
        m_hooks.reloadTrees();
    m_context.prompts.notice(kRestoreDone);
}

void DataBackup::restoreOne(const BackupEntry& entry, const QString& source)
{
    const QString target = m_context.file(entry.copyName);
    if (sameFile(source, target))
        return; // restoring from the program folder itself
    if (!acceptable(entry, source)) {
        m_context.prompts.notice(kRefused.arg(QFileInfo(source).fileName(), entry.copyName));
        return;
    }
    if (const TableLayout* table = tableOf(entry))
        detach(*table);
    copyReplacing(source, target);
    // A backup on read-only media must not give a read-only table.
    makeOwnerWritable(target);
}

bool DataBackup::acceptable(const BackupEntry& entry, const QString& source) const
{
    switch (entry.kind) {
    case BackupEntry::Kind::Plain:
        return true;
    case BackupEntry::Kind::Tree:
        return isTreeFile(source);
    case BackupEntry::Kind::Table:
        break;
    }
    if (const TableLayout* table = tableOf(entry)) {
        QStringList columns;
        for (const TableLayout::Column& column : table->columns)
            columns.append(column.name);
        return isTableFile(source, table->table, columns);
    }
    return isTableFile(source, QFileInfo(entry.copyName).completeBaseName(), {});
}

const TableLayout* DataBackup::tableOf(const BackupEntry& entry) const
{
    for (const TableLayout& layout : m_tables) {
        if (layout.file.compare(entry.copyName, Qt::CaseInsensitive) == 0)
            return &layout;
    }
    return nullptr;
}

void DataBackup::detach(const TableLayout& layout)
{
    if (!isAttached(m_connection, layout.schema()))
        return;
    SqlTable::run(m_connection, QStringLiteral("DETACH DATABASE %1").arg(quoted(layout.schema())));
    m_detached.append(layout);
}

void DataBackup::attachAgain()
{
    const QList<TableLayout> detached = std::exchange(m_detached, {});
    for (const TableLayout& layout : detached)
        SqlTable::attach(m_connection, layout, m_context.programDir);
}
