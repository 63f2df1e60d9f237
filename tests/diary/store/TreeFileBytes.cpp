#include "tests/diary/store/TreeFileBytes.h"

#include <QtEndian>

namespace TreeFileBytes {

QByteArray int32(qint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray block(const Block& b)
{
    const QByteArray text = b.text.left(255);
    QByteArray out = int32(39 + int(text.size()));
    out += int32(b.image) + int32(b.selected) + int32(-1) + int32(-1);
    out += char(b.checkKind);
    out += char(b.checked ? 1 : 0);
    out += char(b.expanded ? 1 : 0);
    out += QByteArray(3, '\0');
    out += int32(0) + int32(int(b.extra1.size())) + int32(int(b.extra2.size())) + int32(b.childCount);
    out += char(text.size());
    out += text + b.extra1 + b.extra2;
    return out;
}

} // namespace TreeFileBytes
