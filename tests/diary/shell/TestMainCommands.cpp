#include "diary/shell/CommandLabel.h"
#include "diary/shell/DailoraProgram.h"
#include "diary/shell/main.h"
#include "diary/sources/BumenRenyuan_unit.h"
#include "diary/workbench/WriteDaily_unit.h"
#include "tests/diary/store/TreeFileBytes.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QAbstractButton>

using namespace TreeFileBytes;

class TestMainCommands : public QObject
{
    Q_OBJECT

private slots:
    void commandsOpenTheWindows();
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

DAILORA_TEST_MAIN(TestMainCommands)
#include "TestMainCommands.moc"
