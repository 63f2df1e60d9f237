#include "diary/shell/BackupSet.h"
#include "diary/shell/DataBackup.h"
#include "diary/store/NodeTree.h"
#include "diary/store/TreeFile.h"
#include "diary/store/dbm.h"
#include "tests/diary/store/TreeFileBytes.h"
#include "tests/support/RawSql.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

using namespace TreeFileBytes;

namespace {

const QString kConfirm = QStringLiteral("你确定吗？");
const QString kBackupPrompt = QStringLiteral("请选择保存的位置：           ");
const QString kRestorePrompt = QStringLiteral("请指出原来数据备份的位置:        ");
const QString kBackupDone = QStringLiteral("数据备份完毕");
const QString kRestoreDone = QStringLiteral("数据恢复完毕");
const QStringList kMissing {
    QStringLiteral("备份文件夹help.doc文件没有找到"),
    QStringLiteral("备份文件夹ringin.wav文件没有找到"),
    QStringLiteral("备份文件夹Treeview.nod文件没有找到"),
    QStringLiteral("备份文件夹TypTreeView.nod文件没有找到"),
    QStringLiteral("备份文件夹daily.db文件没有找到"),
    QStringLiteral("备份文件夹FoundDaily.db文件没有找到"),
    QStringLiteral("备份文件夹tixing.db文件没有找到"),
};
const QStringList kPlainFiles { "help.doc", "ringin.wav", "treeview.nod", "typtreeview.nod", "temp.nod" };

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// A program folder with its data module and the backup wired as the program wires it.
struct Diary
{
    explicit Diary(TestContext& t)
        : t(t)
    {
        t.writeFile("help.doc", "{\\rtf1 help}");
        t.writeFile("ringin.wav", "RIFF....WAVE");
        t.writeFile("treeview.nod", int32(1) + block({ "办公室" }));
        t.writeFile("typtreeview.nod", int32(1) + block({ "工作" }));
        t.writeFile("temp.nod", int32(1) + block({ "node", 1 }) + block({ "pw" }));
        raw(t.file("tixing.DB"), "CREATE TABLE IF NOT EXISTS tixing (Seq INTEGER PRIMARY KEY, neirong TEXT)");
        start();
    }

    void start()
    {
        backup.reset();
        dm.reset();
        dm = std::make_unique<TDM>(t.context);
        DataBackup::Hooks hooks {
            [this] {
                ++closed;
                dm->daily_tb.close();
                dm->FoundDaily_tb.close();
            },
            [this] { dm->daily_tb.open(); },
            [this] { ++reloaded; },
        };
        backup = std::make_unique<DataBackup>(t.context, TDM::connectionName(),
            QList<TableLayout> { dm->daily_tb.layout(), dm->FoundDaily_tb.layout() }, hooks);
    }

    void add(const QString& content)
    {
        t.prompts.expectConfirm(kConfirm, true);
        QVERIFY(dm->AddDiary("工作", "会议", "办公室", "张三", content, QDate(2024, 3, 1)));
    }

    QStringList contents() const
    {
        QStringList texts;
        for (int row = 0; row < dm->daily_tb.rowCount(); ++row)
            texts.append(dm->daily_tb.value(row, 6).toString());
        return texts;
    }

    void backUpTo(const QString& folder)
    {
        t.prompts.expectFolder(kBackupPrompt, folder);
        t.prompts.expectNotice(kBackupDone);
        backup->backup();
    }

    void restoreFrom(const QString& folder, const QStringList& messages = {})
    {
        t.prompts.expectFolder(kRestorePrompt, folder);
        for (const QString& message : messages)
            t.prompts.expectNotice(message);
        t.prompts.expectNotice(kRestoreDone);
        backup->restore();
    }

    TestContext& t;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<DataBackup> backup;
    int closed = 0;
    int reloaded = 0;
};

} // namespace

class TestDataBackup : public QObject
{
    Q_OBJECT

private slots:
    void restoreFromEmptyFolder();
    void namesMatchWithoutCase_data();
    void namesMatchWithoutCase();
    void backupThenRestoreGivesTheBackedUpData();
    void programFolderItselfStaysIntact();
    void readOnlyBackupGivesWritableTables();
    void damagedFilesAreRefused_data();
    void damagedFilesAreRefused();
    void cancelledChoosersTouchNothing();
    void unwritableFilesAreNamed();
    void entryAfterRestoreSurvivesRestart();
};

void TestDataBackup::restoreFromEmptyFolder()
{
    TestContext t;
    Diary diary(t);
    diary.add("一");
    QTemporaryDir empty;
    diary.restoreFrom(empty.path(), kMissing);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QVERIFY(diary.dm->daily_tb.isOpen());
    QVERIFY(!diary.dm->FoundDaily_tb.isOpen());
    QCOMPARE(diary.contents(), QStringList({ "一" }));
    QCOMPARE(diary.reloaded, 1);
}

void TestDataBackup::namesMatchWithoutCase_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("found");
    QTest::newRow("exact") << QStringList { "daily.db" } << true;
    QTest::newRow("other case") << QStringList { "DAILY.db" } << true;
    QTest::newRow("exact beside another case") << QStringList { "daily.db", "Daily.DB" } << true;
    QTest::newRow("two other cases") << QStringList { "DAILY.db", "Daily.DB" } << false;
    QTest::newRow("longer name") << QStringList { "daily.db.old" } << false;
}

void TestDataBackup::namesMatchWithoutCase()
{
    QFETCH(QStringList, names);
    QFETCH(bool, found);
    QTemporaryDir folder;
    for (const QString& name : names)
        writeAll(QDir(folder.path()).filePath(name), name.toUtf8());
    const QString match = findIgnoringCase(folder.path(), QStringLiteral("daily.db"));
    QCOMPARE(!match.isEmpty(), found);
    if (found)
        QCOMPARE(readAll(match), names.constFirst().toUtf8());
}

void TestDataBackup::backupThenRestoreGivesTheBackedUpData()
{
    TestContext t;
    Diary diary(t);
    diary.add("一");
    diary.add("二");
    QTemporaryDir folder;
    // A copy from another machine that differs only in letter case is the one written over.
    writeAll(QDir(folder.path()).filePath("DAILY.db"), "old");
    diary.backUpTo(folder.path());
    QVERIFY(!QFile::exists(QDir(folder.path()).filePath("daily.DB")));
    QMap<QString, QByteArray> before;
    for (const QString& name : kPlainFiles)
        before[name] = t.readFile(name);
    const Rows rows = raw(QDir(folder.path()).filePath("DAILY.db"), "SELECT * FROM daily ORDER BY Num");
    QCOMPARE(rows.size(), 2);

    diary.add("三");
    t.writeFile("treeview.nod", int32(0));
    t.writeFile("help.doc", "changed");
    diary.restoreFrom(folder.path());
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));

    QCOMPARE(diary.contents(), QStringList({ "一", "二" }));
    QCOMPARE(raw(t.file("daily.DB"), "SELECT * FROM daily ORDER BY Num"), rows);
    for (const QString& name : kPlainFiles)
        QCOMPARE(t.readFile(name), before[name]);
    QVERIFY(!QFile::exists(QDir(folder.path()).filePath("temp.nod")));
    // The restored table takes new entries through the reattached file.
    diary.add("四");
    QCOMPARE(diary.contents(), QStringList({ "一", "二", "四" }));
}

void TestDataBackup::programFolderItselfStaysIntact()
{
    TestContext t;
    Diary diary(t);
    diary.add("一");
    QMap<QString, QByteArray> before;
    const QStringList all = QDir(t.dir.path()).entryList(QDir::Files);
    for (const QString& name : all)
        before[name] = t.readFile(name);
    diary.backUpTo(t.dir.path());
    diary.restoreFrom(t.dir.path());
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QCOMPARE(QDir(t.dir.path()).entryList(QDir::Files), all);
    for (const QString& name : all)
        QCOMPARE(t.readFile(name), before[name]);
    QCOMPARE(diary.contents(), QStringList({ "一" }));
}

void TestDataBackup::readOnlyBackupGivesWritableTables()
{
    TestContext t;
    Diary diary(t);
    diary.add("一");
    QTemporaryDir folder;
    diary.backUpTo(folder.path());
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files))
        QFile::setPermissions(QDir(folder.path()).filePath(name), QFileDevice::ReadOwner | QFileDevice::ReadOther);
    diary.restoreFrom(folder.path());
    QVERIFY(QFile::permissions(t.file("daily.DB")) & QFileDevice::WriteOwner);
    QVERIFY(QFile::permissions(t.file("treeview.nod")) & QFileDevice::WriteOwner);
    diary.add("二");
    QCOMPARE(diary.contents(), QStringList({ "一", "二" }));
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestDataBackup::damagedFilesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("table not a database") << "daily.DB" << QByteArray("this is no database at all, just text");
    QTest::newRow("table of another layout") << "daily.DB" << QByteArray();
    QTest::newRow("truncated tree") << "treeview.nod" << int32(2) + block({ "办公室" });
}

void TestDataBackup::damagedFilesAreRefused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    TestContext t;
    Diary diary(t);
    diary.add("一");
    QTemporaryDir folder;
    diary.backUpTo(folder.path());
    const QString damaged = QDir(folder.path()).filePath(name);
    QFile::remove(damaged);
    if (bytes.isEmpty())
        raw(damaged, "CREATE TABLE daily (Num INTEGER PRIMARY KEY, Other TEXT)");
    else
        writeAll(damaged, bytes);
    const QByteArray current = t.readFile(name);
    diary.add("二");

    t.prompts.expectFolder(kRestorePrompt, folder.path());
    t.prompts.expectNotice(
        QStringLiteral("备份文件夹中的%1已损坏或不是本程序的数据文件，没有恢复，保留了当前的%1").arg(name));
    t.prompts.expectNotice(kRestoreDone);
    diary.backup->restore();
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));

    if (name == "daily.DB")
        QCOMPARE(diary.contents(), QStringList({ "一", "二" }));
    else
        QCOMPARE(t.readFile(name), current);
    diary.add("三");
    QCOMPARE(diary.contents().size(), name == "daily.DB" ? 3 : 2);
}

void TestDataBackup::cancelledChoosersTouchNothing()
{
    TestContext t;
    Diary diary(t);
    diary.add("一");
    t.prompts.expectFolder(kBackupPrompt, QString());
    diary.backup->backup();
    t.prompts.expectFolder(kRestorePrompt, QString());
    diary.backup->restore();
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QCOMPARE(diary.closed, 0);
    QVERIFY(diary.dm->daily_tb.isOpen());
    QVERIFY(diary.dm->FoundDaily_tb.isOpen());
}

void TestDataBackup::unwritableFilesAreNamed()
{
    TestContext t;
    Diary diary(t);
    QFile::remove(t.file("ringin.wav"));
    QTemporaryDir folder;
    // A folder in the way of the copy cannot be written over.
    QDir(folder.path()).mkdir("help.doc");
    t.prompts.expectFolder(kBackupPrompt, folder.path());
    t.prompts.expectNotice(QStringLiteral("文件help.doc没有备份成功："), true);
    t.prompts.expectNotice(QStringLiteral("文件ringin.wav没有备份成功：程序文件夹中没有这个文件"));
    t.prompts.expectNotice(kBackupDone);
    diary.backup->backup();
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QCOMPARE(readAll(QDir(folder.path()).filePath("treeview.nod")), t.readFile("treeview.nod"));
}

void TestDataBackup::entryAfterRestoreSurvivesRestart()
{
    TestContext t;
    Diary diary(t);
    diary.add("一");
    QTemporaryDir folder;
    diary.backUpTo(folder.path());
    diary.restoreFrom(folder.path());
    diary.add("二");
    diary.start();
    QCOMPARE(diary.contents(), QStringList({ "一", "二" }));
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

DAILORA_TEST_MAIN(TestDataBackup)
#include "TestDataBackup.moc"
