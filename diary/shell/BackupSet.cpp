#include "diary/shell/BackupSet.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

const QList<BackupEntry>& backupSet()
{
    using Kind = BackupEntry::Kind;
    // clang-format off
    static const QList<BackupEntry> set {
        { QStringLiteral("help.doc"),        QStringLiteral("help.doc"),        QStringLiteral("备份文件夹help.doc文件没有找到"),        Kind::Plain },
        { QStringLiteral("ringin.wav"),      QStringLiteral("ringin.wav"),      QStringLiteral("备份文件夹ringin.wav文件没有找到"),      Kind::Plain },
        { QStringLiteral("treeview.nod"),    QStringLiteral("treeview.nod"),    QStringLiteral("备份文件夹Treeview.nod文件没有找到"),    Kind::Tree },
        { QStringLiteral("typTreeView.nod"), QStringLiteral("typtreeview.nod"), QStringLiteral("备份文件夹TypTreeView.nod文件没有找到"), Kind::Tree },
        { QStringLiteral("daily.db"),        QStringLiteral("daily.DB"),        QStringLiteral("备份文件夹daily.db文件没有找到"),        Kind::Table },
        { QStringLiteral("FoundDaily.db"),   QStringLiteral("FoundDaily.DB"),   QStringLiteral("备份文件夹FoundDaily.db文件没有找到"),   Kind::Table },
        { QStringLiteral("tixing.db"),       QStringLiteral("tixing.DB"),       QStringLiteral("备份文件夹tixing.db文件没有找到"),       Kind::Table },
    };
    // clang-format on
    return set;
}

QString findIgnoringCase(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    const QString exact = dir.filePath(name);
    if (QFileInfo(exact).isFile())
        return exact;
    QString found;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!found.isEmpty())
            return {}; // two candidates: which one was meant cannot be told
        found = dir.filePath(entry);
    }
    return found;
}

bool sameFile(const QString& a, const QString& b)
{
    struct stat sa
    {
    };
    struct stat sb
    {
    };
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 || ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}
