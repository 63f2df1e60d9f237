#pragma once

#include "diary/store/TreeNode.h"

#include <QAbstractItemModel>
#include <QList>

// An ordered forest of nodes, shown by tree views through the item model interface. A tree
// sorting by text keeps every sibling list in text order; the order is restored when a text is
// set, when a file is loaded and when a node is moved; a just-added node stays last until then.
class NodeTree final : public QAbstractItemModel
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NodeTree)

public:
    enum class SortMode { None, Text };
    enum Role { ImageIndexRole = Qt::UserRole + 1, SelectedIndexRole, LevelRole };

    explicit NodeTree(SortMode sortMode = SortMode::None, QObject* parent = nullptr);
    ~NodeTree() override;

    SortMode sortMode() const { return m_sortMode; }
    // Whether a load restores each node's expanded state; off in every tree of the programs.
    bool streamExpandedNode() const { return m_streamExpandedNode; }
    void setStreamExpandedNode(bool on) { m_streamExpandedNode = on; }

    int rootCount() const { return int(m_roots.size()); }
    TreeNode* root(int row) const { return m_roots.at(size_t(row)).get(); }
    int nodeCount() const;
    // Node by its position in pre-order, from 0; AppError "Invalid index" outside the range.
    TreeNode* nodeAt(int absoluteIndex) const;
    // Every node in display order: a root, then its whole subtree, then the next root.
    QList<TreeNode*> nodes() const;
    TreeNode* nextSibling(const TreeNode* node) const;

    TreeNode* addRoot(const QString& text);
    TreeNode* addChild(TreeNode* parent, const QString& text);
    void deleteNode(TreeNode* node);
    // Moves node with its subtree to be the last child of newParent, then restores the order.
    void moveNode(TreeNode* node, TreeNode* newParent);
    void clear();

    void setText(TreeNode* node, const QString& text);
    void setImages(TreeNode* node, int imageIndex, int selectedIndex);
    void setCheckKind(TreeNode* node, TreeNode::CheckKind kind);
    // A radio node that becomes checked unchecks its checked siblings; checkToggled follows.
    void setChecked(TreeNode* node, bool checked);
    void setExpanded(TreeNode* node, bool expanded);

    QModelIndex indexOf(const TreeNode* node) const;
    static TreeNode* nodeOf(const QModelIndex& index);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    // A node's check mark changed, by the user or by the program.
    void checkToggled(TreeNode* node);

private:
    friend class TreeFileReader;
    using Children = std::vector<std::unique_ptr<TreeNode>>;

    Children& siblingsOf(const TreeNode* node);
    Children& childrenOf(TreeNode* parent);
    TreeNode* append(TreeNode* parent, const QString& text);
    void restoreOrder(TreeNode* parent);
    void sortAll();
    void nodeChanged(const TreeNode* node, const QList<int>& roles);
    // Replaces the whole content at once (used by the file reader).
    void resetContent(Children roots, const QList<TreeNode*>& checkedInLoadOrder);

    SortMode m_sortMode;
    bool m_streamExpandedNode = false;
    Children m_roots;
};
