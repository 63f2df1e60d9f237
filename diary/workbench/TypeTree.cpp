#include "diary/workbench/TypeTree.h"

#include "diary/trees/NodeTreeView.h"
#include "diary/trees/TreeLists.h"

#include <QMenu>
#include <QPushButton>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QString TreeFileName = u"typtreeview.nod"_s;

const TreeTexts Texts {
    .firstCategoryCaption = u"输入类型窗口"_s,
    .categoryCaption = u"输入类型窗口"_s,
    .categoryPrompt = u"请输入你要添加的类型"_s,
    .memberCaption = u"输入项目窗口"_s,
    .memberPrompt = u"请输入你要添加的项目"_s,
    .addCategoryNeedsCategory = u"无法加入类型,请随便选择一个类型再添加"_s,
    .addMemberNeedsCategory = u"请选择要添加项目的类型"_s,
    .deleteNeedsCategory = u"请选择要删除的类型"_s,
    .deleteNeedsMember = u"请选择要删除的项目"_s,
    .categoryExists = u"你输入的类型已经存在,请重新输入"_s,
    .memberExists = u"你所输入的项目在此类型中已经存在，请另行输入"_s,
    .renameClash = u"修改后的内容已经存在，请另行输入"_s,
    .confirmDeleteCategory = u"确实要删除类型吗？这样类型里的项目也一并删除。"_s,
    .confirmDeleteMember = u"你确认要删除这个项目吗？"_s,
    .confirmRename = u"你确认要修改吗？"_s,
};

const QString ExpandCaption = u"类   型"_s;
const QString ExpandHint = u"展开（合并）目录"_s;
const QString AddTypeCaption = u"添加类型"_s;
const QString AddItemCaption = u"添加项目"_s;
const QString DeleteTypeCaption = u"删除类型"_s;
const QString DeleteItemCaption = u"删除项目"_s;
const QString TreeFont = u"宋体"_s;

const TreeEditor::NewNodes NewNodes { .memberCheckKind = TreeNode::CheckKind::Radio, .inTextOrder = true };

constexpr int TextHeight = 21;
constexpr int Indent = 28;

const QString ItemCaption = u"项   目"_s;
const QString ItemStyle = uR"(
QLabel {
    color: white; font-size: 15px; font-weight: bold; min-height: 24px;
    border: 1px solid #123a70; border-radius: 5px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #8ab8ee, stop:0.5 #4a84d0, stop:1 #2a5ea8);
}
)"_s;
const QString ExpandStyle = uR"(
QPushButton {
    color: white; font-size: 15px; font-weight: bold; min-height: 24px;
    border: 1px solid #123a70; border-radius: 5px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #6fa8ec, stop:0.5 #2a6cc4, stop:1 #1a4e98);
}
QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #8cbcf4, stop:1 #2a6cc4); }
QPushButton:checked { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #14407e, stop:1 #3a7ad0);
    padding-top: 2px; }
)"_s;

} // namespace

TypeTree::TypeTree(const AppContext& context, QWidget* parent)
    : QWidget(parent)
    , m_tree(NodeTree::SortMode::Text)
    , m_editor(m_tree, context.prompts, context.clock, Texts, NewNodes, context.file(TreeFileName))
{
    fcShapeBtn1 = new QPushButton(ExpandCaption, this);
    fcShapeBtn1->setCheckable(true);
    fcShapeBtn1->setToolTip(ExpandHint);
    fcShapeBtn1->setStyleSheet(ExpandStyle);
    connect(fcShapeBtn1, &QPushButton::clicked, this, &TypeTree::fcShapeBtn1Click);
    buildTree();
    buildMenu();

    // The headers: the types' button, and the items' caption beside it.
    typePanel = new QWidget(this);
    auto* typeLayout = new QHBoxLayout(typePanel);
    typeLayout->setContentsMargins(0, 0, 0, 0);
    typeLayout->addWidget(fcShapeBtn1);
    auto* itemCaption = new QLabel(ItemCaption, this);
    itemCaption->setAlignment(Qt::AlignCenter);
    itemCaption->setStyleSheet(ItemStyle);
    itemPanel = itemCaption;
    auto* headers = new QHBoxLayout;
    headers->setSpacing(2);
    headers->addWidget(typePanel, 1);
    headers->addWidget(itemPanel, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(headers);
    layout->addWidget(fcTreeView1);
}

void TypeTree::buildTree()
{
    fcTreeView1 = new NodeTreeView(m_tree, {}, this);
    fcTreeView1->setIndentation(Indent);
    QFont font(TreeFont);
    font.setPixelSize(TextHeight);
    fcTreeView1->setFont(font);
    connect(fcTreeView1, &NodeTreeView::nodeEdited, this, &TypeTree::fcTreeView1Edited);
    connect(fcTreeView1, &NodeTreeView::nodeDropped, this, &TypeTree::fcTreeView1DragDrop);
}

void TypeTree::buildMenu()
{
    PopupMenu3 = new QMenu(this);
    N3 = PopupMenu3->addAction(AddTypeCaption, this, &TypeTree::N3Click);
    N4 = PopupMenu3->addAction(AddItemCaption, this, &TypeTree::N4Click);
    PopupMenu3->addSeparator();
    N6 = PopupMenu3->addAction(DeleteTypeCaption, this, &TypeTree::N6Click);
    N7 = PopupMenu3->addAction(DeleteItemCaption, this, &TypeTree::N7Click);
    fcTreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(fcTreeView1, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& pos) { PopupMenu3->popup(fcTreeView1->viewport()->mapToGlobal(pos)); });
}

void TypeTree::LoadTypeTree()
{
    m_editor.load();
}

void TypeTree::SaveTypeTree()
{
    m_editor.save();
}

QStringList TypeTree::TypeList() const
{
    return categoryTexts(m_tree);
}

QStringList TypeTree::ItemList(const QString& type) const
{
    return memberTexts(m_tree, type);
}

bool TypeTree::TypeExists(const QString& text) const
{
    return categoryExists(m_tree, text);
}

bool TypeTree::HasChildNamed(const TreeNode* node, const QString& text) const
{
    return hasChildNamed(node, text);
}

void TypeTree::N3Click()
{
    m_editor.addCategory(fcTreeView1->selectedNode());
}

void TypeTree::N4Click()
{
    m_editor.addMember(fcTreeView1->selectedNode());
}

void TypeTree::N6Click()
{
    m_editor.deleteCategory(fcTreeView1->selectedNode());
}

void TypeTree::N7Click()
{
    m_editor.deleteMember(fcTreeView1->selectedNode());
}

void TypeTree::fcTreeView1Edited(TreeNode* node, const QString& text)
{
    m_editor.rename(node, text);
}

void TypeTree::fcTreeView1DragDrop(TreeNode* dragged, TreeNode* target)
{
    fcTreeView1->setUpdatesEnabled(false);
    m_editor.moveMember(dragged, target);
    fcTreeView1->setUpdatesEnabled(true);
}

void TypeTree::fcShapeBtn1Click()
{
    fcTreeView1->setAllExpanded(fcShapeBtn1->isChecked());
}
