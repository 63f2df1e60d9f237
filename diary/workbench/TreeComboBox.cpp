#include "diary/workbench/TreeComboBox.h"

#include "diary/workbench/PanelStyle.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeView>

namespace {

constexpr int VisibleRows = 8;

} // namespace

TreeComboBox::TreeComboBox(QWidget* parent)
    : QLineEdit(parent)
    , m_view(new QTreeView(this))
{
    m_view->setWindowFlags(Qt::Popup);
    m_view->setModel(&m_tree);
    m_view->header()->hide();
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setUniformRowHeights(true);
    QAction* drop = addAction(PanelStyle::dropArrow(), QLineEdit::TrailingPosition);
    connect(drop, &QAction::triggered, this, &TreeComboBox::dropDown);
    connect(m_view, &QTreeView::clicked, this, [this](const QModelIndex& index) { pick(NodeTree::nodeOf(index)); });
}

void TreeComboBox::dropDown()
{
    emit aboutToDropDown();
    m_view->expandAll();
    const int rowHeight = qMax(m_view->sizeHintForRow(0), fontMetrics().height() + 4);
    m_view->setFixedSize(qMax(width(), 160), rowHeight * VisibleRows + 4);
    m_view->move(mapToGlobal(QPoint(0, height())));
    m_view->show();
    m_view->setFocus();
}

void TreeComboBox::pick(const TreeNode* node)
{
    if (node)
        setText(node->text());
    m_view->hide();
}

void TreeComboBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier))
        dropDown();
    else
        QLineEdit::keyPressEvent(event);
}
