#include "diary/sources/BumenRenyuan_unit.h"
#include "diary/store/TreeFile.h"
#include "diary/store/dbm.h"
#include "diary/trees/NodeTreeView.h"
#include "diary/widgets/MoxCalendar.h"
#include "diary/workbench/CalcPopup.h"
#include "diary/workbench/CalculatorPanel.h"
#include "diary/workbench/ContentMemo.h"
#include "diary/workbench/DateBox.h"
#include "diary/workbench/DeskCalendar.h"
#include "diary/workbench/DropDownComboBox.h"
#include "diary/toolkit/ImageButton.h"
#include "diary/workbench/PageBar.h"
#include "diary/workbench/SearchPanel.h"
#include "diary/workbench/TCalcEdit.h"
#include "diary/workbench/TreeComboBox.h"
#include "diary/workbench/TypeTree.h"
#include "diary/workbench/WriteDaily_unit.h"
#include "diary/workbench/WritePanel.h"
#include "tests/diary/trees/TreeDriver.h"
#include "tests/diary/workbench/WorkbenchFixture.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QAbstractButton>
#include <QFocusEvent>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>


class TestWriteDaily : public QObject
{
    Q_OBJECT

private slots:
    void modes_data();
    void modes();
    void switchingModesKeepsTheWindowShown();
    void dateLineOnSunday();
    void writeWithItemMarked();
    void writeWithEmptyMemo();
    void writeWithTypeMarkedOrNothing();
    void answeringNoKeepsRowPendingAndMemo();
    void markingUnmarksTheOneBefore();
    void doubleClickMarksAndOpensMemo();
    void sourceRefillsPersonList();
    void deleteFromFullList();
    void treeBoxDropDown();
    void emptyTypeTreeGivesEmptyTreeBox();
    void search_data();
    void search();
    void deleteResultRowKeepsCount();
    void failingDeleteReachesErrorDisplay();
    void memoHidesOnlyWhenLeftForAnotherControl();
    void memoHidesWhenTheUserTurnsElsewhere();
    void refusedSaveAtSearchKeepsTheCount();
    void pageSwitchDropsTheHint();
    void todayFitsItsPanel();
    void calendarButtonsAndHints();
    void calculatorOptionsBeforeDropDown();
};

void TestWriteDaily::modes_data()
{
    QTest::addColumn<bool>("write");
    QTest::newRow("write") << true;
    QTest::newRow("search") << false;
}

void TestWriteDaily::modes()
{
    QFETCH(bool, write);
    Workbench w;
    w.wb->showMode(write ? TWriteDaily_fm::Mode::Write : TWriteDaily_fm::Mode::Search);
    QVERIFY(w.wb->isVisible());
    QCOMPARE(w.wb->fcOutlookBar1->current(), write ? w.wb->WriteDaily_btn : w.wb->SearchDaily_btn);
    for (QWidget* part : { w.wb->typePanel, w.wb->itemPanel, static_cast<QWidget*>(w.wb->typeTree->fcTreeView1),
             static_cast<QWidget*>(w.wb->DBGrid1) })
        QCOMPARE(part->isVisible(), write);
    for (QWidget* part : { w.wb->calculatorPanel->fcPanel1, static_cast<QWidget*>(w.wb->calculatorPanel->fcGroupBox1),
             static_cast<QWidget*>(w.wb->calculatorPanel->fcGroupBox2), static_cast<QWidget*>(w.wb->DBGrid2),
             static_cast<QWidget*>(w.wb->deskCalendar->MoxCalendar1),
             static_cast<QWidget*>(w.wb->deskCalendar->PreYearBtn),
             static_cast<QWidget*>(w.wb->deskCalendar->NextMonBtn) })
        QCOMPARE(part->isVisible(), !write);
    QVERIFY2(w.t.prompts.done(), qPrintable(w.t.prompts.problems()));
}

void TestWriteDaily::switchingModesKeepsTheWindowShown()
{
    Workbench w;
    w.wb->showMode(TWriteDaily_fm::Mode::Search);
    const QDate chosen(2020, 1, 1);
    w.wb->searchPanel->start_datetimepicker->setDate(chosen);
    w.wb->showMode(TWriteDaily_fm::Mode::Write);
    QVERIFY(w.wb->isVisible());
    QCOMPARE(w.wb->mode(), TWriteDaily_fm::Mode::Write);
    // No new show ran: the date boxes were not set back to today.
    QCOMPARE(w.wb->searchPanel->start_datetimepicker->date(), chosen);
    // The page bar switches modes by itself too.
    QTest::mouseClick(w.wb->SearchDaily_btn, Qt::LeftButton);
    QCOMPARE(w.wb->mode(), TWriteDaily_fm::Mode::Search);
    QVERIFY(w.wb->DBGrid2->isVisible());
    // A new show resets the dates to today.
    w.wb->hide();
    w.wb->showMode(TWriteDaily_fm::Mode::Search);
    QCOMPARE(w.wb->searchPanel->start_datetimepicker->date(), w.t.clock.today());
}

void TestWriteDaily::dateLineOnSunday()
{
    Workbench w;
    w.t.clock.setToday(QDate(2024, 2, 11));
    w.wb->showMode(TWriteDaily_fm::Mode::Write);
    QCOMPARE(w.wb->statusText(0), QStringLiteral("今天星期天"));
    QCOMPARE(w.wb->calendarDate(), QDate(2024, 2, 11));
    QCOMPARE(w.wb->writePanel->DateTimePicker1->date(), QDate(2024, 2, 11));
}

void TestWriteDaily::writeWithItemMarked()
{
    Workbench w;
    w.wb->showMode(TWriteDaily_fm::Mode::Write);
    w.write("工作", "例会", "P", "x", "讨论计划", QDate(2024, 2, 9));
    QCOMPARE(Workbench::rows(w.dm->daily_tb),
        QList<Row>({ { "2024-02-09", "工作", "例会", "P", "x", "讨论计划" } }));
    QVERIFY(w.wb->Memo1->toPlainText().isEmpty());
    QCOMPARE(w.wb->writePanel->Bumen_comx->currentText(), QStringLiteral("P"));
    QCOMPARE(w.wb->writePanel->Renyuan_comx->currentText(), QStringLiteral("x"));
    QCOMPARE(w.wb->writePanel->DateTimePicker1->date(), QDate(2024, 2, 9));
    QVERIFY(w.node("工作", "例会")->checked());
    QCOMPARE(w.wb->DBGrid1->model()->rowCount(), 1);
    QVERIFY2(w.t.prompts.done(), qPrintable(w.t.prompts.problems()));
}

void TestWriteDaily::writeWithEmptyMemo()
{
    Workbench w;
    w.write("会议", "评审", "", "", "", QDate(2024, 2, 10));
    QCOMPARE(Workbench::rows(w.dm->daily_tb), QList<Row>({ { "2024-02-10", "会议", "评审", "", "", "" } }));
    QVERIFY2(w.t.prompts.done(), qPrintable(w.t.prompts.problems()));
}

void TestWriteDaily::writeWithTypeMarkedOrNothing()
{
    Workbench w;
    w.t.prompts.expectNotice(QStringLiteral("你还没有输入日记"));
    QTest::mouseClick(w.wb->writePanel->Sure_img_btn, Qt::LeftButton);
    w.mark(w.node("会议"));
    w.t.prompts.expectNotice(QStringLiteral("你还没有输入日记"));
    QTest::mouseClick(w.wb->writePanel->Sure_img_btn, Qt::LeftButton);
    QCOMPARE(w.dm->daily_tb.shownRowCount(), 0);
    QVERIFY2(w.t.prompts.done(), qPrintable(w.t.prompts.problems()));
}

void TestWriteDaily::answeringNoKeepsRowPendingAndMemo()
{
    Workbench w;
    w.mark(w.node("会议", "例会"));
    w.wb->Memo1->setPlainText(QStringLiteral("未完"));
    w.t.prompts.expectConfirm(QStringLiteral("你确定吗？"), false);
    QTest::mouseClick(w.wb->writePanel->Sure_img_btn, Qt::LeftButton);
    QCOMPARE(w.wb->Memo1->toPlainText(), QStringLiteral("未完"));
    QCOMPARE(w.dm->daily_tb.state(), TableCursor::State::Insert);
    QCOMPARE(w.dm->daily_tb.rowCount(), 0);
    QCOMPARE(w.wb->DBGrid1->model()->rowCount(), 1); // the pending row shows in the list
    QVERIFY2(w.t.prompts.done(), qPrintable(w.t.prompts.problems()));
}

void TestWriteDaily::markingUnmarksTheOneBefore()
{
    Workbench w;
    NodeTree& tree = w.wb->typeTree->tree();
    TreeNode* first = w.node("会议", "例会");
    TreeNode* sameNameOtherType = w.node("工作", "例会");
    // As a click on the mark does: through the model.
    tree.setData(tree.indexOf(first), Qt::Checked, Qt::CheckStateRole);
    QVERIFY(first->checked());
    tree.setData(tree.indexOf(sameNameOtherType), Qt::Checked, Qt::CheckStateRole);
    QVERIFY(sameNameOtherType->checked());
    QVERIFY(!first->checked());
    w.mark(w.node("休假"));
    int marked = 0;
    for (const TreeNode* n : tree.nodes())
        marked += n->checked() ? 1 : 0;
    QCOMPARE(marked, 1);
}

void TestWriteDaily::doubleClickMarksAndOpensMemo()
{
    Workbench w;
    w.wb->showMode(TWriteDaily_fm::Mode::Write);
    NodeTreeView* view = w.wb->typeTree->fcTreeView1;
    view->setAllExpanded(true);
    TreeNode* item = w.node("会议", "评审");
    const QPoint at = view->nodeRect(item).center();
    TreeDriver::doubleClick(*view, at);
    QVERIFY(item->checked());
    QVERIFY(w.wb->Memo1->isVisible());
    const QPoint pointer = view->viewport()->mapToGlobal(at);
    QCOMPARE(w.wb->Memo1->pos(), QPoint(pointer.x() - w.wb->x() + 16, pointer.y() - w.wb->y()));
    QCOMPARE(w.wb->Memo1->size(), QSize(124, 241));

    w.wb->Memo1->hide();
    TreeNode* type = w.node("休假");
    w.wb->fcTreeView1DblClick(view->nodeRect(type).center());
    QVERIFY(type->checked());
    QVERIFY(!item->checked());
    QVERIFY(!w.wb->Memo1->isVisible());
    w.wb->fcTreeView1DblClick(QPoint(5, view->viewport()->height() - 2)); // below every node
    QVERIFY(type->checked());
}

void TestWriteDaily::sourceRefillsPersonList()
{
    Workbench w;
    for (const auto& [source, person] :
        { std::pair(w.wb->writePanel->Bumen_comx, w.wb->writePanel->Renyuan_comx),
            std::pair(w.wb->searchPanel->f_bumenCombox, w.wb->searchPanel->f_RenyuanCombox) }) {
        source->showPopup();
        QCOMPARE(source->items(), QStringList({ "P", "Q" }));
        source->hidePopup();
        person->setEditText(QStringLiteral("kept"));
        source->setEditText(QStringLiteral("P"));
        QCOMPARE(person->items(), QStringList({ "x", "y" }));
        QCOMPARE(person->currentText(), QStringLiteral("kept"));
        source->setEditText(QStringLiteral("nobody"));
        QCOMPARE(person->items(), QStringList());
    }
}

void TestWriteDaily::deleteFromFullList()
{
    Workbench w;
    w.t.prompts.expectNotice(QStringLiteral("没有记录可以删除"));
    QTest::mouseClick(w.wb->writePanel->fcImageBtn2, Qt::LeftButton);
    w.write("工作", "文件", "Q", "", "一", QDate(2024, 2, 1));
    w.write("工作", "文件", "Q", "", "二", QDate(2024, 2, 2));
    w.wb->Memo1->setPlainText(QStringLiteral("草稿"));
    w.t.prompts.expectConfirm(QStringLiteral("确实要删除这条记录吗？"), false);
    w.wb->N2->trigger();
    QCOMPARE(w.dm->daily_tb.rowCount(), 2);
    QCOMPARE(w.wb->Memo1->toPlainText(), QStringLiteral("草稿"));
    QVERIFY(w.dm->daily_tb.moveTo(1));
    w.t.prompts.expectConfirm(QStringLiteral("确实要删除这条记录吗？"), true);
    w.wb->N2->trigger();
    QCOMPARE(Workbench::rows(w.dm->daily_tb), QList<Row>({ { "2024-02-01", "工作", "文件", "Q", "", "一" } }));
    QVERIFY(w.wb->Memo1->toPlainText().isEmpty());
    QCOMPARE(w.t.prompts.last().icon, Prompts::Icon::Warning);
    QVERIFY2(w.t.prompts.done(), qPrintable(w.t.prompts.problems()));
}

void TestWriteDaily::treeBoxDropDown()
{
    Workbench w;
    w.mark(w.node("会议", "例会"));
    TreeComboBox* box = w.wb->searchPanel->f_TreeCombox;
    box->dropDown();
    QStringList copied;
    for (const TreeNode* n : box->tree().nodes()) {
        copied.append(QString(n->level(), QLatin1Char('-')) + n->text());
        QCOMPARE(n->checkKind(), TreeNode::CheckKind::None);
        QVERIFY(!n->checked());
    }
    QCOMPARE(copied, QStringList({ "工作", "-例会", "-文件", "会议", "-例会", "-评审", "休假", "学习", "-培训" }));
    QCOMPARE(box->text(), QStringLiteral("培训"));
    box->pick(box->tree().nodeAt(2));
    QCOMPARE(box->text(), QStringLiteral("文件"));
}

void TestWriteDaily::emptyTypeTreeGivesEmptyTreeBox()
{
    Workbench w(false);
    TreeComboBox* box = w.wb->searchPanel->f_TreeCombox;
    box->setText(QStringLiteral("typed"));
    box->dropDown();
    QCOMPARE(box->text(), QString());
    w.t.prompts.expectConfirm(QStringLiteral("你确定吗？"), true);
    QVERIFY(w.dm->AddDiary("t", "i", "", "", "", QDate(2024, 2, 10)));
    w.wb->searchPanel->start_datetimepicker->setDate(QDate(2024, 2, 1));
    w.wb->searchPanel->end_DateTimePicker->setDate(QDate(2024, 2, 28));
    w.wb->fcImageBtn1Click();
    QCOMPARE(w.wb->searchPanel->fcLabel14->text(), QStringLiteral("1"));
    QVERIFY2(w.t.prompts.done(), qPrintable(w.t.prompts.problems()));
}

void TestWriteDaily::search_data()
{
    QTest::addColumn<QString>("treeText");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("person");
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QStringList>("contents");

    QTest::newRow("all empty") << "" << "" << "" << "" << QStringList({ "a", "b", "c", "d" });
    QTest::newRow("a type") << "会议" << "" << "" << "" << QStringList({ "a", "b" });
    QTest::newRow("an item with its type") << "例会" << "" << "" << "" << QStringList({ "c" });
    QTest::newRow("an item of one type") << "评审" << "" << "" << "" << QStringList({ "b" });
    QTest::newRow("a source alone") << "" << "P" << "" << "" << QStringList({ "a", "c" });
    QTest::newRow("source and person") << "" << "P" << "y" << "" << QStringList({ "c" });
    QTest::newRow("a fragment") << "" << "" << "" << "项目" << QStringList({ "b", "d" });
    QTest::newRow("text matching no node") << "没有" << "" << "" << "" << QStringList({ "a", "b", "c", "d" });
    QTest::newRow("blanks count") << "" << " " << "" << "" << QStringList();
}

void TestWriteDaily::search()
{
    QFETCH(QString, treeText);
    QFETCH(QString, source);
    QFETCH(QString, person);
    QFETCH(QString, fragment);
    QFETCH(QStringList, contents);

    Workbench w;
    w.write("会议", "例会", "P", "x", "a", QDate(2024, 3, 1));
    w.write("会议", "评审", "Q", "", "b 项目", QDate(2024, 3, 2));
    w.write("工作", "例会", "P", "y", "c", QDate(2024, 3, 3));
    w.write("学习", "培训", "", "", "d 项目", QDate(2024, 3, 4));
    w.write("工作", "文件", "P", "x", "too late", QDate(2024, 3, 5));
    QCOMPARE(w.dm->daily_tb.rowCount(), 5);

    SearchPanel* s = w.wb->searchPanel;
    s->f_TreeCombox->dropDown();
    s->f_TreeCombox->setText(treeText);
    s->f_bumenCombox->setEditText(source);
    s->f_RenyuanCombox->setEditText(person);
    s->f_neirongEdt->setText(fragment);
    s->start_datetimepicker->setDate(QDate(2024, 3, 1));
    s->end_DateTimePicker->setDate(QDate(2024, 3, 4));
    QTest::mouseClick(s->fcImageBtn1, Qt::LeftButton);

    QStringList found;
    for (const Row& row : Workbench::rows(w.dm->FoundDaily_tb))
        found.append(row.at(5).section(QLatin1Char(' '), 0, 0));
    QCOMPARE(found, contents);
    QCOMPARE(s->fcLabel14->text(), QString::number(contents.size()));
    QVERIFY2(w.t.prompts.done(), qPrintable(w.t.prompts.problems()));
}

void TestWriteDaily::deleteResultRowKeepsCount()
{
    Workbench w;
    w.t.prompts.expectNotice(QStringLiteral("没有记录可以删除"));
    w.wb->N1->trigger();
    w.write("会议", "例会", "P", "x", "a", QDate(2024, 2, 10));
    w.write("会议", "评审", "P", "x", "b", QDate(2024, 2, 10));
    w.wb->showMode(TWriteDaily_fm::Mode::Search); // the date boxes stand on today
    QTest::mouseClick(w.wb->searchPanel->fcImageBtn1, Qt::LeftButton);
    QCOMPARE(w.wb->searchPanel->fcLabel14->text(), QStringLiteral("2"));
    w.t.prompts.expectConfirm(QStringLiteral("确实要删除这条记录吗？"), true);
    QTest::mouseClick(w.wb->searchPanel->fcImageBtn5, Qt::LeftButton);
    QCOMPARE(w.dm->FoundDaily_tb.rowCount(), 1);
    QCOMPARE(Workbench::rows(w.dm->daily_tb).size(), 1);
    QCOMPARE(Workbench::rows(w.dm->daily_tb).first().at(5), Workbench::rows(w.dm->FoundDaily_tb).first().at(5));
    QCOMPARE(w.wb->searchPanel->fcLabel14->text(), QStringLiteral("2"));
    QVERIFY2(w.t.prompts.done(), qPrintable(w.t.prompts.problems()));
}

void TestWriteDaily::failingDeleteReachesErrorDisplay()
{
    Workbench w;
    w.write("会议", "例会", "P", "x", "a", QDate(2024, 2, 10));
    w.wb->showMode(TWriteDaily_fm::Mode::Search);
    QTest::mouseClick(w.wb->searchPanel->fcImageBtn1, Qt::LeftButton);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lock"));
        db.setDatabaseName(w.t.file("daily.DB"));
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(
            QStringLiteral("CREATE TRIGGER kept BEFORE DELETE ON daily BEGIN SELECT RAISE(ABORT, 'kept'); END")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("lock"));
    w.t.prompts.expectConfirm(QStringLiteral("确实要删除这条记录吗？"), true);
    w.t.prompts.expectError(QStringLiteral("kept"), true);
    QTest::mouseClick(w.wb->searchPanel->fcImageBtn5, Qt::LeftButton);
    QCOMPARE(w.dm->FoundDaily_tb.rowCount(), 1);
    QCOMPARE(w.dm->daily_tb.rowCount(), 1);
    QVERIFY(w.dm->daily_tb.isOpen());
    QVERIFY2(w.t.prompts.done(), qPrintable(w.t.prompts.problems()));
}

void TestWriteDaily::memoHidesOnlyWhenLeftForAnotherControl()
{
    Workbench w;
    w.wb->showMode(TWriteDaily_fm::Mode::Write);
    w.wb->Memo1->show();
    for (const Qt::FocusReason keeps : { Qt::ActiveWindowFocusReason, Qt::PopupFocusReason }) {
        QFocusEvent out(QEvent::FocusOut, keeps);
        QCoreApplication::sendEvent(w.wb->Memo1, &out);
        QVERIFY(w.wb->Memo1->isVisible());
    }
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QCoreApplication::sendEvent(w.wb->Memo1, &out);
    QVERIFY(!w.wb->Memo1->isVisible());
}

void TestWriteDaily::memoHidesWhenTheUserTurnsElsewhere()
{
    Workbench w;
    w.wb->showMode(TWriteDaily_fm::Mode::Write);
    const auto open = [&w] {
        w.wb->Memo1->show();
        w.wb->Memo1->setFocus();
    };
    // A click inside it keeps it; a click on the caption, which takes no focus, hides it.
    open();
    w.wb->Memo1->setPlainText(QStringLiteral("草稿"));
    QTest::mouseClick(w.wb->Memo1->viewport(), Qt::LeftButton);
    QVERIFY(w.wb->Memo1->isVisible());
    QTest::mouseClick(w.wb->Shape1, Qt::LeftButton);
    QVERIFY(!w.wb->Memo1->isVisible());
    // A page switch by its button hides it, and the text stays.
    open();
    QTest::mouseClick(w.wb->SearchDaily_btn, Qt::LeftButton);
    QVERIFY(!w.wb->Memo1->isVisible());
    w.wb->showMode(TWriteDaily_fm::Mode::Write);
    QVERIFY(!w.wb->Memo1->isVisible());
    QCOMPARE(w.wb->Memo1->toPlainText(), QStringLiteral("草稿"));
    // A successful write empties and hides it.
    open();
    w.write("会议", "例会", "P", "x", "写好了", QDate(2024, 2, 10));
    QVERIFY(!w.wb->Memo1->isVisible());
    QVERIFY(w.wb->Memo1->toPlainText().isEmpty());
    if (const QString shots = qEnvironmentVariable("DAILORA_SHOT_DIR"); !shots.isEmpty()) {
        w.wb->grab().save(shots + QStringLiteral("/write-after-write.png"));
        open();
        QTest::mouseClick(w.wb->SearchDaily_btn, Qt::LeftButton);
        w.wb->grab().save(shots + QStringLiteral("/search-after-switch.png"));
    }
    QVERIFY2(w.t.prompts.done(), qPrintable(w.t.prompts.problems()));
}

void TestWriteDaily::refusedSaveAtSearchKeepsTheCount()
{
    Workbench w;
    w.write("会议", "例会", "P", "x", "a", QDate(2024, 2, 10));
    w.write("会议", "评审", "P", "x", "b", QDate(2024, 2, 10));
    w.wb->showMode(TWriteDaily_fm::Mode::Search);
    QTest::mouseClick(w.wb->searchPanel->fcImageBtn1, Qt::LeftButton);
    QCOMPARE(w.wb->searchPanel->fcLabel14->text(), QStringLiteral("2"));
    // A delete leaves the count as the search gave it.
    w.t.prompts.expectConfirm(QStringLiteral("确实要删除这条记录吗？"), true);
    QTest::mouseClick(w.wb->searchPanel->fcImageBtn5, Qt::LeftButton);
    QCOMPARE(w.dm->FoundDaily_tb.rowCount(), 1);
    QVERIFY(w.dm->FoundDaily_tb.edit());
    QVERIFY(w.dm->FoundDaily_tb.setField("Neirong", "改"));
    w.wb->searchPanel->f_neirongEdt->setText(QStringLiteral("a"));
    w.t.prompts.expectConfirm(QStringLiteral("你确定吗？"), false);
    QTest::mouseClick(w.wb->searchPanel->fcImageBtn1, Qt::LeftButton);
    QCOMPARE(w.dm->FoundDaily_tb.rowCount(), 1);
    QCOMPARE(w.wb->searchPanel->fcLabel14->text(), QStringLiteral("2"));
    w.dm->FoundDaily_tb.cancel();
    QVERIFY2(w.t.prompts.done(), qPrintable(w.t.prompts.problems()));
}

void TestWriteDaily::pageSwitchDropsTheHint()
{
    Workbench w;
    w.wb->showMode(TWriteDaily_fm::Mode::Write);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(w.wb->writePanel->dateLabel, &enter);
    QCOMPARE(w.wb->statusText(1), QStringLiteral("输入日记的日期"));
    QTest::mouseClick(w.wb->SearchDaily_btn, Qt::LeftButton);
    QCOMPARE(w.wb->statusText(1), QString());
}

void TestWriteDaily::todayFitsItsPanel()
{
    Workbench w;
    w.t.clock.setToday(QDate(2026, 12, 10));
    w.wb->showMode(TWriteDaily_fm::Mode::Write);
    QCOMPARE(w.wb->statusText(0), QStringLiteral("今天星期四"));
    for (const QLabel* panel : w.wb->findChildren<QLabel*>()) {
        if (panel->text() != w.wb->statusText(0))
            continue;
        const int room = panel->contentsRect().width() - 2 * panel->indent();
        QVERIFY(panel->fontMetrics().horizontalAdvance(panel->text()) <= room);
        return;
    }
    QFAIL("no status panel shows the day");
}

void TestWriteDaily::calendarButtonsAndHints()
{
    Workbench w;
    w.t.clock.setToday(QDate(2024, 3, 31));
    w.wb->showMode(TWriteDaily_fm::Mode::Search);
    QTest::mouseClick(w.wb->deskCalendar->PreMonBtn, Qt::LeftButton);
    QCOMPARE(w.wb->calendarDate(), QDate(2024, 2, 29));
    QTest::mouseClick(w.wb->deskCalendar->NextYearBtn, Qt::LeftButton);
    QCOMPARE(w.wb->calendarDate(), QDate(2025, 2, 28));

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(w.wb->searchPanel->itemLabel, &enter);
    QCOMPARE(w.wb->statusText(1), QStringLiteral("查询条件:涉及的类型/项目"));
    QCoreApplication::sendEvent(w.wb->writePanel->Sure_img_btn, &enter);
    QCOMPARE(w.wb->statusText(1), QStringLiteral("输入日记"));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(w.wb->writePanel->Sure_img_btn, &leave);
    QCOMPARE(w.wb->statusText(1), QString());
}

void TestWriteDaily::calculatorOptionsBeforeDropDown()
{
    Workbench w;
    CalculatorPanel* panel = w.wb->calculatorPanel;
    QCOMPARE(panel->fcCalcEdit1->text(), QStringLiteral("0"));
    QVERIFY(panel->plainButtons->isChecked());
    panel->roundButtons->setChecked(true);
    panel->thousandsBox->setChecked(true);
    panel->closeOnEqualsBox->setChecked(true);
    panel->fcCalcEdit1->dropDown();
    const CalcOptions options = panel->fcCalcEdit1->options();
    QCOMPARE(options.buttons, CalcOptions::Buttons::Round);
    QVERIFY(options.thousands && options.closeOnEquals);
    QVERIFY(!options.decimalPoint && !options.track && !options.hideBorder && !options.editField);
    panel->fcCalcEdit1->popup()->hide();
}

DAILORA_TEST_MAIN(TestWriteDaily)
#include "TestWriteDaily.moc"
