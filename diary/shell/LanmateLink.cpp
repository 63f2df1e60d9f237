#include "diary/shell/LanmateLink.h"

#include "common/LanmateContract.h"

#include <QEventLoop>
#include <QLocalSocket>
#include <QTimer>

namespace {

constexpr int ConnectTimeoutMs = 300;

} // namespace

LanmateLink::LanmateLink(QString serverName, int replyTimeoutMs)
    : m_serverName(std::move(serverName))
    , m_replyTimeoutMs(replyTimeoutMs)
{
}

bool LanmateLink::isRunning() const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    return socket.waitForConnected(ConnectTimeoutMs);
}

bool LanmateLink::closeAndWait() const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(ConnectTimeoutMs))
        return false;
    socket.write(LanmateContract::closeRequest());
    socket.flush();

    // Wait on an event loop rather than blocking, so the reply can come from anywhere, but
    // keep the user's input out while waiting.
    QEventLoop loop;
    QByteArray received;
    bool replied = false;
    QObject::connect(&socket, &QLocalSocket::readyRead, &loop, [&] {
        received += socket.readAll();
        if (received.contains(LanmateContract::closedReply())) {
            replied = true;
            loop.quit();
        }
    });
    QObject::connect(&socket, &QLocalSocket::disconnected, &loop, &QEventLoop::quit);
    QTimer::singleShot(m_replyTimeoutMs, &loop, &QEventLoop::quit);
    if (socket.state() == QLocalSocket::ConnectedState)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return replied;
}
