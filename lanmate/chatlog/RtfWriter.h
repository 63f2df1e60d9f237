#pragma once

#include <QByteArray>
#include <QStringList>

// Writes paragraphs as Rich Text Format; a '\n' inside a paragraph becomes a line break.
// Everything outside printable ASCII is written as a \u escape, and backslashes and braces
// are escaped, so no text can break the file.
QByteArray writeRtf(const QStringList& paragraphs);
