// The local server through which the diary closes the assistant, and how the assistant ends.
#include "common/LanmateContract.h"
#include "common/QuietPrompts.h"
#include "lanmate/chatlog/ChatLogFile.h"
#include "lanmate/net/LanSession.h"
#include "lanmate/ui/IPList.h"
#include "lanmate/ui/LanmateProgram.h"
#include "lanmate/ui/LocalCloseServer.h"
#include "lanmate/ui/Main.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QDialog>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTextEdit>
#include <QUdpSocket>
#include <functional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <utility>

namespace {

const QString LogName = QStringLiteral("talkRecords.txt");
const QString Me = QStringLiteral("127.0.0.1");

NetIdentity loopbackIdentity()
{
    NetIdentity id;
    id.LocalIP = Me;
    id.LocalName = QStringLiteral("me");
    id.BroadcastIP = QStringLiteral("127.255.255.255");
    return id;
}

LanPorts loopbackPorts(quint16 datagram = 0)
{
    return { datagram, 0, QHostAddress(Me) };
}

// Prompts whose questions and file dialogs are real modal dialogs, left open until something
// ends them; shown() runs once each is up, and current is the one open.
class ModalPrompts final : public QuietPrompts
{
public:
    std::function<void()> shown;
    int count = 0;
    QStringList texts; // the question, or the file dialog's caption, of each dialog shown
    QDialog* current = nullptr;

    bool confirm(const QString& text, const QString&, Icon) override { return run(text) == QDialog::Accepted; }
    void error(const QString& text) override { qWarning("error box: %s", qPrintable(text)); }
    QString openFileName(const QString& caption, const QString&, const QString&) override
    {
        return run(caption) == QDialog::Accepted ? QStringLiteral("/nonexistent/chosen.txt") : QString();
    }
    QString saveFileName(const QString& caption, const QString& folder, const QString& filter) override
    {
        return openFileName(caption, folder, filter);
    }

private:
    int run(const QString& text)
    {
        ++count;
        texts.append(text);
        QDialog dialog;
        dialog.setModal(true);
        QDialog* outer = std::exchange(current, &dialog);
        QTimer::singleShot(0, &dialog, [this] {
            if (shown)
                shown();
        });
        const int result = dialog.exec();
        current = outer;
        return result;
    }
};

// An assistant on loopback, its ports open, its log loaded and its window shown.
std::unique_ptr<LanmateProgram> started(const AppContext& context, const QString& server)
{
    auto program = std::make_unique<LanmateProgram>(context, loopbackIdentity(), loopbackPorts(), server);
    if (!program->open())
        qFatal("cannot open the assistant's ports");
    program->start();
    return program;
}

// Sends the close request without waiting; the reply is read later.
void requestClose(QLocalSocket& client, const QString& server)
{
    client.connectToServer(server);
    client.write(LanmateContract::closeRequest());
    client.flush();
}

QByteArray replyOf(QLocalSocket& client)
{
    QByteArray reply = client.readAll();
    while (!reply.contains('\n') && client.waitForReadyRead(5000))
        reply += client.readAll();
    return reply;
}

// A socket file with nobody listening, as a killed copy leaves it.
bool makeStaleSocket(const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (size_t(bytes.size()) >= sizeof(address.sun_path))
        return false;
    memcpy(address.sun_path, bytes.constData(), size_t(bytes.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    if (fd >= 0)
        ::close(fd);
    return bound && QFileInfo::exists(path);
}

} // namespace

class TestLanmateClose : public QObject
{
    Q_OBJECT

private slots:
    void closeRequestSavesLogAndEndsTheProgram();
    void userCloseSavesLogAndEnds();
    void closeRequestEndsOpenDialogs_data();
    void closeRequestEndsOpenDialogs();
    void closeRequestEndsTheContactList();
    void offerWaitsUntilTheSaveDialogCloses();
    void closeDuringTransferLeavesNoTemporaryFile();
    void otherClientsDoNotClose_data();
    void otherClientsDoNotClose();
    void secondCopyWithoutPortsTouchesNothing();
    void staleSocketIsReplaced();
    void runningServerIsLeftAlone();
    void separateTempFoldersDoNotMeet();
};

void TestLanmateClose::closeRequestSavesLogAndEndsTheProgram()
{
    TestContext t;
    // A plain-text log: after the close it comes back as RTF with the same entries.
    t.writeFile(LogName, "first\r\n第二\r\n");
    const QString server = t.file(QStringLiteral("Lanmate.socket"));
    QLocalSocket client;
    QTimer::singleShot(0, this, [&] { requestClose(client, server); });
    auto* app = qobject_cast<Application*>(QCoreApplication::instance());
    QCOMPARE(runLanmate(*app, t.context, loopbackIdentity(), loopbackPorts(), server), 0);

    QCOMPARE(replyOf(client), LanmateContract::closedReply());
    QVERIFY(t.readFile(LogName).startsWith("{\\rtf1"));
    QCOMPARE(ChatLogFile::load(t.file(LogName)).entries, (QStringList { "first", QStringLiteral("第二") }));
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QVERIFY(!QFileInfo::exists(server));
}

void TestLanmateClose::userCloseSavesLogAndEnds()
{
    TestContext t;
    ChatLogFile::save(t.file(LogName), {});
    const auto program = started(t.context, t.file(QStringLiteral("s")));
    QSignalSpy finished(program.get(), &LanmateProgram::finished);
    program->frmMain().appendEntry(QStringLiteral("hello"));
    program->frmMain().close();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(ChatLogFile::load(t.file(LogName)).entries, QStringList { QStringLiteral("hello") });
}

void TestLanmateClose::closeRequestEndsOpenDialogs_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("save the log") << "N2";
    QTest::newRow("clear the log") << "N3";
    QTest::newRow("load a log") << "N5";
}

void TestLanmateClose::closeRequestEndsOpenDialogs()
{
    QFETCH(QString, command);
    TestContext t;
    ModalPrompts modal;
    const AppContext context { t.dir.path(), modal, t.clock };
    ChatLogFile::save(t.file(LogName), { QStringLiteral("old entry") });
    const QString server = t.file(QStringLiteral("Lanmate.socket"));
    const auto program = started(context, server);
    QSignalSpy finished(program.get(), &LanmateProgram::finished);
    TfrmMain& w = program->frmMain();
    w.appendEntry(QStringLiteral("new entry"));

    QLocalSocket client;
    modal.shown = [&] { requestClose(client, server); };
    (command == QLatin1String("N2") ? w.N2 : command == QLatin1String("N3") ? w.N3 : w.N5)->trigger();

    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(modal.count, 1); // answered No / Cancel: no second dialog followed
    QCOMPARE(replyOf(client), LanmateContract::closedReply());
    QCOMPARE(ChatLogFile::load(t.file(LogName)).entries,
        (QStringList { QStringLiteral("old entry"), QStringLiteral("new entry") }));
    QVERIFY(!w.isVisible());
}

void TestLanmateClose::closeRequestEndsTheContactList()
{
    TestContext t;
    ChatLogFile::save(t.file(LogName), {});
    const QString server = t.file(QStringLiteral("Lanmate.socket"));
    const auto program = started(t.context, server);
    QSignalSpy finished(program.get(), &LanmateProgram::finished);
    QLocalSocket client;
    QTimer::singleShot(0, this, [&] {
        QTRY_VERIFY(program->frmIPList().isVisible());
        requestClose(client, server);
    });
    program->frmMain().SendToButtonClick(); // modal until the request ends it
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(replyOf(client), LanmateContract::closedReply());
    QVERIFY(!program->frmIPList().isVisible());
}

void TestLanmateClose::offerWaitsUntilTheSaveDialogCloses()
{
    TestContext t;
    ModalPrompts modal;
    const AppContext context { t.dir.path(), modal, t.clock };
    ChatLogFile::save(t.file(LogName), {});
    const auto program = started(context, t.file(QStringLiteral("s")));

    QUdpSocket peer;
    // Answers go to the datagram port of the offer's source address.
    QVERIFY(peer.bind(QHostAddress(QStringLiteral("127.0.0.3")), program->session().datagramPort()));
    bool offerMetTheDialog = true;
    modal.shown = [&] {
        if (modal.count == 1) {
            // While the save dialog of the log is open, a file is offered.
            peer.writeDatagram("C:\\docs\\plan.txt", QHostAddress(Me), program->session().datagramPort());
            QTest::qWait(200);
            offerMetTheDialog = modal.count > 1;
            modal.current->reject();
        } else {
            modal.current->reject(); // the offer is declined
        }
    };
    program->frmMain().N2->trigger();
    QTRY_COMPARE(modal.count, 2);
    QVERIFY(!offerMetTheDialog);
    QCOMPARE(modal.texts.at(0), QStringLiteral("设置接收后保存的路径："));
    QVERIFY(modal.texts.at(1).contains(QStringLiteral("C:\\docs\\plan.txt")));
    QTRY_VERIFY(peer.hasPendingDatagrams());
    QByteArray answer(int(peer.pendingDatagramSize()), '\0');
    peer.readDatagram(answer.data(), answer.size());
    QCOMPARE(answer, QByteArray("#_0"));
}

void TestLanmateClose::closeDuringTransferLeavesNoTemporaryFile()
{
    TestContext t;
    ChatLogFile::save(t.file(LogName), {});
    const QString server = t.file(QStringLiteral("Lanmate.socket"));
    const QDir received(t.file(QStringLiteral("received")));
    QVERIFY(received.mkpath(QStringLiteral(".")));
    auto program = started(t.context, server);

    const QHostAddress peerAddress(QStringLiteral("127.0.0.3"));
    QUdpSocket peer;
    QVERIFY(peer.bind(peerAddress, program->session().datagramPort()));
    t.prompts.expectConfirm(
        QStringLiteral("用户 127.0.0.3 欲向您传送一文件，相关内容如下：\r\rC:\\plan.txt\r\r请问是否同意接收？"), true);
    t.prompts.expectSaveFile(received.filePath(QStringLiteral("plan.txt")));
    peer.writeDatagram("C:\\plan.txt", QHostAddress(Me), program->session().datagramPort());
    QTRY_VERIFY(peer.hasPendingDatagrams());
    QByteArray answer(int(peer.pendingDatagramSize()), '\0');
    peer.readDatagram(answer.data(), answer.size());
    QCOMPARE(answer, QByteArray("#_1"));

    // Half of the announced content arrives, then the diary asks the assistant to close.
    QTcpSocket stream;
    QVERIFY(stream.bind(peerAddress));
    stream.connectToHost(QHostAddress(Me), program->session().streamPort());
    QVERIFY(stream.waitForConnected(5000));
    stream.write("0000      1000" + QByteArray(500, 'x'));
    QTRY_COMPARE(stream.bytesToWrite(), 0);
    QTest::qWait(100); // the content is being received (into an unnamed temporary file on Linux)
    QSignalSpy finished(program.get(), &LanmateProgram::finished);
    QLocalSocket client;
    requestClose(client, server);
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(replyOf(client), LanmateContract::closedReply());
    program.reset();
    QCOMPARE(received.entryList(QDir::Files | QDir::Hidden), QStringList());
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestLanmateClose::otherClientsDoNotClose_data()
{
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("connect only, as the running check does") << QByteArray();
    QTest::newRow("another line") << QByteArray("quit\n");
    QTest::newRow("request without its line end") << QByteArray("close");
    QTest::newRow("long garbage") << QByteArray(200, 'c');
}

void TestLanmateClose::otherClientsDoNotClose()
{
    QFETCH(QByteArray, sent);
    TestContext t;
    ChatLogFile::save(t.file(LogName), {});
    const QString server = t.file(QStringLiteral("Lanmate.socket"));
    const auto program = started(t.context, server);
    QSignalSpy finished(program.get(), &LanmateProgram::finished);
    {
        QLocalSocket client;
        client.connectToServer(server);
        QVERIFY(client.waitForConnected(1000));
        client.write(sent);
        client.flush();
        QTest::qWait(50);
    }
    QTest::qWait(50);
    QCOMPARE(finished.size(), 0);
    QVERIFY(program->frmMain().isVisible());

    // The server still answers a real request afterwards.
    QLocalSocket client;
    requestClose(client, server);
    QTRY_COMPARE(finished.size(), 1);
    QCOMPARE(replyOf(client), LanmateContract::closedReply());
}

void TestLanmateClose::secondCopyWithoutPortsTouchesNothing()
{
    TestContext first;
    LanmateProgram running(first.context, loopbackIdentity(), loopbackPorts(), first.file(QStringLiteral("s")));
    QVERIFY(running.open());

    TestContext t;
    const QString server = t.file(QStringLiteral("Lanmate.socket"));
    t.prompts.expectError(QStringLiteral("无法打开端口"), true);
    auto* app = qobject_cast<Application*>(QCoreApplication::instance());
    QCOMPARE(
        runLanmate(*app, t.context, loopbackIdentity(), loopbackPorts(running.session().datagramPort()), server), 1);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QVERIFY(!QFileInfo::exists(t.file(LogName)));
    QVERIFY(!QFileInfo::exists(server));
}

void TestLanmateClose::staleSocketIsReplaced()
{
    TestContext t;
    const QString server = t.file(QStringLiteral("Lanmate.socket"));
    QVERIFY(makeStaleSocket(server));
    LocalCloseServer closeServer(server);
    QVERIFY(closeServer.listen());
    QSignalSpy requested(&closeServer, &LocalCloseServer::closeRequested);
    QLocalSocket client;
    requestClose(client, server);
    QTRY_COMPARE(requested.size(), 1);
    closeServer.answerClosed();
    QCOMPARE(replyOf(client), LanmateContract::closedReply());
}

void TestLanmateClose::runningServerIsLeftAlone()
{
    TestContext t;
    const QString server = t.file(QStringLiteral("Lanmate.socket"));
    LocalCloseServer running(server);
    QVERIFY(running.listen());
    LocalCloseServer second(server);
    QVERIFY(!second.listen());

    QSignalSpy requested(&running, &LocalCloseServer::closeRequested);
    QLocalSocket client;
    requestClose(client, server);
    QTRY_COMPARE(requested.size(), 1);
}

void TestLanmateClose::separateTempFoldersDoNotMeet()
{
    TestContext t;
    const QByteArray saved = qgetenv("TMPDIR");
    QVERIFY(QDir(t.dir.path()).mkpath(QStringLiteral("a")) && QDir(t.dir.path()).mkpath(QStringLiteral("b")));
    qputenv("TMPDIR", QFile::encodeName(t.file(QStringLiteral("a"))));
    LocalCloseServer first(LanmateContract::serverName());
    const bool firstListens = first.listen();
    qputenv("TMPDIR", QFile::encodeName(t.file(QStringLiteral("b"))));
    LocalCloseServer second(LanmateContract::serverName());
    const bool secondListens = second.listen();
    QSignalSpy firstRequested(&first, &LocalCloseServer::closeRequested);
    QSignalSpy secondRequested(&second, &LocalCloseServer::closeRequested);
    QLocalSocket client;
    requestClose(client, LanmateContract::serverName()); // under TMPDIR b
    QTRY_COMPARE(secondRequested.size(), 1);
    qputenv("TMPDIR", saved);
    if (saved.isNull())
        qunsetenv("TMPDIR");

    QVERIFY(firstListens && secondListens);
    QVERIFY(first.fullServerName() != second.fullServerName());
    QVERIFY(first.fullServerName().startsWith(t.file(QStringLiteral("a"))));
    QCOMPARE(firstRequested.size(), 0);
}

DAILORA_TEST_MAIN(TestLanmateClose)
#include "TestLanmateClose.moc"
