#pragma once

#include <QList>
#include <QLocalServer>
#include <QPointer>

class QLocalSocket;

// The local server through which the diary finds a running assistant and closes it. A close
// request is answered only once the assistant has closed (answerClosed), so the diary knows
// the chat log is saved.
class LocalCloseServer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(LocalCloseServer)

public:
    explicit LocalCloseServer(QString name, QObject* parent = nullptr);

    // Listens under the name. A socket of that name that accepts no connection was left by a
    // copy that was killed and is replaced; one that does belongs to a running copy and is left
    // alone (false).
    bool listen();
    QString fullServerName() const;
    bool isListening() const;
    // Replies to every close request received so far and waits until the replies are written.
    void answerClosed();

signals:
    // The first close request arrived.
    void closeRequested();

private:
    void onNewConnection();
    void onReadyRead(QLocalSocket* socket);

    QString m_name;
    QLocalServer m_server;
    QList<QPointer<QLocalSocket>> m_waiting;
    bool m_requested = false;
};
