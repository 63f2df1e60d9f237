#pragma once

#include "diary/store/TreeNode.h"
#include "diary/trees/TreeTexts.h"

#include <QString>
#include <optional>

class Clock;
class NodeTree;
class Prompts;

// The editing rules of a two-level tree kept in a tree file: categories at level 0, members at
// level 1, no two categories and no two members of one category with the same text. Every
// change is saved at once; a failing load or save goes to the general error display.
class TreeEditor final
{
public:
    // What new nodes look like.
    struct NewNodes
    {
        int categoryImage = 0;
        int categorySelectedImage = 0;
        int memberImage = 0;
        int memberSelectedImage = 0;
        TreeNode::CheckKind memberCheckKind = TreeNode::CheckKind::None;
        // Otherwise a new node stays last among its siblings until the order is next restored.
        bool inTextOrder = false;
    };

    TreeEditor(NodeTree& tree, Prompts& prompts, const Clock& clock, TreeTexts texts, NewNodes newNodes, QString path);

    void load();
    void save();

    // Each command acts on the selected node, which may be null.
    void addCategory(const TreeNode* selected);
    void addMember(TreeNode* selected);
    void deleteCategory(TreeNode* selected);
    void deleteMember(TreeNode* selected);
    // Called with the edited text before the node takes it; the node itself counts as a clash.
    void rename(TreeNode* node, const QString& text);
    // Moves a member to another category unless that one already has a member of its text.
    void moveMember(TreeNode* dragged, TreeNode* target);

private:
    std::optional<QString> askName(const QString& caption, const QString& prompt);
    void finishNew(TreeNode* node, int image, int selectedImage);

    NodeTree& m_tree;
    Prompts& m_prompts;
    const Clock& m_clock;
    const TreeTexts m_texts;
    const NewNodes m_newNodes;
    const QString m_path;
};
