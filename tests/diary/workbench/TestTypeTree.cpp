#include "diary/trees/NodeTreeView.h"
#include "diary/workbench/TypeTree.h"
#include "tests/diary/trees/TreeDriver.h"
#include "tests/support/TestContext.h"
#include "tests/support/TestMain.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>

using namespace TreeDriver;
using namespace Qt::StringLiterals;

namespace {

const QString File = u"typtreeview.nod"_s;
const QString AddType = u"添加类型"_s;
const QString AddItem = u"添加项目"_s;
const QString DeleteType = u"删除类型"_s;
const QString DeleteItem = u"删除项目"_s;
const QString TypePrompt = u"请输入你要添加的类型"_s;
const QString ItemPrompt = u"请输入你要添加的项目"_s;
constexpr auto Radio = TreeNode::CheckKind::Radio;

// The type tree on a program folder holding the given tree, loaded and shown.
struct Types
{
    Types(TestContext& t, const QStringList& types)
        : t(t)
        , widget(t.context)
    {
        writeTree(t, File, types, Radio);
        widget.resize(200, 400);
        widget.LoadTypeTree();
        widget.show();
        view().setAllExpanded(true);
    }

    NodeTree& tree() { return widget.tree(); }
    NodeTreeView& view() { return *widget.fcTreeView1; }
    TreeNode* node(const QString& path) { return find(tree(), path); }
    [[nodiscard]] bool command(const QString& path, const QString& caption)
    {
        return TreeDriver::command(view(), *widget.PopupMenu3, path, caption);
    }
    bool fileMatchesTree() { return fileMatches(t, File, tree()); }

    TestContext& t;
    TypeTree widget;
};

} // namespace

class TestTypeTree : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void guards_data();
    void guards();
    void addTypesAndItems();
    void deletes_data();
    void deletes();
    void rename_data();
    void rename();
    void dragItemToAnotherType();
    void refusedDrops_data();
    void refusedDrops();
    void expandButton();
    void lists();
    void marks();
    void failedSaveKeepsTheChange();
};

void TestTypeTree::initTestCase()
{
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestTypeTree::guards_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");

    const QString needType = u"无法加入类型,请随便选择一个类型再添加"_s;
    const QString needTypeForItem = u"请选择要添加项目的类型"_s;
    const QString needTypeToDelete = u"请选择要删除的类型"_s;
    const QString needItem = u"请选择要删除的项目"_s;
    QTest::newRow("add type, item selected") << "T/i" << AddType << needType;
    QTest::newRow("add type, nothing selected") << "" << AddType << needType;
    QTest::newRow("add item, item selected") << "T/i" << AddItem << needTypeForItem;
    QTest::newRow("add item, nothing selected") << "" << AddItem << needTypeForItem;
    QTest::newRow("delete type, item selected") << "T/i" << DeleteType << needTypeToDelete;
    QTest::newRow("delete type, nothing selected") << "" << DeleteType << needTypeToDelete;
    QTest::newRow("delete item, type selected") << "T" << DeleteItem << needItem;
    QTest::newRow("delete item, nothing selected") << "" << DeleteItem << needItem;
}

void TestTypeTree::guards()
{
    QFETCH(QString, selected);
    QFETCH(QString, command);
    QFETCH(QString, message);
    TestContext t;
    Types w(t, { "T", "-i" });
    const QByteArray before = t.readFile(File);
    t.prompts.expectNotice(message);
    QVERIFY(w.command(selected, command));
    QCOMPARE(outline(w.tree()), QStringList({ "T", "-i" }));
    QCOMPARE(t.readFile(File), before);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestTypeTree::addTypesAndItems()
{
    TestContext t;
    t.prompts.expectError(u"Cannot open file"_s, true);
    TypeTree widget(t.context);
    widget.LoadTypeTree();
    widget.show();
    NodeTreeView& view = *widget.fcTreeView1;
    const auto command = [&](const QString& path, const QString& caption) {
        return TreeDriver::command(view, *widget.PopupMenu3, path, caption);
    };

    t.prompts.expectInput(TypePrompt, u"会议"_s);
    QVERIFY(command("", AddType));
    QCOMPARE(t.prompts.last().caption, u"输入类型窗口"_s);
    t.prompts.expectInput(TypePrompt, u"出差"_s);
    QVERIFY(command("会议", AddType));
    QCOMPARE(t.prompts.last().caption, u"输入类型窗口"_s);
    QCOMPARE(widget.TypeList(), QStringList({ "出差", "会议" })); // in text order at once
    t.prompts.expectInput(TypePrompt, u"会议"_s);
    t.prompts.expectNotice(u"你输入的类型已经存在,请重新输入"_s);
    QVERIFY(command("出差", AddType));

    t.prompts.expectInput(ItemPrompt, u"会议"_s); // an item may bear a type's name
    QVERIFY(command("会议", AddItem));
    QCOMPARE(t.prompts.last().caption, u"输入项目窗口"_s);
    t.prompts.expectInput(ItemPrompt, u"会议"_s);
    t.prompts.expectNotice(u"你所输入的项目在此类型中已经存在，请另行输入"_s);
    QVERIFY(command("会议", AddItem));
    view.setAllExpanded(true);
    t.prompts.expectInput(ItemPrompt, u"会议"_s); // and so may an item of another type
    QVERIFY(command("出差", AddItem));
    t.prompts.expectInput(ItemPrompt, u"北京"_s);
    QVERIFY(command("出差", AddItem));
    t.prompts.expectInput(ItemPrompt, QString());
    QVERIFY(command("出差", AddItem));

    QCOMPARE(details(widget.tree()),
        QStringList({ "出差 0/0 kind 0", "-北京 0/0 kind 2", "-会议 0/0 kind 2", "会议 0/0 kind 0",
            "-会议 0/0 kind 2" }));
    QVERIFY(fileMatches(t, File, widget.tree()));
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestTypeTree::deletes_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QStringList>("after");

    const QString typeQuestion = u"确实要删除类型吗？这样类型里的项目也一并删除。"_s;
    const QString itemQuestion = u"你确认要删除这个项目吗？"_s;
    const QStringList all { "A", "-x", "-y", "B" };
    QTest::newRow("type with its items") << "A" << DeleteType << typeQuestion << true << QStringList { "B" };
    QTest::newRow("type, declined") << "A" << DeleteType << typeQuestion << false << all;
    QTest::newRow("item") << "A/x" << DeleteItem << itemQuestion << true << QStringList { "A", "-y", "B" };
    QTest::newRow("item, declined") << "A/x" << DeleteItem << itemQuestion << false << all;
}

void TestTypeTree::deletes()
{
    QFETCH(QString, selected);
    QFETCH(QString, command);
    QFETCH(QString, question);
    QFETCH(bool, yes);
    QFETCH(QStringList, after);
    TestContext t;
    Types w(t, { "A", "-x", "-y", "B" });
    t.prompts.expectConfirm(question, yes);
    QVERIFY(w.command(selected, command));
    QCOMPARE(t.prompts.last().icon, Prompts::Icon::Warning);
    QCOMPARE(outline(w.tree()), after);
    QVERIFY(w.fileMatchesTree());
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

enum class Outcome { Clash, Declined, Confirmed };

void TestTypeTree::rename_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QStringList>("after");

    const QStringList before { "A", "-x", "-y", "B", "-z" };
    QTest::newRow("type to another type") << "B" << "A" << Outcome::Clash << before;
    QTest::newRow("item to an item of its type") << "A/y" << "x" << Outcome::Clash << before;
    QTest::newRow("unchanged") << "A/x" << "x" << Outcome::Clash << before;
    QTest::newRow("declined") << "B" << "C" << Outcome::Declined << before;
    QTest::newRow("item to an item of another type")
        << "A/x" << "z" << Outcome::Confirmed << QStringList { "A", "-y", "-z", "B", "-z" };
    QTest::newRow("type, moving to its place")
        << "B" << "0" << Outcome::Confirmed << QStringList { "0", "-z", "A", "-x", "-y" };
}

void TestTypeTree::rename()
{
    QFETCH(QString, path);
    QFETCH(QString, text);
    QFETCH(Outcome, outcome);
    QFETCH(QStringList, after);
    TestContext t;
    Types w(t, { "A", "-x", "-y", "B", "-z" });
    if (outcome == Outcome::Clash)
        t.prompts.expectNotice(u"修改后的内容已经存在，请另行输入"_s);
    else
        t.prompts.expectConfirm(u"你确认要修改吗？"_s, outcome == Outcome::Confirmed);
    QVERIFY(editInPlace(w.view(), w.node(path), text));
    QCOMPARE(outline(w.tree()), after);
    QVERIFY(w.fileMatchesTree());
    w.widget.LoadTypeTree();
    QCOMPARE(outline(w.tree()), after);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestTypeTree::dragItemToAnotherType()
{
    TestContext t;
    Types w(t, { "A", "-x", "B", "-y" });
    drag(w.view(), w.node("A/x"), w.view().nodeRect(w.node("B")).center());
    QCOMPARE(outline(w.tree()), QStringList({ "A", "B", "-x", "-y" }));
    QVERIFY(w.fileMatchesTree());
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestTypeTree::refusedDrops_data()
{
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<QString>("target");

    QTest::newRow("item on an item") << "A/x" << "B/x";
    QTest::newRow("type on a type") << "B" << "A";
    QTest::newRow("item on its own type") << "A/y" << "A";
    QTest::newRow("item on a type with that name") << "A/x" << "B";
    QTest::newRow("nothing selected") << "" << "B";
}

void TestTypeTree::refusedDrops()
{
    QFETCH(QString, dragged);
    QFETCH(QString, target);
    TestContext t;
    const QStringList types { "A", "-x", "-y", "B", "-x" };
    Types w(t, types);
    const QByteArray before = t.readFile(File);
    w.widget.fcTreeView1DragDrop(w.node(dragged), w.node(target));
    QCOMPARE(outline(w.tree()), types);
    QCOMPARE(t.readFile(File), before);
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestTypeTree::expandButton()
{
    TestContext t;
    Types w(t, { "A", "-x", "B", "-y" });
    w.view().setAllExpanded(false);
    QPushButton& button = *w.widget.fcShapeBtn1;
    QCOMPARE(button.text(), u"类   型"_s);
    QCOMPARE(button.toolTip(), u"展开（合并）目录"_s);
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.isChecked());
    QCOMPARE(rootsExpanded(w.view()), QList<bool>({ true, true }));
    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(!button.isChecked());
    QCOMPARE(rootsExpanded(w.view()), QList<bool>({ false, false }));
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestTypeTree::lists()
{
    TestContext t;
    Types w(t, { "B", "-y", "A", "-x", "B", "-w" }); // two types of one name, as a file may hold
    QCOMPARE(w.widget.TypeList(), QStringList({ "A", "B", "B" }));
    QCOMPARE(w.widget.ItemList("B"), QStringList({ "y", "w" }));
    QCOMPARE(w.widget.ItemList("x"), QStringList());
    QVERIFY(w.widget.TypeExists("A"));
    QVERIFY(!w.widget.TypeExists("x"));
    QVERIFY(w.widget.HasChildNamed(w.node("A"), "x"));
    QVERIFY(!w.widget.HasChildNamed(w.node("A"), "A"));
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestTypeTree::marks()
{
    TestContext t;
    Types w(t, { "A", "-x", "-y" });
    QSignalSpy toggled(&w.tree(), &NodeTree::checkToggled);
    const auto clickMark = [&](const QString& path) {
        const QRect node = w.view().nodeRect(w.node(path));
        QTest::mouseClick(w.view().viewport(), Qt::LeftButton, {}, QPoint(node.left() + 9, node.center().y()));
    };
    clickMark("A/x");
    clickMark("A/y");
    clickMark("A/y"); // a click never clears a radio mark
    QVERIFY(!w.node("A/x")->checked());
    QVERIFY(w.node("A/y")->checked());
    QCOMPARE(toggled.size(), 2);
    QCOMPARE(toggled.last().at(0).value<TreeNode*>(), w.node("A/y"));

    w.widget.SaveTypeTree();
    w.widget.LoadTypeTree();
    QVERIFY(w.node("A/y")->checked());
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

void TestTypeTree::failedSaveKeepsTheChange()
{
    TestContext t;
    const AppContext missing { t.file(u"gone"_s), t.prompts, t.clock };
    TypeTree widget(missing);
    widget.show();
    t.prompts.expectInput(TypePrompt, u"会议"_s);
    t.prompts.expectError(u"Cannot create file"_s, true);
    rightClick(*widget.fcTreeView1, emptySpot(*widget.fcTreeView1));
    QVERIFY(choose(*widget.PopupMenu3, AddType));
    QCOMPARE(widget.TypeList(), QStringList({ "会议" }));
    QVERIFY2(t.prompts.done(), qPrintable(t.prompts.problems()));
}

DAILORA_TEST_MAIN(TestTypeTree)
#include "TestTypeTree.moc"
