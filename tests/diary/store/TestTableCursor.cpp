#include "diary/store/CursorModel.h"
#include "diary/store/SqlTable.h"
#include "diary/store/TableCursor.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QItemSelectionModel>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

const QString kConnection = QStringLiteral("cursor_test");
const QString kSave = QStringLiteral("保存吗？");

TableLayout notesLayout()
{
    using Kind = TableLayout::Kind;
    return { QStringLiteral("notes"), QStringLiteral("notes.DB"),
        { { QStringLiteral("Num"), Kind::AutoKey }, { QStringLiteral("Day"), Kind::Date, 0, QStringLiteral("日") },
            { QStringLiteral("Word"), Kind::Text, 4, QStringLiteral("词") } } };
}

// A table of notes with rows 1..count, row i on day i of 2000 with the word "w<i>".
struct Notes
{
    explicit Notes(TestContext& t, int count)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnection);
        db.setDatabaseName(QStringLiteral(":memory:"));
        db.open();
        SqlTable::attach(kConnection, table.layout(), t.dir.path());
        SqlTable::run(kConnection,
            QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                "INSERT INTO notes (Day, Word) SELECT date('1999-12-31', '+' || i || ' days'), 'w' || i FROM n"),
            { count });
        cursor.setBeforeSave([&t] { return t.prompts.confirm(kSave); });
        cursor.open();
    }
    ~Notes() { QSqlDatabase::removeDatabase(kConnection); }
    Q_DISABLE_COPY_MOVE(Notes)

    QVariantList column(const QString& sql) const
    {
        QSqlQuery query = SqlTable::run(kConnection, sql);
        QVariantList values;
        while (query.next())
            values.append(query.value(0));
        return values;
    }
    QString storedWord(qint64 key) const
    {
        return column(QStringLiteral("SELECT Word FROM notes WHERE Num = %1").arg(key)).value(0).toString();
    }

    SqlTable table { kConnection, notesLayout() };
    TableCursor cursor { table };
    CursorModel model { cursor };
    QAbstractItemModelTester tester { &model, QAbstractItemModelTester::FailureReportingMode::QtTest };
};

QString word(const TableCursor& cursor, int row)
{
    return cursor.value(row, 2).toString();
}

} // namespace

class TestTableCursor : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void readsEveryRowInKeyOrderFromAnyPage();
    void moveSavesThePendingChangeFirst();
    void refusedSaveKeepsTheChangeAndTheRow();
    void newRowStandsAtTheCurrentRowUntilSaved();
    void endFlag();
    void deleteStandsOnTheFollowingRow();
    void modelShowsPendingValuesUnderLabels();
    void selectionFollowsTheCursorAndIsPutBackWhenRefused();

private:
    std::unique_ptr<TestContext> m_t;
    std::unique_ptr<Notes> m_notes;
};

void TestTableCursor::init()
{
    m_t = std::make_unique<TestContext>();
    m_notes = std::make_unique<Notes>(*m_t, 5);
}

void TestTableCursor::cleanup()
{
    m_notes.reset();
    QVERIFY2(m_t->prompts.done(), qPrintable(m_t->prompts.problems()));
    m_t.reset();
}

void TestTableCursor::readsEveryRowInKeyOrderFromAnyPage()
{
    m_notes.reset();
    QFile::remove(m_t->file(QStringLiteral("notes.DB")));
    m_notes = std::make_unique<Notes>(*m_t, 2000);
    Notes& notes = *m_notes;
    SqlTable::run(kConnection, QStringLiteral("DELETE FROM notes WHERE Num % 7 = 0"));
    notes.cursor.refresh();
    QVariantList keys = notes.column(QStringLiteral("SELECT Num FROM notes ORDER BY Num"));
    QCOMPARE(notes.cursor.rowCount(), keys.size());

    // Jumps to either end, steps on from kept pages in both directions, and far jumps.
    const int last = int(keys.size()) - 1;
    const QList<int> visits { 0, 1000, last, 700, 699, 256, 255, 100, last - 256, 1500, 512, 1, 1713 };
    for (int row : visits) {
        QCOMPARE(notes.cursor.value(row, 0), keys.at(row));
        QCOMPARE(word(notes.cursor, row), QStringLiteral("w%1").arg(keys.at(row).toLongLong()));
    }

    QVERIFY(notes.cursor.moveTo(900));
    notes.cursor.deleteCurrent();
    keys.removeAt(900);
    QCOMPARE(notes.cursor.currentRow(), 900);
    for (int row : { 899, 900, last - 1, 0, 1200 })
        QCOMPARE(notes.cursor.value(row, 0), keys.at(row));
}

void TestTableCursor::moveSavesThePendingChangeFirst()
{
    TableCursor& cursor = m_notes->cursor;
    QVERIFY(cursor.edit());
    QVERIFY(cursor.setField(QStringLiteral("WORD"), QStringLiteral("新词")));
    m_t->prompts.expectConfirm(kSave, true);
    QVERIFY(cursor.moveTo(3));
    QCOMPARE(cursor.currentRow(), 3);
    QCOMPARE(cursor.state(), TableCursor::State::Browse);
    QCOMPARE(m_notes->storedWord(1), QStringLiteral("新词"));
    QCOMPARE(word(cursor, 0), QStringLiteral("新词"));
}

void TestTableCursor::refusedSaveKeepsTheChangeAndTheRow()
{
    TableCursor& cursor = m_notes->cursor;
    QVERIFY(cursor.moveTo(1));
    QVERIFY(cursor.edit());
    QVERIFY(cursor.setField(2, QStringLiteral("改")));
    m_t->prompts.expectConfirm(kSave, false);
    QVERIFY(!cursor.next());
    m_t->prompts.expectConfirm(kSave, false);
    QVERIFY(!cursor.post());
    QCOMPARE(cursor.currentRow(), 1);
    QCOMPARE(cursor.state(), TableCursor::State::Edit);
    QCOMPARE(cursor.field(QStringLiteral("word")), QStringLiteral("改"));
    QCOMPARE(m_notes->storedWord(2), QStringLiteral("w2"));

    cursor.cancel();
    QCOMPARE(word(cursor, 1), QStringLiteral("w2"));
    QVERIFY(cursor.next()); // nothing pending, nothing asked
}

void TestTableCursor::newRowStandsAtTheCurrentRowUntilSaved()
{
    TableCursor& cursor = m_notes->cursor;
    QVERIFY(cursor.moveTo(1));
    QVERIFY(cursor.insert());
    QCOMPARE(cursor.rowCount(), 5);
    QCOMPARE(cursor.shownRowCount(), 6);
    QCOMPARE(cursor.currentRow(), 1);
    QCOMPARE(word(cursor, 1), QString());
    QCOMPARE(word(cursor, 2), QStringLiteral("w2"));
    QVERIFY(cursor.setField(QStringLiteral("Day"), QDate(2024, 5, 6)));
    QVERIFY(cursor.setField(QStringLiteral("Word"), QStringLiteral("abcdef")));
    QVERIFY(!cursor.setField(QStringLiteral("Num"), 99)); // the table assigns the key
    QCOMPARE(cursor.field(QStringLiteral("Word")), QStringLiteral("abcd"));

    // Moving to the row below the new one saves it; the row moved to is still the one below.
    m_t->prompts.expectConfirm(kSave, true);
    QVERIFY(cursor.moveTo(2));
    QCOMPARE(cursor.rowCount(), 6);
    QCOMPARE(word(cursor, cursor.currentRow()), QStringLiteral("w2"));
    QCOMPARE(cursor.value(5, 0), 6);
    QCOMPARE(cursor.value(5, 1), QDate(2024, 5, 6));
    QCOMPARE(m_notes->storedWord(6), QStringLiteral("abcd"));
}

void TestTableCursor::endFlag()
{
    TableCursor& cursor = m_notes->cursor;
    QVERIFY(!cursor.eof());
    QVERIFY(cursor.moveTo(4));
    QVERIFY(cursor.next());
    QVERIFY(cursor.eof());
    QCOMPARE(cursor.currentRow(), 4);
    QVERIFY(cursor.append());
    QVERIFY(cursor.eof());
    QCOMPARE(cursor.currentRow(), 5);
    cursor.cancel();
    QVERIFY(!cursor.eof());
    QCOMPARE(cursor.currentRow(), 4);
    QVERIFY(cursor.next());
    QVERIFY(cursor.eof());
    QVERIFY(cursor.first());
    QVERIFY(!cursor.eof());
    QCOMPARE(cursor.rowCount(), 5);
}

void TestTableCursor::deleteStandsOnTheFollowingRow()
{
    TableCursor& cursor = m_notes->cursor;
    QVERIFY(cursor.moveTo(2));
    QVERIFY(cursor.edit()); // dropped with the row, not saved
    cursor.deleteCurrent();
    QCOMPARE(cursor.rowCount(), 4);
    QCOMPARE(word(cursor, cursor.currentRow()), QStringLiteral("w4"));
    QVERIFY(cursor.moveTo(3));
    cursor.deleteCurrent();
    QCOMPARE(cursor.currentRow(), 2);
    while (cursor.rowCount() > 0)
        cursor.deleteCurrent();
    QCOMPARE(cursor.currentRow(), -1);
    QVERIFY(cursor.eof());
    QVERIFY(m_notes->column(QStringLiteral("SELECT Num FROM notes")).isEmpty());
}

void TestTableCursor::modelShowsPendingValuesUnderLabels()
{
    CursorModel& model = m_notes->model;
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("日"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("词"));
    QCOMPARE(model.rowCount(), 5);
    QCOMPARE(model.index(0, 0).data(), QDate(2000, 1, 1));

    // An edit in a cell moves the cursor there and starts an edit of that row.
    QVERIFY(model.setData(model.index(3, 1), QStringLiteral("格子里改")));
    QCOMPARE(m_notes->cursor.currentRow(), 3);
    QCOMPARE(model.index(3, 1).data(), QStringLiteral("格子"));
    QCOMPARE(m_notes->storedWord(4), QStringLiteral("w4"));

    m_t->prompts.expectConfirm(kSave, true);
    QVERIFY(m_notes->cursor.insert()); // saves the edit first
    QCOMPARE(model.rowCount(), 6);
    QCOMPARE(model.index(3, 1).data(), QString());
    QCOMPARE(model.index(4, 1).data(), QStringLiteral("格子"));
    QCOMPARE(m_notes->storedWord(4), QStringLiteral("格子"));
    m_notes->cursor.cancel();
    QCOMPARE(model.rowCount(), 5);
    m_notes->cursor.close();
    QCOMPARE(model.rowCount(), 0);
}

void TestTableCursor::selectionFollowsTheCursorAndIsPutBackWhenRefused()
{
    CursorModel& model = m_notes->model;
    TableCursor& cursor = m_notes->cursor;
    QItemSelectionModel selection(&model);
    model.bindSelection(&selection);
    QCOMPARE(selection.currentIndex().row(), 0);

    QVERIFY(cursor.moveTo(2));
    QCOMPARE(selection.currentIndex().row(), 2);
    selection.setCurrentIndex(model.index(3, 1), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(cursor.currentRow(), 3);

    QVERIFY(model.setData(model.index(3, 1), QStringLiteral("x")));
    m_t->prompts.expectConfirm(kSave, false);
    selection.setCurrentIndex(model.index(0, 1), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(cursor.currentRow(), 3);
    QTRY_COMPARE(selection.currentIndex(), model.index(3, 1));

    cursor.refresh();
    QCOMPARE(selection.currentIndex(), model.index(0, 1));
}

DAILORA_TEST_MAIN(TestTableCursor)
#include "TestTableCursor.moc"
