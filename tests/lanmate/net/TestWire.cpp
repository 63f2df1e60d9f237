// The bytes of the datagrams and of the stream header, written out by hand.
#include "lanmate/net/Datagram.h"
#include "lanmate/net/NetUnit.h"
#include "lanmate/net/StreamHeader.h"
#include "tests/support/TestMain.h"

class TestWire : public QObject
{
    Q_OBJECT

private slots:
    void broadcastByClass_data();
    void broadcastByClass();
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

DAILORA_TEST_MAIN(TestWire)
#include "TestWire.moc"
