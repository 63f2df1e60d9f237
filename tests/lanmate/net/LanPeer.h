#pragma once

#include "lanmate/net/LanSession.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedPrompts.h"

#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// One assistant on a loopback address with scripted prompts, a fixed clock and a record of
// everything its window would show.
class LanPeer
{
public:
    // name's session binds to address with the given ports (0: the system chooses).
    LanPeer(const QString& address, const QString& name, quint16 datagramPort, quint16 streamPort,
        QStringList broadcasts = {});
    Q_DISABLE_COPY_MOVE(LanPeer)

    QString address;
    ScriptedPrompts prompts;
    FixedClock clock;
    QTemporaryDir folder; // where received files are saved
    std::unique_ptr<LanSession> session;

    QStringList statuses;
    QStringList log;
    QStringList contacts; // "name|address", "-" for each emptying
    QList<std::pair<int, int>> gauge;
    QList<bool> sendEnabled;
    QList<bool> panelEnabled;
    QStringList received;

    QString folderFile(const QString& name) const;
    // The status lines without their time stamps.
    QStringList statusSuffixes() const;
};

// A UDP socket on its own loopback address that plays a peer byte by byte.
class RawPeer
{
public:
    RawPeer(const QString& address, quint16 port);

    void send(const QByteArray& bytes, const QString& to);
    // Waits for the next datagram; "<nothing>" when none comes.
    QByteArray next();
    // Probes to and returns the next datagram: datagrams arrive in order on loopback, so the
    // probe answer coming first shows that nothing else was sent before it.
    QByteArray nextAfterProbe(const QString& to);

    QString address;
    quint16 port;
    std::unique_ptr<class QUdpSocket> socket;
};
