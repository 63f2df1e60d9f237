#pragma once

#include <QLockFile>
#include <QString>

// Keeps a second copy of a program from running: a lock file with the program's name in the
// user's runtime folder. A lock left by a copy that crashed is taken over.
class SingleInstance final
{
public:
    explicit SingleInstance(const QString& name, const QString& folder = defaultFolder());
    Q_DISABLE_COPY_MOVE(SingleInstance)

    // False when another running copy holds the lock or the lock could not be made.
    bool acquire();
    // After a failed acquire: whether another running copy holds the lock.
    bool heldByAnother() const;
    // After a failed acquire that was not another copy: what went wrong, for the user.
    QString failure() const;

    static QString defaultFolder();

private:
    QString m_path;
    QLockFile m_lock;
};
