#include "tests/diary/store/TreeOutline.h"

#include "diary/store/NodeTree.h"

QStringList outline(const NodeTree& tree)
{
    QStringList result;
    for (const TreeNode* node : tree.nodes())
        result.append(QString(node->level(), QLatin1Char('-')) + node->text());
    return result;
}
