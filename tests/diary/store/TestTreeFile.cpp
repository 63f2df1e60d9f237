#include "common/AppError.h"
#include "common/CodePage.h"
#include "diary/store/NodeTree.h"
#include "diary/store/TreeFile.h"
#include "tests/diary/store/TreeFileBytes.h"
#include "tests/diary/store/TreeOutline.h"
#include "tests/support/TestContext.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QTest>

using namespace TreeFileBytes;

namespace {

// Runs step and returns the failure's text, or an empty text when it succeeded.
template <typename Step> QString failureOf(Step step)
{
    try {
        step();
    } catch (const AppError& e) {
        return e.message();
    }
    return {};
}

} // namespace

class TestTreeFile : public QObject
{
    Q_OBJECT

private slots:
    void builtInPasswordTreeIsByteExact();
    void recordSize_data();
    void recordSize();
    void emptyTree();
    void loadSortsOnlySortedTrees();
    void expandedNodesLoadCollapsed();
    void roundTripTwoLevels();
    void marksFollowTheRadioRuleWhileLoading();
    void missingFileLeavesTreeAlone();
    void damagedFile_data();
    void damagedFile();
    void saveFailureIsReported();
};

void TestTreeFile::builtInPasswordTreeIsByteExact()
{
    const QByteArray expected = QByteArray::fromHex(
        "01000000" "2B000000" "00000000" "00000000" "FFFFFFFF" "FFFFFFFF" "00" "00" "01" "000000"
        "00000000" "00000000" "00000000" "01000000" "04" "6E6F6465"
        "27000000" "00000000" "00000000" "FFFFFFFF" "FFFFFFFF" "00" "00" "00" "000000"
        "00000000" "00000000" "00000000" "00000000" "00");
    QCOMPARE(expected.size(), 94);

    TestContext t;
    NodeTree tree;
    TreeNode* root = tree.addRoot(QStringLiteral("node"));
    tree.addChild(root, QString());
    tree.setExpanded(root, true);
    SaveTreeFile(tree, t.file("temp.nod"));
    QCOMPARE(t.readFile("temp.nod"), expected);

    NodeTree loaded;
    LoadTreeFile(loaded, t.file("temp.nod"), t.clock.now());
    QCOMPARE(loaded.nodeCount(), 2);
    QCOMPARE(loaded.nodeAt(0)->text(), QStringLiteral("node"));
    QCOMPARE(loaded.nodeAt(1)->text(), QString());
    QCOMPARE(loaded.nodeAt(1)->stateIndex(), -1);
    QCOMPARE(loaded.nodeAt(1)->overlayIndex(), -1);
}

void TestTreeFile::recordSize_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("size");

    QTest::newRow("empty") << QString() << 39;
    QTest::newRow("one Chinese character") << QStringLiteral("中") << 41;
    QTest::newRow("300 bytes") << QString(300, QLatin1Char('x')) << 294;
    // 1 + 2 * 150 bytes: byte 255 is the first half of a character.
    QTest::newRow("cut inside a character") << (QStringLiteral("a") + QString(150, QChar(0x4E2D))) << 294;
}

void TestTreeFile::recordSize()
{
    QFETCH(QString, text);
    QFETCH(int, size);

    TestContext t;
    NodeTree tree;
    tree.addRoot(text);
    SaveTreeFile(tree, t.file("t.nod"));
    Block b;
    b.text = CodePage::encode(text).left(255);
    QCOMPARE(t.readFile("t.nod"), int32(1) + block(b));
    QCOMPARE(t.readFile("t.nod").mid(4, 4), int32(size));
}

void TestTreeFile::emptyTree()
{
    TestContext t;
    NodeTree tree;
    SaveTreeFile(tree, t.file("e.nod"));
    QCOMPARE(t.readFile("e.nod"), QByteArray(4, '\0'));
    tree.addRoot(QStringLiteral("x"));
    LoadTreeFile(tree, t.file("e.nod"), t.clock.now());
    QCOMPARE(tree.nodeCount(), 0);
}

void TestTreeFile::loadSortsOnlySortedTrees()
{
    TestContext t;
    t.writeFile("ba.nod", int32(2) + block({ "b" }) + block({ "a" }));
    NodeTree sorted(NodeTree::SortMode::Text);
    LoadTreeFile(sorted, t.file("ba.nod"), t.clock.now());
    QCOMPARE(outline(sorted), QStringList({ "a", "b" }));
    NodeTree password;
    LoadTreeFile(password, t.file("ba.nod"), t.clock.now());
    QCOMPARE(outline(password), QStringList({ "b", "a" }));
}

void TestTreeFile::expandedNodesLoadCollapsed()
{
    TestContext t;
    t.writeFile("x.nod", int32(1) + block({ "p", 1, true }) + block({ "c" }));
    NodeTree tree;
    LoadTreeFile(tree, t.file("x.nod"), t.clock.now());
    QVERIFY(!tree.nodeAt(0)->expanded());
    tree.setStreamExpandedNode(true);
    LoadTreeFile(tree, t.file("x.nod"), t.clock.now());
    QVERIFY(tree.nodeAt(0)->expanded());
}

void TestTreeFile::roundTripTwoLevels()
{
    TestContext t;
    NodeTree tree;
    TreeNode* office = tree.addRoot(QStringLiteral("办公室"));
    tree.addChild(office, QStringLiteral("王"));
    tree.addChild(office, QStringLiteral("Li"));
    TreeNode* sales = tree.addRoot(QStringLiteral("sales"));
    TreeNode* zhang = tree.addChild(sales, QStringLiteral("张三"));
    tree.setImages(zhang, 1, 2);
    tree.setCheckKind(zhang, TreeNode::CheckKind::Radio);
    tree.setChecked(zhang, true);
    SaveTreeFile(tree, t.file("r.nod"));

    NodeTree loaded;
    LoadTreeFile(loaded, t.file("r.nod"), t.clock.now());
    QCOMPARE(outline(loaded), outline(tree));
    for (int i = 0; i < tree.nodeCount(); ++i) {
        const TreeNode* a = tree.nodeAt(i);
        const TreeNode* b = loaded.nodeAt(i);
        QCOMPARE(b->level(), a->level());
        QCOMPARE(b->row(), a->row());
        QCOMPARE(b->parent() ? b->parent()->text() : QString(), a->parent() ? a->parent()->text() : QString());
        QCOMPARE(b->imageIndex(), a->imageIndex());
        QCOMPARE(b->selectedIndex(), a->selectedIndex());
        QCOMPARE(b->checkKind(), a->checkKind());
        QCOMPARE(b->checked(), a->checked());
    }
    SaveTreeFile(loaded, t.file("again.nod"));
    QCOMPARE(t.readFile("again.nod"), t.readFile("r.nod"));
}

void TestTreeFile::marksFollowTheRadioRuleWhileLoading()
{
    TestContext t;
    const QByteArray item1 = block({ "x", 0, false, 2, true });
    const QByteArray item2 = block({ "y", 0, false, 2, true });
    t.writeFile("m.nod", int32(1) + block({ "t", 2 }) + item1 + item2);
    NodeTree tree;
    QSignalSpy toggles(&tree, &NodeTree::checkToggled);
    LoadTreeFile(tree, t.file("m.nod"), t.clock.now());
    QVERIFY(!tree.nodeAt(1)->checked());
    QVERIFY(tree.nodeAt(2)->checked());
    QCOMPARE(toggles.size(), 2);
}

void TestTreeFile::missingFileLeavesTreeAlone()
{
    TestContext t;
    NodeTree tree;
    tree.addRoot(QStringLiteral("kept"));
    const QString path = t.file("none.nod");
    QCOMPARE(failureOf([&] { LoadTreeFile(tree, path, t.clock.now()); }),
        QStringLiteral("Cannot open file \"%1\". No such file or directory").arg(path));
    QCOMPARE(outline(tree), QStringList({ "kept" }));
}

void TestTreeFile::damagedFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("kept");

    const QByteArray a = block({ "a" });
    QByteArray tooSmall = a;
    tooSmall.replace(0, 4, int32(38));
    QByteArray tooLarge = a;
    tooLarge.replace(0, 4, int32(295));
    QByteArray negativeChildren = a;
    negativeChildren.replace(4 + 34, 4, int32(-1));
    QByteArray hugeExtra = a;
    hugeExtra.replace(4 + 26, 4, int32(0x7FFFFFFF));

    QTest::newRow("no root count") << QByteArray("\x01\x00", 2) << QStringList();
    QTest::newRow("negative root count") << int32(-5) << QStringList();
    QTest::newRow("absurd root count") << int32(0x7FFFFFFF) + a << QStringList({ "a" });
    QTest::newRow("absurd child count") << int32(1) + block({ "p", 0x7FFFFFFF }) + a << QStringList({ "p", "-a" });
    QTest::newRow("negative child count") << int32(1) + negativeChildren << QStringList({ "a" });
    QTest::newRow("record size 38") << int32(1) + tooSmall << QStringList();
    QTest::newRow("record size 295") << int32(1) + tooLarge << QStringList();
    QTest::newRow("ends inside a record") << int32(2) + a + block({ "b" }).left(20) << QStringList({ "a" });
    QTest::newRow("extra string past the end") << int32(1) + hugeExtra << QStringList({ "a" });
    QTest::newRow("second root missing") << int32(2) + a << QStringList({ "a" });
}

void TestTreeFile::damagedFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, kept);

    TestContext t;
    t.writeFile("bad.nod", bytes);
    NodeTree tree;
    tree.addRoot(QStringLiteral("old"));
    t.clock.set(QDateTime(QDate(2026, 12, 10), QTime(14, 15, 2)));
    const QString copy = t.file("bad.nod.damaged-20261210-141502");
    QCOMPARE(failureOf([&] { LoadTreeFile(tree, t.file("bad.nod"), t.clock.now()); }),
        QStringLiteral("Stream read error\n损坏的文件已原样保留为 \"%1\"").arg(copy));
    QCOMPARE(outline(tree), kept);
    QCOMPARE(t.readFile("bad.nod.damaged-20261210-141502"), bytes);
    // Loading it again finds that copy; other damage later gets a copy of its own.
    t.clock.set(t.clock.now().addSecs(60));
    QVERIFY(failureOf([&] { LoadTreeFile(tree, t.file("bad.nod"), t.clock.now()); }).endsWith(copy + "\""));
    t.writeFile("bad.nod", bytes + "x");
    QVERIFY(failureOf([&] {
        LoadTreeFile(tree, t.file("bad.nod"), t.clock.now());
    }).endsWith(t.file("bad.nod.damaged-20261210-141602") + "\""));
    QCOMPARE(t.readFile("bad.nod.damaged-20261210-141502"), bytes);
}

void TestTreeFile::saveFailureIsReported()
{
    TestContext t;
    NodeTree tree;
    tree.addRoot(QStringLiteral("a"));
    const QString missingFolder = t.file("gone/t.nod");
    QVERIFY(failureOf([&] { SaveTreeFile(tree, missingFolder); })
                .startsWith(QStringLiteral("Cannot create file \"%1\". ").arg(missingFolder)));

    // A folder in the file's place cannot be replaced, and stays as it was.
    QDir(t.dir.path()).mkdir(QStringLiteral("t.nod"));
    QVERIFY(failureOf([&] { SaveTreeFile(tree, t.file("t.nod")); }).startsWith(QStringLiteral("Cannot create file")));
    QVERIFY(QFileInfo(t.file("t.nod")).isDir());
}

QTEST_GUILESS_MAIN(TestTreeFile)
#include "TestTreeFile.moc"
