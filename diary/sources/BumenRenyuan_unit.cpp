#include "diary/sources/BumenRenyuan_unit.h"

#include "diary/sources/RaisedLabel.h"
#include "diary/sources/SourcePictures.h"
#include "diary/toolkit/CloseButton.h"
#include "diary/toolkit/OutlineMover.h"
#include "diary/toolkit/WindowSkin.h"
#include "diary/trees/NodeTreeView.h"
#include "diary/trees/TreeLists.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

const QString TreeFileName = u"treeview.nod"_s;

const TreeTexts Texts {
    .firstCategoryCaption = u"输入部门窗口"_s,
    .categoryCaption = u"输入部门名称窗口"_s,
    .categoryPrompt = u"请输入你要添加的部门"_s,
    .memberCaption = u"输入人员姓名窗口"_s,
    .memberPrompt = u"请输入你要添加的人员"_s,
    .addCategoryNeedsCategory = u"无法加入部门,请随便选择一个部门再添加"_s,
    .addMemberNeedsCategory = u"请选择要添加人员的部门"_s,
    .deleteNeedsCategory = u"请选择要删除的部门"_s,
    .deleteNeedsMember = u"请选择要删除的人员"_s,
    .categoryExists = u"你输入的部门已经存在,请重新输入"_s,
    .memberExists = u"你所输入的人员在此部门已经存在，请另行输入"_s,
    .renameClash = u"修改后的内容已经存在，请另行输入"_s,
    .confirmDeleteCategory = u"确实要删除部门吗？这样部门里的人员也一并删除。"_s,
    .confirmDeleteMember = u"你确认要删除这个人员吗？"_s,
    .confirmRename = u"你确认要修改吗？"_s,
};

const QStringList Instructions {
    u"说明："_s,
    u"下图树状结构图为来源和人员的分布情况。"_s,
    u"右键鼠标会弹出菜单，可以添加、删除来"_s,
    u"源和人员，选择一个节点后再次单击之会"_s,
    u"对其节点进行修改。支持人员拖动。注意"_s,
    u"不能有相同来源及其人员。（按字母排序）"_s,
};

const QString CloseHint = u"关闭本窗口"_s;
const QString TreeHint = u"来源目录表"_s;
const QString AddSourceCaption = u"添加来源"_s;
const QString AddPersonCaption = u"添加人员"_s;
const QString DeleteSourceCaption = u"删除来源"_s;
const QString DeletePersonCaption = u"删除人员"_s;

const QString LabelFont = u"楷体_GB2312"_s;
const QString TreeFont = u"华文行楷"_s;

// Pictures by image index: a source, a person, the selected node.
const TreeEditor::NewNodes NewNodes {
    .categoryImage = 0, .categorySelectedImage = 2, .memberImage = 1, .memberSelectedImage = 2
};

constexpr QSize WindowSize(322, 628);
constexpr QPoint WindowPlace(303, 58);
constexpr QRect TreePlace(3, 166, 313, 458);
constexpr QRect ClosePlace(155, 145, 21, 21);
constexpr int LabelTop = 4;
constexpr int LabelStep = 20;
constexpr int DragTolerance = 5;

const WindowSkin Skin {
    { { 0, QColor(255, 246, 214) }, { 0.27, QColor(246, 222, 168) }, { 1, QColor(214, 170, 104) } },
    QColor(120, 70, 25),
    12,
};

} // namespace

TBumenRenyuan_form::TBumenRenyuan_form(const AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_tree(NodeTree::SortMode::Text)
    , m_editor(m_tree, context.prompts, context.clock, Texts, NewNodes, context.file(TreeFileName))
{
    setFixedSize(WindowSize);
    new OutlineMover(this, DragTolerance);
    move(WindowPlace);
    Skin.shape(*this);
    buildLabels();
    buildTree();
    buildMenu();
    FormCreate();
}

TBumenRenyuan_form::~TBumenRenyuan_form() = default;

void TBumenRenyuan_form::buildLabels()
{
    QFont font(LabelFont);
    font.setPixelSize(16);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -0.6); // the longest line fits the window
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, QColor(92, 52, 18));
    palette.setColor(QPalette::Light, QColor(255, 255, 245));
    palette.setColor(QPalette::Shadow, QColor(196, 150, 90));
    RaisedLabel** labels[] = { &fcLabel1, &fcLabel2, &fcLabel3, &fcLabel4, &fcLabel5, &fcLabel6 };
    for (int i = 0; i < Instructions.size(); ++i) {
        auto* label = new RaisedLabel(Instructions.at(i), this);
        label->setFont(font);
        label->setPalette(palette);
        label->move(i == 0 ? 18 : 20, LabelTop + i * LabelStep);
        label->resize(label->sizeHint() + QSize(2, 2));
        *labels[i] = label;
    }

    fcImageBtn1 = new CloseButton(CloseHint, this);
    fcImageBtn1->setGeometry(ClosePlace);
    connect(fcImageBtn1, &QPushButton::clicked, this, &TBumenRenyuan_form::fcImageBtn1Click);
}

void TBumenRenyuan_form::buildTree()
{
    TreeView1 = new NodeTreeView(m_tree, sourcePictures(), this);
    TreeView1->setGeometry(TreePlace);
    TreeView1->setFrameShape(QFrame::NoFrame);
    TreeView1->viewport()->setToolTip(TreeHint);
    TreeView1->setExpandsOnDoubleClick(false); // the double click expands or collapses everything
    TreeView1->setIndentation(22);
    QFont font(TreeFont);
    font.setPixelSize(21);
    TreeView1->setFont(font);
    QPalette palette = TreeView1->palette();
    palette.setColor(QPalette::Base, QColor(255, 252, 240));
    palette.setColor(QPalette::Text, QColor(60, 30, 10));
    palette.setColor(QPalette::Highlight, QColor(150, 70, 20));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    TreeView1->setPalette(palette);

    connect(TreeView1, &NodeTreeView::nodeEdited, this, &TBumenRenyuan_form::TreeView1Edited);
    connect(TreeView1, &NodeTreeView::nodeDropped, this, &TBumenRenyuan_form::TreeView1DragDrop);
    connect(TreeView1, &NodeTreeView::doubleClickedAt, this, &TBumenRenyuan_form::TreeView1DblClick);
}

void TBumenRenyuan_form::buildMenu()
{
    PopupMenu1 = new QMenu(this);
    N1 = PopupMenu1->addAction(AddSourceCaption, this, &TBumenRenyuan_form::N1Click);
    N2 = PopupMenu1->addAction(AddPersonCaption, this, &TBumenRenyuan_form::N2Click);
    PopupMenu1->addSeparator();
    N4 = PopupMenu1->addAction(DeleteSourceCaption, this, &TBumenRenyuan_form::N4Click);
    N5 = PopupMenu1->addAction(DeletePersonCaption, this, &TBumenRenyuan_form::N5Click);
    TreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(TreeView1, &QWidget::customContextMenuRequested, this,
        [this](const QPoint& pos) { PopupMenu1->popup(TreeView1->viewport()->mapToGlobal(pos)); });
}

QStringList TBumenRenyuan_form::SourceList() const
{
    return categoryTexts(m_tree);
}

QStringList TBumenRenyuan_form::PersonList(const QString& source) const
{
    return memberTexts(m_tree, source);
}

void TBumenRenyuan_form::FormCreate()
{
    m_editor.load();
}

void TBumenRenyuan_form::FormShow()
{
    m_editor.load();
    AllExpanded = false;
}

void TBumenRenyuan_form::fcImageBtn1Click()
{
    close();
}

void TBumenRenyuan_form::N1Click()
{
    m_editor.addCategory(TreeView1->selectedNode());
}

void TBumenRenyuan_form::N2Click()
{
    m_editor.addMember(TreeView1->selectedNode());
}

void TBumenRenyuan_form::N4Click()
{
    m_editor.deleteCategory(TreeView1->selectedNode());
}

void TBumenRenyuan_form::N5Click()
{
    m_editor.deleteMember(TreeView1->selectedNode());
}

void TBumenRenyuan_form::TreeView1Edited(TreeNode* node, const QString& text)
{
    m_editor.rename(node, text);
}

void TBumenRenyuan_form::TreeView1DragDrop(TreeNode* dragged, TreeNode* target)
{
    TreeView1->setUpdatesEnabled(false);
    m_editor.moveMember(dragged, target);
    TreeView1->setUpdatesEnabled(true);
}

void TBumenRenyuan_form::TreeView1DblClick()
{
    TreeView1->setAllExpanded(!AllExpanded);
    AllExpanded = !AllExpanded;
}

void TBumenRenyuan_form::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TBumenRenyuan_form::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    Skin.paint(p, *this);
    p.setRenderHint(QPainter::Antialiasing);

    // A groove under the instructions and a sunken frame around the tree.
    p.setPen(QPen(QColor(190, 140, 80), 1));
    p.drawLine(QPointF(14, 130.5), QPointF(width() - 14, 130.5));
    p.setPen(QPen(QColor(255, 250, 235), 1));
    p.drawLine(QPointF(14, 131.5), QPointF(width() - 14, 131.5));
    const QRectF frame = QRectF(TreePlace).adjusted(-1.5, -1.5, 1.5, 1.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(130, 80, 30), 1));
    p.drawRoundedRect(frame, 3, 3);
}
