// Feeds arbitrary bytes to the tree-file reader: it must fail cleanly, never crash or hang.
#include "common/AppError.h"
#include "diary/store/NodeTree.h"
#include "diary/store/TreeFile.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const NodeTree::SortMode mode : { NodeTree::SortMode::None, NodeTree::SortMode::Text }) {
        NodeTree tree(mode);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        try {
            LoadTreeStream(tree, buffer);
        } catch (const AppError&) {
        }
        // Every node read must be reachable and consistent.
        for (const TreeNode* node : tree.nodes())
            (void)node->level();
    }
    return 0;
}
