#include "lanmate/net/StreamServer.h"

#include "lanmate/net/IncomingFile.h"
#include "lanmate/net/NetUnit.h"
#include "lanmate/net/StreamClient.h"

#include <QTcpSocket>

StreamServer::StreamServer(Destination destination, quint16 port, QHostAddress bindAddress, QObject* parent)
    : QObject(parent)
    , m_destination(std::move(destination))
    , m_port(port)
    , m_bindAddress(std::move(bindAddress))
    , m_timeoutMs(StreamClient::defaultTimeoutMs)
{
    m_server.setListenBacklogSize(5);
    connect(&m_server, &QTcpServer::newConnection, this, &StreamServer::onNewConnection);
}

bool StreamServer::open()
{
    return m_server.listen(m_bindAddress, m_port);
}

QString StreamServer::errorString() const
{
    return m_server.errorString();
}

quint16 StreamServer::localPort() const
{
    return m_server.serverPort();
}

void StreamServer::setTimeout(int ms)
{
    m_timeoutMs = ms;
}

void StreamServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        const QString peer = NetUnit::dotted(socket->peerAddress());
        const std::optional<QString> destination = m_destination(peer);
        if (!destination) {
            emit refused(peer);
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto* incoming = new IncomingFile(socket, *destination, m_timeoutMs, this);
        connect(incoming, &IncomingFile::saved, this, &StreamServer::saved);
        connect(incoming, &IncomingFile::failed, this, &StreamServer::failed);
        connect(incoming, &IncomingFile::closed, this, &StreamServer::disconnected);
    }
}
