#include "lanmate/net/StreamClient.h"

#include "lanmate/net/LanTexts.h"
#include "lanmate/net/NetUnit.h"
#include "lanmate/net/StreamHeader.h"

#include <QHostInfo>

namespace {

// How much content may wait in the socket's buffer: enough to keep the connection busy, small
// enough that memory does not grow with the file.
constexpr qint64 queuedLimit = 4 * StreamClient::pieceSize;

} // namespace

StreamClient::StreamClient(quint16 port, QObject* parent)
    : QObject(parent)
    , m_port(port)
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(defaultTimeoutMs);
    connect(&m_idle, &QTimer::timeout, this, [this] {
        if (m_connected)
            end(false, LanTexts::noProgress(), false);
        else
            onSocketError();
    });
    connect(&m_socket, &QTcpSocket::connected, this, &StreamClient::onConnected);
    connect(&m_socket, &QTcpSocket::bytesWritten, this, &StreamClient::onBytesWritten);
    connect(&m_socket, &QTcpSocket::readyRead, this, &StreamClient::onReadyRead);
    connect(&m_socket, &QTcpSocket::disconnected, this, &StreamClient::onDisconnected);
    connect(&m_socket, &QTcpSocket::errorOccurred, this, &StreamClient::onSocketError);
}

void StreamClient::setTimeout(int ms)
{
    m_idle.setInterval(ms);
}

void StreamClient::setPort(quint16 port)
{
    m_port = port;
}

void StreamClient::setBindAddress(const QHostAddress& address)
{
    m_bindAddress = address;
}

void StreamClient::SendFileStream(const QString& host, const QString& path, qint64 size)
{
    if (m_busy) {
        emit finished(false, LanTexts::transferBusy());
        return;
    }
    // A connection still closing after the last transfer is cut off.
    if (m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.abort();
    m_busy = true;
    m_host = host;
    m_connected = false;
    m_replied = false;
    m_size = size;
    m_read = 0;
    m_accepted = 0;
    m_headerLeft = 0;
    m_reply.clear();
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        end(false, LanTexts::cannotOpen(path, m_file.errorString()));
        return;
    }
    if (NetUnit::isDottedIPv4(host)) {
        emit hostResolved();
        connectTo(host);
        return;
    }
    QHostInfo::lookupHost(host, this, [this, host](const QHostInfo& info) {
        for (const QHostAddress& address : info.addresses()) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol) {
                emit hostResolved();
                connectTo(address.toString());
                return;
            }
        }
        emit invalidHost(host);
        end(false, {});
    });
}

void StreamClient::connectTo(const QString& address)
{
    m_idle.start();
    if (!m_bindAddress.isNull())
        m_socket.bind(m_bindAddress);
    m_socket.connectToHost(address, m_port);
}

void StreamClient::onConnected()
{
    m_connected = true;
    m_idle.start();
    emit connected();
    const QByteArray header = StreamHeader::header(m_size);
    m_headerLeft = header.size();
    m_socket.write(header);
    fill();
}

void StreamClient::fill()
{
    while (m_busy && m_read < m_size && m_socket.bytesToWrite() < queuedLimit) {
        const QByteArray piece = m_file.read(std::min(pieceSize, m_size - m_read));
        if (piece.isEmpty()) {
            fail(m_file.error() == QFileDevice::NoError
                    ? LanTexts::fileShrank(m_file.fileName())
                    : LanTexts::cannotOpen(m_file.fileName(), m_file.errorString()));
            return;
        }
        m_socket.write(piece);
        m_read += piece.size();
    }
}

void StreamClient::onBytesWritten(qint64 bytes)
{
    if (!m_busy)
        return;
    m_idle.start();
    const qint64 header = std::min(bytes, m_headerLeft);
    m_headerLeft -= header;
    bytes -= header;
    if (bytes > 0) {
        m_accepted += bytes;
        emit packetSent(m_accepted, m_size);
    }
    fill();
    onReadyRead();
}

void StreamClient::onReadyRead()
{
    if (!m_busy)
        return;
    if (m_reply.size() < StreamHeader::replySize)
        m_reply += m_socket.read(StreamHeader::replySize - m_reply.size());
    if (m_reply.size() < StreamHeader::replySize || m_accepted < m_size || m_headerLeft > 0 || m_replied)
        return;
    // The reply's content is not examined: its arrival after the whole file is the receipt.
    m_replied = true;
    m_socket.disconnectFromHost();
}

void StreamClient::onDisconnected()
{
    emit disconnected();
    if (!m_busy)
        return;
    if (m_replied)
        end(true, {});
    else
        fail(LanTexts::noReply(m_host));
}

void StreamClient::onSocketError()
{
    if (!m_busy)
        return;
    if (!m_connected) {
        emit connectionFailed();
        end(false, {});
        return;
    }
    // A connection that closes is handled when it has closed.
    if (m_socket.error() == QAbstractSocket::RemoteHostClosedError)
        return;
    fail(LanTexts::transferBroken(m_socket.errorString()));
}

void StreamClient::fail(const QString& failure)
{
    end(false, failure);
}

void StreamClient::end(bool ok, const QString& failure, bool graceful)
{
    if (!m_busy)
        return;
    m_busy = false;
    m_idle.stop();
    m_file.close();
    // Closing lets the receiver read what was sent and see that the file ended early; a stalled
    // connection is cut off.
    if (m_socket.state() == QAbstractSocket::ConnectedState && graceful)
        m_socket.disconnectFromHost();
    else if (m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.abort();
    emit finished(ok, failure);
}
