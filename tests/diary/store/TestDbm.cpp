#include "common/AppError.h"
#include "diary/store/dbm.h"
#include "tests/support/RawSql.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QSqlError>
#include <QSqlRecord>

namespace {

const QString kConfirm = QStringLiteral("你确定吗？");
using Keys = QList<qint64>;

struct Entry
{
    QDate day;
    QString type, item, source, person, content;
};

// Numbered 1 to 6 in this order.
const QList<Entry> kEntries {
    { QDate(2024, 1, 1), "工作", "会议", "办公室", "张三", "周会：讨论计划" },
    { QDate(2024, 1, 2), "工作", "报告", "财务部", "李四", "月报100%完成" },
    { QDate(2024, 1, 3), "学习", "读书", "办公室", "李四", "读O'Reilly的书" },
    { QDate(2024, 1, 4), "工作", "会议", "财务部", "王五", "a_b 会后记录" },
    { QDate(2024, 1, 5), "生活", "会议", "O'Brien", "李四", "abc" },
    { QDate(2024, 1, 5), "Work", "会议", "办公室", "张三", "axb ABC 会" },
};

Keys keysOf(const TableCursor& cursor)
{
    Keys keys;
    for (int row = 0; row < cursor.shownRowCount(); ++row)
        keys.append(cursor.value(row, 0).toLongLong());
    return keys;
}

QVariantList storedValues(const QString& type, const QString& item, const QString& source, const QString& person,
    const QString& content, const QDate& day)
{
    return { day.toString(Qt::ISODate), type, item, source, person, content };
}

} // namespace

class TestDbm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void searchFindsExactlyTheMatchingRows_data();
    void searchFindsExactlyTheMatchingRows();
    void everyCodeAddsTheConditionsOfItsDigits_data();
    void everyCodeAddsTheConditionsOfItsDigits();
    void resultTableHoldsExactlyTheLastResult();
    void startChangesNoExistingTable();
    void foreignDailyLayoutEndsTheStartUntouched();
    void unusableResultTableIsSetAside_data();
    void unusableResultTableIsSetAside();
    void writeBack_data();
    void writeBack();
    void failingWriteBackKeepsTheResultRow();
    void searchSavesAPendingResultEditFirst_data();
    void searchSavesAPendingResultEditFirst();
    void addDiary_data();
    void addDiary();
    void addDiaryWhenDailyCannotBeOpened();
    void cutsOverlongTexts_data();
    void cutsOverlongTexts();
    void movingPastTheLastRowAddsNoRow_data();
    void movingPastTheLastRowAddsNoRow();
    void fullListStandsOnItsFirstRowAfter_data();
    void fullListStandsOnItsFirstRowAfter();
    void deleteRemovesTheDiaryRowAndTheResultRow();
    void failingDeleteKeepsTheResultRow();
    void gridsShowTheColumnLabels();

private:
    void search(const QString& code, const QString& type = {}, const QString& item = {}, const QString& source = {},
        const QString& person = {}, const QString& fragment = {}, const QDate& first = QDate(2024, 1, 1),
        const QDate& last = QDate(2024, 12, 31));
    Rows daily(qint64 key) const;
    Rows found(qint64 key) const;
    void editResultRow(int row);
    // Ends the data module, runs change on the files and starts a new one.
    void restart(const std::function<void()>& change);

    QByteArray m_dailyBytes;
    QByteArray m_foundBytes;
    std::unique_ptr<TestContext> m_t;
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<QAbstractItemModelTester> m_fullTester;
    std::unique_ptr<QAbstractItemModelTester> m_foundTester;
};

void TestDbm::init()
{
    m_t = std::make_unique<TestContext>();
    m_dm = std::make_unique<TDM>(m_t->context);
    for (const Entry& e : kEntries)
        raw(m_t->file("daily.DB"),
            "INSERT INTO daily (Inputdate, Type, Item, Bumen, Renyuan, Neirong) VALUES (?, ?, ?, ?, ?, ?)",
            storedValues(e.type, e.item, e.source, e.person, e.content, e.day));
    m_dm->daily_tb.refresh();
    const auto mode = QAbstractItemModelTester::FailureReportingMode::QtTest;
    m_fullTester = std::make_unique<QAbstractItemModelTester>(&m_dm->daily__tb_ds, mode);
    m_foundTester = std::make_unique<QAbstractItemModelTester>(&m_dm->FoundDaily_ds, mode);
}

void TestDbm::cleanup()
{
    m_fullTester.reset();
    m_foundTester.reset();
    m_dm.reset();
    QVERIFY2(m_t->prompts.done(), qPrintable(m_t->prompts.problems()));
    m_t.reset();
}

void TestDbm::search(const QString& code, const QString& type, const QString& item, const QString& source,
    const QString& person, const QString& fragment, const QDate& first, const QDate& last)
{
    m_dm->SearchDiary(type, item, source, person, fragment, first, last, code);
    QVERIFY(m_dm->FillFound());
}

Rows TestDbm::daily(qint64 key) const
{
    return raw(m_t->file("daily.DB"), "SELECT Inputdate, Type, Item, Bumen, Renyuan, Neirong FROM daily WHERE Num = ?",
        { key });
}

Rows TestDbm::found(qint64 key) const
{
    return raw(m_t->file("FoundDaily.DB"),
        "SELECT InputDate, Type, Item, Bumen, Renyuan, Neirong FROM FoundDaily WHERE Num = ?", { key });
}

void TestDbm::restart(const std::function<void()>& change)
{
    m_fullTester.reset();
    m_foundTester.reset();
    m_dm.reset();
    change();
    m_dm = std::make_unique<TDM>(m_t->context);
}

// Starts an edit of result row `row` and writes all six value fields.
void TestDbm::editResultRow(int row)
{
    TableCursor& found = m_dm->FoundDaily_tb;
    QVERIFY(found.moveTo(row));
    QVERIFY(found.edit());
    QVERIFY(found.setField("inputdate", QDate(2025, 3, 4)));
    QVERIFY(found.setField("Type", "新类型"));
    QVERIFY(found.setField("Item", "新项目"));
    QVERIFY(found.setField("Bumen", "新来源"));
    QVERIFY(found.setField("Renyuan", "新人"));
    QVERIFY(found.setField("Neirong", "新内容"));
}

void TestDbm::searchFindsExactlyTheMatchingRows_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<Keys>("expected");

    const QDate jan1(2024, 1, 1), jan2(2024, 1, 2), jan4(2024, 1, 4), jan5(2024, 1, 5), dec31(2024, 12, 31);
    // clang-format off
    QTest::newRow("both days included") << "1" << "" << "" << "" << jan2 << jan4 << Keys { 2, 3, 4 };
    QTest::newRow("one day") << "1" << "" << "" << "" << jan5 << jan5 << Keys { 5, 6 };
    QTest::newRow("first day after last") << "1" << "" << "" << "" << jan5 << jan1 << Keys {};
    QTest::newRow("quote in source") << "14" << "" << "O'Brien" << "" << jan1 << dec31 << Keys { 5 };
    QTest::newRow("quote in fragment") << "16" << "" << "" << "O'Reilly" << jan1 << dec31 << Keys { 3 };
    QTest::newRow("percent in fragment") << "16" << "" << "" << "100%" << jan1 << dec31 << Keys { 2 };
    QTest::newRow("percent alone") << "16" << "" << "" << "%" << jan1 << dec31 << Keys { 2 };
    QTest::newRow("underscore in fragment") << "16" << "" << "" << "a_b" << jan1 << dec31 << Keys { 4 };
    QTest::newRow("underscore alone") << "16" << "" << "" << "_" << jan1 << dec31 << Keys { 4 };
    QTest::newRow("fragment keeps case") << "16" << "" << "" << "abc" << jan1 << dec31 << Keys { 5 };
    QTest::newRow("type keeps case") << "12" << "work" << "" << "" << jan1 << dec31 << Keys {};
    QTest::newRow("type in its case") << "12" << "Work" << "" << "" << jan1 << dec31 << Keys { 6 };
    // clang-format on
}

void TestDbm::searchFindsExactlyTheMatchingRows()
{
    QFETCH(QString, code);
    QFETCH(QString, type);
    QFETCH(QString, source);
    QFETCH(QString, fragment);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(Keys, expected);

    search(code, type, {}, source, {}, fragment, first, last);
    QCOMPARE(keysOf(m_dm->FoundDaily_tb), expected);
    QCOMPARE(m_dm->FoundDaily_tb.rowCount(), expected.size());
}

void TestDbm::everyCodeAddsTheConditionsOfItsDigits_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<Keys>("expected");

    // The criteria searched for, digit by digit, and which entries meet each.
    const std::function<bool(const Entry&)> meets[] = {
        [](const Entry& e) { return e.type == "工作"; },
        [](const Entry& e) { return e.item == "会议"; },
        [](const Entry& e) { return e.source == "办公室"; },
        [](const Entry& e) { return e.person == "张三"; },
        [](const Entry& e) { return e.content.contains("会"); },
    };
    for (int digits = 0; digits < 32; ++digits) {
        QString code = "1";
        for (int d = 0; d < 5; ++d) {
            if (digits & (1 << d))
                code += QString::number(d + 2);
        }
        Keys expected;
        for (int i = 0; i < kEntries.size(); ++i) {
            const Entry& e = kEntries.at(i);
            bool all = e.day >= QDate(2024, 1, 2) && e.day <= QDate(2024, 1, 5);
            for (int d = 0; d < 5; ++d)
                all = all && (!(digits & (1 << d)) || meets[d](e));
            if (all)
                expected.append(i + 1);
        }
        QTest::newRow(qPrintable(code)) << code << expected;
    }
}

void TestDbm::everyCodeAddsTheConditionsOfItsDigits()
{
    QFETCH(QString, code);
    QFETCH(Keys, expected);
    search(code, "工作", "会议", "办公室", "张三", "会", QDate(2024, 1, 2), QDate(2024, 1, 5));
    QCOMPARE(keysOf(m_dm->FoundDaily_tb), expected);
}

void TestDbm::resultTableHoldsExactlyTheLastResult()
{
    search("1");
    QCOMPARE(raw(m_t->file("FoundDaily.DB"), "SELECT * FROM FoundDaily ORDER BY Num"),
        raw(m_t->file("daily.DB"), "SELECT * FROM daily ORDER BY Num"));
    QCOMPARE(keysOf(m_dm->FoundDaily_tb), (Keys { 1, 2, 3, 4, 5, 6 }));
    QCOMPARE(m_dm->FoundDaily_tb.value(0, 1), QDate(2024, 1, 1));

    search("16", {}, {}, {}, {}, "不存在");
    QCOMPARE(m_dm->FoundDaily_tb.rowCount(), 0);
    QVERIFY(raw(m_t->file("FoundDaily.DB"), "SELECT * FROM FoundDaily").isEmpty());
}

void TestDbm::startChangesNoExistingTable()
{
    search("12", "工作");
    restart([this] {
        QFile::setPermissions(m_t->file("FoundDaily.DB"), QFile::ReadOwner);
        m_dailyBytes = m_t->readFile("daily.DB");
        m_foundBytes = m_t->readFile("FoundDaily.DB");
    });
    // The last search's rows are still there, and neither file has changed.
    QCOMPARE(keysOf(m_dm->FoundDaily_tb), Keys({ 1, 2, 4 }));
    QCOMPARE(m_t->readFile("daily.DB"), m_dailyBytes);
    QCOMPARE(m_t->readFile("FoundDaily.DB"), m_foundBytes);
}

void TestDbm::foreignDailyLayoutEndsTheStartUntouched()
{
    m_fullTester.reset();
    m_foundTester.reset();
    m_dm.reset();
    QFile::remove(m_t->file("daily.DB"));
    raw(m_t->file("daily.DB"), "CREATE TABLE daily (Num INTEGER PRIMARY KEY, Inputdate TEXT, Note TEXT)");
    const QByteArray before = m_t->readFile("daily.DB");
    QString message;
    try {
        TDM dm(m_t->context);
    } catch (const AppError& failure) {
        message = failure.message();
    }
    QCOMPARE(message,
        QStringLiteral(
            "表文件 \"%1\" 中的表 daily 与程序的表结构不符：缺少列 Type, Item, Bumen, Renyuan, Neirong；多出列 Note")
            .arg(m_t->file("daily.DB")));
    QCOMPARE(m_t->readFile("daily.DB"), before);
}

void TestDbm::unusableResultTableIsSetAside_data()
{
    QTest::addColumn<bool>("garbage");
    QTest::newRow("not a database") << true;
    QTest::newRow("other columns") << false;
}

void TestDbm::unusableResultTableIsSetAside()
{
    QFETCH(bool, garbage);
    m_t->clock.set(QDateTime(QDate(2026, 12, 10), QTime(14, 15, 2)));
    restart([this, garbage] {
        QFile::remove(m_t->file("FoundDaily.DB"));
        if (garbage)
            m_t->writeFile("FoundDaily.DB", QByteArray(3000, 'x'));
        else
            raw(m_t->file("FoundDaily.DB"), "CREATE TABLE FoundDaily (Num REAL, Other TEXT)");
        m_foundBytes = m_t->readFile("FoundDaily.DB");
        m_t->prompts.expectNotice(QStringLiteral("这个查询结果表文件已改名为 \"%1\" 保留，并新建了空的查询结果表。")
                                      .arg(m_t->file("FoundDaily.DB.damaged-20261210-141502")),
            true);
    });
    QVERIFY2(m_t->prompts.done(), qPrintable(m_t->prompts.problems()));
    QVERIFY(m_t->prompts.last().text.startsWith(QStringLiteral("表文件 \"%1\" ").arg(m_t->file("FoundDaily.DB"))));
    QCOMPARE(m_t->readFile("FoundDaily.DB.damaged-20261210-141502"), m_foundBytes);
    QVERIFY(m_dm->FoundDaily_tb.isOpen());
    QCOMPARE(m_dm->FoundDaily_tb.rowCount(), 0);
    search("12", "工作");
    QCOMPARE(keysOf(m_dm->FoundDaily_tb), Keys({ 1, 2, 4 }));
}

void TestDbm::writeBack_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestDbm::writeBack()
{
    QFETCH(bool, yes);
    search("1");
    QVERIFY(m_dm->daily_tb.moveTo(4));
    const Rows before = daily(3);
    editResultRow(2);
    m_t->prompts.expectConfirm(kConfirm, yes);
    QCOMPARE(m_dm->FoundDaily_tb.post(), yes);

    const Rows edited { storedValues("新类型", "新项目", "新来源", "新人", "新内容", QDate(2025, 3, 4)) };
    QCOMPARE(daily(3), yes ? edited : before);
    QCOMPARE(found(3), yes ? edited : before);
    QCOMPARE(daily(2), found(2));
    if (!yes) {
        QCOMPARE(m_dm->FoundDaily_tb.state(), TableCursor::State::Edit);
        QCOMPARE(m_dm->FoundDaily_tb.field("Item"), "新项目");
        QCOMPARE(m_dm->daily_tb.currentRow(), 4);
        m_dm->FoundDaily_tb.cancel();
    }
}

void TestDbm::failingWriteBackKeepsTheResultRow()
{
    raw(m_t->file("daily.DB"), "CREATE TRIGGER frozen BEFORE UPDATE ON daily BEGIN SELECT RAISE(ABORT, 'frozen'); END");
    search("1");
    const Rows before = daily(3);
    editResultRow(2);
    m_t->prompts.expectConfirm(kConfirm, true);
    m_t->prompts.expectNotice("更新日记表出错");
    QVERIFY(m_dm->FoundDaily_tb.post());
    QCOMPARE(daily(3), before);
    QCOMPARE(found(3), Rows { storedValues("新类型", "新项目", "新来源", "新人", "新内容", QDate(2025, 3, 4)) });
    QVERIFY(m_dm->daily_tb.isOpen());
    QCOMPARE(m_dm->daily_tb.currentRow(), 0);
}

void TestDbm::searchSavesAPendingResultEditFirst_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestDbm::searchSavesAPendingResultEditFirst()
{
    QFETCH(bool, yes);
    search("1");
    editResultRow(2);
    m_dm->SearchDiary({}, {}, {}, {}, {}, QDate(2024, 1, 5), QDate(2024, 1, 5), "1");
    m_t->prompts.expectConfirm(kConfirm, yes);
    QCOMPARE(m_dm->FillFound(), yes);
    QCOMPARE(daily(3).value(0).value(2), yes ? "新项目" : "读书");
    QCOMPARE(keysOf(m_dm->FoundDaily_tb), (yes ? Keys { 5, 6 } : Keys { 1, 2, 3, 4, 5, 6 }));
    if (!yes)
        m_dm->FoundDaily_tb.cancel();
}

void TestDbm::addDiary_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestDbm::addDiary()
{
    QFETCH(bool, yes);
    TableCursor& full = m_dm->daily_tb;
    QVERIFY(full.moveTo(5));
    full.deleteCurrent(); // the last key is not given again
    m_t->prompts.expectConfirm(kConfirm, yes);
    QCOMPARE(m_dm->AddDiary("工作", "会议", "", "", "新的一条", QDate(2024, 2, 1)), yes);

    const Rows added = daily(7);
    QCOMPARE(raw(m_t->file("daily.DB"), "SELECT count(*) FROM daily").value(0).value(0), yes ? 6 : 5);
    QCOMPARE(full.field("Neirong"), "新的一条");
    if (yes) {
        QCOMPARE(added, Rows { storedValues("工作", "会议", "", "", "新的一条", QDate(2024, 2, 1)) });
        QCOMPARE(full.field("Num"), 7);
        QCOMPARE(full.currentRow(), 5);
    } else {
        QVERIFY(added.isEmpty());
        QCOMPARE(full.state(), TableCursor::State::Insert);
        full.cancel();
    }
}

void TestDbm::addDiaryWhenDailyCannotBeOpened()
{
    raw(m_t->file("daily.DB"), "DROP TABLE daily");
    m_dm->daily_tb.close();
    m_t->prompts.expectNotice("写入日记出错");
    QVERIFY(!m_dm->AddDiary("工作", "会议", "", "", "内容", QDate(2024, 2, 1)));
    QVERIFY(!m_dm->daily_tb.isOpen());
}

void TestDbm::cutsOverlongTexts_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");

    const QString emoji = QString::fromUcs4(U"\U0001F600"); // four bytes in the code page
    // clang-format off
    QTest::newRow("type, latin") << "Type" << QString(21, 'a') << QString(20, 'a');
    QTest::newRow("item, inside a character") << "Item" << "a" + QString(10, u'日') << "a" + QString(9, u'日');
    QTest::newRow("source") << "Bumen" << "来源来源来源来源x" << "来源来源来源来源";
    QTest::newRow("person, inside a character") << "Renyuan" << "张三李四王五" << "张三李四王";
    QTest::newRow("content, chinese") << "Neirong" << QString(101, u'内') << QString(100, u'内');
    QTest::newRow("content, inside a wide character") << "Neirong" << QString(197, 'x') + emoji << QString(197, 'x');
    QTest::newRow("content fits") << "Neirong" << QString(99, u'内') + "ab" << QString(99, u'内') + "ab";
    // clang-format on
}

void TestDbm::cutsOverlongTexts()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, stored);

    QMap<QString, QString> texts { { "Type", "t" }, { "Item", "i" }, { "Bumen", "b" }, { "Renyuan", "r" },
        { "Neirong", "n" } };
    texts[field] = text;
    m_t->prompts.expectConfirm(kConfirm, true);
    QVERIFY(m_dm->AddDiary(
        texts["Type"], texts["Item"], texts["Bumen"], texts["Renyuan"], texts["Neirong"], QDate(2024, 2, 1)));
    QCOMPARE(
        raw(m_t->file("daily.DB"), QString("SELECT %1 FROM daily WHERE Num = 7").arg(field)).value(0).value(0), stored);
}

void TestDbm::movingPastTheLastRowAddsNoRow_data()
{
    QTest::addColumn<bool>("results");
    QTest::newRow("full list") << false;
    QTest::newRow("result list") << true;
}

void TestDbm::movingPastTheLastRowAddsNoRow()
{
    QFETCH(bool, results);
    search("1");
    TableCursor& cursor = results ? m_dm->FoundDaily_tb : m_dm->daily_tb;
    const int rows = cursor.rowCount();
    QVERIFY(cursor.moveTo(rows - 1));
    QVERIFY(cursor.next());
    QVERIFY(cursor.append()); // what a grid does on moving down from its last row
    QCOMPARE(cursor.state(), TableCursor::State::Browse);
    QCOMPARE(cursor.rowCount(), rows);
    QCOMPARE(cursor.shownRowCount(), rows);
    QCOMPARE(cursor.currentRow(), rows - 1);

    // The last row can still be edited.
    QVERIFY(cursor.edit());
    QVERIFY(cursor.setField("Neirong", "改"));
    QCOMPARE(cursor.state(), TableCursor::State::Edit);
    cursor.cancel();
}

void TestDbm::fullListStandsOnItsFirstRowAfter_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("search") << "search";
    QTest::newRow("write-back") << "write-back";
    QTest::newRow("delete") << "delete";
}

void TestDbm::fullListStandsOnItsFirstRowAfter()
{
    QFETCH(QString, operation);
    search("1");
    QVERIFY(m_dm->daily_tb.moveTo(3));
    if (operation == "search") {
        search("1");
    } else if (operation == "write-back") {
        editResultRow(1);
        m_t->prompts.expectConfirm(kConfirm, true);
        QVERIFY(m_dm->FoundDaily_tb.post());
    } else {
        m_dm->deleteFoundDiary();
    }
    QVERIFY(m_dm->daily_tb.isOpen());
    QCOMPARE(m_dm->daily_tb.currentRow(), 0);
}

void TestDbm::deleteRemovesTheDiaryRowAndTheResultRow()
{
    search("1");
    QVERIFY(m_dm->FoundDaily_tb.moveTo(1));
    m_dm->deleteFoundDiary();
    QVERIFY(daily(2).isEmpty());
    QCOMPARE(keysOf(m_dm->FoundDaily_tb), (Keys { 1, 3, 4, 5, 6 }));
    QCOMPARE(keysOf(m_dm->daily_tb), (Keys { 1, 3, 4, 5, 6 }));
}

void TestDbm::failingDeleteKeepsTheResultRow()
{
    raw(m_t->file("daily.DB"), "CREATE TRIGGER kept BEFORE DELETE ON daily BEGIN SELECT RAISE(ABORT, 'kept'); END");
    search("1");
    QVERIFY(m_dm->daily_tb.moveTo(3));
    QVERIFY(m_dm->FoundDaily_tb.moveTo(1));
    QVERIFY_THROWS_EXCEPTION(AppError, m_dm->deleteFoundDiary());
    QCOMPARE(keysOf(m_dm->FoundDaily_tb), (Keys { 1, 2, 3, 4, 5, 6 }));
    QVERIFY(m_dm->daily_tb.isOpen());
    QCOMPARE(m_dm->daily_tb.currentRow(), 0);
}

void TestDbm::gridsShowTheColumnLabels()
{
    const auto labels = [](const QAbstractItemModel& model) {
        QStringList result;
        for (int column = 0; column < model.columnCount(); ++column)
            result.append(model.headerData(column, Qt::Horizontal).toString());
        return result;
    };
    QCOMPARE(labels(m_dm->daily__tb_ds), (QStringList { "日期", "类型", "名称", "来源", "人员", "内容" }));
    QCOMPARE(labels(m_dm->FoundDaily_ds), (QStringList { "日期", "类型", "项目", "来源", "人员", "内容" }));
    QCOMPARE(m_dm->daily__tb_ds.index(0, 5).data(), "周会：讨论计划");
}

DAILORA_TEST_MAIN(TestDbm)
#include "TestDbm.moc"
