#include "diary/shell/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& name, const QString& folder)
    : m_path(QDir(folder).filePath(name + QStringLiteral(".lock")))
    , m_lock(m_path)
{
    // A lock whose owner is gone counts as stale at once; a live owner keeps it forever.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return m_lock.tryLock(0);
}

bool SingleInstance::heldByAnother() const
{
    return m_lock.error() == QLockFile::LockFailedError;
}

QString SingleInstance::failure() const
{
    // The lock does not say why; opening the file the same way does.
    QFile probe(m_path);
    QString reason = QStringLiteral("Unknown error");
    if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        reason = probe.errorString();
    else
        probe.remove();
    return QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(m_path), reason);
}

QString SingleInstance::defaultFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}
