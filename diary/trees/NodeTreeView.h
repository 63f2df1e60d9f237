#pragma once

#include "diary/store/TreeNode.h"

#include <QList>
#include <QPersistentModelIndex>
#include <QPixmap>
#include <QTreeView>

class NodeDelegate;
class NodeTree;

// The tree control of the diary's trees over a NodeTree: drawn lines and buttons, in-place
// editing of a node's text that reports the edit instead of applying it, a right click that
// selects the node under the pointer, and the drag of a node onto another node.
class NodeTreeView final : public QTreeView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NodeTreeView)

public:
    explicit NodeTreeView(NodeTree& tree, QList<QPixmap> pictures = {}, QWidget* parent = nullptr);

    NodeTree& nodeTree() const { return m_tree; }
    // The selected node, or null when none is.
    TreeNode* selectedNode() const;
    // The node whose row lies at pos (viewport coordinates), or null.
    TreeNode* nodeAt(const QPoint& pos) const;
    // Whether pos lies on a node's mark, picture or text.
    bool onNode(const QPoint& pos) const;
    // Where the node's mark, picture and text are, in viewport coordinates.
    QRect nodeRect(const TreeNode* node) const;
    // Expands or collapses every node that has children.
    void setAllExpanded(bool expanded);

signals:
    // The user ended an in-place edit with text; the node still has its old text.
    void nodeEdited(TreeNode* node, const QString& text);
    // A drag of dragged (the node pressed on) ended over target.
    void nodeDropped(TreeNode* dragged, TreeNode* target);
    // A double click anywhere in the view, in viewport coordinates.
    void doubleClickedAt(const QPoint& pos);

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    void commitData(QWidget* editor) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const override;

private:
    void selectCurrentAfterRemoval();
    // The node that takes a drop at pos: one in a visible row of the viewport.
    TreeNode* dropTargetAt(const QPoint& pos) const;

    NodeTree& m_tree;
    NodeDelegate* m_delegate;
    QPersistentModelIndex m_edited;
    bool m_pressedOnNode = false;
    QPoint m_pressPos;
    QPersistentModelIndex m_pressed;
    QPersistentModelIndex m_dragged;
    bool m_dragging = false;
};
