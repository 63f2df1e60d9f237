#pragma once

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

class NodeTree;

// One node of a NodeTree: its attributes and its children. Changes go through the tree, which
// keeps views and the sibling order up to date.
class TreeNode final
{
public:
    enum class CheckKind : quint8 { None = 0, CheckBox = 1, Radio = 2 };

    TreeNode() = default;
    ~TreeNode();
    TreeNode(const TreeNode&) = delete;
    TreeNode& operator=(const TreeNode&) = delete;

    const QString& text() const { return m_text; }
    int imageIndex() const { return m_imageIndex; }
    int selectedIndex() const { return m_selectedIndex; }
    int stateIndex() const { return m_stateIndex; }
    int overlayIndex() const { return m_overlayIndex; }
    CheckKind checkKind() const { return m_checkKind; }
    bool checked() const { return m_checked; }
    bool grayed() const { return m_grayed; }
    bool expanded() const { return m_expanded; }
    quint32 data() const { return m_data; }
    const QByteArray& extra1() const { return m_extra1; }
    const QByteArray& extra2() const { return m_extra2; }

    TreeNode* parent() const { return m_parent; }
    int level() const;
    int childCount() const { return int(m_children.size()); }
    TreeNode* child(int row) const { return m_children.at(size_t(row)).get(); }
    TreeNode* firstChild() const { return m_children.empty() ? nullptr : m_children.front().get(); }
    // Position among the siblings (roots count as siblings of each other).
    int row() const;

private:
    friend class NodeTree;
    friend class TreeFileReader;

    QString m_text;
    int m_imageIndex = 0;
    int m_selectedIndex = 0;
    int m_stateIndex = -1;
    int m_overlayIndex = -1;
    CheckKind m_checkKind = CheckKind::None;
    bool m_checked = false;
    bool m_grayed = false;
    bool m_expanded = false;
    quint32 m_data = 0;
    QByteArray m_extra1;
    QByteArray m_extra2;

    TreeNode* m_parent = nullptr;
    const std::vector<std::unique_ptr<TreeNode>>* m_siblings = nullptr;
    std::vector<std::unique_ptr<TreeNode>> m_children;
};
