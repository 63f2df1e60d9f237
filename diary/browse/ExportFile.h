#pragma once

#include <QByteArray>
#include <QString>

// Where exported documents are kept: a folder of the user's own ("Dailora" in the documents
// folder, owner-only), never the program folder nor the shared temp folder.
namespace ExportFile {

QString folder(const QString& programDir);
// Writes bytes under baseName + ".docx" in the folder, owner-only, with a new name when that
// one is taken, so that no earlier export the user may have edited is replaced. Returns the
// path; throws AppError when the folder or the file cannot be written.
QString save(const QByteArray& bytes, const QString& baseName, const QString& programDir);

} // namespace ExportFile
