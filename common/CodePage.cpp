#include "common/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace CodePage {

QByteArray encode(const QString& text)
{
    QStringEncoder encoder("GB18030");
    return encoder.encode(text);
}

QString decode(const QByteArray& bytes)
{
    QStringDecoder decoder("GB18030");
    return decoder.decode(bytes);
}

int byteLength(const QString& text)
{
    return int(encode(text).size());
}

QString cut(const QString& text, int maxBytes)
{
    if (maxBytes <= 0)
        return {};
    if (text.size() * 4 <= maxBytes || byteLength(text) <= maxBytes)
        return text;
    QStringEncoder encoder("GB18030");
    int bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype width = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        const int charBytes = int(QByteArray(encoder.encode(QStringView(text).mid(i, width))).size());
        if (bytes + charBytes > maxBytes)
            break;
        bytes += charBytes;
        i += width;
    }
    return text.left(i);
}

} // namespace CodePage
