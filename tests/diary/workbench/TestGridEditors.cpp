#include "diary/workbench/GridEditors.h"
#include "tests/diary/workbench/WorkbenchFixture.h"
#include "tests/support/TestMain.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QTableView>
#include <QWheelEvent>

namespace {

const QString Sure = QStringLiteral("你确定吗？");

// The workbench with a few entries, shown in the mode asked for.
struct Lists : Workbench
{
    explicit Lists(int count = 3, TWriteDaily_fm::Mode mode = TWriteDaily_fm::Mode::Write)
    {
        const std::array<std::array<const char*, 5>, 3> entries = { {
            { "会议", "例会", "P", "x", "first" },
            { "学习", "培训", "Q", "", "second" },
            { "工作", "文件", "P", "y", "third" },
        } };
        for (int i = 0; i < count; ++i) {
            const auto& e = entries.at(i % 3);
            t.prompts.expectConfirm(Sure, true);
            dm->AddDiary(QString::fromUtf8(e[0]), QString::fromUtf8(e[1]), QString::fromUtf8(e[2]),
                QString::fromUtf8(e[3]), QString::fromUtf8(e[4]) + QString::number(i), QDate(2024, 3, 1).addDays(i));
        }
        showList(mode);
    }

    GridEditors* editors() const { return search() ? wb->s_editors : wb->g_editors; }
    ImageButton* finishButton() const { return search() ? wb->searchPanel->fcImageBtn7 : wb->writePanel->fcImageBtn4; }

    QRect cellRect(int row, int column) const
    {
        const QRect cell = grid()->visualRect(grid()->model()->index(row, column));
        return QRect(grid()->viewport()->mapTo(wb.get(), cell.topLeft()), cell.size());
    }

    void click(int row, int column) const
    {
        QTest::mouseClick(
            grid()->viewport(), Qt::LeftButton, {}, grid()->visualRect(grid()->model()->index(row, column)).center());
    }

    // Typing replaces the box's text; Chinese is typed as an input method commits it.
    static void type(QLineEdit* line, const QString& text)
    {
        line->selectAll();
        for (QChar c : text)
            line->insert(QString(c));
    }
    static void type(DropDownComboBox* box, const QString& text) { type(box->lineEdit(), text); }

    // Saves a picture of the window for looking at, when asked to.
    void shot(const QString& name) const
    {
        const QString dir = qEnvironmentVariable("DAILORA_SHOTS");
        if (!dir.isEmpty())
            wb->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }

    QString stored(int row, int column) const { return cursor().value(row, column + 1).toString(); }
};

void addModes()
{
    QTest::addColumn<TWriteDaily_fm::Mode>("mode");
    QTest::newRow("full list") << TWriteDaily_fm::Mode::Write;
    QTest::newRow("result list") << TWriteDaily_fm::Mode::Search;
}

#define DONE(w) QVERIFY2((w).t.prompts.done(), qPrintable((w).t.prompts.problems()))

} // namespace

class TestGridEditors : public QObject
{
    Q_OBJECT

private slots:
    void editorLiesOnItsCell_data() { addModes(); }
    void editorLiesOnItsCell();
    void movingAroundAsksNothing_data() { addModes(); }
    void movingAroundAsksNothing();
    void newDateThenFinish_data();
    void newDateThenFinish();
    void resultItemWrittenBackOnRowMove();
    void itemListFollowsTheRowsType();
    void personListOfTheRowsSource();
    void typedTypeStoredAsTyped();
    void finishWithNothingPendingAsksNothing_data() { addModes(); }
    void finishWithNothingPendingAsksNothing();
    void contentColumnEditedInCell_data() { addModes(); }
    void contentColumnEditedInCell();
    void emptyListEditorsDoNothing_data() { addModes(); }
    void emptyListEditorsDoNothing();
    void refusedSaveStaysPending();
    void editorsFollowScrollAndResize();
    void rightClickOnEditorOpensListMenu_data() { addModes(); }
    void rightClickOnEditorOpensListMenu();
    void modeSwitchAndDeleteHideEditors();
    void pendingFullEditSavedBeforeSearch_data();
    void pendingFullEditSavedBeforeSearch();
    void indicatorShowsTheRowsState();
    void typingOnACellGoesIntoItsEditor();
};

void TestGridEditors::editorLiesOnItsCell()
{
    QFETCH(TWriteDaily_fm::Mode, mode);
    Lists w(3, mode);
    GridEditors* e = w.editors();
    const QList<QWidget*> editors { e->dateBox, e->typeBox, e->itemBox, e->sourceBox, e->personBox };
    for (int column = DateCol; column <= PersonCol; ++column) {
        w.click(1, column);
        QCOMPARE(e->shownEditor(), editors.at(column));
        QCOMPARE(editors.at(column)->geometry(), w.cellRect(1, column));
        QCOMPARE(editors.at(column)->parentWidget(), w.wb.get());
        if (column == DateCol)
            w.shot(mode == TWriteDaily_fm::Mode::Write ? "full-date-editor" : "result-date-editor");
    }
    QCOMPARE(e->dateBox->date(), QDate(2024, 3, 2));
    w.click(2, TypeCol);
    QCOMPARE(e->typeBox->currentText(), QStringLiteral("工作"));
    QCOMPARE(e->typeBox->geometry(), w.cellRect(2, TypeCol));
    w.shot(mode == TWriteDaily_fm::Mode::Write ? "full-editor" : "result-editor");
    DONE(w);
}

void TestGridEditors::movingAroundAsksNothing()
{
    QFETCH(TWriteDaily_fm::Mode, mode);
    Lists w(3, mode);
    for (int row : { 0, 2, 1, 0 })
        for (int column = DateCol; column <= ContentCol; ++column)
            w.click(row, column);
    QTest::keyClick(w.grid(), Qt::Key_Down);
    QTest::keyClick(w.grid(), Qt::Key_Left);
    QCOMPARE(w.cursor().state(), TableCursor::State::Browse);
    QCOMPARE(w.cursor().currentRow(), 1);
    DONE(w);
}

void TestGridEditors::newDateThenFinish_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("button") << false;
    QTest::newRow("menu") << true;
}

void TestGridEditors::newDateThenFinish()
{
    QFETCH(bool, byMenu);
    Lists w;
    w.click(1, DateCol);
    w.wb->g_editors->dateBox->setDate(QDate(2025, 5, 6)); // as a pick from the calendar does
    QCOMPARE(w.cursor().state(), TableCursor::State::Edit);
    w.t.prompts.expectConfirm(Sure, true);
    if (byMenu)
        w.wb->N10->trigger();
    else
        QTest::mouseClick(w.finishButton(), Qt::LeftButton);
    DONE(w);
    QCOMPARE(w.cursor().state(), TableCursor::State::Browse);
    w.dm->daily_tb.refresh();
    QCOMPARE(w.dm->daily_tb.value(1, 1).toDate(), QDate(2025, 5, 6));
}

void TestGridEditors::resultItemWrittenBackOnRowMove()
{
    Lists w(3, TWriteDaily_fm::Mode::Search);
    w.dm->daily_tb.moveTo(2);
    w.click(0, ItemCol);
    Lists::type(w.wb->s_editors->itemBox, QStringLiteral("评审"));
    QCOMPARE(w.stored(0, ItemCol), QStringLiteral("评审"));
    w.t.prompts.expectConfirm(Sure, true);
    w.click(1, ItemCol);
    DONE(w);
    QCOMPARE(w.dm->FoundDaily_tb.currentRow(), 1);
    const qint64 key = w.dm->FoundDaily_tb.value(0, 0).toLongLong();
    TableCursor& daily = w.dm->daily_tb;
    QCOMPARE(daily.currentRow(), 0);
    for (int row = 0; row < daily.rowCount(); ++row)
        if (daily.value(row, 0).toLongLong() == key)
            QCOMPARE(daily.value(row, 3).toString(), QStringLiteral("评审"));
}

void TestGridEditors::itemListFollowsTheRowsType()
{
    Lists w;
    GridEditors* e = w.wb->g_editors;
    w.click(1, ItemCol); // 学习
    QCOMPARE(e->itemBox->items(), QStringList { QStringLiteral("培训") });
    w.click(0, TypeCol); // 会议; the item editor, hidden, last stood on 学习
    w.click(0, ItemCol);
    QCOMPARE(e->itemBox->items(), (QStringList { QStringLiteral("例会"), QStringLiteral("评审") }));
    QCOMPARE(e->itemBox->currentText(), QStringLiteral("例会"));

    w.click(0, TypeCol);
    e->typeBox->showPopup();
    QCOMPARE(e->typeBox->items(), w.wb->typeTree->TypeList());
    QCOMPARE(e->typeBox->items().size(), 4);
    e->typeBox->hidePopup();
    Lists::type(e->typeBox, QStringLiteral("工作"));
    QCOMPARE(w.stored(0, ItemCol), QStringLiteral("例会")); // the type does not touch the item
    w.click(0, ItemCol);
    QCOMPARE(e->itemBox->items(), (QStringList { QStringLiteral("例会"), QStringLiteral("文件") }));
    e->itemBox->showPopup();
    QCOMPARE(e->itemBox->items(), (QStringList { QStringLiteral("例会"), QStringLiteral("文件") }));
    e->itemBox->hidePopup();
    w.shot("full-pending");
    QCOMPARE(w.cursor().state(), TableCursor::State::Edit);
    w.t.prompts.expectConfirm(Sure, true);
    w.wb->N10->trigger();
    DONE(w);
}

void TestGridEditors::personListOfTheRowsSource()
{
    Lists w(3, TWriteDaily_fm::Mode::Search);
    GridEditors* e = w.wb->s_editors;
    w.click(0, PersonCol); // P
    QCOMPARE(e->personBox->items(), (QStringList { QStringLiteral("x"), QStringLiteral("y") }));
    w.click(1, PersonCol); // Q
    QCOMPARE(e->personBox->items(), QStringList());
    w.click(1, SourceCol);
    e->sourceBox->showPopup();
    QCOMPARE(e->sourceBox->items(), (QStringList { QStringLiteral("P"), QStringLiteral("Q") }));
    e->sourceBox->hidePopup();
    Lists::type(e->sourceBox, QStringLiteral("P"));
    QCOMPARE(w.stored(1, PersonCol), QString());
    w.click(1, PersonCol);
    e->personBox->showPopup();
    QCOMPARE(e->personBox->items(), (QStringList { QStringLiteral("x"), QStringLiteral("y") }));
    e->personBox->hidePopup();
    w.shot("result-pending");
    w.t.prompts.expectConfirm(Sure, false);
    w.wb->N13->trigger();
    DONE(w);
}

void TestGridEditors::typedTypeStoredAsTyped()
{
    Lists w;
    GridEditors* e = w.wb->g_editors;
    w.click(0, TypeCol);
    Lists::type(e->typeBox, QStringLiteral("新类型"));
    w.t.prompts.expectConfirm(Sure, true);
    w.wb->N10->trigger();
    QCOMPARE(w.stored(0, TypeCol), QStringLiteral("新类型"));
    // Typing stops at the field's width: what the box shows is what is stored.
    Lists::type(e->typeBox, QStringLiteral("类型类型类型类型类型类型"));
    QCOMPARE(e->typeBox->currentText(), QStringLiteral("类型类型类型类型类型"));
    w.t.prompts.expectConfirm(Sure, true);
    w.wb->N10->trigger();
    w.dm->daily_tb.refresh();
    QCOMPARE(w.stored(0, TypeCol), QStringLiteral("类型类型类型类型类型"));
    DONE(w);
}

void TestGridEditors::finishWithNothingPendingAsksNothing()
{
    QFETCH(TWriteDaily_fm::Mode, mode);
    Lists w(2, mode);
    w.click(1, TypeCol);
    QTest::mouseClick(w.finishButton(), Qt::LeftButton);
    (w.search() ? w.wb->N13 : w.wb->N10)->trigger();
    QCOMPARE(w.cursor().state(), TableCursor::State::Browse);
    DONE(w);
}

void TestGridEditors::contentColumnEditedInCell()
{
    QFETCH(TWriteDaily_fm::Mode, mode);
    Lists w(2, mode);
    w.click(0, SourceCol);
    QVERIFY(w.editors()->shownEditor());
    w.click(0, ContentCol);
    QCOMPARE(w.editors()->shownEditor(), nullptr);
    // No other column opens a cell editor.
    QTest::mouseDClick(
        w.grid()->viewport(), Qt::LeftButton, {}, w.grid()->visualRect(w.grid()->model()->index(1, DateCol)).center());
    QCOMPARE(w.grid()->findChildren<QLineEdit*>().size(), 0);
    w.click(0, ContentCol);
    QTest::keyClick(w.grid(), Qt::Key_F2);
    auto* cell = w.grid()->viewport()->findChild<QLineEdit*>();
    QVERIFY(cell);
    Lists::type(cell, QStringLiteral("新内容"));
    // The image button takes no focus: the cell is committed by the finish command itself.
    w.t.prompts.expectConfirm(Sure, true);
    QTest::mouseClick(w.finishButton(), Qt::LeftButton);
    DONE(w);
    QCOMPARE(w.stored(0, ContentCol), QStringLiteral("新内容"));
    QCOMPARE(w.cursor().state(), TableCursor::State::Browse);
}

void TestGridEditors::emptyListEditorsDoNothing()
{
    QFETCH(TWriteDaily_fm::Mode, mode);
    Lists w(0, mode);
    GridEditors* e = w.editors();
    w.click(0, TypeCol);
    QCOMPARE(e->shownEditor(), nullptr);
    e->typeBox->setEditText(QStringLiteral("x")); // a change as the user makes it
    e->dateBox->setDate(QDate(2020, 1, 1));
    QCOMPARE(w.cursor().state(), TableCursor::State::Browse);
    QCOMPARE(w.cursor().shownRowCount(), 0);
    QTest::mouseClick(w.finishButton(), Qt::LeftButton);
    DONE(w);
}

void TestGridEditors::refusedSaveStaysPending()
{
    Lists w;
    GridEditors* e = w.wb->g_editors;
    w.click(0, SourceCol);
    Lists::type(e->sourceBox, QStringLiteral("Q"));
    w.t.prompts.expectConfirm(Sure, false);
    w.click(1, SourceCol);
    QCOMPARE(w.cursor().currentRow(), 0);
    QCOMPARE(w.cursor().state(), TableCursor::State::Edit);
    QTRY_COMPARE(w.grid()->currentIndex().row(), 0);
    QCOMPARE(e->sourceBox->geometry(), w.cellRect(0, SourceCol));
    QCOMPARE(e->sourceBox->currentText(), QStringLiteral("Q"));
    w.t.prompts.expectConfirm(Sure, true);
    w.click(1, SourceCol);
    QTRY_COMPARE(w.cursor().currentRow(), 1);
    QCOMPARE(w.stored(0, SourceCol), QStringLiteral("Q"));
    QCOMPARE(e->sourceBox->currentText(), QStringLiteral("Q"));
    DONE(w);
}

void TestGridEditors::editorsFollowScrollAndResize()
{
    Lists w(40);
    GridEditors* e = w.wb->g_editors;
    w.grid()->scrollToTop();
    w.click(1, ItemCol);
    QCOMPARE(e->itemBox->geometry(), w.cellRect(1, ItemCol));
    // The wheel over the editor scrolls the list and leaves the row as it was.
    QWheelEvent wheel(QPointF(5, 5), e->itemBox->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -360), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(e->itemBox, &wheel);
    QCOMPARE(w.cursor().state(), TableCursor::State::Browse);
    QVERIFY(w.grid()->verticalScrollBar()->value() > 0);
    w.grid()->verticalScrollBar()->setValue(10);
    QCOMPARE(e->shownEditor(), nullptr); // its row is out of view
    w.grid()->verticalScrollBar()->setValue(0);
    QCOMPARE(e->shownEditor(), e->itemBox);
    QCOMPARE(e->itemBox->geometry(), w.cellRect(1, ItemCol));
    w.grid()->setColumnWidth(TypeCol, 40);
    QCOMPARE(e->itemBox->geometry(), w.cellRect(1, ItemCol));
    w.grid()->setColumnWidth(ItemCol, 60);
    QCOMPARE(e->itemBox->geometry(), w.cellRect(1, ItemCol));
    // A row near the bottom edge scrolls into view with its editor.
    const int last = w.grid()->rowAt(w.grid()->viewport()->height() - 2);
    QTest::mouseClick(w.grid()->viewport(), Qt::LeftButton, {},
        QPoint(w.grid()->columnViewportPosition(ItemCol) + 5, w.grid()->viewport()->height() - 2));
    QCOMPARE(w.cursor().currentRow(), last);
    QCOMPARE(e->itemBox->geometry(), w.cellRect(last, ItemCol));
    QVERIFY(w.grid()->viewport()->rect().contains(w.grid()->visualRect(w.grid()->model()->index(last, ItemCol))));
    DONE(w);
}

void TestGridEditors::rightClickOnEditorOpensListMenu()
{
    QFETCH(TWriteDaily_fm::Mode, mode);
    Lists w(2, mode);
    QMenu* menu = w.search() ? w.wb->PopupMenu2 : w.wb->PopupMenu1;
    for (int column : { DateCol, TypeCol }) {
        w.click(0, column);
        QWidget* editor = w.editors()->shownEditor();
        auto* line = editor->findChild<QLineEdit*>();
        QVERIFY(line);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), line->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(line, &event);
        QVERIFY(menu->isVisible());
        menu->hide();
    }
    DONE(w);
}

void TestGridEditors::modeSwitchAndDeleteHideEditors()
{
    Lists w(3, TWriteDaily_fm::Mode::Search);
    w.click(0, TypeCol);
    QCOMPARE(w.wb->s_editors->shownEditor(), w.wb->s_editors->typeBox);
    w.wb->showMode(TWriteDaily_fm::Mode::Write);
    QCOMPARE(w.wb->s_editors->shownEditor(), nullptr);
    w.click(0, TypeCol);
    QCOMPARE(w.wb->g_editors->shownEditor(), w.wb->g_editors->typeBox);
    w.t.prompts.expectConfirm(QStringLiteral("确实要删除这条记录吗？"), true);
    w.wb->N2->trigger();
    QCOMPARE(w.wb->g_editors->shownEditor(), nullptr);
    // A search that finds nothing leaves the result list without a current row.
    w.wb->showMode(TWriteDaily_fm::Mode::Search);
    w.click(0, TypeCol);
    QVERIFY(w.wb->s_editors->shownEditor());
    w.wb->searchPanel->end_DateTimePicker->setDate(QDate(2000, 1, 1));
    QTest::mouseClick(w.wb->searchPanel->fcImageBtn1, Qt::LeftButton);
    QCOMPARE(w.wb->s_editors->shownEditor(), nullptr);
    DONE(w);
}

void TestGridEditors::pendingFullEditSavedBeforeSearch_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("yes");
    for (const char* command : { "search", "delete result", "write back" }) {
        QTest::addRow("%s, yes saves", command) << QString::fromLatin1(command) << true;
        QTest::addRow("%s, no drops", command) << QString::fromLatin1(command) << false;
    }
}

// Each of these closes the diary table for a moment: a pending edit of the full list is
// offered for saving first.
void TestGridEditors::pendingFullEditSavedBeforeSearch()
{
    QFETCH(QString, command);
    QFETCH(bool, yes);
    Lists w(2, TWriteDaily_fm::Mode::Search);
    w.wb->showMode(TWriteDaily_fm::Mode::Write);
    w.click(1, PersonCol);
    Lists::type(w.wb->g_editors->personBox, QStringLiteral("z"));
    w.wb->showMode(TWriteDaily_fm::Mode::Search);
    if (command == QLatin1String("search")) {
        w.t.prompts.expectConfirm(Sure, yes);
        QTest::mouseClick(w.wb->searchPanel->fcImageBtn1, Qt::LeftButton);
        QCOMPARE(w.dm->FoundDaily_tb.value(1, 5).toString(), yes ? QStringLiteral("z") : QString());
    } else if (command == QLatin1String("delete result")) {
        w.click(0, TypeCol);
        w.t.prompts.expectConfirm(QStringLiteral("确实要删除这条记录吗？"), true);
        w.t.prompts.expectConfirm(Sure, yes);
        w.wb->N1->trigger();
        QCOMPARE(w.dm->daily_tb.rowCount(), 1);
    } else {
        w.click(0, TypeCol);
        Lists::type(w.wb->s_editors->typeBox, QStringLiteral("休假"));
        w.t.prompts.expectConfirm(Sure, true); // the result row
        w.t.prompts.expectConfirm(Sure, yes); // the diary row pending in the full list
        w.wb->N13->trigger();
        QCOMPARE(w.dm->daily_tb.value(0, 2).toString(), QStringLiteral("休假"));
    }
    DONE(w);
    const int row = w.dm->daily_tb.rowCount() - 1;
    QCOMPARE(w.dm->daily_tb.state(), TableCursor::State::Browse);
    QCOMPARE(w.dm->daily_tb.value(row, 5).toString(), yes ? QStringLiteral("z") : QString());
}

void TestGridEditors::indicatorShowsTheRowsState()
{
    Lists w(2);
    QHeaderView* rows = w.grid()->verticalHeader();
    const auto indicator = [&](int row) {
        const QRect section(0, rows->sectionViewportPosition(row), rows->width(), rows->sectionSize(row));
        return rows->viewport()->grab(section).toImage();
    };
    w.click(0, TypeCol);
    const QImage saved = indicator(0);
    QVERIFY(saved != indicator(1)); // only the current row is marked
    Lists::type(w.wb->g_editors->typeBox, QStringLiteral("工作"));
    w.t.prompts.expectConfirm(Sure, false);
    w.wb->N10->trigger();
    const QImage pending = indicator(0);
    QVERIFY(pending != saved);
    w.t.prompts.expectConfirm(Sure, true);
    w.wb->N10->trigger();
    QCOMPARE(indicator(0), saved);
    // A new row refused by its confirmation stays, marked as new.
    w.t.prompts.expectConfirm(Sure, false);
    QVERIFY(!w.dm->AddDiary(QStringLiteral("会议"), {}, {}, {}, QStringLiteral("new"), QDate(2024, 5, 1)));
    const int fresh = w.cursor().currentRow();
    const QImage added = indicator(fresh);
    QVERIFY(added != saved && added != pending);
    w.shot("full-new-row");
    DONE(w);
}

void TestGridEditors::typingOnACellGoesIntoItsEditor()
{
    Lists w(3);
    w.click(0, SourceCol);
    w.grid()->setFocus();
    QTest::keyClick(w.grid(), 'Q');
    QLineEdit* line = w.wb->g_editors->sourceBox->lineEdit();
    QCOMPARE(w.wb->focusWidget(), w.wb->g_editors->sourceBox); // the next keys go to the editor
    QTest::keyClicks(line, QStringLiteral("z"));
    QCOMPARE(w.wb->g_editors->sourceBox->currentText(), QStringLiteral("Qz"));
    QCOMPARE(w.cursor().currentRow(), 0); // no search of the grid moved the row
    QCOMPARE(w.stored(0, SourceCol), QStringLiteral("Qz"));
    // On the date column typed characters change nothing.
    w.t.prompts.expectConfirm(Sure, true);
    w.click(1, DateCol);
    w.grid()->setFocus();
    QTest::keyClicks(w.grid(), QStringLiteral("9t"));
    QCOMPARE(w.cursor().currentRow(), 1);
    QCOMPARE(w.cursor().state(), TableCursor::State::Browse);
    DONE(w);
}

DAILORA_TEST_MAIN(TestGridEditors)
#include "TestGridEditors.moc"
