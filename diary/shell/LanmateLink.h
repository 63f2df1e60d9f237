#pragma once

#include <QString>

// The diary's side of the link to a running LAN assistant.
class LanmateLink final
{
public:
    explicit LanmateLink(QString serverName, int replyTimeoutMs = 5000);

    // Whether an assistant is running.
    bool isRunning() const;
    // Asks a running assistant to close and waits for its reply, at most the reply timeout,
    // so that a hung assistant cannot hang the diary. False when none ran or none replied.
    bool closeAndWait() const;
    // Starts program unless an assistant runs or the one started last is still starting up.
    // True when a process was started.
    bool start(const QString& program);
    qint64 startedPid() const { return m_startedPid; }

private:
    QString m_serverName;
    int m_replyTimeoutMs;
    qint64 m_startedPid = 0;
};
