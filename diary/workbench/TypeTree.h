#pragma once

#include "common/AppContext.h"
#include "diary/store/NodeTree.h"
#include "diary/trees/TreeEditor.h"

#include <QWidget>

class NodeTreeView;
class QAction;
class QMenu;
class QPushButton;

// The type and item tree of the workbench, kept in "typtreeview.nod": types at level 0, their
// items at level 1 with radio marks. The workbench loads it, walks its nodes and answers the
// marks and double clicks of its view.
class TypeTree final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TypeTree)

public:
    explicit TypeTree(const AppContext& context, QWidget* parent = nullptr);

    NodeTree& tree() { return m_tree; }

    // Failures of both go to the general error display.
    void LoadTypeTree();
    void SaveTypeTree();
    QStringList TypeList() const;
    QStringList ItemList(const QString& type) const;
    bool TypeExists(const QString& text) const;
    bool HasChildNamed(const TreeNode* node, const QString& text) const;

    void N3Click();
    void N4Click();
    void N6Click();
    void N7Click();
    void fcTreeView1Edited(TreeNode* node, const QString& text);
    void fcTreeView1DragDrop(TreeNode* dragged, TreeNode* target);
    void fcShapeBtn1Click();

    QWidget* typePanel;
    QWidget* itemPanel;
    QPushButton* fcShapeBtn1;
    NodeTreeView* fcTreeView1;
    QMenu* PopupMenu3;
    QAction* N3;
    QAction* N4;
    QAction* N6;
    QAction* N7;

private:
    void buildTree();
    void buildMenu();

    NodeTree m_tree;
    TreeEditor m_editor;
};
