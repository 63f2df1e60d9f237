#include "common/CodePage.h"

#include <QTest>

class TestCodePage : public QObject
{
    Q_OBJECT

private slots:
    void encodesGbkBytes();
    void cut_data();
    void cut();
};

void TestCodePage::encodesGbkBytes()
{
    QCOMPARE(CodePage::encode(QStringLiteral("中a")), QByteArray("\xD6\xD0" "a"));
    QCOMPARE(CodePage::decode(QByteArray("\xD6\xD0" "a")), QStringLiteral("中a"));
    QCOMPARE(CodePage::byteLength(QStringLiteral("日记")), 4);
    // A character outside GBK survives the round trip instead of becoming "?".
    const QString emoji = QString::fromUcs4(U"\U0001F600");
    QCOMPARE(CodePage::decode(CodePage::encode(emoji)), emoji);
}

void TestCodePage::cut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("maxBytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("fits") << QStringLiteral("abc") << 3 << QStringLiteral("abc");
    QTest::newRow("latin cut") << QStringLiteral("abcdef") << 4 << QStringLiteral("abcd");
    QTest::newRow("whole chinese") << QStringLiteral("日记本") << 4 << QStringLiteral("日记");
    QTest::newRow("inside a character") << QStringLiteral("a日记") << 4 << QStringLiteral("a日");
    QTest::newRow("first character too wide") << QStringLiteral("日") << 1 << QString();
    QTest::newRow("zero width") << QStringLiteral("abc") << 0 << QString();
    QTest::newRow("four-byte character") << (QStringLiteral("ab") + QString::fromUcs4(U"\U0001F600")) << 5
                                         << QStringLiteral("ab");
}

void TestCodePage::cut()
{
    QFETCH(QString, text);
    QFETCH(int, maxBytes);
    QFETCH(QString, expected);
    QCOMPARE(CodePage::cut(text, maxBytes), expected);
}

QTEST_GUILESS_MAIN(TestCodePage)
#include "TestCodePage.moc"
