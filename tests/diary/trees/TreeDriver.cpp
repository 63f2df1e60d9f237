#include "tests/diary/trees/TreeDriver.h"

#include "diary/store/NodeTree.h"
#include "diary/store/TreeFile.h"
#include "diary/trees/NodeTreeView.h"
#include "tests/support/TestContext.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

namespace TreeDriver {

void writeTree(const TestContext& t, const QString& file, const QStringList& outline, TreeNode::CheckKind memberKind)
{
    NodeTree tree;
    TreeNode* category = nullptr;
    for (const QString& line : outline) {
        if (!line.startsWith(u'-')) {
            category = tree.addRoot(line);
            continue;
        }
        TreeNode* member = tree.addChild(category, line.mid(1));
        tree.setImages(member, 1, 2);
        tree.setCheckKind(member, memberKind);
    }
    SaveTreeFile(tree, t.file(file));
}

QStringList details(const NodeTree& tree)
{
    QStringList result;
    for (const TreeNode* node : tree.nodes())
        result.append(QStringLiteral("%1%2 %3/%4 kind %5%6")
                          .arg(QString(node->level(), u'-'), node->text())
                          .arg(node->imageIndex())
                          .arg(node->selectedIndex())
                          .arg(int(node->checkKind()))
                          .arg(node->checked() ? " marked" : ""));
    return result;
}

QStringList fileDetails(const TestContext& t, const QString& file)
{
    NodeTree tree;
    LoadTreeFile(tree, t.file(file), t.clock.now());
    return details(tree);
}

bool fileMatches(const TestContext& t, const QString& file, const NodeTree& tree)
{
    return fileDetails(t, file) == details(tree);
}

TreeNode* find(const NodeTree& tree, const QString& path)
{
    const QStringList parts = path.split(u'/');
    for (TreeNode* node : tree.nodes()) {
        const bool matches = node->level() == parts.size() - 1 && node->text() == parts.last()
            && (parts.size() == 1 || node->parent()->text() == parts.first());
        if (matches)
            return node;
    }
    return nullptr;
}

QList<bool> rootsExpanded(const NodeTreeView& view)
{
    QList<bool> result;
    for (int row = 0; row < view.nodeTree().rootCount(); ++row)
        result.append(view.isExpanded(view.nodeTree().index(row, 0)));
    return result;
}

QPoint emptySpot(const NodeTreeView& view)
{
    return { view.viewport()->width() / 2, view.viewport()->height() - 5 };
}

void click(NodeTreeView& view, const TreeNode* node)
{
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.nodeRect(node).center());
}

void doubleClick(NodeTreeView& view, const QPoint& pos)
{
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, pos);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, pos);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, pos);
}

void rightClick(NodeTreeView& view, const QPoint& pos)
{
    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, pos);
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, view.viewport()->mapToGlobal(pos));
    QApplication::sendEvent(view.viewport(), &event);
}

void rightClick(NodeTreeView& view, const TreeNode* node)
{
    rightClick(view, view.nodeRect(node).center());
}

bool choose(QMenu& menu, const QString& caption)
{
    if (!menu.isVisible())
        return false;
    for (QAction* action : menu.actions()) {
        if (action->text() == caption) {
            QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
            return true;
        }
    }
    menu.hide();
    return false;
}

bool command(NodeTreeView& view, QMenu& menu, const QString& path, const QString& caption)
{
    if (path.isEmpty())
        rightClick(view, emptySpot(view));
    else
        rightClick(view, find(view.nodeTree(), path));
    return choose(menu, caption);
}

bool editInPlace(NodeTreeView& view, const TreeNode* node, const QString& text)
{
    click(view, node);
    QTest::keyClick(&view, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(view.indexWidget(view.nodeTree().indexOf(node)));
    if (!editor)
        return false;
    editor->setText(text);
    QSignalSpy edited(&view, &NodeTreeView::nodeEdited);
    QTest::keyClick(editor, Qt::Key_Return);
    return edited.wait();
}

void drag(NodeTreeView& view, const TreeNode* from, const QPoint& to)
{
    const QPoint start = view.nodeRect(from).center();
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, start);
    QTest::mouseMove(view.viewport(), start + QPoint(0, QApplication::startDragDistance()));
    QTest::mouseMove(view.viewport(), to);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, to);
}

} // namespace TreeDriver
