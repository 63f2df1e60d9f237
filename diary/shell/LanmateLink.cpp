#include "diary/shell/LanmateLink.h"

#include "common/LanmateContract.h"

#include <QEventLoop>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTimer>

#include <csignal>

namespace {

constexpr int ConnectTimeoutMs = 300;

// A process that exists and has not ended (an ended child nobody reaped still answers kill).
bool processAlive(qint64 pid)
{
    if (pid <= 0 || ::kill(pid_t(pid), 0) != 0)
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const qsizetype end = line.lastIndexOf(')');
    return end < 0 || line.mid(end + 2, 1) != "Z";
}

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
    if (processAlive(m_startedPid))
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
