#include "common/LocaleTexts.h"
#include "diary/reminders/DueCheck.h"
#include "diary/reminders/ReminderEntries.h"
#include "tests/support/TestMain.h"

// Runs under the C locale and again under zh_CN (see the test's CMake entries).
class TestDueCheck : public QObject
{
    Q_OBJECT

private slots:
    void timeTextsParseBack_data();
    void timeTextsParseBack();
    void dueInTheWholeMinuteOnly_data();
    void dueInTheWholeMinuteOnly();
    void announcedOncePerMinuteAndDay();
    void contentKeepsFurtherStars();
};

void TestDueCheck::timeTextsParseBack_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("system") << QLocale::system() << QString();
    QTest::newRow("C") << QLocale::c() << "09:30:00";
    QTest::newRow("zh_CN") << QLocale(QLocale::Chinese, QLocale::China) << "09:30:00";
    QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << "9:30:00 AM";
}

void TestDueCheck::timeTextsParseBack()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, expected);
    const QString text = LocaleTexts::timeText(QTime(9, 30), locale);
    if (!expected.isEmpty())
        QCOMPARE(text, expected);
    QVERIFY2(!LocaleTexts::longTimeFormat(locale).contains(QLatin1Char('t')), qPrintable(text));
    QCOMPARE(LocaleTexts::parseTime(text, locale), QTime(9, 30));
    QCOMPARE(LocaleTexts::parseTime(LocaleTexts::timeText(QTime(23, 59, 0), locale), locale), QTime(23, 59));
}

void TestDueCheck::dueInTheWholeMinuteOnly_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<bool>("due");
    QTest::newRow("09:29:59") << QTime(9, 29, 59) << false;
    QTest::newRow("09:30:00") << QTime(9, 30, 0) << true;
    QTest::newRow("09:30:59") << QTime(9, 30, 59, 999) << true;
    QTest::newRow("09:31:00") << QTime(9, 31, 0) << false;
    QTest::newRow("21:30:00") << QTime(21, 30, 0) << false;
}

void TestDueCheck::dueInTheWholeMinuteOnly()
{
    QFETCH(QTime, now);
    QFETCH(bool, due);
    const QDate today(2024, 2, 10);
    const QStringList list { ReminderEntries::dueEntry(QTime(9, 30), today, "开会") };
    DueCheck check;
    QCOMPARE(check.take(list, QDateTime(today, now)), due ? QStringList { "开会" } : QStringList());
}

void TestDueCheck::announcedOncePerMinuteAndDay()
{
    const QDate today(2024, 2, 10);
    const QString early = ReminderEntries::dueEntry(QTime(9, 30), today, "a");
    const QString same = ReminderEntries::dueEntry(QTime(9, 30), today, "b");
    DueCheck check;
    QCOMPARE(check.take({ early, same }, QDateTime(today, QTime(9, 30, 5))), (QStringList { "a", "b" }));
    QCOMPARE(check.take({ early, same }, QDateTime(today, QTime(9, 30, 35))), QStringList());
    // A list that was refilled with something else in between cannot bring them back.
    QCOMPARE(check.take({ "today's list" }, QDateTime(today, QTime(9, 30, 40))), QStringList());
    QCOMPARE(check.take({ early }, QDateTime(today, QTime(9, 30, 50))), QStringList());
    // The next day it is due again.
    QCOMPARE(check.take({ early }, QDateTime(today.addDays(1), QTime(9, 30, 5))), QStringList { "a" });
}

void TestDueCheck::contentKeepsFurtherStars()
{
    const QString entry = ReminderEntries::dueEntry(QTime(9, 30), QDate(2024, 2, 10), "x*y|*|z");
    const ReminderEntries::DueParts parts = ReminderEntries::splitDueEntry(entry);
    QCOMPARE(parts.content, QString("x*y|*|z"));
    QCOMPARE(LocaleTexts::parseTime(parts.timeText), QTime(9, 30));
}

DAILORA_TEST_MAIN(TestDueCheck)
#include "TestDueCheck.moc"
