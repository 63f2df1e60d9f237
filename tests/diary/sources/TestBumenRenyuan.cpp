#include "common/CodePage.h"
#include "diary/sources/BumenRenyuan_unit.h"
#include "diary/sources/RaisedLabel.h"
#include "diary/trees/NodeTreeView.h"
#include "tests/diary/trees/TreeDriver.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRubberBand>

using namespace TreeDriver;
using namespace Qt::StringLiterals;

namespace {

const QString File = u"treeview.nod"_s;
const QString AddSource = u"添加来源"_s;
const QString AddPerson = u"添加人员"_s;
const QString DeleteSource = u"删除来源"_s;
const QString DeletePerson = u"删除人员"_s;
const QString RenameClash = u"修改后的内容已经存在，请另行输入"_s;
const QString ConfirmRename = u"你确认要修改吗？"_s;

// The window on a program folder holding the given sources tree, shown.
struct Window
{
    Window(TestContext& t, const QStringList& sources)
        : t(t)
    {
        writeTree(t, File, sources);
        form = std::make_unique<TBumenRenyuan_form>(t.context);
        form->show();
    }

    NodeTree& tree() const { return form->TreeView1->nodeTree(); }
    NodeTreeView& view() const { return *form->TreeView1; }
    TreeNode* node(const QString& path) const { return find(tree(), path); }
    void reopen() const
    {
        form->fcImageBtn1->click();
        form->show();
    }
    [[nodiscard]] bool command(const QString& path, const QString& caption) const
    {
        return TreeDriver::command(view(), *form->PopupMenu1, path, caption);
    }
    bool fileMatchesTree() const { return fileMatches(t, File, tree()); }

    TestContext& t;
    std::unique_ptr<TBumenRenyuan_form> form;
};

} // namespace

class TestBumenRenyuan : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void windowFace();
    void guards_data();
    void guards();
    void firstSourceOfAMissingFile_data();
    void firstSourceOfAMissingFile();
    void newSourceStaysLastUntilShownAgain();
    void duplicatesRefusedAtTheirLevel();
    void deletes_data();
    void deletes();
    void rename_data();
    void rename();
    void renameBySecondClick();
    void dragPersonToAnotherSource();
    void refusedDrops_data();
    void refusedDrops();
    void damagedFileSurvivesAnEdit();
    void renameEditorIsFramedWithItsTextSelected();
    void dragTakesThePressedNode_data();
    void dragTakesThePressedNode();
    void dropOutsideTheTreeChangesNothing_data();
    void dropOutsideTheTreeChangesNothing();
    void doubleClickExpandsOrCollapsesAll();
    void listsFromTheTreeInMemory();
    void failedSaveKeepsTheChange();
    void movedByItsBackground_data();
    void movedByItsBackground();
};

void TestBumenRenyuan::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestBumenRenyuan::windowFace()
{
    TestContext t;
    Window w(t, { "P" });
    QCOMPARE(w.form->geometry(), QRect(303, 58, 322, 628));
    QVERIFY(w.form->windowFlags().testFlag(Qt::FramelessWindowHint));
    QStringList captions;
    for (const QAction* action : w.form->PopupMenu1->actions())
        captions.append(action->isSeparator() ? u"-"_s : action->text());
    QCOMPARE(captions, QStringList({ AddSource, AddPerson, "-", DeleteSource, DeletePerson }));
    QCOMPARE(w.form->fcLabel6->text(), u"不能有相同来源及其人员。（按字母排序）"_s);
    QCOMPARE(w.form->fcImageBtn1->toolTip(), u"关闭本窗口"_s);
    QTest::mouseClick(w.form->fcImageBtn1, Qt::LeftButton);
    QVERIFY(!w.form->isVisible());
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::guards_data()
{
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");

    const QStringList tree { "P", "-x" };
    const QString needSource = u"无法加入部门,请随便选择一个部门再添加"_s;
    const QString needSourceForPerson = u"请选择要添加人员的部门"_s;
    const QString needSourceToDelete = u"请选择要删除的部门"_s;
    const QString needPerson = u"请选择要删除的人员"_s;
    QTest::newRow("add source, person selected") << tree << "P/x" << AddSource << needSource;
    QTest::newRow("add source, nothing selected") << tree << "" << AddSource << needSource;
    QTest::newRow("add person, person selected") << tree << "P/x" << AddPerson << needSourceForPerson;
    QTest::newRow("add person, nothing selected") << tree << "" << AddPerson << needSourceForPerson;
    QTest::newRow("add person, empty tree") << QStringList() << "" << AddPerson << needSourceForPerson;
    QTest::newRow("delete source, person selected") << tree << "P/x" << DeleteSource << needSourceToDelete;
    QTest::newRow("delete source, nothing selected") << tree << "" << DeleteSource << needSourceToDelete;
    QTest::newRow("delete person, source selected") << tree << "P" << DeletePerson << needPerson;
    QTest::newRow("delete person, nothing selected") << tree << "" << DeletePerson << needPerson;
}

void TestBumenRenyuan::guards()
{
    QFETCH(QStringList, sources);
    QFETCH(QString, selected);
    QFETCH(QString, command);
    QFETCH(QString, message);
    TestContext t;
    Window w(t, sources);
    w.view().setAllExpanded(true);
    const QByteArray before = t.readFile(File);
    t.prompts.expectNotice(message);
    QVERIFY(w.command(selected, command));
    QCOMPARE(outline(w.tree()), sources);
    QCOMPARE(t.readFile(File), before);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::firstSourceOfAMissingFile_data()
{
    QTest::addColumn<std::optional<QString>>("answer");
    QTest::addColumn<QStringList>("sources");

    QTest::newRow("named") << std::optional<QString>(u"办公室"_s) << QStringList({ "办公室" });
    QTest::newRow("empty") << std::optional<QString>(QString()) << QStringList();
    QTest::newRow("cancelled") << std::optional<QString>() << QStringList();
}

void TestBumenRenyuan::firstSourceOfAMissingFile()
{
    QFETCH(std::optional<QString>, answer);
    QFETCH(QStringList, sources);
    TestContext t;
    t.prompts.expectError(u"Cannot open file"_s, true); // at creation
    t.prompts.expectError(u"Cannot open file"_s, true); // and at every show
    TBumenRenyuan_form form(t.context);
    form.show();
    QVERIFY(form.SourceList().isEmpty());

    t.prompts.expectInput(u"请输入你要添加的部门"_s, answer);
    rightClick(*form.TreeView1, emptySpot(*form.TreeView1));
    QVERIFY(choose(*form.PopupMenu1, AddSource));
    QCOMPARE(t.prompts.last().caption, u"输入部门窗口"_s);
    QCOMPARE(form.SourceList(), sources);
    QCOMPARE(QFile::exists(t.file(File)), !sources.isEmpty());
    if (!sources.isEmpty())
        QCOMPARE(fileDetails(t, File), QStringList({ u"办公室 0/2 kind 0"_s }));
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::newSourceStaysLastUntilShownAgain()
{
    TestContext t;
    Window w(t, { "b" });
    t.prompts.expectInput(u"请输入你要添加的部门"_s, u"a"_s);
    QVERIFY(w.command("b", AddSource));
    QCOMPARE(t.prompts.last().caption, u"输入部门名称窗口"_s);
    QCOMPARE(w.form->SourceList(), QStringList({ "b", "a" }));
    QVERIFY(w.fileMatchesTree());
    w.reopen();
    QCOMPARE(w.form->SourceList(), QStringList({ "a", "b" }));
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::duplicatesRefusedAtTheirLevel()
{
    TestContext t;
    Window w(t, { "P", "-Wang", "Q" });
    t.prompts.expectInput(u"请输入你要添加的部门"_s, u"P"_s);
    t.prompts.expectNotice(u"你输入的部门已经存在,请重新输入"_s);
    QVERIFY(w.command("Q", AddSource));

    t.prompts.expectInput(u"请输入你要添加的人员"_s, u"Wang"_s);
    t.prompts.expectNotice(u"你所输入的人员在此部门已经存在，请另行输入"_s);
    QVERIFY(w.command("P", AddPerson));
    QCOMPARE(outline(w.tree()), QStringList({ "P", "-Wang", "Q" }));

    t.prompts.expectInput(u"请输入你要添加的人员"_s, u"Wang"_s);
    QVERIFY(w.command("Q", AddPerson));
    QCOMPARE(t.prompts.last().caption, u"输入人员姓名窗口"_s);
    QCOMPARE(w.form->PersonList("Q"), QStringList({ "Wang" }));
    QCOMPARE(details(w.tree()).last(), u"-Wang 1/2 kind 0"_s);
    QVERIFY(w.fileMatchesTree());
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::deletes_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("after");

    const QString sourceQuestion = u"确实要删除部门吗？这样部门里的人员也一并删除。"_s;
    const QString personQuestion = u"你确认要删除这个人员吗？"_s;
    const QStringList all { "P", "-a", "-b", "-c", "Q" };
    QTest::newRow("source with three people") << "P" << DeleteSource << sourceQuestion << true << QStringList { "Q" };
    QTest::newRow("source, declined") << "P" << DeleteSource << sourceQuestion << false << all;
    QTest::newRow("person") << "P/b" << DeletePerson << personQuestion << true
                            << QStringList { "P", "-a", "-c", "Q" };
    QTest::newRow("person, declined") << "P/b" << DeletePerson << personQuestion << false << all;
}

void TestBumenRenyuan::deletes()
{
    QFETCH(QString, selected);
    QFETCH(QString, command);
    QFETCH(QString, question);
    QFETCH(bool, yes);
    QFETCH(QStringList, after);
    TestContext t;
    Window w(t, { "P", "-a", "-b", "-c", "Q" });
    w.view().setAllExpanded(true);
    t.prompts.expectConfirm(question, yes);
    QVERIFY(w.command(selected, command));
    QCOMPARE(t.prompts.last().icon, Prompts::Icon::Warning);
    QCOMPARE(outline(w.tree()), after);
    QCOMPARE(w.form->PersonList("P"), after.filter(QRegularExpression("^-")).replaceInStrings("-", ""));
    QVERIFY(w.view().selectedNode()); // a node stays selected
    QVERIFY(w.fileMatchesTree());
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

enum class Outcome { Clash, Declined, Confirmed };

void TestBumenRenyuan::rename_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QStringList>("after");

    const QStringList before { "P", "-x", "-y", "Q", "-z" };
    QTest::newRow("source to another source") << "P" << "Q" << Outcome::Clash << before;
    QTest::newRow("person to a person of its source") << "P/x" << "y" << Outcome::Clash << before;
    QTest::newRow("source unchanged") << "P" << "P" << Outcome::Clash << before;
    QTest::newRow("person unchanged") << "P/x" << "x" << Outcome::Clash << before;
    QTest::newRow("declined") << "Q" << "R" << Outcome::Declined << before;
    QTest::newRow("person to a person of another source")
        << "P/x" << "z" << Outcome::Confirmed << QStringList { "P", "-y", "-z", "Q", "-z" };
    QTest::newRow("source, moving to its place")
        << "Q" << "A" << Outcome::Confirmed << QStringList { "A", "-z", "P", "-x", "-y" };
}

void TestBumenRenyuan::rename()
{
    QFETCH(QString, path);
    QFETCH(QString, text);
    QFETCH(Outcome, outcome);
    QFETCH(QStringList, after);
    TestContext t;
    Window w(t, { "P", "-x", "-y", "Q", "-z" });
    w.view().setAllExpanded(true);
    if (outcome == Outcome::Clash)
        t.prompts.expectNotice(RenameClash);
    else
        t.prompts.expectConfirm(ConfirmRename, outcome == Outcome::Confirmed);
    QVERIFY(editInPlace(w.view(), w.node(path), text));
    QCOMPARE(outline(w.tree()), after);
    QVERIFY(w.fileMatchesTree());
    w.reopen();
    QCOMPARE(outline(w.tree()), after);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::renameBySecondClick()
{
    TestContext t;
    Window w(t, { "P" });
    click(w.view(), w.node("P"));
    click(w.view(), w.node("P"));
    QLineEdit* editor = nullptr;
    QTRY_VERIFY((editor = qobject_cast<QLineEdit*>(w.view().indexWidget(w.tree().index(0, 0)))));
    editor->setText(u"总部"_s);
    t.prompts.expectConfirm(ConfirmRename, true);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(w.form->SourceList(), QStringList({ "总部" }));
    QVERIFY(w.fileMatchesTree());
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::dragPersonToAnotherSource()
{
    TestContext t;
    Window w(t, { "P", "-x", "Q" });
    w.view().setAllExpanded(true);
    const QPoint onQ = w.view().nodeRect(w.node("Q")).center();

    // A move short of the drag threshold starts no drag.
    const QPoint onX = w.view().nodeRect(w.node("P/x")).center();
    QTest::mousePress(w.view().viewport(), Qt::LeftButton, {}, onX);
    QTest::mouseMove(w.view().viewport(), onX + QPoint(2, 2));
    QTest::mouseRelease(w.view().viewport(), Qt::LeftButton, {}, onQ);
    QCOMPARE(outline(w.tree()), QStringList({ "P", "-x", "Q" }));

    drag(w.view(), w.node("P/x"), onQ);
    QCOMPARE(outline(w.tree()), QStringList({ "P", "Q", "-x" }));
    QVERIFY(w.fileMatchesTree());
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::refusedDrops_data()
{
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<QString>("target");

    QTest::newRow("person on a person") << "P/x" << "P/y";
    QTest::newRow("source on a source") << "Q" << "P";
    QTest::newRow("person on its own source") << "P/x" << "P";
    QTest::newRow("person on a source with that name") << "P/x" << "Q";
    QTest::newRow("nothing selected") << "" << "Q";
}

void TestBumenRenyuan::refusedDrops()
{
    QFETCH(QString, dragged);
    QFETCH(QString, target);
    TestContext t;
    const QStringList sources { "P", "-x", "-y", "Q", "-x" };
    Window w(t, sources);
    const QByteArray before = t.readFile(File);
    w.form->TreeView1DragDrop(w.node(dragged), w.node(target));
    QCOMPARE(outline(w.tree()), sources);
    QCOMPARE(t.readFile(File), before);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::damagedFileSurvivesAnEdit()
{
    TestContext t;
    writeTree(t, File, { "P", "-x", "Q", "-y", "R" });
    QByteArray damaged = t.readFile(File);
    // The third root's record size says 7: everything from Q on is still there but unreadable.
    const qsizetype third = damaged.indexOf(CodePage::encode(u"R"_s)) - 39 - 4;
    damaged[third] = 7;
    t.writeFile(File, damaged);
    t.clock.set(QDateTime(QDate(2026, 12, 10), QTime(14, 15, 2)));
    // Loaded when the window is made and again when it shows: one copy serves both.
    t.prompts.expectError(u"Stream read error"_s, true);
    t.prompts.expectError(u"Stream read error"_s, true);
    auto form = std::make_unique<TBumenRenyuan_form>(t.context);
    form->show();
    QCOMPARE(outline(form->TreeView1->nodeTree()), QStringList({ "P", "-x", "Q", "-y" }));

    t.prompts.expectInput(u"请输入你要添加的部门"_s, u"S"_s);
    QVERIFY(TreeDriver::command(*form->TreeView1, *form->PopupMenu1, u"P"_s, AddSource));
    QVERIFY(t.readFile(File) != damaged);
    QCOMPARE(t.readFile(File + u".damaged-20261210-141502"_s), damaged);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::renameEditorIsFramedWithItsTextSelected()
{
    TestContext t;
    Window w(t, { "总部", "-张三" });
    w.view().setAllExpanded(true);
    click(w.view(), w.node(u"总部/张三"_s));
    QTest::keyClick(&w.view(), Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(w.view().indexWidget(w.tree().indexOf(w.node(u"总部/张三"_s))));
    QVERIFY(editor);
    QCOMPARE(editor->selectedText(), u"张三"_s);
    QVERIFY(editor->styleSheet().contains(u"border: 1px solid"_s));
    QVERIFY(editor->height() >= editor->sizeHint().height());
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::dragTakesThePressedNode_data()
{
    QTest::addColumn<bool>("nearTop");
    QTest::newRow("pressed near the top edge, slipped onto the row above") << true;
    QTest::newRow("pressed near the bottom edge, slipped onto the row below") << false;
}

void TestBumenRenyuan::dragTakesThePressedNode()
{
    QFETCH(bool, nearTop);
    TestContext t;
    Window w(t, { "P", "-w", "-x", "-y", "Q" });
    w.view().setAllExpanded(true);
    const QRect row = w.view().visualRect(w.tree().indexOf(w.node("P/x")));
    const QPoint press(w.view().nodeRect(w.node("P/x")).center().x(), nearTop ? row.top() + 1 : row.bottom() - 1);
    const QPoint slipped = press + QPoint(0, nearTop ? -3 : 3);
    QVERIFY(w.view().nodeAt(slipped) != w.node("P/x"));
    const QPoint onQ = w.view().nodeRect(w.node("Q")).center();

    QTest::mousePress(w.view().viewport(), Qt::LeftButton, {}, press);
    QTest::mouseMove(w.view().viewport(), slipped);
    QTest::mouseMove(w.view().viewport(), onQ);
    QTest::mouseRelease(w.view().viewport(), Qt::LeftButton, {}, onQ);
    QCOMPARE(outline(w.tree()), QStringList({ "P", "-w", "-y", "Q", "-x" }));
    QVERIFY(w.fileMatchesTree());
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::dropOutsideTheTreeChangesNothing_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("above") << "above";
    QTest::newRow("below") << "below";
    QTest::newRow("left") << "left";
    QTest::newRow("right") << "right";
}

void TestBumenRenyuan::dropOutsideTheTreeChangesNothing()
{
    QFETCH(QString, where);
    TestContext t;
    // Enough sources that rows lie out of sight above and below.
    QStringList sources;
    for (int i = 0; i < 40; ++i)
        sources << QStringLiteral("S%1").arg(i, 2, 10, QChar('0'));
    sources.insert(20, "-x");
    Window w(t, sources);
    w.view().setAllExpanded(true);
    w.view().scrollTo(w.tree().indexOf(w.node("S19/x")), QAbstractItemView::PositionAtCenter);
    const QByteArray before = t.readFile(File);
    const QRect area = w.view().viewport()->rect();
    QVERIFY(w.view().indexAt(QPoint(20, area.top() - 5)).isValid());
    QVERIFY(w.view().indexAt(QPoint(20, area.bottom() + 5)).isValid());
    const QPoint onX = w.view().nodeRect(w.node("S19/x")).center();
    const QMap<QString, QPoint> outside { { "above", QPoint(onX.x(), area.top() - 5) },
        { "below", QPoint(onX.x(), area.bottom() + 5) }, { "left", QPoint(area.left() - 5, onX.y() + 20) },
        { "right", QPoint(area.right() + 5, onX.y() + 20) } };

    const QPoint to = outside.value(where);
    QTest::mousePress(w.view().viewport(), Qt::LeftButton, {}, onX);
    QTest::mouseMove(w.view().viewport(), onX + QPoint(0, QApplication::startDragDistance()));
    QTest::mouseMove(w.view().viewport(), to);
    QCOMPARE(w.view().viewport()->cursor().shape(), Qt::ForbiddenCursor);
    QTest::mouseRelease(w.view().viewport(), Qt::LeftButton, {}, to);
    QCOMPARE(outline(w.tree()), sources);
    QCOMPARE(t.readFile(File), before);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::doubleClickExpandsOrCollapsesAll()
{
    TestContext t;
    Window w(t, { "P", "-x", "Q", "-y" });
    doubleClick(w.view(), w.view().nodeRect(w.node("P")).center());
    QCOMPARE(rootsExpanded(w.view()), QList<bool>({ true, true }));
    QVERIFY(w.node("Q")->expanded());
    doubleClick(w.view(), emptySpot(w.view()));
    QCOMPARE(rootsExpanded(w.view()), QList<bool>({ false, false }));
    doubleClick(w.view(), emptySpot(w.view()));
    w.reopen();
    QCOMPARE(rootsExpanded(w.view()), QList<bool>({ false, false }));
    doubleClick(w.view(), emptySpot(w.view()));
    QCOMPARE(rootsExpanded(w.view()), QList<bool>({ true, true }));
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::listsFromTheTreeInMemory()
{
    TestContext t;
    writeTree(t, File, { "Q", "P", "-y", "-x" });
    TBumenRenyuan_form form(t.context); // never shown
    QCOMPARE(form.SourceList(), QStringList({ "P", "Q" }));
    QCOMPARE(form.PersonList("P"), QStringList({ "x", "y" }));
    QCOMPARE(form.PersonList("Q"), QStringList());
    QCOMPARE(form.PersonList("x"), QStringList());
    QFile::remove(t.file(File));
    QCOMPARE(form.SourceList(), QStringList({ "P", "Q" }));
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::failedSaveKeepsTheChange()
{
    TestContext t;
    Window w(t, { "P" });
    QVERIFY(QFile::remove(t.file(File)) && QDir(t.dir.path()).mkdir(File));
    t.prompts.expectInput(u"请输入你要添加的部门"_s, u"R"_s);
    t.prompts.expectError(u"Cannot create file"_s, true);
    QVERIFY(w.command("P", AddSource));
    QCOMPARE(w.form->SourceList(), QStringList({ "P", "R" }));
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestBumenRenyuan::movedByItsBackground_data()
{
    QTest::addColumn<QPoint>("press");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<bool>("moves");

    const QPoint background(290, 150);
    QTest::newRow("within the tolerance") << background << QPoint(5, -5) << false;
    QTest::newRow("past the tolerance") << background << QPoint(6, 0) << true;
    QTest::newRow("far") << background << QPoint(-120, 40) << true;
    QTest::newRow("pressed on a label") << QPoint(60, 30) << QPoint(40, 30) << false;
}

void TestBumenRenyuan::movedByItsBackground()
{
    QFETCH(QPoint, press);
    QFETCH(QPoint, offset);
    QFETCH(bool, moves);
    TestContext t;
    Window w(t, { "P" });
    const QPoint start = w.form->pos();
    const auto outlineShown = [] {
        const QWidgetList all = QApplication::topLevelWidgets();
        return std::any_of(all.begin(), all.end(), [](QWidget* w) { return qobject_cast<QRubberBand*>(w) && w->isVisible(); });
    };
    QTest::mousePress(w.form.get(), Qt::LeftButton, {}, press);
    QTest::mouseMove(w.form.get(), press + offset);
    QCOMPARE(outlineShown(), moves);
    QCOMPARE(w.form->pos(), start);
    QTest::mouseRelease(w.form.get(), Qt::LeftButton, {}, press + offset);
    QVERIFY(!outlineShown());
    QCOMPARE(w.form->pos(), moves ? start + offset : start);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

DAILORA_TEST_MAIN(TestBumenRenyuan)
#include "TestBumenRenyuan.moc"
