#include "diary/shell/LanmateLink.h"

#include "common/LanmateContract.h"

#include <QEventLoop>
#include <QLocalSocket>
#include <QProcess>
#include <QTimer>

#include <csignal>

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

bool LanmateLink::start(const QString& program)
{
    if (isRunning())
        return false;
    // Until its window is up the assistant cannot be found; its process still can.
    if (m_startedPid > 0 && ::kill(pid_t(m_startedPid), 0) == 0)
        return false;
    m_startedPid = 0;
    QProcess process;
    process.setProgram(program);
    qint64 pid = 0;
    if (!process.startDetached(&pid))
        return false; // a missing or broken assistant simply does not start
    m_startedPid = pid;
    return true;
}
