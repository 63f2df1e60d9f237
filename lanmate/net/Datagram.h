#pragma once

#include <QByteArray>
#include <QString>

// The bytes of every datagram kind on port 7070. Texts are in the code page; these are the
// contract with every other copy of the assistant on the network.
namespace Datagram {

constexpr int maxBytes = 2048; // the most a receiver reads of one datagram
constexpr int addressWidth = 15; // address field of the probe answer
constexpr int maxNameBytes = 99; // so that the chat's name length field stays 2 characters

enum class Kind
{
    Chat,
    Probe,
    ProbeAnswer,
    OfferAnswer,
    Offer
};

// What a received datagram is, by its first bytes; anything else, an empty one too, is an offer.
Kind kindOf(const QByteArray& bytes);

QByteArray probe();
// "@_1" + address left-aligned in 15 + name, trimmed of blanks and control characters at both ends.
QByteArray probeAnswer(const QString& localIP, const QString& localName);
// "@_3" + 2-character name length + name + text. The name is cut to 99 bytes.
QByteArray chat(const QString& localName, const QString& text);
// The name length field: "8" and a blank for 8 bytes, "12" for 12.
QByteArray nameLengthField(int nameBytes);
// The offer is the bare path, with "\" separators so that every receiver finds the file name.
QByteArray offer(const QString& path);
QByteArray answer(bool accept);
// "#_1" and nothing else counts as an accept; any other "#_" text declines.
bool isAccept(const QByteArray& bytes);

struct Contact
{
    QString address;
    QString name;
};
// Bytes 4-18 as the address and 19 on as the name, each trimmed.
Contact parseProbeAnswer(const QByteArray& bytes);

struct Chat
{
    QString name;
    QString text;
};
// Throws AppError when the length field is not a number. A name that runs past the end of a
// short datagram comes out shorter.
Chat parseChat(const QByteArray& bytes);

// The file name of an offer: the last element of the decoded text, split at "\", "/" and ":";
// empty when that name may not be saved (empty, ".", "..", control characters, over 255 bytes).
QString offeredName(const QByteArray& offer);

// Blanks and control characters removed at both ends, as the receivers trim fields.
QByteArray trimmed(const QByteArray& bytes);

} // namespace Datagram
