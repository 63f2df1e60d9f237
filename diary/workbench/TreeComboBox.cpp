#include "diary/workbench/TreeComboBox.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QToolButton>
#include <QTreeView>

namespace {

constexpr int VisibleRows = 8;

} // namespace

TreeComboBox::TreeComboBox(QWidget* parent)
    : QLineEdit(parent)
    , m_view(new QTreeView(this))
    , m_dropButton(new QToolButton(this))
{
    m_view->setWindowFlags(Qt::Popup);
    m_view->setModel(&m_tree);
    m_view->header()->hide();
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setUniformRowHeights(true);
    m_dropButton->setArrowType(Qt::DownArrow);
    m_dropButton->setCursor(Qt::ArrowCursor);
    m_dropButton->setFocusPolicy(Qt::NoFocus);
    m_dropButton->setStyleSheet(QStringLiteral("QToolButton { border: none; }"));
    setTextMargins(0, 0, 20, 0);
    connect(m_dropButton, &QToolButton::clicked, this, &TreeComboBox::dropDown);
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

void TreeComboBox::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    m_dropButton->setGeometry(width() - 20, 1, 19, height() - 2);
}

void TreeComboBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier))
        dropDown();
    else
        QLineEdit::keyPressEvent(event);
}
