#include "lanmate/net/Datagram.h"

#include "common/AppError.h"
#include "common/CodePage.h"

#include <QFile>

namespace Datagram {

namespace {

bool isBlankOrControl(char c)
{
    return quint8(c) <= 0x20;
}

bool isDigits(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return false;
    for (const char c : bytes)
        if (c < '0' || c > '9')
            return false;
    return true;
}

QByteArray padded(const QByteArray& bytes, int width)
{
    return bytes.size() >= width ? bytes : bytes + QByteArray(width - bytes.size(), ' ');
}

} // namespace

Kind kindOf(const QByteArray& bytes)
{
    if (bytes.startsWith("@_3"))
        return Kind::Chat;
    if (bytes.startsWith("@_0"))
        return Kind::Probe;
    if (bytes.startsWith("@_1"))
        return Kind::ProbeAnswer;
    if (bytes.startsWith("#_"))
        return Kind::OfferAnswer;
    return Kind::Offer;
}

QByteArray trimmed(const QByteArray& bytes)
{
    qsizetype begin = 0;
    qsizetype end = bytes.size();
    while (begin < end && isBlankOrControl(bytes.at(begin)))
        ++begin;
    while (end > begin && isBlankOrControl(bytes.at(end - 1)))
        --end;
    return bytes.mid(begin, end - begin);
}

QByteArray probe()
{
    return QByteArrayLiteral("@_0");
}

QByteArray probeAnswer(const QString& localIP, const QString& localName)
{
    const QByteArray head("@_1");
    const int nameRoom = maxBytes - int(head.size()) - addressWidth;
    const QByteArray fields = padded(CodePage::encode(localIP), addressWidth)
        + padded(CodePage::encode(CodePage::cut(localName, nameRoom)), 255);
    return head + trimmed(fields);
}

QByteArray nameLengthField(int nameBytes)
{
    const QByteArray digits = QByteArray::number(nameBytes);
    return digits.size() == 1 ? digits + ' ' : digits;
}

QByteArray chat(const QString& localName, const QString& text)
{
    const QByteArray name = CodePage::encode(CodePage::cut(localName, maxNameBytes));
    return QByteArrayLiteral("@_3") + nameLengthField(int(name.size())) + name + CodePage::encode(text);
}

QByteArray offer(const QString& path)
{
    QString wire = path;
    wire.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return CodePage::encode(wire);
}

QByteArray answer(bool accept)
{
    return accept ? QByteArrayLiteral("#_1") : QByteArrayLiteral("#_0");
}

bool isAccept(const QByteArray& bytes)
{
    return bytes.startsWith("#_1");
}

Contact parseProbeAnswer(const QByteArray& bytes)
{
    return { CodePage::decode(trimmed(bytes.mid(3, addressWidth))),
        CodePage::decode(trimmed(bytes.mid(3 + addressWidth))) };
}

Chat parseChat(const QByteArray& bytes)
{
    const QByteArray field = trimmed(bytes.mid(3, 2));
    if (!isDigits(field))
        throw AppError(QStringLiteral("\"%1\" 不是有效的整数").arg(CodePage::decode(field)));
    const int n = field.toInt();
    return { CodePage::decode(bytes.mid(5, n)), CodePage::decode(bytes.mid(5 + n)) };
}

QString offeredName(const QByteArray& offer)
{
    const QString text = CodePage::decode(offer);
    qsizetype cut = -1;
    for (const QChar separator : { QLatin1Char('\\'), QLatin1Char('/'), QLatin1Char(':') })
        cut = std::max(cut, text.lastIndexOf(separator));
    const QString name = text.mid(cut + 1);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return {};
    for (const QChar c : name)
        if (c.category() == QChar::Other_Control)
            return {};
    if (QFile::encodeName(name).size() > 255 || CodePage::byteLength(name) > 255)
        return {};
    return name;
}

} // namespace Datagram
