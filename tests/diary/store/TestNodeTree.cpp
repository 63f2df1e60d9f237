#include "common/AppError.h"
#include "diary/store/NodeTree.h"
#include "diary/store/TreeTextOrder.h"
#include "tests/diary/store/TreeOutline.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

class TestNodeTree : public QObject
{
    Q_OBJECT

private slots:
    void textOrder_data();
    void textOrder();
    void addedNodeStaysLastUntilOrderIsRestored();
    void absoluteIndexAndInvalidIndex();
    void deleteRemovesSubtree();
    void moveBecomesLastChild();
    void radioRuleAndToggleNotification();
    void modelStaysConsistent();
};

void TestNodeTree::textOrder_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");

    QTest::newRow("latin") << "apple" << "banana";
    QTest::newRow("lower before upper") << "a" << "A";
    QTest::newRow("case does not beat the letter") << "A" << "b";
    QTest::newRow("digits before letters") << "9" << "a";
    QTest::newRow("latin before Chinese") << "zebra" << "阿";
    QTest::newRow("pinyin") << "办公室" << "财务部"; // ban < cai
    QTest::newRow("pinyin 2") << "李" << "王";      // li < wang
}

void TestNodeTree::textOrder()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QVERIFY(compareTreeText(first, second) < 0);
    QVERIFY(compareTreeText(second, first) > 0);
    QCOMPARE(compareTreeText(first, first), 0);
}

void TestNodeTree::addedNodeStaysLastUntilOrderIsRestored()
{
    NodeTree tree(NodeTree::SortMode::Text);
    TreeNode* b = tree.addRoot(QStringLiteral("b"));
    tree.addRoot(QStringLiteral("a"));
    QCOMPARE(outline(tree), QStringList({ "b", "a" }));
    tree.setText(b, QStringLiteral("c"));
    QCOMPARE(outline(tree), QStringList({ "a", "c" }));

    TreeNode* c = tree.nodeAt(1);
    TreeNode* a = tree.nodeAt(0);
    tree.addChild(c, QStringLiteral("z"));
    TreeNode* y = tree.addChild(a, QStringLiteral("y"));
    tree.addChild(c, QStringLiteral("x"));
    QCOMPARE(outline(tree), QStringList({ "a", "-y", "c", "-z", "-x" }));
    tree.moveNode(y, c);
    QCOMPARE(outline(tree), QStringList({ "a", "c", "-x", "-y", "-z" }));

    NodeTree unsorted;
    TreeNode* u = unsorted.addRoot(QStringLiteral("b"));
    unsorted.addRoot(QStringLiteral("a"));
    unsorted.setText(u, QStringLiteral("c"));
    QCOMPARE(outline(unsorted), QStringList({ "c", "a" }));
}

void TestNodeTree::absoluteIndexAndInvalidIndex()
{
    NodeTree tree;
    TreeNode* p = tree.addRoot(QStringLiteral("p"));
    tree.addChild(p, QStringLiteral("x"));
    tree.addRoot(QStringLiteral("q"));
    QCOMPARE(tree.nodeCount(), 3);
    QCOMPARE(tree.nodeAt(1)->text(), QStringLiteral("x"));
    QCOMPARE(tree.nodeAt(1)->parent(), p);
    QCOMPARE(tree.nodeAt(2)->level(), 0);
    QCOMPARE(tree.nextSibling(p), tree.nodeAt(2));
    for (int bad : { -1, 3 }) {
        try {
            tree.nodeAt(bad);
            QFAIL("no failure");
        } catch (const AppError& e) {
            QCOMPARE(e.message(), QStringLiteral("Invalid index"));
        }
    }
}

void TestNodeTree::deleteRemovesSubtree()
{
    NodeTree tree;
    TreeNode* p = tree.addRoot(QStringLiteral("p"));
    for (const char* name : { "x", "y", "z" })
        tree.addChild(p, QString::fromLatin1(name));
    tree.addRoot(QStringLiteral("q"));
    tree.deleteNode(p);
    QCOMPARE(outline(tree), QStringList({ "q" }));
}

void TestNodeTree::moveBecomesLastChild()
{
    NodeTree tree;
    TreeNode* p = tree.addRoot(QStringLiteral("p"));
    TreeNode* q = tree.addRoot(QStringLiteral("q"));
    TreeNode* x = tree.addChild(p, QStringLiteral("x"));
    tree.addChild(q, QStringLiteral("y"));
    tree.moveNode(x, q);
    QCOMPARE(outline(tree), QStringList({ "p", "q", "-y", "-x" }));
    QCOMPARE(x->parent(), q);
    tree.moveNode(q, x); // into its own subtree: refused
    QCOMPARE(outline(tree), QStringList({ "p", "q", "-y", "-x" }));
}

void TestNodeTree::radioRuleAndToggleNotification()
{
    NodeTree tree;
    TreeNode* type = tree.addRoot(QStringLiteral("t"));
    TreeNode* a = tree.addChild(type, QStringLiteral("a"));
    TreeNode* b = tree.addChild(type, QStringLiteral("b"));
    tree.setCheckKind(a, TreeNode::CheckKind::Radio);
    tree.setCheckKind(b, TreeNode::CheckKind::Radio);
    QSignalSpy toggles(&tree, &NodeTree::checkToggled);
    tree.setChecked(a, true);
    tree.setChecked(b, true);
    QVERIFY(!a->checked());
    QVERIFY(b->checked());
    QCOMPARE(toggles.size(), 2);
    QCOMPARE(toggles.at(1).at(0).value<TreeNode*>(), b);
    tree.setChecked(b, true); // no change, no notification
    QCOMPARE(toggles.size(), 2);
    // A node without a mark kind can still carry a mark; check boxes are independent.
    tree.setChecked(type, true);
    QVERIFY(type->checked());
    QCOMPARE(tree.data(tree.indexOf(type), Qt::CheckStateRole), QVariant());
}

void TestNodeTree::modelStaysConsistent()
{
    NodeTree tree(NodeTree::SortMode::Text);
    QAbstractItemModelTester tester(&tree, QAbstractItemModelTester::FailureReportingMode::QtTest);
    TreeNode* b = tree.addRoot(QStringLiteral("b"));
    TreeNode* a = tree.addRoot(QStringLiteral("a"));
    TreeNode* x = tree.addChild(b, QStringLiteral("x"));
    tree.addChild(a, QStringLiteral("w"));
    QPersistentModelIndex persistentX(tree.indexOf(x));
    tree.setText(b, QStringLiteral("0"));
    QCOMPARE(NodeTree::nodeOf(persistentX), x);
    QVERIFY(tree.setData(tree.indexOf(a), QStringLiteral("c")));
    tree.moveNode(x, a);
    QCOMPARE(persistentX.parent(), tree.indexOf(tree.nodeAt(1)));
    tree.deleteNode(a);
    tree.clear();
    QCOMPARE(tree.rowCount(), 0);
}

QTEST_GUILESS_MAIN(TestNodeTree)
#include "TestNodeTree.moc"
