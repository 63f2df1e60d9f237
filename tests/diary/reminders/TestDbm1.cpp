#include "diary/reminders/dbm1.h"
#include "diary/store/dbm.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QSqlError>
#include <QSqlRecord>

namespace {

const QString kOnce = QStringLiteral("到时提醒一次");
const QString kDaily = QStringLiteral("每天提醒一次");
const QString kWeekly = QStringLiteral("每星期提醒一次");
const QString kMonthly = QStringLiteral("每月提醒一次");

using Rows = QList<QStringList>;

// Runs statements on the table file through a connection of its own, as another program would;
// returns the rows of the last one as texts.
Rows onFile(const QString& file, const QStringList& statements, const QVariantList& values = {})
{
    Rows rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("onFile"));
        db.setDatabaseName(file);
        if (!db.open())
            qFatal("cannot open %s", qPrintable(file));
        for (const QString& sql : statements) {
            QSqlQuery query(db);
            query.prepare(sql);
            for (const QVariant& value : values)
                query.addBindValue(value);
            if (!query.exec())
                qFatal("statement failed: %s", qPrintable(query.lastError().text()));
            rows.clear();
            while (query.next()) {
                QStringList row;
                for (int i = 0; i < query.record().count(); ++i)
                    row.append(query.value(i).toString());
                rows.append(row);
            }
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("onFile"));
    return rows;
}

enum class Operation
{
    Add,
    Change,
    Remove,
    DueScan,
    TodayScan
};

} // namespace

class TestDbm1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void scansListWhatFallsDueToday_data();
    void scansListWhatFallsDueToday();
    void entriesAreWrittenByteForByte_data();
    void entriesAreWrittenByteForByte();
    void scansFollowTheTableAndEmptyTheListFirst();
    void addAndChangeStoreWholeMinutesAsText_data();
    void addAndChangeStoreWholeMinutesAsText();
    void contentIsCutBeforeACharacterThatWouldNotFit_data();
    void contentIsCutBeforeACharacterThatWouldNotFit();
    void removeDeletesTheRowAndShowsTheGivenDate();
    void failuresShowTheirMessage_data();
    void failuresShowTheirMessage();
    void unreadableFileAtStartIsReportedAndKept();
    void tableClosesAndReopensForTheRestore();

private:
    void addRow(const QString& date, const QString& time, const QString& kind, const QString& content);
    Rows stored() const;

    std::unique_ptr<TestContext> m_t;
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<Tdm1> m_dm1;
};

void TestDbm1::init()
{
    m_t = std::make_unique<TestContext>();
    m_dm = std::make_unique<TDM>(m_t->context);
    m_dm1 = std::make_unique<Tdm1>(m_t->context, TDM::connectionName());
}

void TestDbm1::cleanup()
{
    m_dm1.reset();
    m_dm.reset();
    QVERIFY2(m_t->prompts.done(), qPrintable(m_t->prompts.problems()));
    m_t.reset();
}

void TestDbm1::addRow(const QString& date, const QString& time, const QString& kind, const QString& content)
{
    onFile(m_t->file("tixing.DB"),
        { "INSERT INTO tixing (tixingdate, tixingtime, jibie, neirong) VALUES (?, ?, ?, ?)" },
        { date, time, kind, content });
}

Rows TestDbm1::stored() const
{
    return onFile(m_t->file("tixing.DB"), { "SELECT tixingdate, tixingtime, jibie, neirong FROM tixing ORDER BY Seq" });
}

void TestDbm1::scansListWhatFallsDueToday_data()
{
    QTest::addColumn<QDate>("stored");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("due");

    const QDate sat(2024, 2, 10);
    QTest::newRow("once today") << sat << kOnce << sat << true;
    QTest::newRow("once yesterday") << sat.addDays(-1) << kOnce << sat << false;
    QTest::newRow("once tomorrow") << sat.addDays(1) << kOnce << sat << false;
    QTest::newRow("once a year later") << sat.addYears(1) << kOnce << sat << false;
    QTest::newRow("daily") << sat << kDaily << sat.addDays(3) << true;
    QTest::newRow("daily before its date") << QDate(2024, 3, 1) << kDaily << sat << true;
    QTest::newRow("weekly on a later Monday") << QDate(2024, 2, 5) << kWeekly << QDate(2024, 2, 19) << true;
    QTest::newRow("weekly on a Monday before its date") << QDate(2024, 3, 4) << kWeekly << QDate(2024, 2, 12) << true;
    QTest::newRow("weekly on a Tuesday") << QDate(2024, 2, 5) << kWeekly << QDate(2024, 2, 13) << false;
    QTest::newRow("monthly 31st in March") << QDate(2024, 1, 31) << kMonthly << QDate(2024, 3, 31) << true;
    QTest::newRow("monthly 31st on April 30th") << QDate(2024, 1, 31) << kMonthly << QDate(2024, 4, 30) << false;
    QTest::newRow("monthly 31st on May 1st") << QDate(2024, 1, 31) << kMonthly << QDate(2024, 5, 1) << false;
    QTest::newRow("monthly 15th a year on") << QDate(2023, 6, 15) << kMonthly << QDate(2024, 2, 15) << true;
    QTest::newRow("monthly 15th on the 16th") << QDate(2023, 6, 15) << kMonthly << QDate(2024, 2, 16) << false;
    QTest::newRow("empty kind") << sat << QString("") << sat << false;
    QTest::newRow("unknown kind") << sat << QString("每年提醒一次") << sat << false;
    QTest::newRow("kind with a trailing blank") << sat << QString(kDaily + " ") << sat << false;
}

void TestDbm1::scansListWhatFallsDueToday()
{
    QFETCH(QDate, stored);
    QFETCH(QString, kind);
    QFETCH(QDate, today);
    QFETCH(bool, due);

    addRow(stored.toString(Qt::ISODate), "23:59:00", kind, "a*b|*|c");
    m_t->clock.set(QDateTime(today, QTime(0, 0)));
    QStringList dueList;
    QStringList todayList;
    m_dm1->FillDueList(dueList);
    m_dm1->FillTodayList(todayList);

    const QString separator = kind == kMonthly ? "|*|" : " |*| ";
    const QString date = QLocale::system().toString(stored, QLocale::ShortFormat);
    QCOMPARE(dueList, due ? QStringList { "23:59:00*" + date + "*a*b|*|c" } : QStringList());
    QCOMPARE(todayList, due ? QStringList { "23:59:00" + separator + kind + separator + "a*b|*|c" } : QStringList());
}

void TestDbm1::entriesAreWrittenByteForByte_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("dueEntry");
    QTest::addColumn<QString>("todayEntry");

    QTest::newRow("once") << kOnce << "09:30:00*10 Feb 2024*开会"
                          << "09:30:00 |*| 到时提醒一次 |*| 开会";
    QTest::newRow("daily") << kDaily << "09:30:00*10 Feb 2024*开会"
                           << "09:30:00 |*| 每天提醒一次 |*| 开会";
    QTest::newRow("weekly") << kWeekly << "09:30:00*10 Feb 2024*开会"
                            << "09:30:00 |*| 每星期提醒一次 |*| 开会";
    QTest::newRow("monthly") << kMonthly << "09:30:00*10 Feb 2024*开会"
                             << "09:30:00|*|每月提醒一次|*|开会";
}

void TestDbm1::entriesAreWrittenByteForByte()
{
    QFETCH(QString, kind);
    QFETCH(QString, dueEntry);
    QFETCH(QString, todayEntry);

    QVERIFY(m_dm1->AddReminder(kind, "开会", QDate(2024, 2, 10), QTime(9, 30, 45)));
    QStringList dueList;
    QStringList todayList;
    m_dm1->FillDueList(dueList);
    m_dm1->FillTodayList(todayList);
    QCOMPARE(dueList, QStringList { dueEntry });
    QCOMPARE(todayList, QStringList { todayEntry });
    QCOMPARE(todayList.constFirst().toUtf8(), todayEntry.toUtf8());
}

void TestDbm1::scansFollowTheTableAndEmptyTheListFirst()
{
    QStringList list { "left over" };
    m_dm1->FillDueList(list);
    QCOMPARE(list, QStringList());

    addRow("2024-02-10", "08:00:00", kOnce, "first");
    addRow("2024-02-11", "07:00:00", kOnce, "not today");
    addRow("2024-01-01", "07:30:00", kDaily, "second");
    m_dm1->FillTodayList(list);
    QCOMPARE(list, (QStringList { "08:00:00 |*| 到时提醒一次 |*| first", "07:30:00 |*| 每天提醒一次 |*| second" }));
}

void TestDbm1::addAndChangeStoreWholeMinutesAsText_data()
{
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("stored");
    QTest::newRow("seconds") << QTime(9, 30, 45) << "09:30:00";
    QTest::newRow("milliseconds") << QTime(9, 30, 59, 999) << "09:30:00";
    QTest::newRow("midnight") << QTime(0, 0) << "00:00:00";
    QTest::newRow("last minute") << QTime(23, 59, 1) << "23:59:00";
}

void TestDbm1::addAndChangeStoreWholeMinutesAsText()
{
    QFETCH(QTime, time);
    QFETCH(QString, stored);

    QVERIFY(m_dm1->AddReminder(kDaily, "x", QDate(2024, 3, 1), time));
    QCOMPARE(this->stored(), (Rows { { "2024-03-01", stored, kDaily, "x" } }));
    QVERIFY(m_dm1->explorer_qy.isOpen());
    QCOMPARE(m_dm1->explorer_qy.rowCount(), 1);
    QCOMPARE(m_dm1->explorer_qy.field("tixingtime").toTime(), QTime::fromString(stored, "HH:mm:ss"));
    QVERIFY(!m_dm1->tixing_tb.isOpen());

    const qint64 seq = m_dm1->explorer_qy.field("Seq").toLongLong();
    QVERIFY(seq > 0);
    QVERIFY(m_dm1->ChangeReminder(seq, kWeekly, "y", QDate(2024, 3, 2), time));
    QCOMPARE(this->stored(), (Rows { { "2024-03-02", stored, kWeekly, "y" } }));
    // The day view shows the new date.
    QCOMPARE(m_dm1->explorer_qy.rowCount(), 1);
    QCOMPARE(m_dm1->explorer_qy.field("tixingdate").toDate(), QDate(2024, 3, 2));
    QVERIFY(!m_dm1->update_qy.isActive());
}

void TestDbm1::contentIsCutBeforeACharacterThatWouldNotFit_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<QString>("kept");
    const QString hundred = QString(100, QChar(0x4E2D)); // 200 bytes
    QTest::newRow("exactly 200 bytes") << hundred << hundred;
    QTest::newRow("one character more") << hundred + "中" << hundred;
    QTest::newRow("half a character over") << "a" + hundred << "a" + hundred.left(99);
}

void TestDbm1::contentIsCutBeforeACharacterThatWouldNotFit()
{
    QFETCH(QString, content);
    QFETCH(QString, kept);

    QVERIFY(m_dm1->AddReminder(kOnce, content, QDate(2024, 2, 10), QTime(9, 0)));
    QCOMPARE(stored().constFirst().at(3), kept);
    const qint64 seq = m_dm1->explorer_qy.field("Seq").toLongLong();
    QVERIFY(m_dm1->ChangeReminder(seq, kOnce, "", QDate(2024, 2, 10), QTime(9, 0)));
    QVERIFY(m_dm1->ChangeReminder(seq, kOnce, content, QDate(2024, 2, 10), QTime(9, 0)));
    QCOMPARE(stored().constFirst().at(3), kept);
}

void TestDbm1::removeDeletesTheRowAndShowsTheGivenDate()
{
    addRow("2024-02-10", "08:00:00", kOnce, "gone");
    addRow("2024-02-12", "08:00:00", kOnce, "stays");
    m_dm1->OpenDay(QDate(2024, 2, 10));
    const qint64 seq = m_dm1->explorer_qy.field("Seq").toLongLong();
    QVERIFY(m_dm1->RemoveReminder(seq, QDate(2024, 2, 12)));
    QCOMPARE(stored(), (Rows { { "2024-02-12", "08:00:00", kOnce, "stays" } }));
    QCOMPARE(m_dm1->explorer_qy.rowCount(), 1);
    QCOMPARE(m_dm1->explorer_qy.field("neirong").toString(), QString("stays"));
}

void TestDbm1::failuresShowTheirMessage_data()
{
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QString>("message");
    QTest::newRow("add") << Operation::Add << "插入事务记录出错";
    QTest::newRow("change") << Operation::Change << "更改事务出错";
    QTest::newRow("delete") << Operation::Remove << "更改事务出错";
    QTest::newRow("due scan") << Operation::DueScan << "取当天提醒记录出错";
    QTest::newRow("today scan") << Operation::TodayScan << "取当天提醒记录出错";
}

void TestDbm1::failuresShowTheirMessage()
{
    QFETCH(Operation, operation);
    QFETCH(QString, message);

    addRow("2024-02-10", "08:00:00", kDaily, "kept");
    m_dm1->OpenDay(QDate(2024, 2, 10));
    const qint64 seq = m_dm1->explorer_qy.field("Seq").toLongLong();
    // The engine refuses every change of the table; the scans find a file that is no table.
    onFile(m_t->file("tixing.DB"),
        { "CREATE TRIGGER refuseInsert BEFORE INSERT ON tixing BEGIN SELECT RAISE(ABORT, 'refused'); END",
            "CREATE TRIGGER refuseUpdate BEFORE UPDATE ON tixing BEGIN SELECT RAISE(ABORT, 'refused'); END",
            "CREATE TRIGGER refuseDelete BEFORE DELETE ON tixing BEGIN SELECT RAISE(ABORT, 'refused'); END" });
    m_t->prompts.expectNotice(message);

    QStringList list { "left over" };
    switch (operation) {
    case Operation::Add:
        QVERIFY(!m_dm1->AddReminder(kOnce, "new", QDate(2024, 2, 10), QTime(8, 0)));
        QVERIFY(!m_dm1->tixing_tb.isOpen());
        break;
    case Operation::Change:
        QVERIFY(!m_dm1->ChangeReminder(seq, kOnce, "new", QDate(2024, 2, 10), QTime(9, 0)));
        break;
    case Operation::Remove:
        QVERIFY(!m_dm1->RemoveReminder(seq, QDate(2024, 2, 10)));
        break;
    case Operation::DueScan:
    case Operation::TodayScan: {
        const QByteArray garbage(4096, 'x');
        m_t->writeFile("tixing.DB", garbage);
        if (operation == Operation::DueScan)
            m_dm1->FillDueList(list);
        else
            m_dm1->FillTodayList(list);
        QCOMPARE(list, QStringList());
        QCOMPARE(m_t->readFile("tixing.DB"), garbage);
        QVERIFY(!m_dm1->update_qy.isActive());
        return;
    }
    }
    QVERIFY(!m_dm1->update_qy.isActive());
    QCOMPARE(stored(), (Rows { { "2024-02-10", "08:00:00", kDaily, "kept" } }));
    // The day view is open again on its date.
    QCOMPARE(m_dm1->explorer_qy.rowCount(), 1);
}

void TestDbm1::unreadableFileAtStartIsReportedAndKept()
{
    m_dm1.reset();
    const QByteArray garbage(4096, 'x');
    m_t->writeFile("tixing.DB", garbage);
    m_t->prompts.expectError("", true);
    m_dm1 = std::make_unique<Tdm1>(m_t->context, TDM::connectionName());
    QCOMPARE(m_t->readFile("tixing.DB"), garbage);

    m_t->prompts.expectNotice("取当天提醒记录出错");
    QStringList list;
    m_dm1->FillDueList(list);
    QCOMPARE(list, QStringList());

    // A readable file put in its place (as the restore does) is taken up again.
    QVERIFY(QFile::remove(m_t->file("tixing.DB")));
    m_dm1->reopenTable();
    QVERIFY(m_dm1->AddReminder(kDaily, "again", QDate(2024, 2, 10), QTime(9, 0)));
    m_dm1->FillDueList(list);
    QCOMPARE(list.size(), 1);
}

void TestDbm1::tableClosesAndReopensForTheRestore()
{
    addRow("2024-02-10", "08:00:00", kOnce, "before");
    m_dm1->OpenDay(QDate(2024, 2, 10));
    m_dm1->closeTable();
    QVERIFY(!m_dm1->explorer_qy.isOpen());
    // The restore detaches the file and copies another table file over it.
    SqlTable::run(TDM::connectionName(), "DETACH DATABASE tixing_file");
    QVERIFY(!m_dm1->isAttached());
    // Ticks meanwhile find nothing and show no message.
    QStringList list { "left over" };
    m_dm1->FillDueList(list);
    QCOMPARE(list, QStringList());
    QVERIFY(QFile::remove(m_t->file("tixing.DB")));
    onFile(m_t->file("tixing.DB"),
        { "CREATE TABLE tixing (Seq INTEGER PRIMARY KEY AUTOINCREMENT, tixingdate TEXT, tixingtime TEXT, "
          "jibie VARCHAR(20), neirong VARCHAR(200))",
            "INSERT INTO tixing (tixingdate, tixingtime, jibie, neirong) VALUES "
            "('2024-02-10', '10:00:00', '每天提醒一次', 'restored')" });
    m_dm1->reopenTable();
    QVERIFY(m_dm1->isAttached());
    m_dm1->reopenTable(); // already attached: nothing happens
    m_dm1->OpenDay(QDate(2024, 2, 10));
    QCOMPARE(m_dm1->explorer_qy.field("neirong").toString(), QString("restored"));
    QVERIFY(m_dm1->AddReminder(kOnce, "after", QDate(2024, 2, 10), QTime(11, 0)));
    QCOMPARE(m_dm1->explorer_qy.rowCount(), 2);
}

DAILORA_TEST_MAIN(TestDbm1)
#include "TestDbm1.moc"
