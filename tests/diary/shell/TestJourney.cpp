// A new user's first session with the staged program folder: the gate, entries, a search, an
// export, a reminder that falls due, backup and restore, a new password, the assistant started
// from the main window and closed with the diary, and a second start with the new password.
#include "diary/browse/tongji_unit.h"
#include "diary/reminders/dbm1.h"
#include "diary/reminders/showTixingInf.h"
#include "diary/reminders/tixing.h"
#include "diary/shell/CommandLabel.h"
#include "diary/shell/DailoraProgram.h"
#include "diary/shell/OutlookBar.h"
#include "diary/shell/main.h"
#include "diary/sources/BumenRenyuan_unit.h"
#include "diary/store/dbm.h"
#include "diary/workbench/TypeTree.h"
#include "diary/workbench/WriteDaily_unit.h"
#include "tests/support/RecordingOpener.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QAbstractButton>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

const QString kConfirm = QStringLiteral("你确定吗？");

// The staged program folder's files, copied into the test's own program folder.
void copyStaged(const TestContext& t)
{
    const QDir staged(QStringLiteral(DAILORA_APP_DIR));
    for (const char* name :
        { "Lanmate.dat", "help.doc", "ringin.wav", "temp.nod", "treeview.nod", "typtreeview.nod", "talkRecords.txt" }) {
        const QString file = QString::fromLatin1(name);
        if (QFile::exists(staged.filePath(file)))
            QVERIFY(QFile::copy(staged.filePath(file), t.file(file)));
    }
}

CommandLabel* command(TMainForm& main, int group, const char* name)
{
    main.fcOutlookBar1->open(group, false);
    return main.findChild<CommandLabel*>(QString::fromLatin1(name));
}

} // namespace

class TestJourney : public QObject
{
    Q_OBJECT

private slots:
    void firstSession();
};

void TestJourney::firstSession()
{
    // The assistant's local server lives in the temp folder: this test's own.
    QTemporaryDir tmp;
    qputenv("TMPDIR", QFile::encodeName(tmp.path()));
    TestContext t;
    copyStaged(t);
    if (!QFile::exists(t.file("Lanmate.dat")))
        QSKIP("the staged program folder has no Lanmate.dat; build the stage target first");
    t.clock.set(QDateTime(QDate(2026, 12, 10), QTime(9, 30)));
    RecordingOpener opener;
    auto program = std::make_unique<DailoraProgram>(t.context, &opener);
    TMainForm& main = program->MainForm();

    // The gate: the staged password is empty.
    t.prompts.expectPassword(QString());
    main.show();
    QVERIFY(main.isVisible());

    // A source with a person, a type with an item: the trees the lists come from.
    QTest::mouseClick(command(main, 2, "fcLabel9"), Qt::LeftButton);
    QVERIFY(program->BumenRenyuan_form().isVisible());
    const QStringList sources = program->BumenRenyuan_form().SourceList();
    QVERIFY(!sources.isEmpty());
    QTest::mouseClick(command(main, 0, "WriteDailyLabl"), Qt::LeftButton);
    QCOMPARE(program->WriteDaily_fm().mode(), TWriteDaily_fm::Mode::Write);
    const QStringList types = program->WriteDaily_fm().typeTree->TypeList();
    QVERIFY(!types.isEmpty());
    const QString item = program->WriteDaily_fm().typeTree->ItemList(types.first()).value(0);

    // Entries, a search and an edit of a result row written back.
    TDM& dm = program->DM();
    for (const char* content : { "整理会议纪要", "检查项目进度" }) {
        t.prompts.expectConfirm(kConfirm, true);
        QVERIFY(dm.AddDiary(
            types.first(), item, sources.first(), QString(), QString::fromUtf8(content), QDate(2026, 12, 10)));
    }
    QTest::mouseClick(command(main, 0, "SearchLabl"), Qt::LeftButton);
    QCOMPARE(program->WriteDaily_fm().mode(), TWriteDaily_fm::Mode::Search);
    dm.SearchDiary({}, {}, {}, {}, QStringLiteral("进度"), QDate(2026, 12, 1), QDate(2026, 12, 31), "16");
    QVERIFY(dm.FillFound());
    QCOMPARE(dm.FoundDaily_tb.rowCount(), 1);
    QVERIFY(dm.FoundDaily_tb.edit());
    QVERIFY(dm.FoundDaily_tb.setField(QStringLiteral("Neirong"), QStringLiteral("检查项目进度，已完成")));
    t.prompts.expectConfirm(kConfirm, true);
    QVERIFY(dm.FoundDaily_tb.post());

    // The month exported and handed to the desktop.
    QTest::mouseClick(command(main, 0, "TongJiLabl"), Qt::LeftButton);
    QVERIFY(program->TongjiForm().isVisible());
    program->TongjiForm().N1Click();
    QCOMPARE(opener.paths().size(), 1);
    QVERIFY(opener.paths().first().endsWith(QLatin1String(".docx")));

    // A reminder due this minute is announced.
    QTest::mouseClick(command(main, 1, "fcLabel5"), Qt::LeftButton);
    QVERIFY(program->TixingForm().isVisible());
    QVERIFY(program->dm1().AddReminder(
        QStringLiteral("到时提醒一次"), QStringLiteral("给客户回电话"), QDate(2026, 12, 10), QTime(9, 30)));
    program->TixingForm().Timer1Timer();
    QVERIFY(program->ShowTixingInfForm().isVisible());

    // Backup, then restore from the same folder.
    QTemporaryDir backup;
    t.prompts.expectFolder(QStringLiteral("请选择保存的位置：           "), backup.path());
    t.prompts.expectNotice(QStringLiteral("数据备份完毕"));
    QTest::mouseClick(command(main, 2, "fcLabel12"), Qt::LeftButton);
    t.prompts.expectFolder(QStringLiteral("请指出原来数据备份的位置:        "), backup.path());
    t.prompts.expectNotice(QStringLiteral("数据恢复完毕"));
    QTest::mouseClick(command(main, 2, "fcLabel13"), Qt::LeftButton);
    QCOMPARE(dm.daily_tb.rowCount(), 2);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));

    // A new password.
    t.prompts.expectPasswordChange(std::make_pair(QString(), QStringLiteral("新密码")));
    t.prompts.expectNotice(QStringLiteral("密码修改成功,请记住:新密码"));
    QTest::mouseClick(command(main, 2, "fcLabel2"), Qt::LeftButton);

    // The assistant, started from the main window, answers on its local server.
    QTest::mouseClick(command(main, 1, "fcLabel1"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(main.lanmate().isRunning(), 20000);

    // Exit with the confirmation: the assistant closes and keeps its chat log.
    QFile::remove(t.file("talkRecords.txt"));
    QSignalSpy closed(&main, &TMainForm::closed);
    t.prompts.expectConfirm(QStringLiteral("真的要退出吗？"), true);
    QTest::mouseClick(main.ShapeBtn4, Qt::LeftButton);
    QCOMPARE(closed.size(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!main.lanmate().isRunning(), 10000);
    QTRY_VERIFY(QFile::exists(t.file("talkRecords.txt")));
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    program.reset();

    // The next start takes the new password and shows the entries.
    auto again = std::make_unique<DailoraProgram>(t.context, &opener);
    t.prompts.expectPassword(QStringLiteral("新密码"));
    again->MainForm().show();
    QVERIFY(again->MainForm().PasswordPassed());
    QCOMPARE(again->DM().daily_tb.rowCount(), 2);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

DAILORA_TEST_MAIN(TestJourney)
#include "TestJourney.moc"
