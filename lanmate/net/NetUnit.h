#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>
#include <QStringList>

// This host's address, name and broadcast address.
namespace NetUnit {

// The last non-loopback IPv4 address the host name resolves to; when that gives only loopback
// (Debian maps the host name to 127.0.1.1), the first non-loopback IPv4 address of an interface
// that is up. Empty when there is none.
QString GetLocalIP();
// The last non-loopback IPv4 address of addresses, or empty.
QString lastUsableAddress(const QList<QHostAddress>& addresses);
// The computer name, or "未知".
QString GetLocalName();
// The broadcast address of localIP's address class (A below 128, B below 192, C above);
// empty when localIP does not begin with a number.
QString MakeBroadcastIP(const QString& localIP);
// Broadcast addresses of the IPv4 interfaces that are up and can broadcast.
QStringList interfaceBroadcasts();
// addr as dotted IPv4 text, also for IPv4-mapped IPv6 ("::ffff:a.b.c.d"); other addresses as Qt
// prints them.
QString dotted(const QHostAddress& address);
// Where a probe answer's peer is reached: its reported address, unless that is loopback or not an
// IPv4 address while the datagram came from elsewhere; then the datagram's source.
QString contactAddress(const QString& reported, const QString& source);
// True for "a.b.c.d" with four decimal numbers of at most 255.
bool isDottedIPv4(const QString& text);

} // namespace NetUnit
