#include "diary/shell/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& name, const QString& folder)
    : m_lock(QDir(folder).filePath(name + QStringLiteral(".lock")))
{
    // A lock whose owner is gone counts as stale at once; a live owner keeps it forever.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::acquire()
{
    return m_lock.tryLock(0);
}

QString SingleInstance::defaultFolder()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}
