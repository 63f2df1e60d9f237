#pragma once

#include "diary/store/NodeTree.h"

#include <QLineEdit>

class QTreeView;

// A text box with a drop-down tree: it holds its own tree, which the owner refills just
// before each drop-down; picking a node puts its text into the box.
class TreeComboBox final : public QLineEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TreeComboBox)

public:
    explicit TreeComboBox(QWidget* parent = nullptr);

    NodeTree& tree() { return m_tree; }
    QTreeView* view() const { return m_view; }
    void dropDown();
    // Picks a node as the user would in the drop-down.
    void pick(const TreeNode* node);

signals:
    void aboutToDropDown();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    NodeTree m_tree;
    QTreeView* m_view = nullptr;
};
