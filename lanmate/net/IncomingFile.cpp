#include "lanmate/net/IncomingFile.h"

#include "lanmate/net/LanTexts.h"

namespace {

constexpr qint64 pieceSize = 65536;

} // namespace

IncomingFile::IncomingFile(QTcpSocket* socket, QString destination, int timeoutMs, QObject* parent)
    : QObject(parent)
    , m_socket(socket)
    , m_destination(std::move(destination))
    , m_file(m_destination)
{
    m_socket->setParent(this);
    // Content waits in the kernel, not in memory of ours, when the disk is slower than the network.
    m_socket->setReadBufferSize(4 * pieceSize);
    // Only the whole file replaces the destination; a partial one never shows up under its name.
    m_file.setDirectWriteFallback(false);
    m_idle.setSingleShot(true);
    m_idle.setInterval(timeoutMs);
    connect(&m_idle, &QTimer::timeout, this, &IncomingFile::onTimeout);
    connect(m_socket, &QTcpSocket::readyRead, this, &IncomingFile::onReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &IncomingFile::onDisconnected);
    m_idle.start();
    // Bytes may have arrived before the signals were connected.
    QMetaObject::invokeMethod(this, &IncomingFile::onReadyRead, Qt::QueuedConnection);
}

void IncomingFile::onReadyRead()
{
    if (m_done) {
        m_socket->readAll();
        return;
    }
    if (m_socket->bytesAvailable() == 0)
        return;
    m_idle.start();
    while (!m_done && m_socket->bytesAvailable() > 0) {
        if (m_parser.state() == StreamHeader::Parser::State::NeedMore) {
            QByteArray head = m_socket->read(pieceSize);
            const auto state = m_parser.feed(head);
            if (state == StreamHeader::Parser::State::Invalid) {
                m_done = true;
                m_idle.stop();
                emit rejected();
                m_socket->abort();
                return;
            }
            if (state == StreamHeader::Parser::State::Done
                && !m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
                fail(LanTexts::cannotWrite(m_destination, m_file.errorString()));
                return;
            }
            if (!writeContent(head))
                return;
        } else {
            QByteArray piece = m_socket->read(std::min(pieceSize, m_parser.size() - m_received));
            if (!writeContent(piece))
                return;
        }
    }
    if (!m_done && m_parser.state() == StreamHeader::Parser::State::Done && m_received == m_parser.size())
        finish();
}

bool IncomingFile::writeContent(QByteArray& bytes)
{
    if (m_parser.state() != StreamHeader::Parser::State::Done)
        return true;
    const qint64 wanted = std::min<qint64>(bytes.size(), m_parser.size() - m_received);
    if (wanted > 0 && m_file.write(bytes.constData(), wanted) != wanted) {
        fail(LanTexts::cannotWrite(m_destination, m_file.errorString()));
        return false;
    }
    m_received += wanted;
    if (m_received == m_parser.size())
        finish();
    return !m_done;
}

void IncomingFile::finish()
{
    if (m_done)
        return;
    if (!m_file.commit()) {
        fail(LanTexts::cannotWrite(m_destination, m_file.errorString()));
        return;
    }
    m_done = true;
    // The sender closes after the reply; one that never does is cut off after the time-out.
    m_idle.start();
    // The reply goes only after the file is in place, so the sender learns of a failed save.
    m_socket->write(StreamHeader::reply());
    emit saved(m_destination);
}

void IncomingFile::fail(const QString& text)
{
    m_done = true;
    m_idle.stop();
    m_file.cancelWriting();
    emit failed(text);
    m_socket->abort();
}

void IncomingFile::onTimeout()
{
    if (m_done) {
        m_socket->abort();
        return;
    }
    if (m_parser.state() == StreamHeader::Parser::State::Done)
        fail(LanTexts::receiveStalled(m_destination));
    else {
        m_done = true;
        emit rejected();
        m_socket->abort();
    }
}

void IncomingFile::onDisconnected()
{
    if (!m_done) {
        // Whatever is still buffered belongs to the file.
        onReadyRead();
    }
    if (!m_done) {
        if (m_parser.state() == StreamHeader::Parser::State::Done)
            fail(LanTexts::receiveIncomplete(m_destination));
        else {
            m_done = true;
            emit rejected();
        }
    }
    m_idle.stop();
    emit closed();
    deleteLater();
}
