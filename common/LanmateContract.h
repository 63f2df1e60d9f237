#pragma once

#include <QByteArray>
#include <QString>

// How the diary program talks to a running LAN assistant: the assistant listens on a local
// socket with this name; a connection that succeeds means it runs. To close it, the diary
// sends the close request and waits for the reply, which the assistant sends once its window
// has closed and its chat log is saved.
namespace LanmateContract {

inline QString serverName()
{
    return QStringLiteral("Lanmate");
}
inline QByteArray closeRequest()
{
    return QByteArrayLiteral("close\n");
}
inline QByteArray closedReply()
{
    return QByteArrayLiteral("closed\n");
}

} // namespace LanmateContract
