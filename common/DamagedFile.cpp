#include "common/DamagedFile.h"

#include <QDateTime>
#include <QFileInfo>

QString damagedFileName(const QString& path, const QDateTime& now)
{
    const QString stem = path + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString name = stem;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = stem + QStringLiteral("-%1").arg(n);
    return name;
}
