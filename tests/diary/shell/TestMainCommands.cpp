#include "diary/shell/CommandLabel.h"
#include "diary/shell/DailoraProgram.h"
#include "diary/shell/main.h"
#include "diary/sources/BumenRenyuan_unit.h"
#include "diary/store/dbm.h"
#include "diary/workbench/TypeTree.h"
#include "diary/workbench/WriteDaily_unit.h"
#include "tests/diary/store/TreeFileBytes.h"
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
    DailoraProgram program(t.context);
    TDM& dm = program.DM();
    QVERIFY(!dm.daily_tb.isOpen()); // counted only once the password is accepted
    t.prompts.expectPassword(QString());
    program.MainForm().show();
    QVERIFY(dm.daily_tb.isOpen());
    t.prompts.expectConfirm(QStringLiteral("你确定吗？"), true);
    QVERIFY(dm.AddDiary("工作", "", "P", "", "备份前", QDate(2024, 5, 1)));
    QTemporaryDir folder;
    t.prompts.expectFolder(QStringLiteral("请选择保存的位置：           "), folder.path());
    t.prompts.expectNotice(QStringLiteral("文件tixing.DB没有备份成功：程序文件夹中没有这个文件"));
    t.prompts.expectNotice(QStringLiteral("数据备份完毕"));
    program.MainForm().fcLabel12Click();

    // Changes after the backup: an entry, a search result, a source and a type.
    t.prompts.expectConfirm(QStringLiteral("你确定吗？"), true);
    QVERIFY(dm.AddDiary("工作", "", "P", "", "备份后", QDate(2024, 5, 2)));
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
    t.prompts.expectNotice(QStringLiteral("备份文件夹tixing.db文件没有找到"));
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
}

DAILORA_TEST_MAIN(TestMainCommands)
#include "TestMainCommands.moc"
