#include "lanmate/chatlog/ChatLogFile.h"

#include "common/AppError.h"
#include "common/CodePage.h"
#include "lanmate/chatlog/RtfReader.h"
#include "lanmate/chatlog/RtfWriter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

namespace ChatLogFile {

namespace {

QString openError(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot open file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason);
}

QString createError(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot create file \"%1\". %2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

Loaded load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(openError(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(openError(path, file.errorString()));
    if (!RtfReader::isRtf(bytes))
        return { plainTextEntries(bytes), true };
    RtfReader::Result read = RtfReader::read(bytes);
    return { std::move(read.paragraphs), read.complete };
}

void save(const QString& path, const QStringList& entries)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(createError(path, file.errorString()));
    const QByteArray bytes = writeRtf(entries);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw AppError(createError(path, file.errorString()));
}

QString moveAside(const QString& path, const QDateTime& now)
{
    const QString base = path + QStringLiteral(".damaged-") + now.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString target = base;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path, target))
        throw AppError(QStringLiteral("聊天记录文件\"%1\"无法改名为\"%2\"，新的记录没有保存。")
                           .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(target)));
    return target;
}

QStringList plainTextEntries(const QByteArray& bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(view);
    if (utf8.hasError())
        text = CodePage::decode(view.toByteArray());
    if (text.isEmpty())
        return {};
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineBreak);
    if (lines.constLast().isEmpty())
        lines.removeLast(); // the break that ends the last line
    return lines;
}

} // namespace ChatLogFile
