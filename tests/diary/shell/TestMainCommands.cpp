#include "diary/browse/tongji_unit.h"
#include "diary/reminders/dbm1.h"
#include "diary/reminders/tixing.h"
#include "diary/shell/CommandLabel.h"
#include "diary/shell/DailoraProgram.h"
#include "diary/shell/OutlookBar.h"
#include "diary/shell/main.h"
#include "diary/sources/BumenRenyuan_unit.h"
#include "diary/store/dbm.h"
#include "diary/workbench/TypeTree.h"
#include "diary/workbench/WriteDaily_unit.h"
#include "tests/diary/store/TreeFileBytes.h"
#include "tests/support/RecordingOpener.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QAbstractButton>
#include <QTemporaryDir>

using namespace TreeFileBytes;

class TestMainCommands : public QObject
{
    Q_OBJECT

private slots:
    void commandsOpenTheWindows();
    void restoreRefreshesEveryView();
    void helpOpensTheDocument();
};

void TestMainCommands::commandsOpenTheWindows()
{
    TestContext t;
    t.writeFile("temp.nod", int32(1) + block({ "node", 1 }) + block({ "" }));
    t.writeFile("treeview.nod", int32(1) + block({ "P" }));
    t.writeFile("typtreeview.nod", int32(0));
    DailoraProgram program(t.context);
    TMainForm& main = program.MainForm();
    t.prompts.expectPassword(QString());
    main.show();
    QVERIFY(!program.WriteDaily_fm().isVisible());

    QTest::mouseClick(main.WriteDailyLabl(), Qt::LeftButton);
    TWriteDaily_fm& workbench = program.WriteDaily_fm();
    QVERIFY(workbench.isVisible());
    QCOMPARE(workbench.mode(), TWriteDaily_fm::Mode::Write);
    QTest::mouseClick(main.SearchLabl(), Qt::LeftButton);
    QVERIFY(workbench.isVisible());
    QCOMPARE(workbench.mode(), TWriteDaily_fm::Mode::Search);

    QTest::mouseClick(main.fcLabel9(), Qt::LeftButton);
    QVERIFY(program.BumenRenyuan_form().isVisible());
    QCOMPARE(program.BumenRenyuan_form().SourceList(), QStringList({ "P" }));

    t.prompts.expectConfirm(QStringLiteral("真的要退出吗？"), false);
    QTest::mouseClick(main.exitLabel(), Qt::LeftButton);
    QVERIFY(main.isVisible());
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestMainCommands::restoreRefreshesEveryView()
{
    TestContext t;
    t.writeFile("temp.nod", int32(1) + block({ "node", 1 }) + block({ "" }));
    t.writeFile("treeview.nod", int32(1) + block({ "P" }));
    t.writeFile("typtreeview.nod", int32(1) + block({ "W" }));
    t.writeFile("help.doc", "{\\rtf1 }");
    t.writeFile("ringin.wav", "RIFF");
    t.clock.setToday(QDate(2024, 5, 1));
    DailoraProgram program(t.context);
    TDM& dm = program.DM();
    QVERIFY(!dm.daily_tb.isOpen()); // counted only once the password is accepted
    t.prompts.expectPassword(QString());
    program.MainForm().show();
    QVERIFY(dm.daily_tb.isOpen());
    program.MainForm().fcOutlookBar1->open(1, false);
    QTest::mouseClick(program.MainForm().findChild<CommandLabel*>("fcLabel5"), Qt::LeftButton);
    QVERIFY(program.TixingForm().isVisible());
    t.prompts.expectConfirm(QStringLiteral("你确定吗？"), true);
    QVERIFY(dm.AddDiary("工作", "", "P", "", "备份前", QDate(2024, 5, 1)));
    QVERIFY(program.dm1().AddReminder(QStringLiteral("每天提醒一次"), "备份前", QDate(2024, 5, 1), QTime(9, 0)));
    QTemporaryDir folder;
    t.prompts.expectFolder(QStringLiteral("请选择保存的位置：           "), folder.path());
    t.prompts.expectNotice(QStringLiteral("数据备份完毕"));
    program.MainForm().fcLabel12Click();

    // Changes after the backup: an entry, a search result, a source and a type.
    t.prompts.expectConfirm(QStringLiteral("你确定吗？"), true);
    QVERIFY(dm.AddDiary("工作", "", "P", "", "备份后", QDate(2024, 5, 2)));
    QVERIFY(program.dm1().AddReminder(QStringLiteral("每天提醒一次"), "备份后", QDate(2024, 5, 1), QTime(10, 0)));
    QCOMPARE(program.dm1().explorer_ds.rowCount(), 2);
    dm.SearchDiary({}, {}, {}, {}, {}, QDate(2024, 1, 1), QDate(2024, 12, 31), "1");
    QVERIFY(dm.FillFound());
    QCOMPARE(dm.FoundDaily_tb.rowCount(), 2);
    t.writeFile("treeview.nod", int32(2) + block({ "P" }) + block({ "Q" }));
    program.BumenRenyuan_form().FormCreate();
    QCOMPARE(program.BumenRenyuan_form().SourceList(), QStringList({ "P", "Q" }));
    t.writeFile("typtreeview.nod", int32(0));
    program.WriteDaily_fm().typeTree->LoadTypeTree();
    QCOMPARE(program.WriteDaily_fm().typeTree->TypeList(), QStringList());

    t.prompts.expectFolder(QStringLiteral("请指出原来数据备份的位置:        "), folder.path());
    t.prompts.expectNotice(QStringLiteral("数据恢复完毕"));
    program.MainForm().fcLabel13Click();
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));

    QCOMPARE(dm.daily_tb.rowCount(), 1);
    QCOMPARE(dm.daily_tb.field("Neirong").toString(), QStringLiteral("备份前"));
    QCOMPARE(dm.daily__tb_ds.rowCount(), 1);
    QVERIFY(!dm.FoundDaily_tb.isOpen());
    QCOMPARE(dm.FoundDaily_ds.rowCount(), 0);
    QCOMPARE(program.BumenRenyuan_form().SourceList(), QStringList({ "P" }));
    QCOMPARE(program.WriteDaily_fm().typeTree->TypeList(), QStringList({ "W" }));
    // The reminder window's day is read again from the restored table.
    QCOMPARE(program.TixingForm().dayViewDate(), QDate(2024, 5, 1));
    QCOMPARE(program.dm1().explorer_ds.rowCount(), 1);
    // The restored table takes new reminders.
    QVERIFY(program.dm1().AddReminder(QStringLiteral("每天提醒一次"), "恢复后", QDate(2024, 5, 1), QTime(8, 0)));
    QCOMPARE(program.dm1().explorer_ds.rowCount(), 2);
}

void TestMainCommands::helpOpensTheDocument()
{
    TestContext t;
    t.writeFile("temp.nod", int32(1) + block({ "node", 1 }) + block({ "" }));
    t.writeFile("treeview.nod", int32(0));
    t.writeFile("typtreeview.nod", int32(0));
    RecordingOpener opener;
    DailoraProgram program(t.context, &opener);
    TMainForm& main = program.MainForm();
    t.prompts.expectPassword(QString());
    main.show();
    main.fcOutlookBar1->open(3, false);
    auto* help = main.findChild<CommandLabel*>("fcLabel11");

    // A missing document is named, and nothing is started.
    t.prompts.expectError(QStringLiteral("找不到帮助文件\"%1\"").arg(t.file("help.doc")));
    QTest::mouseClick(help, Qt::LeftButton);
    QVERIFY(opener.paths().isEmpty());

    t.writeFile("help.doc", "{\\rtf1 }");
    QTest::mouseClick(help, Qt::LeftButton);
    QCOMPARE(opener.paths(), QStringList({ t.file("help.doc") }));

    opener.answer({ DocumentOpener::Outcome::NoApplication, {} });
    t.prompts.expectError(QStringLiteral("没有能打开帮助文件"), true);
    QTest::mouseClick(help, Qt::LeftButton);
    opener.answer({ DocumentOpener::Outcome::Failed, QStringLiteral("xdg-open: no method available") }, true);
    QTest::mouseClick(help, Qt::LeftButton);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    t.prompts.expectError(QStringLiteral("xdg-open: no method available"), true);
    opener.finish();
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
    QVERIFY(!program.TongjiForm().isVisible());
}

DAILORA_TEST_MAIN(TestMainCommands)
#include "TestMainCommands.moc"
