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
    m_view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QAction* drop = addAction(PanelStyle::dropArrow(), QLineEdit::TrailingPosition);
    connect(drop, &QAction::triggered, this, &TreeComboBox::dropDown);
    connect(m_view, &QTreeView::clicked, this, [this](const QModelIndex& index) { pick(NodeTree::nodeOf(index)); });
}

void TreeComboBox::dropDown()
{
    emit aboutToDropDown();
    m_view->expandAll();
    m_view->ensurePolished();
    // A whole number of rows: the list never shows a row cut at its bottom edge.
    const int hinted = m_view->sizeHintForRow(0);
    const int rowHeight = hinted > 0 ? hinted : m_view->fontMetrics().height() + 4;
    const int frame = 2 * m_view->frameWidth();
    int widest = 160;
    for (const TreeNode* node : m_tree.nodes())
        widest = qMax(widest,
            m_view->fontMetrics().horizontalAdvance(node->text()) + m_view->indentation() * (node->level() + 2) + frame);
    m_view->setFixedSize(qMax(width(), widest), rowHeight * VisibleRows + frame);
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
