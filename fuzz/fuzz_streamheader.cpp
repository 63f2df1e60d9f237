// Feeds arbitrary bytes, cut into arbitrary pieces, to the stream header parser: it must accept
// only four digits, the name and a blank-padded decimal size, and never take more than the header.
#include "lanmate/net/StreamHeader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const int piece = 1 + data[0] % 32;
    const QByteArray all(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    StreamHeader::Parser parser;
    QByteArray rest;
    qsizetype taken = 0;
    for (qsizetype at = 0; at < all.size(); at += piece) {
        QByteArray bytes = all.mid(at, piece);
        const qsizetype before = bytes.size();
        const auto state = parser.feed(bytes);
        taken += before - bytes.size();
        if (state != StreamHeader::Parser::State::NeedMore) {
            rest = bytes + all.mid(at + piece);
            break;
        }
        if (!bytes.isEmpty())
            std::abort(); // more input wanted but some left unread
    }
    if (parser.state() == StreamHeader::Parser::State::Done) {
        const QByteArray header = all.left(taken);
        const int nameLength = header.left(4).toInt();
        if (!StreamHeader::isNameLength(header.left(4)) || parser.senderName().size() != nameLength
            || taken != 14 + nameLength || parser.size() < 0 || parser.size() > StreamHeader::maxSize
            || StreamHeader::parseSize(header.right(10)) != parser.size() || rest != all.mid(taken))
            std::abort();
    }
    return 0;
}
