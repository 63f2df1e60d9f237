// Discovery, chat and a file between two hosts: two network namespaces joined by a veth pair,
// each running an assistant on the real ports. Skips where namespaces cannot be made.
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

const QString suffix = QString::number(::getpid());
const QString nsA = QStringLiteral("dln-a") + suffix;
const QString nsB = QStringLiteral("dln-b") + suffix;
const QString vethA = QStringLiteral("dln-va") + suffix;
const QString vethB = QStringLiteral("dln-vb") + suffix;
// A /25: the class broadcast 198.51.100.255 lies outside it, only the interface's reaches the peer.
const QString ipA = QStringLiteral("198.51.100.1");
const QString ipB = QStringLiteral("198.51.100.2");

bool ip(const QStringList& arguments, QString* error = nullptr)
{
    QProcess process;
    process.start(QStringLiteral("ip"), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        if (error)
            *error = QStringLiteral("ip ") + arguments.join(QLatin1Char(' ')) + QStringLiteral(": ")
                + QString::fromLocal8Bit(process.readAllStandardError()).trimmed() + process.errorString();
        return false;
    }
    return true;
}

// One assistant in a namespace, with its own host name.
class Host
{
public:
    Host(const QString& ns, const QString& hostName, const QString& folder)
    {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral("ip"),
            { QStringLiteral("netns"), QStringLiteral("exec"), ns, QStringLiteral("unshare"), QStringLiteral("--uts"),
                QStringLiteral("sh"), QStringLiteral("-c"), QStringLiteral("hostname \"$0\" && exec \"$1\" \"$2\""),
                hostName, QStringLiteral(LANMATE_PEER), folder });
    }
    ~Host()
    {
        process.write("quit\n");
        if (!process.waitForFinished(3000)) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
    Q_DISABLE_COPY_MOVE(Host)

    void send(const QString& command)
    {
        process.write((command + QLatin1Char('\n')).toUtf8());
        process.waitForBytesWritten(3000);
    }
    // Waits until a line starting with prefix was printed; returns it.
    QString waitFor(const QString& prefix)
    {
        for (int round = 0; round < 1000; ++round) {
            for (const QString& line : std::as_const(lines))
                if (line.startsWith(prefix))
                    return line;
            if (process.state() == QProcess::NotRunning)
                break;
            process.waitForReadyRead(20);
            while (process.canReadLine())
                lines.append(QString::fromUtf8(process.readLine()).chopped(1));
        }
        return QStringLiteral("<no line starting with \"%1\" in: %2>").arg(prefix, lines.join(QLatin1String(" / ")));
    }

    QProcess process;
    QStringList lines;
};

} // namespace

class TestTwoHosts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void discoveryChatAndFile();

private:
    bool m_made = false;
};

void TestTwoHosts::initTestCase()
{
    QString error;
    if (::geteuid() != 0)
        QSKIP("network namespaces need root; two-host test skipped");
    if (!ip({ QStringLiteral("netns"), QStringLiteral("add"), nsA }, &error))
        QSKIP(qPrintable(QStringLiteral("network namespaces unavailable, two-host test skipped: ") + error));
    m_made = true;
    const QList<QStringList> steps {
        { "netns", "add", nsB },
        { "link", "add", vethA, "type", "veth", "peer", "name", vethB },
        { "link", "set", vethA, "netns", nsA },
        { "link", "set", vethB, "netns", nsB },
        { "-n", nsA, "addr", "add", ipA + "/25", "broadcast", "198.51.100.127", "dev", vethA },
        { "-n", nsB, "addr", "add", ipB + "/25", "broadcast", "198.51.100.127", "dev", vethB },
        { "-n", nsA, "link", "set", vethA, "up" },
        { "-n", nsB, "link", "set", vethB, "up" },
        { "-n", nsA, "link", "set", "lo", "up" },
        { "-n", nsB, "link", "set", "lo", "up" },
    };
    for (const QStringList& step : steps)
        if (!ip(step, &error))
            QSKIP(qPrintable(QStringLiteral("could not set up the two hosts, test skipped: ") + error));
}

void TestTwoHosts::cleanupTestCase()
{
    if (!m_made)
        return;
    // Deleting the namespaces removes the veth pair with them.
    ip({ QStringLiteral("netns"), QStringLiteral("del"), nsA });
    ip({ QStringLiteral("netns"), QStringLiteral("del"), nsB });
}

void TestTwoHosts::discoveryChatAndFile()
{
    QTemporaryDir folderA;
    QTemporaryDir folderB;
    Host a(nsA, QStringLiteral("dlnpeer-a"), folderA.path());
    Host b(nsB, QStringLiteral("dlnpeer-b"), folderB.path());
    // The host name resolves to nothing in the namespace: the interface's address is taken.
    QCOMPARE(a.waitFor(QStringLiteral("identity ")),
        QStringLiteral("identity 198.51.100.1 dlnpeer-a 198.51.100.255 198.51.100.127"));
    QCOMPARE(b.waitFor(QStringLiteral("identity ")),
        QStringLiteral("identity 198.51.100.2 dlnpeer-b 198.51.100.255 198.51.100.127"));

    a.send(QStringLiteral("probe"));
    QCOMPARE(a.waitFor(QStringLiteral("contact dlnpeer-b")), QStringLiteral("contact dlnpeer-b 198.51.100.2"));
    b.send(QStringLiteral("probe"));
    QCOMPARE(b.waitFor(QStringLiteral("contact dlnpeer-a")), QStringLiteral("contact dlnpeer-a 198.51.100.1"));

    // A peer whose host name maps to 127.0.1.1 reports that address; it is listed under the
    // address its answer came from.
    b.send(QStringLiteral("raw 198.51.100.1 @_1127.0.1.1      oldpeer"));
    QCOMPARE(a.waitFor(QStringLiteral("contact oldpeer")), QStringLiteral("contact oldpeer 198.51.100.2"));

    a.send(QStringLiteral("chat 198.51.100.2 你好"));
    QVERIFY2(b.waitFor(QStringLiteral("log ")).endsWith(QStringLiteral(")来自\"dlnpeer-a\"的信息：|你好")),
        qPrintable(b.lines.join(QLatin1String(" / "))));

    QByteArray content(300000, Qt::Uninitialized);
    for (int i = 0; i < content.size(); ++i)
        content[i] = char(i % 251);
    const QString path = QDir(folderA.path()).filePath(QStringLiteral("report.bin"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    a.send(QStringLiteral("offer 198.51.100.2 ") + path);
    QCOMPARE(a.waitFor(QStringLiteral("box 结果")), QStringLiteral("box 结果 向用户 198.51.100.2 传送文件成功！"));
    const QString saved = QDir(folderB.path()).filePath(QStringLiteral("report.bin"));
    QCOMPARE(b.waitFor(QStringLiteral("received ")), QStringLiteral("received ") + saved);
    QFile received(saved);
    QVERIFY(received.open(QIODevice::ReadOnly));
    QVERIFY(received.readAll() == content);
    QVERIFY2(!a.lines.join(QLatin1Char('\n')).contains(QLatin1String("error")),
        qPrintable(a.lines.join(QLatin1String(" / "))));
}

DAILORA_TEST_MAIN(TestTwoHosts)
#include "TestTwoHosts.moc"
