#include "common/AppContext.h"

#include <QCoreApplication>
#include <QDir>

QString AppContext::file(const QString& name) const
{
    return QDir(programDir).filePath(name);
}

QString programFolder()
{
    return QCoreApplication::applicationDirPath();
}
