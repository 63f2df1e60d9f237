#include "lanmate/net/StreamHeader.h"

namespace StreamHeader {

namespace {

constexpr int nameLengthWidth = 4;
constexpr int sizeWidth = 10;

} // namespace

QByteArray header(qint64 size)
{
    return QByteArrayLiteral("0000") + QByteArray::number(size).rightJustified(sizeWidth, ' ');
}

QByteArray reply()
{
    return QByteArrayLiteral("OK") + QByteArray(replySize - 2, ' ');
}

bool isNameLength(const QByteArray& field)
{
    if (field.size() != nameLengthWidth)
        return false;
    for (const char c : field)
        if (c < '0' || c > '9')
            return false;
    return true;
}

qint64 parseSize(const QByteArray& field)
{
    if (field.size() != sizeWidth)
        return -1;
    qsizetype i = 0;
    while (i < field.size() && field.at(i) == ' ')
        ++i;
    if (i == field.size())
        return -1;
    qint64 size = 0;
    for (; i < field.size(); ++i) {
        const char c = field.at(i);
        if (c < '0' || c > '9')
            return -1;
        size = size * 10 + (c - '0');
    }
    return size;
}

Parser::State Parser::feed(QByteArray& bytes)
{
    while (m_state == State::NeedMore && !bytes.isEmpty()) {
        if (m_nameLength < 0) {
            const qsizetype take = std::min<qsizetype>(nameLengthWidth - m_head.size(), bytes.size());
            m_head += bytes.left(take);
            bytes.remove(0, take);
            if (m_head.size() < nameLengthWidth)
                break;
            if (!isNameLength(m_head)) {
                m_state = State::Invalid;
                break;
            }
            m_nameLength = m_head.toInt();
            m_head.clear();
        } else if (m_name.size() < m_nameLength) {
            const qsizetype take = std::min<qsizetype>(m_nameLength - m_name.size(), bytes.size());
            m_name += bytes.left(take);
            bytes.remove(0, take);
        } else {
            const qsizetype take = std::min<qsizetype>(sizeWidth - m_head.size(), bytes.size());
            m_head += bytes.left(take);
            bytes.remove(0, take);
            if (m_head.size() < sizeWidth)
                break;
            m_size = parseSize(m_head);
            m_state = m_size < 0 ? State::Invalid : State::Done;
        }
    }
    return m_state;
}

} // namespace StreamHeader
