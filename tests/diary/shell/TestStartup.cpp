#include "common/LanmateContract.h"
#include "diary/shell/DailoraProgram.h"
#include "diary/shell/LanmateLink.h"
#include "diary/shell/SingleInstance.h"
#include "diary/shell/main.h"
#include "tests/diary/store/TreeFileBytes.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QUuid>

using namespace TreeFileBytes;

namespace {

QByteArray passwordFile(const QByteArray& password)
{
    return int32(1) + block({ "node", 1 }) + block({ password });
}

QString uniqueServerName()
{
    return QStringLiteral("lanmate-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

// A stand-in for the LAN assistant: answers the close request unless told to hang.
class FakeAssistant : public QObject
{
public:
    explicit FakeAssistant(bool answers)
    {
        QLocalServer::removeServer(name);
        server.listen(name);
        connect(&server, &QLocalServer::newConnection, this, [this, answers] {
            QLocalSocket* client = server.nextPendingConnection();
            connect(client, &QLocalSocket::readyRead, this, [this, client, answers] {
                requests += client->readAll();
                if (answers)
                    client->write(LanmateContract::closedReply());
            });
        });
    }

    const QString name = uniqueServerName();
    QLocalServer server;
    QByteArray requests;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void gate_data();
    void gate();
    void missingPasswordFileAcceptsEmptyEntry();
    void passwordFileWithoutPasswordNodeRefusesStart();
    void damagedPasswordFileIsKeptBesideIt();
    void gateRunsOnce();
    void secondCopyIsRefused();
    void lockThatCannotBeMadeIsReportedAsSuch();
    void failedGateEndsWithoutLoop();
    void exitAnsweredNoChangesNothing();
    void exitClosesRunningAssistant();
    void hungAssistantCannotHangTheDiary();
};

void TestStartup::gate_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<std::optional<QString>>("entered");
    QTest::addColumn<bool>("passes");
    QTest::addColumn<QString>("message");

    const QString wrong = QStringLiteral("密码输入错误!!!");
    QTest::newRow("empty built-in, empty entry")
        << QByteArray() << std::optional<QString>(QString()) << true << QString();
    QTest::newRow("empty built-in, text entered") << QByteArray() << std::optional<QString>("a") << false << wrong;
    QTest::newRow("exact") << QByteArray("Abc") << std::optional<QString>("Abc") << true << QString();
    QTest::newRow("case differs") << QByteArray("Abc") << std::optional<QString>("abc") << false << wrong;
    QTest::newRow("leading blank") << QByteArray("Abc") << std::optional<QString>(" Abc") << false << wrong;
    QTest::newRow("trailing blank") << QByteArray("Abc") << std::optional<QString>("Abc ") << false << wrong;
    QTest::newRow("Chinese") << QByteArray("\xC3\xDC\xC2\xEB") << std::optional<QString>("密码") << true << QString();
    QTest::newRow("cancelled") << QByteArray("Abc") << std::optional<QString>() << false << QString();
}

void TestStartup::gate()
{
    QFETCH(QByteArray, stored);
    QFETCH(std::optional<QString>, entered);
    QFETCH(bool, passes);
    QFETCH(QString, message);

    TestContext t;
    t.writeFile("temp.nod", passwordFile(stored));
    TMainForm form(t.context, uniqueServerName());
    QSignalSpy terminate(&form, &TMainForm::terminateRequested);
    t.prompts.expectPassword(entered);
    if (!message.isEmpty())
        t.prompts.expectNotice(message);
    form.show();
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QCOMPARE(t.prompts.records().first().caption, QStringLiteral("密码输入窗口"));
    QCOMPARE(t.prompts.records().first().text, QStringLiteral("请输入密码:"));
    QCOMPARE(form.isVisible(), passes);
    QCOMPARE(form.PasswordPassed(), passes);
    QCOMPARE(terminate.size(), passes ? 0 : 1);
    if (!message.isEmpty())
        QCOMPARE(t.prompts.last().caption, QString()); // the program's title
}

void TestStartup::missingPasswordFileAcceptsEmptyEntry()
{
    TestContext t;
    t.prompts.expectError(QStringLiteral("Cannot open file \"%1\". ").arg(t.file("temp.nod")), true);
    TMainForm form(t.context, uniqueServerName());
    t.prompts.expectPassword(QString());
    form.show();
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QVERIFY(form.isVisible());
}

void TestStartup::passwordFileWithoutPasswordNodeRefusesStart()
{
    TestContext t;
    t.writeFile("temp.nod", int32(1) + block({ "node" }));
    TMainForm form(t.context, uniqueServerName());
    QSignalSpy terminate(&form, &TMainForm::terminateRequested);
    t.prompts.expectNotice(QStringLiteral("密码文件\"%1\"已损坏，无法验证密码，程序将退出。").arg(t.file("temp.nod")));
    form.show();
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QVERIFY(!form.isVisible());
    QCOMPARE(terminate.size(), 1);
}

void TestStartup::damagedPasswordFileIsKeptBesideIt()
{
    TestContext t;
    const QByteArray damaged = passwordFile("pw").chopped(1);
    t.writeFile("temp.nod", damaged);
    t.prompts.expectError(QStringLiteral("Stream read error\n损坏的文件已原样保留为 \"%1\"")
                              .arg(t.file("temp.nod.damaged-20240210-093000")));
    TMainForm form(t.context, uniqueServerName());
    t.prompts.expectNotice(QStringLiteral("密码文件\"%1\"已损坏，无法验证密码，程序将退出。").arg(t.file("temp.nod")));
    form.show();
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QVERIFY(!form.isVisible());
    QCOMPARE(t.readFile("temp.nod"), damaged);
    QCOMPARE(t.readFile("temp.nod.damaged-20240210-093000"), damaged);
}

void TestStartup::gateRunsOnce()
{
    TestContext t;
    t.writeFile("temp.nod", passwordFile("pw"));
    TMainForm form(t.context, uniqueServerName());
    t.prompts.expectPassword(QStringLiteral("pw"));
    form.show();
    form.hide();
    form.show();
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QVERIFY(form.isVisible());
}

void TestStartup::secondCopyIsRefused()
{
    TestContext t;
    t.writeFile("temp.nod", passwordFile(""));
    SingleInstance running(QStringLiteral("Dailora"), t.dir.path());
    QVERIFY(running.acquire());
    t.prompts.expectNotice(QStringLiteral("非常感谢您的使用"));
    QCOMPARE(runDailora(*qobject_cast<Application*>(qApp), t.context, t.dir.path()), 0);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QCOMPARE(t.prompts.last().caption, QStringLiteral("应用程序已经运行!"));
    // The running copy keeps its lock.
    SingleInstance third(QStringLiteral("Dailora"), t.dir.path());
    QVERIFY(!third.acquire());
}

void TestStartup::lockThatCannotBeMadeIsReportedAsSuch()
{
    TestContext t;
    t.writeFile("temp.nod", passwordFile(""));
    const QString folder = t.file("missing");
    t.prompts.expectError(
        QStringLiteral("Cannot create file \"%1\". No such file or directory").arg(folder + "/Dailora.lock"));
    QCOMPARE(runDailora(*qobject_cast<Application*>(qApp), t.context, folder), 1);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestStartup::failedGateEndsWithoutLoop()
{
    TestContext t;
    t.writeFile("temp.nod", passwordFile("pw"));
    t.writeFile("treeview.nod", int32(0));
    t.writeFile("typtreeview.nod", int32(0));
    const QByteArray before = t.readFile("temp.nod");
    t.prompts.expectPassword(QStringLiteral("PW"));
    t.prompts.expectNotice(QStringLiteral("密码输入错误!!!"));
    QCOMPARE(runDailora(*qobject_cast<Application*>(qApp), t.context, t.dir.path()), 0);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QCOMPARE(t.readFile("temp.nod"), before);
    // The lock is released when the program ends.
    SingleInstance next(QStringLiteral("Dailora"), t.dir.path());
    QVERIFY(next.acquire());
}

void TestStartup::exitAnsweredNoChangesNothing()
{
    TestContext t;
    t.writeFile("temp.nod", passwordFile(""));
    FakeAssistant assistant(true);
    TMainForm form(t.context, assistant.name);
    QSignalSpy closed(&form, &TMainForm::closed);
    t.prompts.expectPassword(QString());
    form.show();
    t.prompts.expectConfirm(QStringLiteral("真的要退出吗？"), false);
    QVERIFY(!form.close());
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QCOMPARE(t.prompts.last().caption, QStringLiteral("提示"));
    QCOMPARE(t.prompts.last().icon, Prompts::Icon::Information);
    QVERIFY(form.isVisible());
    QCOMPARE(closed.size(), 0);
    QVERIFY(assistant.requests.isEmpty());
}

void TestStartup::exitClosesRunningAssistant()
{
    TestContext t;
    t.writeFile("temp.nod", passwordFile(""));
    FakeAssistant assistant(true);
    TMainForm form(t.context, assistant.name);
    QSignalSpy closed(&form, &TMainForm::closed);
    t.prompts.expectPassword(QString());
    form.show();
    t.prompts.expectConfirm(QStringLiteral("真的要退出吗？"), true);
    QVERIFY(form.close());
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QCOMPARE(assistant.requests, LanmateContract::closeRequest());
    QCOMPARE(closed.size(), 1);
}

void TestStartup::hungAssistantCannotHangTheDiary()
{
    FakeAssistant hung(false);
    const LanmateLink link(hung.name, 200);
    QVERIFY(link.isRunning());
    QVERIFY(!link.closeAndWait());
    QCOMPARE(hung.requests, LanmateContract::closeRequest());

    const LanmateLink nobody(uniqueServerName(), 200);
    QVERIFY(!nobody.isRunning());
    QVERIFY(!nobody.closeAndWait());
}

DAILORA_TEST_MAIN(TestStartup)
#include "TestStartup.moc"
