#include "diary/browse/ExportFile.h"

#include "common/AppError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

const QString SubFolder = u"Dailora"_s;
const QString ProgramSubFolder = u"Dailora文档"_s;
const QString Extension = u".docx"_s;
const QString NumberedName = u"%1 (%2)"_s;
const QString NoFolder = u"无法建立文件夹 %1"_s;
const QString NoFile = u"无法写入文件 %1：%2"_s;

constexpr QFile::Permissions OwnerFolder = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
constexpr QFile::Permissions OwnerFile = QFile::ReadOwner | QFile::WriteOwner;

bool sameFolder(const QString& a, const QString& b)
{
    const QString ca = QFileInfo(a).canonicalFilePath();
    return !ca.isEmpty() && ca == QFileInfo(b).canonicalFilePath();
}

// Takes a name nobody holds by creating the file empty and owner-only.
QString reserveName(const QDir& dir, const QString& baseName)
{
    for (int n = 1;; ++n) {
        const QString name = (n == 1 ? baseName : NumberedName.arg(baseName).arg(n)) + Extension;
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, OwnerFile))
            return file.fileName();
        if (!file.exists())
            throw AppError(NoFile.arg(file.fileName(), file.errorString()));
    }
}

} // namespace

QString ExportFile::folder(const QString& programDir)
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    QString path = QDir(documents).filePath(SubFolder);
    if (sameFolder(path, programDir))
        path = QDir(documents).filePath(ProgramSubFolder);
    return QDir::cleanPath(path);
}

QString ExportFile::save(const QByteArray& bytes, const QString& baseName, const QString& programDir)
{
    const QString path = folder(programDir);
    QDir dir(path);
    if (!dir.exists()) {
        const QFileInfo info(path);
        if (!QDir().mkpath(info.absolutePath()) || !QDir().mkdir(path, OwnerFolder))
            throw AppError(NoFolder.arg(path));
    }
    const QString fileName = reserveName(dir, baseName);
    QSaveFile file(fileName);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        const QString reason = file.errorString();
        QFile::remove(fileName);
        throw AppError(NoFile.arg(fileName, reason));
    }
    QFile::setPermissions(fileName, OwnerFile);
    return fileName;
}
