#include "common/CodePage.h"
#include "diary/workbench/ContentMemo.h"
#include "tests/support/TestMain.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>

// The content box's byte limit: what does not fit is refused from the inserted text only.
class TestContentMemo : public QObject
{
    Q_OBJECT

private slots:
    void insertionIntoAFullerBox_data();
    void insertionIntoAFullerBox();
};

void TestContentMemo::insertionIntoAFullerBox_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("at");
    QTest::addColumn<bool>("typed"); // else pasted
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("after");

    const QString full = QString(100, QChar(0x5B57)); // 200 bytes
    const QString nearly = QString(95, QChar(0x5B57)); // 190 bytes
    const QString odd = QStringLiteral("a") + QString(99, QChar(0x5B57)); // 199 bytes
    QTest::newRow("key at 0 of a full box") << full << 0 << true << "a" << full;
    QTest::newRow("key in the middle of a full box") << full << 50 << true << "b" << full;
    QTest::newRow("paste at 0, cut to what fits")
        << nearly << 0 << false << "abcdefghijklmnop" << QStringLiteral("abcdefghij") + nearly;
    QTest::newRow("paste in the middle, cut to what fits")
        << nearly << 10 << false << "0123456789AB" << nearly.left(10) + "0123456789" + nearly.mid(10);
    QTest::newRow("a character needing two bytes when one is left")
        << odd << 0 << true << QString(QChar(0x5B57)) << odd;
    QTest::newRow("paste that fits whole") << nearly << 0 << false << "abc" << QStringLiteral("abc") + nearly;
}

void TestContentMemo::insertionIntoAFullerBox()
{
    QFETCH(QString, before);
    QFETCH(int, at);
    QFETCH(bool, typed);
    QFETCH(QString, inserted);
    QFETCH(QString, after);

    ContentMemo memo(200);
    memo.show();
    memo.setFocus();
    memo.setPlainText(before);
    QTextCursor cursor = memo.textCursor();
    cursor.setPosition(at);
    memo.setTextCursor(cursor);
    if (typed) {
        for (const QChar c : inserted) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(&memo, &key);
        }
    } else {
        QApplication::clipboard()->setText(inserted);
        memo.paste();
    }
    QCOMPARE(memo.toPlainText(), after);
    QVERIFY(CodePage::byteLength(memo.toPlainText()) <= 200);
    // The caret stays after what was inserted.
    QCOMPARE(memo.textCursor().position(), at + int(after.size() - before.size()));
}

DAILORA_TEST_MAIN(TestContentMemo)
#include "TestContentMemo.moc"
