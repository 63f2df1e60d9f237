#pragma once

#include <QDateTime>
#include <QStringList>

// The chat log file: Rich Text Format, one paragraph per entry; a file that is not RTF is read
// as plain text, one line per entry.
namespace ChatLogFile {

struct Loaded
{
    QStringList entries;
    // False when an RTF file ended early: what could be read is there, the rest is lost.
    bool complete = true;
};

// Throws AppError when the file cannot be read.
Loaded load(const QString& path);
// Replaces the file atomically; when writing fails (AppError) the previous file stays.
void save(const QString& path, const QStringList& entries);
// Renames the file to path + ".damaged-YYYYMMDD-HHMMSS" (a counter added when that is taken)
// and returns the new path; throws AppError when it cannot.
QString moveAside(const QString& path, const QDateTime& now);

// Plain text, UTF-8 or else the double-byte code page, split into lines.
QStringList plainTextEntries(const QByteArray& bytes);

} // namespace ChatLogFile
