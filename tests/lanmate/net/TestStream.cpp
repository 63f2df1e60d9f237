// The stream client and server against a peer played byte by byte over loopback.
#include "lanmate/net/StreamClient.h"
#include "lanmate/net/StreamServer.h"
#include "tests/support/TestMain.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArrayLiteral("<missing>");
}

// Reads count bytes from socket, with the event loop running for the other side in this process;
// less when the peer closes or nothing comes.
QByteArray readExactly(QTcpSocket& socket, qint64 count)
{
    QByteArray bytes;
    QDeadlineTimer deadline(5000);
    while (bytes.size() < count && !deadline.hasExpired()) {
        bytes += socket.read(count - bytes.size());
        if (bytes.size() < count && socket.state() == QAbstractSocket::UnconnectedState && !socket.bytesAvailable())
            break;
        if (bytes.size() < count)
            QTest::qWait(2);
    }
    return bytes;
}

} // namespace

class TestStream : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void clientBytes_data();
    void clientBytes();
    void peerClosesBeforeReply();
    void connectionRefused();
    void invalidHost();
    void clientGivesUpWithoutProgress();

    void serverSaves_data();
    void serverSaves();
    void invalidHeaderGetsNoReply_data();
    void invalidHeaderGetsNoReply();
    void streamWithoutOfferClosedUnread();
    void earlyEndKeepsExistingFile();
    void serverGivesUpWithoutProgress();
    void connectionsServedAtOnce();
    void peerAddressIsDotted();

private:
    // A raw client connected to the server under test.
    std::unique_ptr<QTcpSocket> connectRaw();
    std::unique_ptr<StreamServer> server;
    std::unique_ptr<QTemporaryDir> dir;
    QStringList peers; // addresses the server asked about
    QStringList destinations; // what it is told, oldest first
};

void TestStream::init()
{
    dir = std::make_unique<QTemporaryDir>();
    peers.clear();
    destinations.clear();
    server = std::make_unique<StreamServer>(
        [this](const QString& peer) -> std::optional<QString> {
            peers.append(peer);
            if (destinations.isEmpty())
                return std::nullopt;
            return destinations.takeFirst();
        },
        0, QHostAddress::LocalHost);
    QVERIFY(server->open());
}

void TestStream::cleanup()
{
    server.reset();
}

std::unique_ptr<QTcpSocket> TestStream::connectRaw()
{
    auto socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(QHostAddress::LocalHost, server->localPort());
    if (!socket->waitForConnected(5000))
        qWarning("raw client could not connect");
    return socket;
}

void TestStream::clientBytes_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("empty file") << qint64(0) << QByteArray("0000         0");
    QTest::newRow("1234 bytes") << qint64(1234) << QByteArray("0000      1234");
    QTest::newRow("several pieces") << qint64(200000) << QByteArray("0000    200000");
}

void TestStream::clientBytes()
{
    QFETCH(qint64, size);
    QFETCH(QByteArray, header);
    QByteArray content(size, 'c');
    for (qint64 i = 0; i < size; ++i)
        content[i] = char(i % 253);
    const QString path = QDir(dir->path()).filePath(QStringLiteral("f.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    QTcpServer peer;
    QVERIFY(peer.listen(QHostAddress::LocalHost));
    StreamClient client(peer.serverPort());
    QSignalSpy packets(&client, &StreamClient::packetSent);
    QSignalSpy finished(&client, &StreamClient::finished);
    client.SendFileStream(QStringLiteral("127.0.0.1"), path, size);
    QVERIFY(peer.waitForNewConnection(5000));
    std::unique_ptr<QTcpSocket> socket(peer.nextPendingConnection());
    // Read as the receiver would, with the client's side running meanwhile.
    QByteArray received;
    QTRY_COMPARE_WITH_TIMEOUT((received += socket->readAll()).size(), header.size() + size, 10000);
    QCOMPARE(received.left(14), header);
    QVERIFY(received.mid(14) == content);
    QVERIFY(finished.isEmpty());
    socket->write("OK              ");
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), true);
    QTRY_COMPARE(socket->state(), QAbstractSocket::UnconnectedState);
    if (size == 0) {
        QVERIFY(packets.isEmpty());
    } else {
        QCOMPARE(packets.last().at(0).toLongLong(), size);
        QCOMPARE(packets.last().at(1).toLongLong(), size);
        QVERIFY(size <= 65536 || packets.size() > 1);
    }
}

void TestStream::peerClosesBeforeReply()
{
    const QString path = QDir(dir->path()).filePath(QStringLiteral("f.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("12345");
    file.close();
    QTcpServer peer;
    QVERIFY(peer.listen(QHostAddress::LocalHost));
    StreamClient client(peer.serverPort());
    QSignalSpy finished(&client, &StreamClient::finished);
    QSignalSpy closed(&client, &StreamClient::disconnected);
    client.SendFileStream(QStringLiteral("127.0.0.1"), path, 5);
    QVERIFY(peer.waitForNewConnection(5000));
    std::unique_ptr<QTcpSocket> socket(peer.nextPendingConnection());
    QCOMPARE(readExactly(*socket, 19), QByteArray("0000         512345"));
    socket->write("OK    "); // part of a reply only
    socket->disconnectFromHost();
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(finished.at(0).at(1).toString(), QStringLiteral("用户 127.0.0.1 没有确认收到文件，传送失败"));
    QCOMPARE(closed.size(), 1);
}

void TestStream::connectionRefused()
{
    QTcpServer closedPort;
    QVERIFY(closedPort.listen(QHostAddress::LocalHost));
    const quint16 port = closedPort.serverPort();
    closedPort.close();
    const QString path = QDir(dir->path()).filePath(QStringLiteral("f.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    StreamClient client(port);
    QSignalSpy failed(&client, &StreamClient::connectionFailed);
    QSignalSpy finished(&client, &StreamClient::finished);
    client.SendFileStream(QStringLiteral("127.0.0.1"), path, 0);
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(failed.size(), 1);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(finished.at(0).at(1).toString(), QString());
}

void TestStream::invalidHost()
{
    const QString path = QDir(dir->path()).filePath(QStringLiteral("f.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    StreamClient client(1);
    QSignalSpy invalid(&client, &StreamClient::invalidHost);
    QSignalSpy finished(&client, &StreamClient::finished);
    // Not a valid host name at all, so no name server is asked.
    client.SendFileStream(QStringLiteral("no such host"), path, 0);
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(invalid.size(), 1);
    QCOMPARE(invalid.at(0).at(0).toString(), QStringLiteral("no such host"));
    QCOMPARE(finished.at(0).at(0).toBool(), false);
}

void TestStream::clientGivesUpWithoutProgress()
{
    const QString path = QDir(dir->path()).filePath(QStringLiteral("f.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QTcpServer peer;
    QVERIFY(peer.listen(QHostAddress::LocalHost));
    StreamClient client(peer.serverPort());
    client.setTimeout(200);
    QSignalSpy finished(&client, &StreamClient::finished);
    client.SendFileStream(QStringLiteral("127.0.0.1"), path, 0);
    // The peer takes the header and never replies.
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(finished.at(0).at(1).toString(), QStringLiteral("60 秒没有进展，文件传送失败"));
}

void TestStream::serverSaves_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty file") << QByteArray("0000         0") << QByteArray();
    QTest::newRow("sender name read") << QByteArray("0003bob         5hello") << QByteArray("hello");
    QTest::newRow("bytes after the size ignored") << QByteArray("0000         3abcdef") << QByteArray("abc");
}

void TestStream::serverSaves()
{
    QFETCH(QByteArray, stream);
    QFETCH(QByteArray, content);
    const QString target = QDir(dir->path()).filePath(QStringLiteral("out.txt"));
    destinations.append(target);
    QSignalSpy saved(server.get(), &StreamServer::saved);
    QSignalSpy closed(server.get(), &StreamServer::disconnected);
    auto socket = connectRaw();
    socket->write(stream);
    QCOMPARE(readExactly(*socket, 16), QByteArray("OK              "));
    QCOMPARE(saved.size(), 1);
    QCOMPARE(readAll(target), content);
    socket->disconnectFromHost();
    QTRY_COMPARE(closed.size(), 1);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("out.txt") });
}

void TestStream::invalidHeaderGetsNoReply_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::newRow("letter in length") << QByteArray("000x         3abc");
    QTest::newRow("blank-padded size") << QByteArray("00003         abc");
    QTest::newRow("letter in size") << QByteArray("0000        3xabc");
}

void TestStream::invalidHeaderGetsNoReply()
{
    QFETCH(QByteArray, stream);
    destinations.append(QDir(dir->path()).filePath(QStringLiteral("out.txt")));
    QSignalSpy saved(server.get(), &StreamServer::saved);
    QSignalSpy failed(server.get(), &StreamServer::failed);
    auto socket = connectRaw();
    socket->write(stream);
    QTRY_COMPARE(socket->state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(socket->readAll(), QByteArray());
    QVERIFY(saved.isEmpty());
    QVERIFY(failed.isEmpty());
    QVERIFY(QDir(dir->path()).isEmpty());
}

void TestStream::streamWithoutOfferClosedUnread()
{
    QSignalSpy refused(server.get(), &StreamServer::refused);
    auto socket = connectRaw();
    socket->write("0000         3abc");
    QTRY_COMPARE(socket->state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(refused.size(), 1);
    QCOMPARE(refused.at(0).at(0).toString(), QStringLiteral("127.0.0.1"));
    QVERIFY(QDir(dir->path()).isEmpty());
}

void TestStream::earlyEndKeepsExistingFile()
{
    const QString target = QDir(dir->path()).filePath(QStringLiteral("out.txt"));
    QFile old(target);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old content");
    old.close();
    destinations.append(target);
    QSignalSpy failed(server.get(), &StreamServer::failed);
    auto socket = connectRaw();
    socket->write("0000       100");
    socket->write(QByteArray(50, 'x'));
    socket->disconnectFromHost();
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).toString(),
        QStringLiteral("连接在文件接收完之前中断，") + target + QStringLiteral(" 没有保存"));
    QCOMPARE(readAll(target), QByteArray("old content"));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList { QStringLiteral("out.txt") });
}

void TestStream::serverGivesUpWithoutProgress()
{
    server->setTimeout(200);
    const QString target = QDir(dir->path()).filePath(QStringLiteral("out.txt"));
    destinations.append(target);
    QSignalSpy failed(server.get(), &StreamServer::failed);
    auto socket = connectRaw();
    socket->write("0000       100abc");
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(
        failed.at(0).at(0).toString(), QStringLiteral("60 秒没有收到数据，") + target + QStringLiteral(" 没有保存"));
    QTRY_COMPARE(socket->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(QDir(dir->path()).isEmpty());
}

void TestStream::connectionsServedAtOnce()
{
    const QString first = QDir(dir->path()).filePath(QStringLiteral("one"));
    const QString second = QDir(dir->path()).filePath(QStringLiteral("two"));
    destinations = QStringList { first, second };
    QSignalSpy saved(server.get(), &StreamServer::saved);
    auto one = connectRaw();
    auto two = connectRaw();
    QTRY_COMPARE(peers.size(), 2);
    one->write("0000        10AAAAA");
    two->write("0000         4BB");
    QTest::qWait(0);
    two->write("BB");
    QCOMPARE(readExactly(*two, 16), QByteArray("OK              "));
    one->write("AAAAA");
    QCOMPARE(readExactly(*one, 16), QByteArray("OK              "));
    QCOMPARE(readAll(first), QByteArray("AAAAAAAAAA"));
    QCOMPARE(readAll(second), QByteArray("BBBB"));
}

void TestStream::peerAddressIsDotted()
{
    // Bound to any address, Qt reports IPv4 peers as "::ffff:a.b.c.d".
    StreamServer any(
        [this](const QString& peer) -> std::optional<QString> {
            peers.append(peer);
            return std::nullopt;
        },
        0, QHostAddress::Any);
    QVERIFY(any.open());
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, any.localPort());
    QTRY_COMPARE(peers, QStringList { QStringLiteral("127.0.0.1") });
}

DAILORA_TEST_MAIN(TestStream)
#include "TestStream.moc"
