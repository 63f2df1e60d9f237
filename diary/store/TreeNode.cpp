#include "diary/store/TreeNode.h"

#include <algorithm>

TreeNode::~TreeNode()
{
    // Free the subtree without recursion, so that a deeply nested file cannot exhaust the stack.
    std::vector<std::unique_ptr<TreeNode>> pending = std::move(m_children);
    while (!pending.empty()) {
        std::unique_ptr<TreeNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->m_children)
            pending.push_back(std::move(child));
        node->m_children.clear();
    }
}

int TreeNode::level() const
{
    int level = 0;
    for (const TreeNode* p = m_parent; p; p = p->m_parent)
        ++level;
    return level;
}

int TreeNode::row() const
{
    const auto found = std::find_if(m_siblings->begin(), m_siblings->end(),
        [this](const std::unique_ptr<TreeNode>& sibling) { return sibling.get() == this; });
    return int(found - m_siblings->begin());
}
