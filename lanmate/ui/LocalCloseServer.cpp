#include "lanmate/ui/LocalCloseServer.h"

#include "common/LanmateContract.h"

#include <QLocalSocket>
#include <QVariant>

namespace {

constexpr int ProbeTimeoutMs = 300;
constexpr int ReplyTimeoutMs = 1000;
// A request is one short line; a client that sends more is not the diary.
constexpr qsizetype MaxRequest = 64;

} // namespace

LocalCloseServer::LocalCloseServer(QString name, QObject* parent)
    : QObject(parent)
    , m_name(std::move(name))
{
    // No access options: with them the socket is put in place by a rename, which would silently
    // take the name over from a running copy.
    connect(&m_server, &QLocalServer::newConnection, this, &LocalCloseServer::onNewConnection);
}

bool LocalCloseServer::listen()
{
    if (m_server.listen(m_name))
        return true;
    if (m_server.serverError() != QAbstractSocket::AddressInUseError)
        return false;
    QLocalSocket probe;
    probe.connectToServer(m_name);
    if (probe.waitForConnected(ProbeTimeoutMs))
        return false;
    QLocalServer::removeServer(m_name);
    return m_server.listen(m_name);
}

QString LocalCloseServer::fullServerName() const
{
    return m_server.fullServerName();
}

bool LocalCloseServer::isListening() const
{
    return m_server.isListening();
}

void LocalCloseServer::onNewConnection()
{
    while (QLocalSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0)
            onReadyRead(socket);
    }
}

void LocalCloseServer::onReadyRead(QLocalSocket* socket)
{
    QByteArray buffer = socket->property("request").toByteArray() + socket->readAll();
    const QByteArray request = LanmateContract::closeRequest();
    if (buffer.startsWith(request)) {
        socket->setProperty("request", QByteArray());
        disconnect(socket, &QLocalSocket::readyRead, this, nullptr);
        m_waiting.append(socket);
        if (!m_requested) {
            m_requested = true;
            emit closeRequested();
        }
        return;
    }
    if (!request.startsWith(buffer) || buffer.size() > MaxRequest) {
        socket->disconnectFromServer();
        return;
    }
    socket->setProperty("request", buffer);
}

void LocalCloseServer::answerClosed()
{
    for (const QPointer<QLocalSocket>& socket : std::as_const(m_waiting)) {
        if (!socket || socket->state() != QLocalSocket::ConnectedState)
            continue;
        socket->write(LanmateContract::closedReply());
        socket->flush();
        socket->waitForBytesWritten(ReplyTimeoutMs);
    }
    m_waiting.clear();
}
