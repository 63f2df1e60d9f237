#pragma once

#include "common/AppContext.h"
#include "diary/store/NodeTree.h"
#include "diary/trees/TreeEditor.h"

#include <QWidget>

class NodeTreeView;
class QAction;
class QMenu;
class QPushButton;
class RaisedLabel;

// The sources and personnel window: the tree of sources and their people, kept in
// "treeview.nod", and the source and person lists the workbench fills its choices from.
class TBumenRenyuan_form final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TBumenRenyuan_form)

public:
    explicit TBumenRenyuan_form(const AppContext& context, QWidget* parent = nullptr);
    ~TBumenRenyuan_form() override;

    // From the tree in memory, shown or not: every source, and the people of a source.
    QStringList SourceList() const;
    QStringList PersonList(const QString& source) const;

    void FormCreate();
    void FormShow();
    void fcImageBtn1Click();
    void N1Click();
    void N2Click();
    void N4Click();
    void N5Click();
    void TreeView1Edited(TreeNode* node, const QString& text);
    void TreeView1DragDrop(TreeNode* dragged, TreeNode* target);
    void TreeView1DblClick();

    RaisedLabel* fcLabel1;
    RaisedLabel* fcLabel2;
    RaisedLabel* fcLabel3;
    RaisedLabel* fcLabel4;
    RaisedLabel* fcLabel5;
    RaisedLabel* fcLabel6;
    QPushButton* fcImageBtn1;
    NodeTreeView* TreeView1;
    QMenu* PopupMenu1;
    QAction* N1;
    QAction* N2;
    QAction* N4;
    QAction* N5;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildLabels();
    void buildTree();
    void buildMenu();

    NodeTree m_tree;
    TreeEditor m_editor;
    bool AllExpanded = false;
};
