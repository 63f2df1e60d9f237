// Sends a file (1 GiB unless a size in MiB is given) over loopback with the stream client and
// server, and copies the same file over a plain TCP socket pair; each receiver runs in a process
// of its own and writes the file to disk. Prints both throughputs, their ratio and the receivers'
// peak memory.
//
//   bench_lanstream [MiB] [rounds] [folder]   (folder: where the files go, the current one by default;
//                                              /dev/shm takes the disk out of the comparison)
#include "common/AppError.h"
#include "lanmate/net/StreamClient.h"
#include "lanmate/net/StreamServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <arpa/inet.h>
#include <cstdio>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int pieceSize = 65536;

// Peak resident memory of this process in KiB.
long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

void report(const char* what)
{
    std::printf("%s %ld\n", what, peakKiB());
    std::fflush(stdout);
}

// Receiver of the plain copy: accepts one connection and writes everything to path.
int plainServe(const QString& path)
{
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || ::listen(listener, 1) != 0)
        return 1;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    std::printf("port %d\n", ntohs(address.sin_port));
    std::fflush(stdout);
    const int connection = ::accept(listener, nullptr, nullptr);
    const int out = ::open(path.toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::vector<char> buffer(pieceSize);
    for (ssize_t got; (got = ::read(connection, buffer.data(), buffer.size())) > 0;)
        if (::write(out, buffer.data(), size_t(got)) != got)
            return 1;
    ::fsync(out);
    ::close(out);
    ::close(connection);
    report("peak");
    return 0;
}

// Receiver of the assistant's stream: serves one connection into path.
int streamServe(int argc, char** argv, const QString& path)
{
    QCoreApplication app(argc, argv);
    StreamServer server([&](const QString&) -> std::optional<QString> { return path; }, 0, QHostAddress::LocalHost);
    if (!server.open())
        return 1;
    QObject::connect(&server, &StreamServer::saved, [&] {
        QFile file(path);
        if (file.open(QIODevice::ReadWrite))
            ::fsync(file.handle());
    });
    QObject::connect(&server, &StreamServer::failed, [&](const QString& text) {
        std::printf("failed %s\n", qPrintable(text));
        app.exit(1);
    });
    QObject::connect(&server, &StreamServer::disconnected, [&] { app.quit(); });
    std::printf("port %d\n", server.localPort());
    std::fflush(stdout);
    const int code = app.exec();
    report("peak");
    return code;
}

// Starts this program as a receiver and reads the port it listens on.
quint16 startReceiver(QProcess& process, const QString& mode, const QString& path)
{
    process.start(QCoreApplication::applicationFilePath(), { mode, path });
    while (process.waitForReadyRead(10000))
        if (process.canReadLine()) {
            const QByteArray line = process.readLine().trimmed();
            if (line.startsWith("port "))
                return quint16(line.mid(5).toUInt());
        }
    throw AppError(QStringLiteral("receiver did not start"));
}

long receiverPeak(QProcess& process)
{
    process.waitForFinished(-1);
    long peak = -1;
    for (const QByteArray& line : process.readAllStandardOutput().split('\n'))
        if (line.startsWith("peak "))
            peak = line.mid(5).toLong();
    return peak;
}

double plainCopy(const QString& source, const QString& target, long& peak)
{
    QProcess receiver;
    const quint16 port = startReceiver(receiver, QStringLiteral("--plain-serve"), target);
    QElapsedTimer timer;
    timer.start();
    const int connection = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(connection, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0)
        throw AppError(QStringLiteral("plain copy: no connection"));
    const int in = ::open(source.toLocal8Bit().constData(), O_RDONLY);
    std::vector<char> buffer(pieceSize);
    for (ssize_t got; (got = ::read(in, buffer.data(), buffer.size())) > 0;)
        for (ssize_t sent = 0; sent < got;) {
            const ssize_t n = ::write(connection, buffer.data() + sent, size_t(got - sent));
            if (n <= 0)
                throw AppError(QStringLiteral("plain copy: write failed"));
            sent += n;
        }
    ::close(in);
    ::close(connection);
    peak = receiverPeak(receiver);
    return timer.nsecsElapsed() / 1e9;
}

double streamCopy(const QString& source, const QString& target, qint64 size, long& peak)
{
    QProcess receiver;
    const quint16 port = startReceiver(receiver, QStringLiteral("--stream-serve"), target);
    QElapsedTimer timer;
    timer.start();
    StreamClient client(port);
    bool ok = false;
    QString failure;
    QEventLoop loop;
    QObject::connect(&client, &StreamClient::finished, [&](bool done, const QString& text) {
        ok = done;
        failure = text;
        loop.quit();
    });
    client.SendFileStream(QStringLiteral("127.0.0.1"), source, size);
    loop.exec();
    if (!ok)
        throw AppError(QStringLiteral("stream copy failed: ") + failure);
    peak = receiverPeak(receiver);
    return timer.nsecsElapsed() / 1e9;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--plain-serve")
        return plainServe(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::string(argv[1]) == "--stream-serve")
        return streamServe(argc, argv, QString::fromLocal8Bit(argv[2]));

    QCoreApplication app(argc, argv);
    const qint64 mib = argc > 1 ? QByteArray(argv[1]).toLongLong() : 1024;
    const int rounds = argc > 2 ? QByteArray(argv[2]).toInt() : 3;
    const qint64 size = mib << 20;
    const QString folder = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QDir::currentPath();
    QTemporaryDir dir(QDir(folder).filePath(QStringLiteral("bench-lanstream-XXXXXX")));
    const QString source = dir.filePath(QStringLiteral("source.bin"));
    {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        QByteArray block(1 << 20, Qt::Uninitialized);
        for (int i = 0; i < block.size(); ++i)
            block[i] = char((i * 131) ^ (i >> 9));
        for (qint64 i = 0; i < mib; ++i)
            file.write(block);
    }
    try {
        std::vector<double> plain, stream;
        long plainPeak = 0, streamPeak = 0;
        for (int round = 0; round < rounds; ++round) {
            plain.push_back(plainCopy(source, dir.filePath(QStringLiteral("plain.bin")), plainPeak));
            QFile::remove(dir.filePath(QStringLiteral("plain.bin")));
            stream.push_back(streamCopy(source, dir.filePath(QStringLiteral("stream.bin")), size, streamPeak));
            QFile::remove(dir.filePath(QStringLiteral("stream.bin")));
            std::printf("round %d: plain %.2f s, stream %.2f s\n", round + 1, plain.back(), stream.back());
        }
        const double plainRate = mib / median(plain);
        const double streamRate = mib / median(stream);
        std::printf("file %lld MiB, median of %d rounds\n", static_cast<long long>(mib), rounds);
        std::printf("plain TCP copy: %.0f MiB/s, receiver peak %ld KiB\n", plainRate, plainPeak);
        std::printf("stream transfer: %.0f MiB/s, receiver peak %ld KiB, sender peak %ld KiB\n", streamRate, streamPeak,
            peakKiB());
        std::printf("ratio: %.0f %%\n", 100.0 * streamRate / plainRate);
    } catch (const AppError& failure) {
        std::fprintf(stderr, "%s\n", qPrintable(failure.message()));
        return 1;
    }
    return 0;
}
