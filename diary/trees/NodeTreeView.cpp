#include "diary/trees/NodeTreeView.h"

#include "diary/store/NodeTree.h"
#include "diary/trees/NodeDelegate.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int ButtonSize = 9;

} // namespace

NodeTreeView::NodeTreeView(NodeTree& tree, QList<QPixmap> pictures, QWidget* parent)
    : QTreeView(parent)
    , m_tree(tree)
    , m_delegate(new NodeDelegate(std::move(pictures), this))
{
    setModel(&tree);
    setItemDelegate(m_delegate);
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setEditTriggers(SelectedClicked | EditKeyPressed);
    setDragEnabled(false); // the drag below works without the platform's drag and drop
    // The file keeps each node's expanded state as the view last showed it.
    connect(this, &QTreeView::expanded, this,
        [this](const QModelIndex& index) { m_tree.setExpanded(NodeTree::nodeOf(index), true); });
    connect(this, &QTreeView::collapsed, this,
        [this](const QModelIndex& index) { m_tree.setExpanded(NodeTree::nodeOf(index), false); });
    connect(&tree, &QAbstractItemModel::rowsRemoved, this, &NodeTreeView::selectCurrentAfterRemoval);
}

TreeNode* NodeTreeView::selectedNode() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? nullptr : NodeTree::nodeOf(selected.constFirst());
}

TreeNode* NodeTreeView::nodeAt(const QPoint& pos) const
{
    return NodeTree::nodeOf(indexAt(pos));
}

bool NodeTreeView::onNode(const QPoint& pos) const
{
    const TreeNode* node = nodeAt(pos);
    return node && nodeRect(node).contains(pos);
}

QRect NodeTreeView::nodeRect(const TreeNode* node) const
{
    const QModelIndex index = m_tree.indexOf(node);
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    return m_delegate->contentRect(option, index);
}

void NodeTreeView::setAllExpanded(bool expanded)
{
    for (const TreeNode* node : m_tree.nodes())
        if (node->childCount() > 0)
            setExpanded(m_tree.indexOf(node), expanded);
}

void NodeTreeView::selectCurrentAfterRemoval()
{
    // Like the platform's tree, keep a node selected once the selected one is gone.
    if (!selectionModel()->hasSelection() && currentIndex().isValid())
        selectionModel()->select(currentIndex(), QItemSelectionModel::ClearAndSelect);
}

bool NodeTreeView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    const bool editing = QTreeView::edit(index, trigger, event);
    if (editing && indexWidget(index))
        m_edited = index;
    return editing;
}

void NodeTreeView::commitData(QWidget* editor)
{
    const auto* line = qobject_cast<QLineEdit*>(editor);
    if (!line || !m_edited.isValid() || indexWidget(m_edited) != editor)
        return;
    // Reported once the editor has closed, so that the handler may open message boxes.
    QMetaObject::invokeMethod(
        this,
        [this, index = m_edited, text = line->text()] {
            if (index.isValid())
                emit nodeEdited(NodeTree::nodeOf(index), text);
        },
        Qt::QueuedConnection);
    m_edited = QPersistentModelIndex();
}

void NodeTreeView::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        if (const QModelIndex index = indexAt(pos); index.isValid())
            setCurrentIndex(index);
        setFocus(Qt::MouseFocusReason);
        return;
    }
    m_pressedOnNode = event->button() == Qt::LeftButton && onNode(pos);
    m_pressPos = pos;
    m_pressed = m_pressedOnNode ? QPersistentModelIndex(indexAt(pos)) : QPersistentModelIndex();
    QTreeView::mousePressEvent(event);
}

TreeNode* NodeTreeView::dropTargetAt(const QPoint& pos) const
{
    // Outside the viewport indexAt() still finds the rows scrolled out of sight.
    return viewport()->rect().contains(pos) ? nodeAt(pos) : nullptr;
}

void NodeTreeView::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    // While the button is held on a node the selection stays on it: the drag takes the node
    // pressed on, not the row the pointer has slipped to before the drag threshold.
    if (!m_pressedOnNode || !event->buttons().testFlag(Qt::LeftButton))
        return QTreeView::mouseMoveEvent(event);
    if (!m_dragging && (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance()) {
        m_dragging = true;
        m_dragged = m_pressed;
    }
    if (m_dragging)
        viewport()->setCursor(dropTargetAt(pos) ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

void NodeTreeView::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressedOnNode = false;
    m_pressed = QPersistentModelIndex();
    if (!m_dragging)
        return QTreeView::mouseReleaseEvent(event);
    m_dragging = false;
    viewport()->unsetCursor();
    TreeNode* target = dropTargetAt(event->position().toPoint());
    if (target && m_dragged.isValid())
        emit nodeDropped(NodeTree::nodeOf(m_dragged), target);
    m_dragged = QPersistentModelIndex();
}

void NodeTreeView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QTreeView::mouseDoubleClickEvent(event);
    emit doubleClickedAt(event->position().toPoint());
}

void NodeTreeView::drawBranches(QPainter* painter, const QRect& rect, const QModelIndex& index) const
{
    const TreeNode* node = NodeTree::nodeOf(index);
    const int indent = indentation();
    const int level = node->level();
    const int midY = rect.center().y();
    const auto columnX = [&](int column) { return rect.left() + column * indent + indent / 2; };

    painter->save();
    painter->fillRect(rect, palette().base()); // a selected node is highlighted on its text only
    QPen dotted(palette().color(QPalette::Mid), 1, Qt::DotLine);
    painter->setPen(dotted);
    // Lines of the ancestors that have siblings still to come.
    const TreeNode* ancestor = node->parent();
    for (int column = level - 1; column >= 0; --column, ancestor = ancestor->parent())
        if (m_tree.nextSibling(ancestor))
            painter->drawLine(columnX(column), rect.top(), columnX(column), rect.bottom());
    const int x = columnX(level);
    const bool firstRoot = !node->parent() && node->row() == 0;
    painter->drawLine(x, firstRoot ? midY : rect.top(), x, m_tree.nextSibling(node) ? rect.bottom() : midY);
    painter->drawLine(x, midY, rect.right(), midY);

    if (node->childCount() > 0) {
        const QRect box(x - ButtonSize / 2, midY - ButtonSize / 2, ButtonSize, ButtonSize);
        painter->setPen(palette().color(QPalette::Dark));
        painter->setBrush(palette().base());
        painter->drawRect(box);
        painter->setPen(palette().color(QPalette::Text));
        painter->drawLine(box.left() + 2, midY, box.right() - 2, midY);
        if (!isExpanded(index))
            painter->drawLine(x, box.top() + 2, x, box.bottom() - 2);
    }
    painter->restore();
}
