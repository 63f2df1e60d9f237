// The bytes of the datagrams and of the stream header, written out by hand, and the address rules.
#include "lanmate/net/Datagram.h"
#include "lanmate/net/LanSession.h"
#include "lanmate/net/NetUnit.h"
#include "lanmate/net/StreamHeader.h"
#include "tests/support/TestMain.h"

class TestWire : public QObject
{
    Q_OBJECT

private slots:
    void broadcastByClass_data();
    void broadcastByClass();
    void lastUsableAddress_data();
    void lastUsableAddress();
    void dottedAddresses_data();
    void dottedAddresses();
    void contactAddress_data();
    void contactAddress();

    void datagramKinds_data();
    void datagramKinds();
    void probeAnswerFields();

    void streamHeaderBytes_data();
    void streamHeaderBytes();
    void streamHeaderParsed_data();
    void streamHeaderParsed();
    void streamHeaderInPieces();
    void gaugeScales_data();
    void gaugeScales();
};

void TestWire::broadcastByClass_data()
{
    QTest::addColumn<QString>("localIP");
    QTest::addColumn<QString>("broadcast");
    QTest::newRow("class A") << "10.1.2.3"
                             << "10.255.255.255";
    QTest::newRow("class B") << "172.16.5.9"
                             << "172.16.255.255";
    QTest::newRow("class C") << "192.168.1.20"
                             << "192.168.1.255";
    QTest::newRow("127 is A") << "127.0.0.1"
                              << "127.255.255.255";
    QTest::newRow("128 is B") << "128.0.0.1"
                              << "128.0.255.255";
    QTest::newRow("191 is B") << "191.1.1.1"
                              << "191.1.255.255";
    QTest::newRow("192 is C") << "192.0.0.1"
                              << "192.0.0.255";
    QTest::newRow("224 is C") << "224.5.6.7"
                              << "224.5.6.255";
    QTest::newRow("255 is C") << "255.1.2.3"
                              << "255.1.2.255";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("not a number") << "host.lan"
                                  << "";
}

void TestWire::broadcastByClass()
{
    QFETCH(QString, localIP);
    QFETCH(QString, broadcast);
    QCOMPARE(NetUnit::MakeBroadcastIP(localIP), broadcast);
}

void TestWire::lastUsableAddress_data()
{
    QTest::addColumn<QStringList>("addresses");
    QTest::addColumn<QString>("localIP");
    QTest::newRow("two addresses: the second") << QStringList { "10.0.0.5", "192.168.1.7" } << "192.168.1.7";
    QTest::newRow("loopback skipped") << QStringList { "10.0.0.5", "127.0.1.1" } << "10.0.0.5";
    QTest::newRow("only loopback") << QStringList { "127.0.1.1" } << "";
    QTest::newRow("IPv6 skipped") << QStringList { "10.0.0.5", "fe80::1" } << "10.0.0.5";
    QTest::newRow("mapped IPv4 dotted") << QStringList { "::ffff:198.51.100.2" } << "198.51.100.2";
    QTest::newRow("none") << QStringList {} << "";
}

void TestWire::lastUsableAddress()
{
    QFETCH(QStringList, addresses);
    QFETCH(QString, localIP);
    QList<QHostAddress> list;
    for (const QString& a : addresses)
        list.append(QHostAddress(a));
    QCOMPARE(NetUnit::lastUsableAddress(list), localIP);
}

void TestWire::dottedAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("dotted");
    QTest::newRow("plain") << "198.51.100.2" << true;
    QTest::newRow("15 characters") << "198.151.100.123" << true;
    QTest::newRow("octet over 255") << "198.51.100.256" << false;
    QTest::newRow("three parts") << "198.51.100" << false;
    QTest::newRow("mapped") << "::ffff:198.51.100.2" << false;
    QTest::newRow("name") << "host" << false;
    QTest::newRow("empty") << "" << false;
}

void TestWire::dottedAddresses()
{
    QFETCH(QString, text);
    QFETCH(bool, dotted);
    QCOMPARE(NetUnit::isDottedIPv4(text), dotted);
    QCOMPARE(NetUnit::dotted(QHostAddress(QStringLiteral("::ffff:198.51.100.2"))), QStringLiteral("198.51.100.2"));
}

void TestWire::contactAddress_data()
{
    QTest::addColumn<QString>("reported");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("listed");
    QTest::newRow("usable") << "198.51.100.7"
                            << "198.51.100.7"
                            << "198.51.100.7";
    QTest::newRow("loopback from the LAN") << "127.0.1.1"
                                           << "198.51.100.7"
                                           << "198.51.100.7";
    QTest::newRow("empty from the LAN") << ""
                                        << "198.51.100.7"
                                        << "198.51.100.7";
    QTest::newRow("name from the LAN") << "pc-7"
                                       << "198.51.100.7"
                                       << "198.51.100.7";
    QTest::newRow("loopback from loopback") << "127.0.1.1"
                                            << "127.0.0.1"
                                            << "127.0.1.1";
    QTest::newRow("other address kept") << "198.51.100.9"
                                        << "198.51.100.7"
                                        << "198.51.100.9";
}

void TestWire::contactAddress()
{
    QFETCH(QString, reported);
    QFETCH(QString, source);
    QFETCH(QString, listed);
    QCOMPARE(NetUnit::contactAddress(reported, source), listed);
}

void TestWire::datagramKinds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("kind");
    QTest::newRow("chat") << QByteArray("@_35 alpha") << int(Datagram::Kind::Chat);
    QTest::newRow("probe") << QByteArray("@_0") << int(Datagram::Kind::Probe);
    QTest::newRow("probe with tail") << QByteArray("@_0x") << int(Datagram::Kind::Probe);
    QTest::newRow("answer") << QByteArray("@_1") << int(Datagram::Kind::ProbeAnswer);
    QTest::newRow("accept") << QByteArray("#_1") << int(Datagram::Kind::OfferAnswer);
    QTest::newRow("bare #_") << QByteArray("#_") << int(Datagram::Kind::OfferAnswer);
    QTest::newRow("empty") << QByteArray() << int(Datagram::Kind::Offer);
    QTest::newRow("path") << QByteArray("C:\\a.txt") << int(Datagram::Kind::Offer);
    QTest::newRow("@_ alone") << QByteArray("@_") << int(Datagram::Kind::Offer);
    QTest::newRow("# alone") << QByteArray("#") << int(Datagram::Kind::Offer);
}

void TestWire::datagramKinds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, kind);
    QCOMPARE(int(Datagram::kindOf(bytes)), kind);
    QCOMPARE(Datagram::isAccept(QByteArrayLiteral("#_1")), true);
    QCOMPARE(Datagram::isAccept(QByteArrayLiteral("#_0")), false);
}

void TestWire::probeAnswerFields()
{
    const Datagram::Contact contact = Datagram::parseProbeAnswer(QByteArray("@_1198.151.100.123\xb2\xc6\xce\xf1 \r\n"));
    QCOMPARE(contact.address, QStringLiteral("198.151.100.123"));
    QCOMPARE(contact.name, QStringLiteral("财务"));
    const Datagram::Contact shortOne = Datagram::parseProbeAnswer(QByteArray("@_1"));
    QCOMPARE(shortOne.address, QString());
    QCOMPARE(shortOne.name, QString());
}

void TestWire::streamHeaderBytes_data()
{
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty file") << qint64(0) << QByteArray("0000         0");
    QTest::newRow("1234 bytes") << qint64(1234) << QByteArray("0000      1234");
    QTest::newRow("largest") << qint64(9'999'999'999) << QByteArray("00009999999999");
    QTest::newRow("above 2^31") << qint64(3'000'000'000) << QByteArray("00003000000000");
}

void TestWire::streamHeaderBytes()
{
    QFETCH(qint64, size);
    QFETCH(QByteArray, bytes);
    QCOMPARE(StreamHeader::header(size), bytes);
    QCOMPARE(StreamHeader::reply(), QByteArray("OK              "));
}

void TestWire::streamHeaderParsed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("rest");
    QTest::newRow("no name") << QByteArray("0000      1234abc") << qint64(1234) << QByteArray() << QByteArray("abc");
    QTest::newRow("with name") << QByteArray("0003bob         5hello") << qint64(5) << QByteArray("bob")
                               << QByteArray("hello");
    QTest::newRow("zero-filled size") << QByteArray("00000000000012") << qint64(12) << QByteArray() << QByteArray();
    QTest::newRow("letter in length") << QByteArray("000x         1") << qint64(-1) << QByteArray() << QByteArray();
    QTest::newRow("blank in length") << QByteArray(" 000         1") << qint64(-1) << QByteArray() << QByteArray();
    QTest::newRow("blank-padded right") << QByteArray("00001234      ") << qint64(-1) << QByteArray() << QByteArray();
    QTest::newRow("letter in size") << QByteArray("0000      12a4") << qint64(-1) << QByteArray() << QByteArray();
    QTest::newRow("all blanks") << QByteArray("0000          ") << qint64(-1) << QByteArray() << QByteArray();
    QTest::newRow("sign") << QByteArray("0000        -1") << qint64(-1) << QByteArray() << QByteArray();
}

void TestWire::streamHeaderParsed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, size);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, rest);
    StreamHeader::Parser parser;
    const auto state = parser.feed(bytes);
    if (size < 0) {
        QCOMPARE(state, StreamHeader::Parser::State::Invalid);
        return;
    }
    QCOMPARE(state, StreamHeader::Parser::State::Done);
    QCOMPARE(parser.size(), size);
    QCOMPARE(parser.senderName(), name);
    QCOMPARE(bytes, rest);
}

void TestWire::streamHeaderInPieces()
{
    StreamHeader::Parser parser;
    const QByteArray all("0002ab      1234xyz");
    for (int i = 0; i < 15; ++i) {
        QByteArray one = all.mid(i, 1);
        QCOMPARE(parser.feed(one), StreamHeader::Parser::State::NeedMore);
        QVERIFY(one.isEmpty());
    }
    QByteArray tail = all.mid(15);
    QCOMPARE(parser.feed(tail), StreamHeader::Parser::State::Done);
    QCOMPARE(tail, QByteArray("xyz"));
    QCOMPARE(parser.size(), qint64(1234));
    QCOMPARE(parser.senderName(), QByteArray("ab"));
}

void TestWire::gaugeScales_data()
{
    QTest::addColumn<qint64>("maximum");
    QTest::addColumn<qint64>("position");
    QTest::newRow("small") << qint64(1234) << qint64(1000);
    QTest::newRow("at the int limit") << qint64(2147483647) << qint64(2147483647);
    QTest::newRow("above the int limit") << qint64(9'999'999'999) << qint64(5'000'000'000);
}

void TestWire::gaugeScales()
{
    QFETCH(qint64, maximum);
    QFETCH(qint64, position);
    const auto [max, pos] = LanSession::gaugeRange(maximum, position);
    QVERIFY(max > 0);
    QVERIFY(std::abs(double(pos) / max - double(position) / maximum) < 1e-6);
    QCOMPARE(LanSession::gaugeRange(maximum, maximum).second, max);
}

DAILORA_TEST_MAIN(TestWire)
#include "TestWire.moc"
