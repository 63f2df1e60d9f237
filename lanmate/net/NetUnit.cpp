#include "lanmate/net/NetUnit.h"

#include <QHostInfo>
#include <QNetworkInterface>
#include <QRegularExpression>

namespace NetUnit {

namespace {

bool isUsableIPv4(const QHostAddress& address)
{
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 && !QHostAddress(v4).isLoopback() && v4 != 0;
}

bool isUp(const QNetworkInterface& interface)
{
    const auto flags = interface.flags();
    return flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning)
        && !flags.testFlag(QNetworkInterface::IsLoopBack);
}

} // namespace

QString lastUsableAddress(const QList<QHostAddress>& addresses)
{
    QString result;
    for (const QHostAddress& address : addresses)
        if (isUsableIPv4(address))
            result = dotted(address);
    return result;
}

QString GetLocalIP()
{
    const QString fromName = lastUsableAddress(QHostInfo::fromName(QHostInfo::localHostName()).addresses());
    if (!fromName.isEmpty())
        return fromName;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if (!isUp(interface))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries())
            if (isUsableIPv4(entry.ip()))
                return dotted(entry.ip());
    }
    return {};
}

QString GetLocalName()
{
    const QString name = QHostInfo::localHostName();
    return name.isEmpty() ? QStringLiteral("未知") : name;
}

QString MakeBroadcastIP(const QString& localIP)
{
    const QStringList parts = localIP.split(QLatin1Char('.'));
    bool numeric = false;
    const int first = parts.constFirst().toInt(&numeric);
    if (!numeric || parts.constFirst().isEmpty() || parts.constFirst().startsWith(QLatin1Char('-'))
        || parts.constFirst().startsWith(QLatin1Char('+')))
        return {};
    if (first < 128)
        return parts.constFirst() + QStringLiteral(".255.255.255");
    if (first < 192 && parts.size() >= 2)
        return parts.mid(0, 2).join(QLatin1Char('.')) + QStringLiteral(".255.255");
    if (parts.size() >= 3)
        return parts.mid(0, 3).join(QLatin1Char('.')) + QStringLiteral(".255");
    return {};
}

QStringList interfaceBroadcasts()
{
    QStringList result;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if (!isUp(interface) || !interface.flags().testFlag(QNetworkInterface::CanBroadcast))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol || entry.broadcast().isNull())
                continue;
            const QString broadcast = dotted(entry.broadcast());
            if (!result.contains(broadcast))
                result.append(broadcast);
        }
    }
    return result;
}

QString dotted(const QHostAddress& address)
{
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4).toString() : address.toString();
}

QString contactAddress(const QString& reported, const QString& source)
{
    // A peer whose host name maps to a loopback address (Debian: 127.0.1.1) reports that.
    const bool unusable = !isDottedIPv4(reported) || QHostAddress(reported).isLoopback();
    return unusable && !QHostAddress(source).isLoopback() ? source : reported;
}

bool isDottedIPv4(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}\\.\\d{1,3}$"));
    if (!form.match(text).hasMatch())
        return false;
    for (const QString& part : text.split(QLatin1Char('.')))
        if (part.toInt() > 255)
            return false;
    return true;
}

} // namespace NetUnit
