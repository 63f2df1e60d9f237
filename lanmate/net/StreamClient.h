#pragma once

#include <QFile>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>

// The stream client: sends one file to the stream port of a host, header first, then the content
// in pieces of at most 65536 bytes as the socket drains, then waits for the 16-byte reply.
// Asynchronous: the event loop keeps running during a transfer.
class StreamClient final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StreamClient)

public:
    static constexpr qint64 pieceSize = 65536;
    static constexpr int defaultTimeoutMs = 60000;

    explicit StreamClient(quint16 port = 7700, QObject* parent = nullptr);

    // Starts sending size bytes of the file at path to host (a dotted address or a name). Ends
    // with finished(); a second call while busy is refused with finished(false).
    void SendFileStream(const QString& host, const QString& path, qint64 size);
    bool isBusy() const { return m_busy; }
    // How long a transfer may go without progress before it fails.
    void setTimeout(int ms);
    // The stream port of the receivers.
    void setPort(quint16 port);
    // The local address connections leave from; null for the system's choice.
    void setBindAddress(const QHostAddress& address);

signals:
    void hostResolved();
    void invalidHost(const QString& host);
    void connected();
    void connectionFailed();
    // A piece of content was accepted by the connection: position bytes of size sent so far.
    void packetSent(qint64 position, qint64 size);
    // The connection closed.
    void disconnected();
    // The transfer ended; ok only when the whole file went out and the reply came back.
    // failure says why it did not, for the error box (empty when a box was already raised by
    // invalidHost/connectionFailed).
    void finished(bool ok, const QString& failure);

private:
    void connectTo(const QString& address);
    void onConnected();
    void onBytesWritten(qint64 bytes);
    void onReadyRead();
    void onDisconnected();
    void onSocketError();
    void fill();
    void fail(const QString& failure);
    void end(bool ok, const QString& failure, bool graceful = true);

    quint16 m_port;
    QHostAddress m_bindAddress;
    QString m_host;
    QTcpSocket m_socket;
    QFile m_file;
    QTimer m_idle;
    bool m_busy = false;
    bool m_connected = false;
    bool m_replied = false;
    qint64 m_size = 0;
    qint64 m_read = 0; // content read from the file and handed to the socket
    qint64 m_accepted = 0; // content bytes the connection accepted
    qint64 m_headerLeft = 0; // header bytes not yet accepted
    QByteArray m_reply;
};
