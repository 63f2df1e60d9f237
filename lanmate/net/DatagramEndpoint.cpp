#include "lanmate/net/DatagramEndpoint.h"

#include "lanmate/net/Datagram.h"
#include "lanmate/net/NetUnit.h"

#include <QHostInfo>
#include <QNetworkDatagram>

DatagramEndpoint::DatagramEndpoint(quint16 port, QHostAddress bindAddress, QObject* parent)
    : QObject(parent)
    , m_port(port)
    , m_bindAddress(bindAddress == QHostAddress::Any ? QHostAddress(QHostAddress::AnyIPv4) : std::move(bindAddress))
{
    connect(&m_socket, &QUdpSocket::readyRead, this, &DatagramEndpoint::readPending);
}

bool DatagramEndpoint::open()
{
    if (!m_socket.bind(m_bindAddress, m_port))
        return false;
    if (m_port == 0)
        m_port = m_socket.localPort();
    return true;
}

QString DatagramEndpoint::errorString() const
{
    return m_socket.errorString();
}

quint16 DatagramEndpoint::localPort() const
{
    return m_socket.localPort();
}

void DatagramEndpoint::readPending()
{
    while (m_socket.hasPendingDatagrams()) {
        // Read at most the protocol's limit; the rest of a longer datagram is dropped.
        QByteArray bytes(Datagram::maxBytes, Qt::Uninitialized);
        QHostAddress from;
        const qint64 size = m_socket.readDatagram(bytes.data(), bytes.size(), &from);
        if (size < 0)
            break;
        bytes.truncate(size);
        emit dataReceived(bytes, NetUnit::dotted(from));
    }
}

void DatagramEndpoint::send(const QByteArray& bytes, const QString& host, std::function<void(const QString&)> failed)
{
    if (NetUnit::isDottedIPv4(host)) {
        sendTo(bytes, QHostAddress(host), failed);
        return;
    }
    lookUp(bytes, host, std::move(failed), true);
}

void DatagramEndpoint::lookUp(
    const QByteArray& bytes, const QString& host, std::function<void(const QString&)> failed, bool retry)
{
    QHostInfo::lookupHost(host, this, [this, bytes, host, failed, retry](const QHostInfo& info) {
        for (const QHostAddress& address : info.addresses()) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol) {
                sendTo(bytes, address, failed);
                return;
            }
        }
        if (retry) {
            emit invalidHost();
            lookUp(bytes, host, failed, false);
        } else if (failed) {
            failed(info.errorString());
        }
    });
}

void DatagramEndpoint::sendTo(
    const QByteArray& bytes, const QHostAddress& address, const std::function<void(const QString&)>& failed)
{
    if (m_socket.writeDatagram(bytes.left(Datagram::maxBytes), address, m_port) < 0) {
        if (failed)
            failed(m_socket.errorString());
        return;
    }
    emit dataSent();
}
