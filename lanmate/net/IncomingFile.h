#pragma once

#include "lanmate/net/StreamHeader.h"

#include <QObject>
#include <QSaveFile>
#include <QTcpSocket>
#include <QTimer>

// One served stream connection: reads the header, writes the content to a temporary file beside
// its destination, and on the last byte puts the file in place and sends the reply. A header that
// is not valid, a write failure or a connection that ends early leave nothing behind and send no
// reply.
class IncomingFile final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(IncomingFile)

public:
    // Takes over socket; destination is the file to create (replaced if it exists).
    IncomingFile(QTcpSocket* socket, QString destination, int timeoutMs, QObject* parent = nullptr);

    const QString& destination() const { return m_destination; }

signals:
    // The whole file is in place and the reply was sent.
    void saved(const QString& destination);
    // Receiving failed for a reason the user should see (write failure, early end, time-out).
    void failed(const QString& text);
    // The header was not valid: the connection was closed without a reply, nothing was written.
    void rejected();
    // The connection closed; the object deletes itself afterwards.
    void closed();

private:
    void onReadyRead();
    void onDisconnected();
    void onTimeout();
    bool writeContent(QByteArray& bytes);
    void finish();
    void fail(const QString& text);

    QTcpSocket* m_socket;
    QString m_destination;
    StreamHeader::Parser m_parser;
    QSaveFile m_file;
    QTimer m_idle;
    qint64 m_received = 0;
    bool m_done = false;
};
