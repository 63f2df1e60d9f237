#include "diary/trees/TreeLists.h"

#include "diary/store/NodeTree.h"

QStringList categoryTexts(const NodeTree& tree)
{
    QStringList result;
    for (const TreeNode* node : tree.nodes())
        if (node->level() == 0)
            result.append(node->text());
    return result;
}

QStringList memberTexts(const NodeTree& tree, const QString& category)
{
    QStringList result;
    for (const TreeNode* node : tree.nodes())
        if (node->level() == 1 && node->parent()->text() == category)
            result.append(node->text());
    return result;
}

bool categoryExists(const NodeTree& tree, const QString& text)
{
    for (int row = 0; row < tree.rootCount(); ++row)
        if (tree.root(row)->text() == text)
            return true;
    return false;
}

bool hasChildNamed(const TreeNode* node, const QString& text)
{
    for (int row = 0; row < node->childCount(); ++row)
        if (node->child(row)->text() == text)
            return true;
    return false;
}

bool siblingsHave(const NodeTree& tree, const TreeNode* node, const QString& text)
{
    return node->parent() ? hasChildNamed(node->parent(), text) : categoryExists(tree, text);
}
