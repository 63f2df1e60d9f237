#pragma once

#include <QByteArray>
#include <QString>

// The one place that turns texts into the stored double-byte code page and back.
// GB18030 is used: it gives the GBK bytes for every GBK text and keeps other characters intact.
namespace CodePage {

QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);
int byteLength(const QString& text);
// The longest head of text whose encoding fits in maxBytes, never ending in half a character.
QString cut(const QString& text, int maxBytes);

} // namespace CodePage
