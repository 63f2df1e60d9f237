// The datagram protocol and the file transfer between two sessions on loopback addresses, and
// against a peer played byte by byte.
#include "common/CodePage.h"
#include "lanmate/net/LanSession.h"
#include "tests/lanmate/net/LanPeer.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QTcpSocket>

namespace {

const QString alphaIP = QStringLiteral("127.0.0.1");
const QString betaIP = QStringLiteral("127.0.0.2");
const QString rawIP = QStringLiteral("127.0.0.3");

QString offerQuestion(const QString& from, const QString& offer)
{
    return QStringLiteral("用户 ") + from + QStringLiteral(" 欲向您传送一文件，相关内容如下：\r\r") + offer
        + QStringLiteral("\r\r请问是否同意接收？");
}

QString wirePath(QString path)
{
    return path.replace(QLatin1Char('/'), QLatin1Char('\\'));
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<missing>");
    return file.readAll();
}

QByteArray pattern(qint64 size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xff);
    return bytes;
}

} // namespace

class TestLanSession : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void chatCrosses_data();
    void chatCrosses();
    void chatBytes_data();
    void chatBytes();
    void chatTooLong();
    void chatReceivedForms_data();
    void chatReceivedForms();

    void probeAnswerBytes_data();
    void probeAnswerBytes();
    void probeListsEachPeerOnce();
    void noAddressNoProbe();

    void unknownDatagramsAreOffers_data();
    void unknownDatagramsAreOffers();
    void offerBytes();
    void offerRefusedBeforeSending_data();
    void offerRefusedBeforeSending();
    void acceptedName_data();
    void acceptedName();
    void refusedNames_data();
    void refusedNames();
    void cancelledSaveDialog();
    void existingFileAsked_data();
    void existingFileAsked();
    void declines_data();
    void declines();
    void answersFromElsewhereIgnored();
    void unresolvableDestination();

    void transfer_data();
    void transfer();
    void shrunkFileFails();
    void refusedConnectionRestoresWindow();
    void twoAcceptedOffersKeepTheirNames();
    void unwritableFolderFailsBothSides();

private:
    // A offers a file to B and B accepts it into B's folder; returns the offered path.
    QString offerAccepted(const QByteArray& content, const QString& name = QStringLiteral("data.bin"));
    void waitDone();

    std::unique_ptr<LanPeer> a;
    std::unique_ptr<LanPeer> b;
    std::unique_ptr<RawPeer> raw;
    std::unique_ptr<QTemporaryDir> files;
    QString time;
};

void TestLanSession::init()
{
    a = std::make_unique<LanPeer>(alphaIP, QStringLiteral("alpha"), 0, 0, QStringList { betaIP, alphaIP });
    b = std::make_unique<LanPeer>(
        betaIP, QStringLiteral("beta"), a->session->datagramPort(), a->session->streamPort(), QStringList { alphaIP });
    raw = std::make_unique<RawPeer>(rawIP, a->session->datagramPort());
    files = std::make_unique<QTemporaryDir>();
    time = LanSession::longTime(QTime(9, 30));
}

void TestLanSession::cleanup()
{
    QTest::qWait(20); // let late prompts arrive, so that an unexpected one fails this test
    QVERIFY2(a->prompts.done(), qPrintable(a->prompts.problems()));
    QVERIFY2(b->prompts.done(), qPrintable(b->prompts.problems()));
    raw.reset();
    b.reset();
    a.reset();
}

void TestLanSession::waitDone()
{
    QTRY_VERIFY2(a->prompts.done(), qPrintable(a->prompts.problems()));
    QTRY_VERIFY2(b->prompts.done(), qPrintable(b->prompts.problems()));
}

void TestLanSession::chatCrosses_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("chinese") << QStringLiteral("你好，明天开会");
    QTest::newRow("empty") << QString();
    QTest::newRow("two lines") << QStringLiteral("first\r\nsecond");
}

void TestLanSession::chatCrosses()
{
    QFETCH(QString, text);
    QVERIFY(a->session->sendChat(QStringLiteral("贝塔"), betaIP, text));
    QCOMPARE(a->log, QStringList { QLatin1Char('(') + time + QStringLiteral(")你对\"贝塔\"说： \r") + text });
    QTRY_COMPARE(b->log.size(), 1);
    QCOMPARE(b->log.constFirst(), QLatin1Char('(') + time + QStringLiteral(")来自\"alpha\"的信息：\r") + text);
    QCOMPARE(a->statuses, QStringList { QStringLiteral("09:30:00：发送数据成功") });
}

void TestLanSession::chatBytes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("8-byte name") << "abcdefgh"
                                 << "hi" << QByteArray("@_38 abcdefghhi");
    QTest::newRow("12-byte name") << "abcdefghijkl"
                                  << "hi" << QByteArray("@_312abcdefghijklhi");
    QTest::newRow("chinese name") << "张三"
                                  << "好" << QByteArray("@_34 \xd5\xc5\xc8\xfd\xba\xc3");
    QTest::newRow("empty text") << "abc"
                                << "" << QByteArray("@_33 abc");
    QTest::newRow("name over 99 bytes") << QString(120, QLatin1Char('n')) << "x"
                                        << QByteArray("@_399") + QByteArray(99, 'n') + "x";
    QTest::newRow("double-byte name cut whole")
        << QString(50, QChar(0x4e2d)) << "" << QByteArray("@_398") + CodePage::encode(QString(49, QChar(0x4e2d)));
}

void TestLanSession::chatBytes()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    LanPeer sender(QStringLiteral("127.0.0.4"), name, raw->port, 0);
    QVERIFY(sender.session->sendChat(QStringLiteral("raw"), rawIP, text));
    QCOMPARE(raw->next(), bytes);
}

void TestLanSession::chatTooLong()
{
    // "@_3" + "5 " + "alpha" is 10 bytes: 2038 bytes of text fill a datagram.
    QVERIFY(a->session->sendChat(QStringLiteral("raw"), rawIP, QString(2038, QLatin1Char('x'))));
    QCOMPARE(raw->next().size(), 2048);
    a->prompts.expectNotice(QStringLiteral("信息太长，无法发送：最多 2048 字节，现在是 2049 字节"));
    QVERIFY(!a->session->sendChat(QStringLiteral("raw"), rawIP, QString(2039, QLatin1Char('x'))));
    QCOMPARE(a->prompts.last().caption, QStringLiteral("错误了"));
    QCOMPARE(a->prompts.last().icon, Prompts::Icon::Critical);
    QCOMPARE(a->log.size(), 1);
    QCOMPARE(raw->nextAfterProbe(alphaIP).left(3), QByteArray("@_1"));
}

void TestLanSession::chatReceivedForms_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("error");
    QTest::newRow("name runs past the end") << QByteArray("@_310abc") << "来自\"abc\"的信息：\r"
                                            << "";
    QTest::newRow("blank before the digit") << QByteArray("@_3 3abchi") << "来自\"abc\"的信息：\rhi"
                                            << "";
    QTest::newRow("length not a number") << QByteArray("@_3xyname") << ""
                                         << "\"xy\" 不是有效的整数";
    QTest::newRow("no length") << QByteArray("@_3") << ""
                               << "\"\" 不是有效的整数";
    QTest::newRow("signed length") << QByteArray("@_3-1a") << ""
                                   << "\"-1\" 不是有效的整数";
}

void TestLanSession::chatReceivedForms()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, entry);
    QFETCH(QString, error);
    if (!error.isEmpty())
        a->prompts.expectError(error);
    raw->send(bytes, alphaIP);
    QCOMPARE(raw->nextAfterProbe(alphaIP).left(3), QByteArray("@_1"));
    waitDone();
    if (entry.isEmpty())
        QVERIFY(a->log.isEmpty());
    else
        QCOMPARE(a->log, QStringList { QLatin1Char('(') + time + QLatin1Char(')') + entry });
}

void TestLanSession::probeAnswerBytes_data()
{
    QTest::addColumn<QString>("localIP");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("short address") << "10.1.2.3"
                                   << "pc-7" << QByteArray("@_110.1.2.3       pc-7");
    QTest::newRow("15-character address") << "198.151.100.123"
                                          << "pc" << QByteArray("@_1198.151.100.123pc");
    QTest::newRow("chinese name") << "10.0.0.1"
                                  << "财务" << QByteArray("@_110.0.0.1       \xb2\xc6\xce\xf1");
    QTest::newRow("blanks trimmed") << "10.0.0.1"
                                    << "  pc  " << QByteArray("@_110.0.0.1         pc");
}

void TestLanSession::probeAnswerBytes()
{
    QFETCH(QString, localIP);
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    LanPeer peer(QStringLiteral("127.0.0.4"), name, raw->port, 0);
    NetIdentity identity { localIP, name, {}, {} };
    LanSession session(peer.prompts, peer.clock, identity, { raw->port, 0, QHostAddress(QStringLiteral("127.0.0.5")) });
    QVERIFY(session.open());
    QCOMPARE(raw->nextAfterProbe(QStringLiteral("127.0.0.5")), bytes);
}

void TestLanSession::probeListsEachPeerOnce()
{
    a->session->probe();
    // B answers the probe sent to it; A hears its own probe and answers itself.
    QTRY_COMPARE(a->contacts.size(), 3);
    QCOMPARE(a->contacts.constFirst(), QStringLiteral("-"));
    QCOMPARE(QSet<QString>(a->contacts.begin() + 1, a->contacts.end()),
        QSet<QString>({ QStringLiteral("beta|127.0.0.2"), QStringLiteral("alpha|127.0.0.1") }));

    // The same answer again in this round adds no row; a new round lists it anew.
    raw->send(QByteArrayLiteral("@_1127.0.0.3      raw"), alphaIP);
    raw->send(QByteArrayLiteral("@_1127.0.0.3      raw"), alphaIP);
    QCOMPARE(raw->nextAfterProbe(alphaIP).left(3), QByteArray("@_1"));
    QCOMPARE(a->contacts.size(), 4);
    QCOMPARE(a->contacts.last(), QStringLiteral("raw|127.0.0.3"));
    a->contacts.clear();
    a->session->probe();
    QTRY_COMPARE(a->contacts.size(), 3);
    raw->send(QByteArrayLiteral("@_1127.0.0.3      raw"), alphaIP);
    QTRY_COMPARE(a->contacts.size(), 4);
    QCOMPARE(a->contacts.constFirst(), QStringLiteral("-"));
    QCOMPARE(a->contacts.last(), QStringLiteral("raw|127.0.0.3"));
}

void TestLanSession::noAddressNoProbe()
{
    LanPeer peer(QStringLiteral("127.0.0.4"), QStringLiteral("none"), raw->port, 0, { rawIP });
    NetIdentity identity { QString(), QStringLiteral("none"), QString(), { rawIP } };
    LanSession session(peer.prompts, peer.clock, identity, { raw->port, 0, QHostAddress(QStringLiteral("127.0.0.5")) });
    QVERIFY(session.open());
    QStringList cleared;
    connect(&session, &LanSession::contactsCleared, this, [&] { cleared.append(QStringLiteral("-")); });
    session.probe();
    QCOMPARE(cleared.size(), 1);
    raw->send(QByteArrayLiteral("@_0"), QStringLiteral("127.0.0.5"));
    // The session's own answer is missing: the first thing to arrive is peer's answer to a probe.
    QCOMPARE(raw->nextAfterProbe(QStringLiteral("127.0.0.4")).left(3), QByteArray("@_1"));
}

void TestLanSession::unknownDatagramsAreOffers_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("no prefix") << QByteArray("hello");
    QTest::newRow("lone at sign") << QByteArray("@_");
    QTest::newRow("other probe kind") << QByteArray("@_2x");
    QTest::newRow("3000 bytes") << QByteArray(3000, 'z');
}

void TestLanSession::unknownDatagramsAreOffers()
{
    QFETCH(QByteArray, bytes);
    a->prompts.expectConfirm(offerQuestion(rawIP, QString::fromLatin1(bytes.left(2048))), false);
    raw->send(bytes, alphaIP);
    QCOMPARE(raw->next(), QByteArray("#_0"));
    QCOMPARE(a->prompts.last().caption, QStringLiteral("接收到传送文件信息"));
    QVERIFY(a->session->OfferedName().isEmpty());
}

void TestLanSession::offerBytes()
{
    const QString path = QDir(files->path()).filePath(QStringLiteral("报告.txt"));
    writeBytes(path, "abc");
    QVERIFY(a->session->sendOffer(path, rawIP));
    QCOMPARE(a->sendEnabled, QList<bool> { false });
    QCOMPARE(raw->next(), CodePage::encode(wirePath(path)));
    QCOMPARE(a->statuses, QStringList { QStringLiteral("09:30:00：发送数据成功") });
}

void TestLanSession::offerRefusedBeforeSending_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("message");
    QTest::newRow("over the size field") << "big.bin" << qint64(10'000'000'000) << "太大，无法传送";
    QTest::newRow("path over 2048 bytes") << QString(240, QChar(0x6587)) << qint64(1) << "文件路径太长";
    QTest::newRow("missing file") << "" << qint64(-1) << "不存在或无法读取";
}

void TestLanSession::offerRefusedBeforeSending()
{
    QFETCH(QString, name);
    QFETCH(qint64, size);
    QFETCH(QString, message);
    QString path = files->path();
    // A path of more than 2048 code-page bytes needs nested folders: a name holds 255 bytes.
    while (name.size() > 100 && CodePage::byteLength(path) < 2100) {
        path = QDir(path).filePath(name.left(80));
        QVERIFY(QDir().mkpath(path));
    }
    path = QDir(path).filePath(name.isEmpty() ? QStringLiteral("absent") : name.left(80));
    if (size >= 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size)); // sparse
    }
    a->prompts.expectNotice(message, true);
    QVERIFY(!a->session->sendOffer(path, rawIP));
    QCOMPARE(a->prompts.last().caption, QStringLiteral("错误了"));
    QVERIFY(a->session->isSendEnabled());
    QCOMPARE(raw->nextAfterProbe(alphaIP).left(3), QByteArray("@_1"));
}

void TestLanSession::acceptedName_data()
{
    QTest::addColumn<QByteArray>("offer");
    QTest::addColumn<QString>("name");
    QTest::newRow("drive path") << QByteArray("C:\\Documents\\plan.doc") << "plan.doc";
    QTest::newRow("slashes") << QByteArray("/home/u/notes.txt") << "notes.txt";
    QTest::newRow("drive only") << QByteArray("D:a.txt") << "a.txt";
    QTest::newRow("bare name") << QByteArray("a.txt") << "a.txt";
    // 0x81 0x5C is one double-byte character: its trail byte is no separator.
    QTest::newRow("trail byte 0x5C") << QByteArray("C:\\x\\a\x81\x5c"
                                                   "b.txt")
                                     << QStringLiteral("a乗b.txt");
}

void TestLanSession::acceptedName()
{
    QFETCH(QByteArray, offer);
    QFETCH(QString, name);
    a->prompts.expectConfirm(offerQuestion(rawIP, CodePage::decode(offer)), true);
    // A different name typed into the dialog is not used; its folder is.
    QDir(a->folder.path()).mkdir(QStringLiteral("in"));
    a->prompts.expectSaveFile(a->folderFile(QStringLiteral("in/typed.txt")));
    raw->send(offer, alphaIP);
    QCOMPARE(raw->next(), QByteArray("#_1"));
    QCOMPARE(a->session->OfferedName(), name);
    QCOMPARE(a->prompts.records().at(1).caption, QStringLiteral("设置接收后保存的路径："));
    QCOMPARE(a->prompts.records().at(1).fields, QStringList { QDir::home().filePath(name) });
}

void TestLanSession::refusedNames_data()
{
    QTest::addColumn<QByteArray>("offer");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("ends in separator") << QByteArray("C:\\dir\\");
    QTest::newRow("dot") << QByteArray("C:\\dir\\.");
    QTest::newRow("dot dot") << QByteArray("..");
    QTest::newRow("control character") << QByteArray("C:\\a\tb.txt");
    QTest::newRow("over 255 bytes") << QByteArray(256, 'n');
}

void TestLanSession::refusedNames()
{
    QFETCH(QByteArray, offer);
    a->prompts.expectConfirm(offerQuestion(rawIP, CodePage::decode(offer)), true);
    a->prompts.expectNotice(QStringLiteral("文件名无效"));
    raw->send(offer, alphaIP);
    QCOMPARE(raw->next(), QByteArray("#_0"));
    QCOMPARE(a->prompts.last().caption, QStringLiteral("错误了"));
    QVERIFY(a->session->OfferedName().isEmpty());
    QVERIFY(QDir(a->folder.path()).isEmpty());
}

void TestLanSession::cancelledSaveDialog()
{
    a->prompts.expectConfirm(offerQuestion(rawIP, QStringLiteral("C:\\a.txt")), true);
    a->prompts.expectSaveFile(QString());
    a->prompts.expectNotice(QStringLiteral("文件名无效"));
    raw->send(QByteArrayLiteral("C:\\a.txt"), alphaIP);
    QCOMPARE(raw->next(), QByteArray("#_0"));
    QVERIFY(a->session->OfferedName().isEmpty());
}

void TestLanSession::existingFileAsked_data()
{
    QTest::addColumn<bool>("replace");
    QTest::newRow("replace") << true;
    QTest::newRow("keep") << false;
}

void TestLanSession::existingFileAsked()
{
    QFETCH(bool, replace);
    writeBytes(b->folderFile(QStringLiteral("data.bin")), "old");
    const QString path = QDir(files->path()).filePath(QStringLiteral("data.bin"));
    writeBytes(path, "new content");
    b->prompts.expectConfirm(offerQuestion(alphaIP, wirePath(path)), true);
    b->prompts.expectSaveFile(b->folderFile(QStringLiteral("x")));
    b->prompts.expectConfirm(
        QStringLiteral("文件 ") + b->folderFile(QStringLiteral("data.bin")) + QStringLiteral(" 已经存在，要替换它吗？"),
        replace);
    if (replace) {
        a->prompts.expectNotice(QStringLiteral("用户 127.0.0.2 同意接收文件！"));
        a->prompts.expectNotice(QStringLiteral("向用户 127.0.0.2 传送文件成功！"));
        b->prompts.expectNotice(QStringLiteral("接收文件成功"));
    } else {
        a->prompts.expectNotice(QStringLiteral("用户 127.0.0.2 不同意接收文件！"));
    }
    QVERIFY(a->session->sendOffer(path, betaIP));
    waitDone();
    QCOMPARE(readBytes(b->folderFile(QStringLiteral("data.bin"))), replace ? "new content" : "old");
}

void TestLanSession::declines_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("#_0") << QByteArray("#_0");
    QTest::newRow("#_ alone") << QByteArray("#_");
    QTest::newRow("#_x") << QByteArray("#_x1");
    QTest::newRow("#_2") << QByteArray("#_2");
}

void TestLanSession::declines()
{
    QFETCH(QByteArray, answer);
    const QString path = QDir(files->path()).filePath(QStringLiteral("a.txt"));
    writeBytes(path, "abc");
    QVERIFY(a->session->sendOffer(path, rawIP));
    QCOMPARE(raw->next(), CodePage::encode(wirePath(path)));
    a->prompts.expectNotice(QStringLiteral("用户 127.0.0.3 不同意接收文件！"));
    raw->send(answer, alphaIP);
    QTRY_VERIFY(a->session->isSendEnabled());
    QCOMPARE(a->prompts.last().caption, QStringLiteral("响应"));
    QCOMPARE(a->prompts.last().icon, Prompts::Icon::Warning);
    QCOMPARE(a->sendEnabled, QList<bool>({ false, true }));
}

void TestLanSession::answersFromElsewhereIgnored()
{
    // No offer waits: an accept is ignored.
    raw->send(QByteArrayLiteral("#_1"), alphaIP);
    QCOMPARE(raw->nextAfterProbe(alphaIP).left(3), QByteArray("@_1"));

    // An offer to the raw peer waits: the accept of another host is ignored, no box, no stream.
    const QString path = QDir(files->path()).filePath(QStringLiteral("a.txt"));
    writeBytes(path, "abc");
    QVERIFY(a->session->sendOffer(path, rawIP));
    QCOMPARE(raw->next(), CodePage::encode(wirePath(path)));
    RawPeer other(QStringLiteral("127.0.0.5"), raw->port);
    other.send(QByteArrayLiteral("#_1"), alphaIP);
    QCOMPARE(other.nextAfterProbe(alphaIP).left(3), QByteArray("@_1"));
    QVERIFY(!a->session->isSendEnabled());
    a->prompts.expectNotice(QStringLiteral("用户 127.0.0.3 不同意接收文件！"));
    raw->send(QByteArrayLiteral("#_0"), alphaIP);
    QTRY_VERIFY(a->session->isSendEnabled());
    QCOMPARE(a->statusSuffixes().count(QStringLiteral("：连接成功")), 0);
}

void TestLanSession::unresolvableDestination()
{
    // Not a host name at all, so no name server is asked; the lookup is tried twice.
    a->prompts.expectNotice(QStringLiteral("输入对方的IP地址不正确，请重新输入"));
    a->prompts.expectError(QString(), true);
    QVERIFY(a->session->sendChat(QStringLiteral("x"), QStringLiteral("no such host"), QStringLiteral("hi")));
    QTRY_VERIFY2(a->prompts.done(), qPrintable(a->prompts.problems()));
    QCOMPARE(a->prompts.records().at(0).caption, QStringLiteral("信息"));
    QCOMPARE(a->prompts.records().at(0).icon, Prompts::Icon::Information);

    a->prompts.reset();
    const QString path = QDir(files->path()).filePath(QStringLiteral("a.txt"));
    writeBytes(path, "abc");
    a->prompts.expectNotice(QStringLiteral("输入对方的IP地址不正确，请重新输入"));
    a->prompts.expectNotice(QStringLiteral("对方可能没有打开程序，运行错误\r"));
    QVERIFY(a->session->sendOffer(path, QStringLiteral("no such host")));
    QTRY_VERIFY2(a->prompts.done(), qPrintable(a->prompts.problems()));
    QCOMPARE(a->prompts.last().caption, QStringLiteral("错误了"));
    QVERIFY(a->session->isSendEnabled());
    QVERIFY(a->statuses.isEmpty());
}

QString TestLanSession::offerAccepted(const QByteArray& content, const QString& name)
{
    const QString path = QDir(files->path()).filePath(name);
    writeBytes(path, content);
    b->prompts.expectConfirm(offerQuestion(alphaIP, wirePath(path)), true);
    b->prompts.expectSaveFile(b->folderFile(QStringLiteral("typed-name.txt")));
    a->prompts.expectNotice(QStringLiteral("用户 127.0.0.2 同意接收文件！"));
    return path;
}

void TestLanSession::transfer_data()
{
    QTest::addColumn<qint64>("size");
    QTest::newRow("empty file") << qint64(0);
    QTest::newRow("1234 bytes") << qint64(1234);
    QTest::newRow("several pieces") << qint64(3 * 65536 + 17);
}

void TestLanSession::transfer()
{
    QFETCH(qint64, size);
    const QByteArray content = pattern(size);
    const QString path = offerAccepted(content);
    a->prompts.expectNotice(QStringLiteral("向用户 127.0.0.2 传送文件成功！"));
    b->prompts.expectNotice(QStringLiteral("接收文件成功"));
    QVERIFY(a->session->sendOffer(path, betaIP));
    waitDone();

    const QString saved = b->folderFile(QStringLiteral("data.bin"));
    QCOMPARE(readBytes(saved), content);
    QCOMPARE(QDir(b->folder.path()).entryList(QDir::Files), QStringList { QStringLiteral("data.bin") });
    QCOMPARE(b->received, QStringList { saved });
    QCOMPARE(b->session->OfferedName(), QStringLiteral("data.bin"));
    QCOMPARE(a->prompts.records().at(0).caption, QStringLiteral("响应"));
    QCOMPARE(a->prompts.records().at(1).caption, QStringLiteral("结果"));
    QCOMPARE(b->prompts.records().last().caption, QStringLiteral("成功"));

    QCOMPARE(a->statusSuffixes(),
        QStringList({ QStringLiteral("：发送数据成功"), QStringLiteral(":对方确定"), QStringLiteral("：连接成功"),
            QStringLiteral("：断开连接") }));
    QTRY_COMPARE(b->statusSuffixes(), QStringList({ QStringLiteral("：发送数据成功"), QStringLiteral("：OK") }));
    QCOMPARE(a->gauge.last(), std::make_pair(0, 0));
    if (size > 0) {
        QCOMPARE(a->gauge.at(a->gauge.size() - 2), std::make_pair(int(size), int(size)));
        QCOMPARE(a->panelEnabled, QList<bool>({ false, true }));
    }
    QCOMPARE(a->sendEnabled, QList<bool>({ false, true }));
}

void TestLanSession::shrunkFileFails()
{
    const QString path = offerAccepted(pattern(300000));
    // The file shrinks while the offer waits; the header still announces the offered size.
    b->prompts.expectNotice(QStringLiteral("连接在文件接收完之前中断"), true);
    QVERIFY(a->session->sendOffer(path, betaIP));
    QFile::resize(path, 1000);
    a->prompts.expectError(QStringLiteral("在传送中变短了，传送失败"), true);
    waitDone();
    QCOMPARE(QDir(b->folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QCOMPARE(a->gauge.last(), std::make_pair(0, 0));
    QVERIFY(a->session->isSendEnabled());
    QVERIFY(a->session->isPanelEnabled());
}

void TestLanSession::refusedConnectionRestoresWindow()
{
    // The raw peer accepts, but no stream server listens there.
    const QString path = QDir(files->path()).filePath(QStringLiteral("a.txt"));
    writeBytes(path, pattern(1000));
    QVERIFY(a->session->sendOffer(path, rawIP));
    QCOMPARE(raw->next(), CodePage::encode(wirePath(path)));
    a->prompts.expectNotice(QStringLiteral("用户 127.0.0.3 同意接收文件！"));
    a->prompts.expectNotice(QStringLiteral("$连接失败!"));
    raw->send(QByteArrayLiteral("#_1"), alphaIP);
    QTRY_VERIFY2(a->prompts.done(), qPrintable(a->prompts.problems()));
    QCOMPARE(a->prompts.last().caption, QStringLiteral("错误了"));
    QCOMPARE(a->statusSuffixes(),
        QStringList({ QStringLiteral("：发送数据成功"), QStringLiteral(":对方确定"), QStringLiteral("：连接失败") }));
    QTRY_VERIFY(a->session->isSendEnabled());
    QVERIFY(a->session->isPanelEnabled());
    QCOMPARE(a->gauge.last(), std::make_pair(0, 0));
}

void TestLanSession::twoAcceptedOffersKeepTheirNames()
{
    // A second sender on 127.0.0.4 offers too; each stream lands under its own offer's name.
    LanPeer c(
        QStringLiteral("127.0.0.4"), QStringLiteral("gamma"), a->session->datagramPort(), a->session->streamPort());
    const QString first = offerAccepted(QByteArray("from alpha"), QStringLiteral("one.txt"));
    const QString second = QDir(files->path()).filePath(QStringLiteral("two.txt"));
    writeBytes(second, "from gamma");
    b->prompts.expectConfirm(offerQuestion(QStringLiteral("127.0.0.4"), wirePath(second)), true);
    b->prompts.expectSaveFile(b->folderFile(QStringLiteral("x")));
    c.prompts.expectNotice(QStringLiteral("用户 127.0.0.2 同意接收文件！"));
    c.prompts.expectNotice(QStringLiteral("向用户 127.0.0.2 传送文件成功！"));
    a->prompts.expectNotice(QStringLiteral("向用户 127.0.0.2 传送文件成功！"));
    b->prompts.expectNotice(QStringLiteral("接收文件成功"));
    b->prompts.expectNotice(QStringLiteral("接收文件成功"));
    QVERIFY(a->session->sendOffer(first, betaIP));
    QVERIFY(c.session->sendOffer(second, betaIP));
    waitDone();
    QTRY_VERIFY2(c.prompts.done(), qPrintable(c.prompts.problems()));
    QCOMPARE(readBytes(b->folderFile(QStringLiteral("one.txt"))), QByteArray("from alpha"));
    QCOMPARE(readBytes(b->folderFile(QStringLiteral("two.txt"))), QByteArray("from gamma"));
}

void TestLanSession::unwritableFolderFailsBothSides()
{
    const QString path = QDir(files->path()).filePath(QStringLiteral("data.bin"));
    writeBytes(path, pattern(5000));
    QVERIFY(QDir(b->folder.path()).mkdir(QStringLiteral("gone")));
    b->prompts.expectConfirm(offerQuestion(alphaIP, wirePath(path)), true);
    b->prompts.expectSaveFile(b->folderFile(QStringLiteral("gone/x")));
    a->prompts.expectNotice(QStringLiteral("用户 127.0.0.2 同意接收文件！"));
    b->prompts.expectNotice(QStringLiteral("接收的文件无法保存到"), true);
    // The folder disappears after the answer: the file cannot be created when the stream comes.
    connect(b->session.get(), &LanSession::statusChanged, this,
        [this] { QDir(b->folderFile(QStringLiteral("gone"))).removeRecursively(); });
    a->prompts.expectError(QStringLiteral("没有确认收到文件，传送失败"), true);
    QVERIFY(a->session->sendOffer(path, betaIP));
    waitDone();
    QVERIFY(b->received.isEmpty());
    QVERIFY(a->session->isSendEnabled());
}

DAILORA_TEST_MAIN(TestLanSession)
#include "TestLanSession.moc"
