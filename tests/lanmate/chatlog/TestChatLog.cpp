#include "common/AppError.h"
#include "lanmate/chatlog/ChatLog.h"
#include "lanmate/chatlog/ChatLogFile.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QTest>
#include <functional>

namespace {

const QString LogName = QStringLiteral("talkRecords.txt");

QString failureOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const AppError& failure) {
        return failure.message();
    }
    return {};
}

} // namespace

class TestChatLog : public QObject
{
    Q_OBJECT

private slots:
    void missingFileGivesEmptyLogAndClosingCreatesIt();
    void entriesSurviveSaveAndLoad();
    void appendKeepsLineBreaksOfEveryKind();
    void unreadableFileIsKeptAside();
    void incompleteFileShowsItsHeadAndIsKeptAside();
    void keptNamesNeverCollide();
    void plainTextLoads_data();
    void plainTextLoads();
    void failedSaveKeepsWhatWasThere();
    void loadCommandLeavesLogOnFailure();
};

void TestChatLog::missingFileGivesEmptyLogAndClosingCreatesIt()
{
    TestContext t;
    ChatLog log(t.file(LogName), t.clock);
    const QString failure = failureOf([&] { log.loadAtStart(); });
    QVERIFY(failure.startsWith(QStringLiteral("Cannot open file")));
    QVERIFY(failure.contains(LogName));
    QVERIFY(log.entries().isEmpty());
    QVERIFY(!QFile::exists(t.file(LogName)));

    log.saveAtClose();
    QCOMPARE(ChatLogFile::load(t.file(LogName)).entries, QStringList());
    QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files), QStringList { LogName });
}

void TestChatLog::entriesSurviveSaveAndLoad()
{
    TestContext t;
    ChatLog log(t.file(LogName), t.clock);
    ChatLogFile::save(t.file(LogName), {});
    log.loadAtStart();
    const QStringList entries { QStringLiteral("(9:30:00)来自\"张三\"的信息：\rhello 你好"),
        QStringLiteral("(9:31:00)你对\"李四\"说： \r第一行\n第二行\\{}"), QString() };
    for (const QString& entry : entries)
        log.append(entry);
    log.saveAtClose();

    ChatLog again(t.file(LogName), t.clock);
    again.loadAtStart();
    QCOMPARE(again.entries(), log.entries());
    QCOMPARE(again.entries().at(1), QStringLiteral("(9:31:00)你对\"李四\"说： \n第一行\n第二行\\{}"));
}

void TestChatLog::appendKeepsLineBreaksOfEveryKind()
{
    TestContext t;
    ChatLog log(t.file(LogName), t.clock);
    log.append(QStringLiteral("a\rb\r\nc\nd"));
    QCOMPARE(log.entries(), QStringList { QStringLiteral("a\nb\nc\nd") });
}

void TestChatLog::unreadableFileIsKeptAside()
{
    TestContext t;
    // A folder where the log should be: it exists but cannot be read as a file.
    QVERIFY(QDir(t.dir.path()).mkdir(LogName));
    t.writeFile(LogName + QStringLiteral("/inside"), "kept");
    ChatLog log(t.file(LogName), t.clock);
    QVERIFY(failureOf([&] { log.loadAtStart(); }).startsWith(QStringLiteral("Cannot open file")));
    log.append(QStringLiteral("new"));
    log.saveAtClose();

    const QString kept = LogName + QStringLiteral(".damaged-20240210-093000");
    QCOMPARE(t.readFile(kept + QStringLiteral("/inside")), QByteArray("kept"));
    QCOMPARE(ChatLogFile::load(t.file(LogName)).entries, QStringList { QStringLiteral("new") });
}

void TestChatLog::incompleteFileShowsItsHeadAndIsKeptAside()
{
    TestContext t;
    const QByteArray damaged = "{\\rtf1 first\\par second {\\b bold";
    t.writeFile(LogName, damaged);
    ChatLog log(t.file(LogName), t.clock);
    QVERIFY(failureOf([&] { log.loadAtStart(); }).contains(QStringLiteral("不完整")));
    QCOMPARE(log.entries(), (QStringList { QStringLiteral("first"), QStringLiteral("second bold") }));

    log.saveAtClose();
    QCOMPARE(t.readFile(LogName + QStringLiteral(".damaged-20240210-093000")), damaged);
    QVERIFY(ChatLogFile::load(t.file(LogName)).complete);
    // Kept once: the next save simply replaces the new file.
    log.saveAtClose();
    QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files).size(), 2);
}

void TestChatLog::keptNamesNeverCollide()
{
    TestContext t;
    t.writeFile(LogName, "one");
    const QDateTime now(QDate(2026, 12, 10), QTime(14, 15, 2));
    QCOMPARE(QFileInfo(ChatLogFile::moveAside(t.file(LogName), now)).fileName(),
        QStringLiteral("talkRecords.txt.damaged-20261210-141502"));
    t.writeFile(LogName, "two");
    QCOMPARE(QFileInfo(ChatLogFile::moveAside(t.file(LogName), now)).fileName(),
        QStringLiteral("talkRecords.txt.damaged-20261210-141502-2"));
    QCOMPARE(t.readFile(QStringLiteral("talkRecords.txt.damaged-20261210-141502")), QByteArray("one"));
    QCOMPARE(t.readFile(QStringLiteral("talkRecords.txt.damaged-20261210-141502-2")), QByteArray("two"));
}

void TestChatLog::plainTextLoads_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("empty") << QByteArray() << QStringList();
    QTest::newRow("lines") << QByteArray("a\r\nb\nc\rd\n") << QStringList { "a", "b", "c", "d" };
    QTest::newRow("blank lines kept") << QByteArray("a\n\nb") << QStringList { "a", "", "b" };
    QTest::newRow("code page text") << QByteArray("\xc4\xe3\xba\xc3\r\nok")
                                    << QStringList { QStringLiteral("你好"), "ok" };
    QTest::newRow("utf-8 with mark") << QByteArray("\xef\xbb\xbf\xe4\xbd\xa0\xe5\xa5\xbd")
                                     << QStringList { QStringLiteral("你好") };
}

void TestChatLog::plainTextLoads()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, entries);
    TestContext t;
    t.writeFile(LogName, bytes);
    ChatLog log(t.file(LogName), t.clock);
    log.loadAtStart();
    QCOMPARE(log.entries(), entries);
}

void TestChatLog::failedSaveKeepsWhatWasThere()
{
    TestContext t;
    t.writeFile(QStringLiteral("blocked"), "a file");
    ChatLog log(t.file(LogName), t.clock);
    log.append(QStringLiteral("entry"));
    const QString target = t.file(QStringLiteral("blocked/chat.txt"));
    QVERIFY(failureOf([&] { log.saveTo(target); }).startsWith(QStringLiteral("Cannot create file")));
    QCOMPARE(t.readFile(QStringLiteral("blocked")), QByteArray("a file"));

    // A folder in the way of the log file is not replaced either.
    QVERIFY(QDir(t.dir.path()).mkdir(QStringLiteral("folder")));
    QVERIFY(!failureOf([&] { log.saveTo(t.file(QStringLiteral("folder"))); }).isEmpty());
    QVERIFY(QFileInfo(t.file(QStringLiteral("folder"))).isDir());
}

void TestChatLog::loadCommandLeavesLogOnFailure()
{
    TestContext t;
    ChatLog log(t.file(LogName), t.clock);
    log.append(QStringLiteral("kept"));
    QVERIFY(!failureOf([&] { log.loadFrom(t.file(QStringLiteral("missing.txt"))); }).isEmpty());
    QCOMPARE(log.entries(), QStringList { QStringLiteral("kept") });

    ChatLogFile::save(t.file(QStringLiteral("other.txt")), { QStringLiteral("其他") });
    log.loadFrom(t.file(QStringLiteral("other.txt")));
    QCOMPARE(log.entries(), QStringList { QStringLiteral("其他") });
}

DAILORA_TEST_MAIN(TestChatLog)
#include "TestChatLog.moc"
