#pragma once

#include <QByteArray>
#include <QtGlobal>

// The head of a file stream on port 7700: "0000" (the sender name's length, always 0), the
// size right-aligned in 10 characters, then the content; the receiver's reply is 16 bytes.
namespace StreamHeader {

constexpr qint64 maxSize = 9'999'999'999; // the most the 10-character size field holds
constexpr int replySize = 16;

QByteArray header(qint64 size);
// "OK" followed by 14 blanks.
QByteArray reply();

// Reads a header as its bytes arrive.
class Parser
{
public:
    enum class State
    {
        NeedMore,
        Done,
        Invalid
    };

    // Takes what it needs of bytes from the front and removes it; returns the state after that.
    State feed(QByteArray& bytes);
    State state() const { return m_state; }
    qint64 size() const { return m_size; }
    const QByteArray& senderName() const { return m_name; }

private:
    State m_state = State::NeedMore;
    int m_nameLength = -1;
    QByteArray m_head;
    QByteArray m_name;
    qint64 m_size = -1;
};

// "0000" and similar: exactly four decimal digits.
bool isNameLength(const QByteArray& field);
// Leading blanks, then at least one decimal digit and nothing else; -1 otherwise.
qint64 parseSize(const QByteArray& field);

} // namespace StreamHeader
