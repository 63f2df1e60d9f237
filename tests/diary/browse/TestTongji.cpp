#include "diary/store/SqlTable.h"
#include "diary/toolkit/ArrowButton.h"
#include "diary/widgets/MoxCalendar.h"
#include "tests/diary/browse/BrowseFixture.h"
#include "tests/support/TestMain.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QDate Day(2004, 12, 8);
const QDate Today(2024, 2, 10); // the fixed clock's

QStringList lines(const QPlainTextEdit* memo)
{
    return memo->toPlainText().split(u'\n');
}

} // namespace

class TestTongji : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowLayout();
    void dayWithTwoEntries();
    void emptySourceAndPerson();
    void rowsInKeyOrder();
    void dayWithoutEntriesEmptiesTheBox();
    void otherWaysOfChangingTheDayKeepTheText_data();
    void otherWaysOfChangingTheDayKeepTheText();
    void doubleClickOnTodayRightAfterOpening();
    void failedQueryKeepsTheText();
    void showingAgainMovesToTodayAndKeepsText();
    void closeButtonHides();
    void dragByThePicture();
    void contextMenuItems();

    void noApplicationShowsBothBoxesAndKeepsTheFile();
    void otherOpenerFailureShowsItsText();
    void openerAnswersLater();
    void unwritableFolderReportsAndOpensNothing();

private:
    std::unique_ptr<BrowseFixture> f;
    TTongjiForm* w = nullptr;

    void doubleClick(const QDate& day)
    {
        w->MoxCalendar1->setDate(day);
        const QPoint at = w->MoxCalendar1->CellRectOf(day).center();
        QTest::mouseClick(w->MoxCalendar1, Qt::LeftButton, {}, at);
        QTest::mouseDClick(w->MoxCalendar1, Qt::LeftButton, {}, at);
    }
};

void TestTongji::init()
{
    f = std::make_unique<BrowseFixture>();
    w = f->form.get();
}

void TestTongji::cleanup()
{
    QVERIFY2(f->t.prompts.done(), qPrintable(f->t.prompts.problems()));
    f.reset();
}

void TestTongji::windowLayout()
{
    QCOMPARE(w->size(), QSize(435, 681));
    QVERIFY(w->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(w->MoxCalendar1->geometry(), QRect(29, 105, 370, 221));
    QCOMPARE(w->Memo2->geometry(), QRect(32, 400, 367, 220));
    QCOMPARE(w->fcImageBtn1->geometry(), QRect(369, 54, 30, 29));
    QCOMPARE(w->fcImageBtn1->text(), u"X"_s);
    QCOMPARE(w->fcImageBtn1->toolTip(), u"关闭此窗口"_s);
    QCOMPARE(w->PreYearBtn->geometry(), QRect(64, 104, 43, 28));
    QCOMPARE(w->NextMonBtn->geometry(), QRect(328, 106, 42, 27));
    QCOMPARE(w->PreMonBtn->toolTip(), u"上一月"_s);
    QVERIFY(w->Memo2->isReadOnly());
    QCOMPARE(w->Memo2->toolTip(), u"日记内容在此显示"_s);
    QCOMPARE(w->MoxCalendar1->toolTip(), u"双击显示本日日记，右键可以选择打印"_s);
    QCOMPARE(w->MoxCalendar1->CalColors().BackColor, QColor(0, 128, 192));
    QCOMPARE(w->MoxCalendar1->CalColors().TitleBackColor, QColor(128, 0, 0));
    // The stepping buttons lie over the calendar's title and take the clicks there.
    QCOMPARE(w->childAt(QPoint(85, 118)), w->PreYearBtn);
}

void TestTongji::dayWithTwoEntries()
{
    f->add(Day, u"会议"_s, u"例会"_s, u"办公室"_s, u"张三"_s, u"周会"_s);
    f->add(Day.addDays(1), u"学习"_s, u"培训"_s, u"人事处"_s, u"李四"_s, u"另一天"_s);
    f->add(Day, u"工作"_s, u"文件"_s, u"财务处"_s, u"王五"_s, u"报表 第二版"_s);
    doubleClick(Day);
    const QStringList expected { u"日记:"_s, QString(), u"类型：会议"_s, u"项目：例会"_s, u"来源：办公室"_s,
        u"人员：张三"_s, u"内容：周会"_s, QString(), u"类型：工作"_s, u"项目：文件"_s, u"来源：财务处"_s,
        u"人员：王五"_s, u"内容：报表 第二版"_s };
    QCOMPARE(lines(w->Memo2), expected);
    QVERIFY(w->Memo2->hasFocus() || !w->isVisible());
}

void TestTongji::emptySourceAndPerson()
{
    f->add(Day, u"休假"_s, QString(), QString(), QString(), QString());
    w->SelectedDay = Day;
    w->MoxCalendar1DblClick();
    const QStringList expected { u"日记:"_s, QString(), u"类型：休假"_s, u"项目："_s, u"来源："_s, u"人员："_s,
        u"内容："_s };
    QCOMPARE(lines(w->Memo2), expected);
}

void TestTongji::rowsInKeyOrder()
{
    f->add(Day, u"后"_s, {}, {}, {}, {}, 9);
    f->add(Day, u"前"_s, {}, {}, {}, {}, 3);
    w->SelectedDay = Day;
    w->MoxCalendar1DblClick();
    QCOMPARE(lines(w->Memo2).at(2), u"类型：前"_s);
    QCOMPARE(lines(w->Memo2).at(8), u"类型：后"_s);
}

void TestTongji::dayWithoutEntriesEmptiesTheBox()
{
    f->add(Day, u"会议"_s, u"例会"_s, u"办公室"_s, u"张三"_s, u"周会"_s);
    doubleClick(Day);
    QVERIFY(!w->Memo2->toPlainText().isEmpty());
    doubleClick(Day.addDays(2));
    QCOMPARE(w->Memo2->toPlainText(), QString());
}

void TestTongji::otherWaysOfChangingTheDayKeepTheText_data()
{
    QTest::addColumn<int>("way");
    QTest::addColumn<QDate>("selected");
    QTest::newRow("single click on another day") << 0 << Day.addDays(3);
    QTest::newRow("arrow key") << 1 << Day.addDays(1);
    QTest::newRow("next month button") << 2 << QDate(2005, 1, 8);
    QTest::newRow("previous year button") << 3 << QDate(2003, 12, 8);
}

void TestTongji::otherWaysOfChangingTheDayKeepTheText()
{
    QFETCH(int, way);
    QFETCH(QDate, selected);
    f->add(Day, u"会议"_s, u"例会"_s, u"办公室"_s, u"张三"_s, u"周会"_s);
    f->add(selected, u"学习"_s, u"培训"_s, u"人事处"_s, u"李四"_s, u"另一天"_s);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    doubleClick(Day);
    const QString shown = w->Memo2->toPlainText();
    switch (way) {
    case 0:
        QTest::mouseClick(w->MoxCalendar1, Qt::LeftButton, {}, w->MoxCalendar1->CellRectOf(selected).center());
        break;
    case 1:
        w->MoxCalendar1->setFocus();
        QTest::keyClick(w->MoxCalendar1, Qt::Key_Right);
        break;
    case 2:
        QTest::mouseClick(w->NextMonBtn, Qt::LeftButton);
        break;
    case 3:
        QTest::mouseClick(w->PreYearBtn, Qt::LeftButton);
        break;
    }
    QCOMPARE(w->SelectedDay, selected);
    QCOMPARE(w->ShownYear, selected.year());
    QCOMPARE(w->ShownMonth, selected.month());
    QCOMPARE(w->ShownDay, selected.day());
    QCOMPARE(w->Memo2->toPlainText(), shown);
}

void TestTongji::doubleClickOnTodayRightAfterOpening()
{
    f->add(Today, u"会议"_s, u"例会"_s, u"办公室"_s, u"张三"_s, u"今天的会"_s);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    // The calendar already shows today, so no change event tells the window the day.
    QTest::mouseDClick(w->MoxCalendar1, Qt::LeftButton, {}, w->MoxCalendar1->CellRectOf(Today).center());
    QCOMPARE(lines(w->Memo2).last(), u"内容：今天的会"_s);
}

void TestTongji::failedQueryKeepsTheText()
{
    f->add(Day, u"会议"_s, u"例会"_s, u"办公室"_s, u"张三"_s, u"周会"_s);
    doubleClick(Day);
    const QString shown = w->Memo2->toPlainText();
    SqlTable::run(TDM::connectionName(), u"ALTER TABLE daily RENAME TO daily_gone"_s);
    f->t.prompts.expectError(u"daily"_s, true);
    doubleClick(Day.addDays(1));
    QCOMPARE(w->Memo2->toPlainText(), shown);
    SqlTable::run(TDM::connectionName(), u"ALTER TABLE daily_gone RENAME TO daily"_s);
}

void TestTongji::showingAgainMovesToTodayAndKeepsText()
{
    f->add(Day, u"会议"_s, u"例会"_s, u"办公室"_s, u"张三"_s, u"周会"_s);
    w->show();
    doubleClick(Day);
    const QString shown = w->Memo2->toPlainText();
    w->hide();
    f->t.clock.setToday(QDate(2025, 3, 4));
    w->show();
    QCOMPARE(w->MoxCalendar1->Date(), QDate(2025, 3, 4));
    QCOMPARE(w->SelectedDay, QDate(2025, 3, 4));
    QCOMPARE(w->ShownYear, 2025);
    QCOMPARE(w->ShownMonth, 3);
    QCOMPARE(w->ShownDay, 4);
    QCOMPARE(w->Memo2->toPlainText(), shown);
}

void TestTongji::closeButtonHides()
{
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTest::mouseClick(w->fcImageBtn1, Qt::LeftButton);
    QVERIFY(!w->isVisible());
}

void TestTongji::dragByThePicture()
{
    w->move(100, 100);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const QPoint start = w->pos();
    const QPoint grip(200, 360); // picture between the calendar and the text box
    QVERIFY(!w->childAt(grip));
    QTest::mousePress(w, Qt::LeftButton, {}, grip);
    QMouseEvent within(QEvent::MouseMove, QPointF(grip + QPoint(4, 4)), QPointF(w->mapToGlobal(grip + QPoint(4, 4))),
        Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(w, &within);
    QMouseEvent beyond(QEvent::MouseMove, QPointF(grip + QPoint(40, 25)),
        QPointF(w->mapToGlobal(grip + QPoint(40, 25))), Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(w, &beyond);
    QCOMPARE(w->pos(), start); // only the outline moves until release
    QTest::mouseRelease(w, Qt::LeftButton, {}, grip + QPoint(40, 25));
    QCOMPARE(w->pos(), start + QPoint(40, 25));
}

void TestTongji::contextMenuItems()
{
    QCOMPARE(w->N1->text(), u"导入到Word中（本月）"_s);
    QCOMPARE(w->Word1->text(), u"导入到Word中（本星期）"_s);
    QCOMPARE(w->PopupMenu1->actions(), (QList<QAction*> { w->N1, w->Word1 }));
    QCOMPARE(w->MoxCalendar1->contextMenuPolicy(), Qt::CustomContextMenu);
}

void TestTongji::noApplicationShowsBothBoxesAndKeepsTheFile()
{
    f->opener.answer({ DocumentOpener::Outcome::NoApplication, u"no method available"_s });
    w->MoxCalendar1->setDate(Day);
    f->t.prompts.expectNotice(u"Word程序可能没有安装，或安装存在错误，请检查并安装"_s);
    f->t.prompts.expectNotice(u"Operation aborted需要重新安装WORD程序"_s, true);
    w->N1Click();
    QCOMPARE(f->t.prompts.records().first().icon, Prompts::Icon::Critical);
    QCOMPARE(f->opener.paths().size(), 1);
    const QString path = f->opener.paths().first();
    QCOMPARE(f->t.prompts.last().text, u"Operation aborted需要重新安装WORD程序\n文档已保存在："_s + path);
    QVERIFY(QFileInfo::exists(path));
    QCOMPARE(QFileInfo(path).fileName(), u"我的Dailora 2004年12月.docx"_s);
}

void TestTongji::otherOpenerFailureShowsItsText()
{
    f->opener.answer({ DocumentOpener::Outcome::Failed, u"viewer crashed"_s });
    w->MoxCalendar1->setDate(Day);
    f->t.prompts.expectNotice(u"viewer crashed需要重新安装WORD程序\n文档已保存在："_s, true);
    w->Word1Click();
    QVERIFY(QFileInfo::exists(f->opener.paths().value(0)));
}

void TestTongji::openerAnswersLater()
{
    f->opener.answer({ DocumentOpener::Outcome::NoApplication, {} }, true);
    w->Word1Click();
    QVERIFY(f->t.prompts.records().isEmpty());
    f->t.prompts.expectNotice(u"Word程序可能没有安装，或安装存在错误，请检查并安装"_s);
    f->t.prompts.expectNotice(u"Operation aborted需要重新安装WORD程序"_s, true);
    f->opener.finish();
}

void TestTongji::unwritableFolderReportsAndOpensNothing()
{
    // A file where the documents folder should be.
    QFile blocker(QDir(f->home.path()).filePath(u"Documents"_s));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    f->t.prompts.expectNotice(u"需要重新安装WORD程序"_s, true);
    w->N1Click();
    QVERIFY(f->t.prompts.last().text.endsWith(u"需要重新安装WORD程序"_s));
    QVERIFY(f->opener.paths().isEmpty());
}

DAILORA_TEST_MAIN(TestTongji)
#include "TestTongji.moc"
