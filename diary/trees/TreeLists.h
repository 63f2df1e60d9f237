#pragma once

#include <QStringList>

class NodeTree;
class TreeNode;

// Questions answered from a two-level tree in memory: categories at level 0, members at level 1.
// Texts compare exactly, and lists come in display order.

QStringList categoryTexts(const NodeTree& tree);
// The members of every category bearing that text; empty when there is none.
QStringList memberTexts(const NodeTree& tree, const QString& category);
bool categoryExists(const NodeTree& tree, const QString& text);
bool hasChildNamed(const TreeNode* node, const QString& text);
// Whether text is borne by node itself or one of its siblings.
bool siblingsHave(const NodeTree& tree, const TreeNode* node, const QString& text);
