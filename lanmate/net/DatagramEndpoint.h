#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QUdpSocket>

#include <functional>

// The datagram endpoint: one UDP socket bound to the datagram port, which receives for the
// program's whole life and sends every datagram to the same port of its destination.
class DatagramEndpoint final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DatagramEndpoint)

public:
    explicit DatagramEndpoint(
        quint16 port = 7070, QHostAddress bindAddress = QHostAddress::AnyIPv4, QObject* parent = nullptr);

    // Binds the socket; false with errorString() when the port cannot be had.
    bool open();
    QString errorString() const;
    quint16 port() const { return m_port; }
    // The port the socket is bound to (the given one, or the one the system chose for 0).
    quint16 localPort() const;

    // Sends bytes to the datagram port of host. A host that is not a dotted address is looked up
    // as a name; when that fails invalidHost() is raised and the lookup is tried once more, and
    // if that fails as well, failed is called with the reason. At most 2048 bytes go out.
    void send(const QByteArray& bytes, const QString& host, std::function<void(const QString&)> failed = {});

signals:
    // A datagram arrived: at most its first 2048 bytes, from a dotted address.
    void dataReceived(const QByteArray& bytes, const QString& fromIP);
    // A datagram was handed to the socket.
    void dataSent();
    // A destination name could not be resolved (the first time).
    void invalidHost();

private:
    void readPending();
    void sendTo(
        const QByteArray& bytes, const QHostAddress& address, const std::function<void(const QString&)>& failed);
    void lookUp(const QByteArray& bytes, const QString& host, std::function<void(const QString&)> failed, bool retry);

    quint16 m_port;
    QHostAddress m_bindAddress;
    QUdpSocket m_socket;
};
