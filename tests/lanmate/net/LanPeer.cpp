#include "tests/lanmate/net/LanPeer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QNetworkDatagram>
#include <QTest>
#include <QUdpSocket>

LanPeer::LanPeer(
    const QString& address, const QString& name, quint16 datagramPort, quint16 streamPort, QStringList broadcasts)
    : address(address)
{
    NetIdentity identity { address, name, broadcasts.value(0), broadcasts.mid(1) };
    session = std::make_unique<LanSession>(
        prompts, clock, identity, LanPorts { datagramPort, streamPort, QHostAddress(address) });
    QObject::connect(session.get(), &LanSession::statusChanged, [this](const QString& s) { statuses.append(s); });
    QObject::connect(session.get(), &LanSession::chatLogged, [this](const QString& s) { log.append(s); });
    QObject::connect(session.get(), &LanSession::contactsCleared, [this] { contacts.append(QStringLiteral("-")); });
    QObject::connect(session.get(), &LanSession::contactFound,
        [this](const QString& n, const QString& a) { contacts.append(n + QLatin1Char('|') + a); });
    QObject::connect(session.get(), &LanSession::gaugeChanged, [this](int max, int pos) {
        gauge.append({ max, pos });
    });
    QObject::connect(session.get(), &LanSession::sendEnabledChanged, [this](bool on) { sendEnabled.append(on); });
    QObject::connect(session.get(), &LanSession::panelEnabledChanged, [this](bool on) { panelEnabled.append(on); });
    QObject::connect(session.get(), &LanSession::fileReceived, [this](const QString& p) { received.append(p); });
    QVERIFY(session->open());
}

QString LanPeer::folderFile(const QString& name) const
{
    return QDir(folder.path()).filePath(name);
}

QStringList LanPeer::statusSuffixes() const
{
    QStringList result;
    for (const QString& s : statuses)
        result.append(s.mid(8));
    return result;
}

RawPeer::RawPeer(const QString& address, quint16 port)
    : address(address)
    , port(port)
    , socket(std::make_unique<QUdpSocket>())
{
    QVERIFY(socket->bind(QHostAddress(address), port));
}

void RawPeer::send(const QByteArray& bytes, const QString& to)
{
    socket->writeDatagram(bytes, QHostAddress(to), port);
}

QByteArray RawPeer::next()
{
    // The session answers from its event loop, so keep it running while waiting.
    QDeadlineTimer deadline(5000);
    while (!socket->hasPendingDatagrams() && !deadline.hasExpired())
        QTest::qWait(5);
    if (!socket->hasPendingDatagrams())
        return QByteArrayLiteral("<nothing>");
    return socket->receiveDatagram(65536).data();
}

QByteArray RawPeer::nextAfterProbe(const QString& to)
{
    send(QByteArrayLiteral("@_0"), to);
    return next();
}
