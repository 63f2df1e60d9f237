#pragma once

#include "diary/store/TreeNode.h"

#include <QPoint>
#include "tests/diary/store/TreeOutline.h"

#include <QStringList>

class NodeTree;
class NodeTreeView;
class QAction;
class QMenu;
class TestContext;

// Fixtures and user actions for the tests of the two-level trees. An outline lists a tree in
// display order, a member with a leading "-": { "P", "-x", "-y", "Q" }. A path names a node:
// "P" or "P/x".
namespace TreeDriver {

void writeTree(const TestContext& t, const QString& file, const QStringList& outline,
    TreeNode::CheckKind memberKind = TreeNode::CheckKind::None);
// Every node with its pictures and mark, to compare a tree with what its file holds.
QStringList details(const NodeTree& tree);
// The details of the tree in a file, in the file's order.
QStringList fileDetails(const TestContext& t, const QString& file);
// Whether the file loads back into the same tree.
bool fileMatches(const TestContext& t, const QString& file, const NodeTree& tree);
TreeNode* find(const NodeTree& tree, const QString& path);
// Whether each root is shown expanded.
QList<bool> rootsExpanded(const NodeTreeView& view);

// A point of the view below every node.
QPoint emptySpot(const NodeTreeView& view);
void click(NodeTreeView& view, const TreeNode* node);
void doubleClick(NodeTreeView& view, const QPoint& pos);
// A right click at pos that opens the view's context menu.
void rightClick(NodeTreeView& view, const QPoint& pos);
void rightClick(NodeTreeView& view, const TreeNode* node);
// Clicks the entry with that caption in an open menu; false when there is none.
[[nodiscard]] bool choose(QMenu& menu, const QString& caption);
// Right-clicks the node at path, or below every node for an empty path, and chooses from menu.
[[nodiscard]] bool command(NodeTreeView& view, QMenu& menu, const QString& path, const QString& caption);
// Selects the node, opens its editor with F2, enters text and waits for the edit's report.
[[nodiscard]] bool editInPlace(NodeTreeView& view, const TreeNode* node, const QString& text);
void drag(NodeTreeView& view, const TreeNode* from, const QPoint& to);

} // namespace TreeDriver
