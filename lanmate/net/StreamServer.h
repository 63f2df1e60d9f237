#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

#include <functional>
#include <optional>

// The stream server: listens on the stream port and serves every connection at once, each by an
// IncomingFile. A connection is served only when an accepted offer waits for its peer; others are
// closed without reading.
class StreamServer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StreamServer)

public:
    // Given the peer's dotted address, the destination of the oldest accepted offer from it.
    using Destination = std::function<std::optional<QString>(const QString& peer)>;

    StreamServer(Destination destination, quint16 port = 7700, QHostAddress bindAddress = QHostAddress::Any,
        QObject* parent = nullptr);

    bool open();
    QString errorString() const;
    quint16 localPort() const;
    void setTimeout(int ms);

signals:
    // A received file is in place.
    void saved(const QString& destination);
    // A connection failed while receiving, with the text for the error box.
    void failed(const QString& text);
    // A served connection closed.
    void disconnected();
    // A connection came without an accepted offer waiting for it, and was closed.
    void refused(const QString& peer);

private:
    void onNewConnection();

    Destination m_destination;
    quint16 m_port;
    QHostAddress m_bindAddress;
    QTcpServer m_server;
    int m_timeoutMs;
};
