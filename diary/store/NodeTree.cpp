#include "diary/store/NodeTree.h"

#include "common/AppError.h"
#include "diary/store/TreeTextOrder.h"

#include <algorithm>

namespace {

bool byText(const std::unique_ptr<TreeNode>& a, const std::unique_ptr<TreeNode>& b)
{
    return compareTreeText(a->text(), b->text()) < 0;
}

} // namespace

NodeTree::NodeTree(SortMode sortMode, QObject* parent)
    : QAbstractItemModel(parent)
    , m_sortMode(sortMode)
{
}

NodeTree::~NodeTree() = default;

int NodeTree::nodeCount() const
{
    return int(nodes().size());
}

TreeNode* NodeTree::nodeAt(int absoluteIndex) const
{
    const QList<TreeNode*> all = nodes();
    if (absoluteIndex < 0 || absoluteIndex >= all.size())
        throw AppError(QStringLiteral("Invalid index"));
    return all.at(absoluteIndex);
}

QList<TreeNode*> NodeTree::nodes() const
{
    QList<TreeNode*> result;
    std::vector<TreeNode*> stack;
    for (auto it = m_roots.rbegin(); it != m_roots.rend(); ++it)
        stack.push_back(it->get());
    while (!stack.empty()) {
        TreeNode* node = stack.back();
        stack.pop_back();
        result.append(node);
        for (auto it = node->m_children.rbegin(); it != node->m_children.rend(); ++it)
            stack.push_back(it->get());
    }
    return result;
}

TreeNode* NodeTree::nextSibling(const TreeNode* node) const
{
    const Children& siblings = *node->m_siblings;
    const size_t next = size_t(node->row()) + 1;
    return next < siblings.size() ? siblings[next].get() : nullptr;
}

NodeTree::Children& NodeTree::siblingsOf(const TreeNode* node)
{
    return node->m_parent ? node->m_parent->m_children : m_roots;
}

NodeTree::Children& NodeTree::childrenOf(TreeNode* parent)
{
    return parent ? parent->m_children : m_roots;
}

TreeNode* NodeTree::append(TreeNode* parent, const QString& text)
{
    Children& list = childrenOf(parent);
    const int row = int(list.size());
    beginInsertRows(parent ? indexOf(parent) : QModelIndex(), row, row);
    auto node = std::make_unique<TreeNode>();
    node->m_text = text;
    node->m_parent = parent;
    node->m_siblings = &list;
    TreeNode* raw = node.get();
    list.push_back(std::move(node));
    endInsertRows();
    return raw;
}

TreeNode* NodeTree::addRoot(const QString& text)
{
    return append(nullptr, text);
}

TreeNode* NodeTree::addChild(TreeNode* parent, const QString& text)
{
    return append(parent, text);
}

void NodeTree::deleteNode(TreeNode* node)
{
    Children& list = siblingsOf(node);
    const int row = node->row();
    beginRemoveRows(indexOf(node->m_parent), row, row);
    std::unique_ptr<TreeNode> doomed = std::move(list[size_t(row)]);
    list.erase(list.begin() + row);
    endRemoveRows();
}

void NodeTree::moveNode(TreeNode* node, TreeNode* newParent)
{
    for (const TreeNode* p = newParent; p; p = p->m_parent)
        if (p == node)
            return; // a node cannot become its own descendant
    Children& from = siblingsOf(node);
    Children& to = childrenOf(newParent);
    const int row = node->row();
    const int destination = int(to.size());
    if (&from == &to && row == destination - 1)
        return restoreOrder(newParent);
    beginMoveRows(indexOf(node->m_parent), row, row, indexOf(newParent), destination);
    std::unique_ptr<TreeNode> moving = std::move(from[size_t(row)]);
    from.erase(from.begin() + row);
    moving->m_parent = newParent;
    moving->m_siblings = &to;
    to.push_back(std::move(moving));
    endMoveRows();
    restoreOrder(newParent);
}

void NodeTree::clear()
{
    beginResetModel();
    Children doomed = std::move(m_roots);
    m_roots.clear();
    endResetModel();
}

void NodeTree::setText(TreeNode* node, const QString& text)
{
    node->m_text = text;
    nodeChanged(node, { Qt::DisplayRole, Qt::EditRole });
    restoreOrder(node->m_parent);
}

void NodeTree::setImages(TreeNode* node, int imageIndex, int selectedIndex)
{
    node->m_imageIndex = imageIndex;
    node->m_selectedIndex = selectedIndex;
    nodeChanged(node, { ImageIndexRole, SelectedIndexRole });
}

void NodeTree::setCheckKind(TreeNode* node, TreeNode::CheckKind kind)
{
    node->m_checkKind = kind;
    nodeChanged(node, { Qt::CheckStateRole });
}

void NodeTree::setChecked(TreeNode* node, bool checked)
{
    if (node->m_checked == checked)
        return;
    node->m_checked = checked;
    nodeChanged(node, { Qt::CheckStateRole });
    if (checked && node->m_checkKind == TreeNode::CheckKind::Radio) {
        for (const auto& sibling : siblingsOf(node)) {
            if (sibling.get() != node && sibling->m_checked) {
                sibling->m_checked = false;
                nodeChanged(sibling.get(), { Qt::CheckStateRole });
            }
        }
    }
    emit checkToggled(node);
}

void NodeTree::setExpanded(TreeNode* node, bool expanded)
{
    node->m_expanded = expanded;
}

void NodeTree::nodeChanged(const TreeNode* node, const QList<int>& roles)
{
    const QModelIndex index = indexOf(node);
    emit dataChanged(index, index, roles);
}

void NodeTree::restoreOrder(TreeNode* parent)
{
    if (m_sortMode != SortMode::Text)
        return;
    Children& list = childrenOf(parent);
    if (std::is_sorted(list.begin(), list.end(), byText))
        return;
    const QModelIndex parentIndex = indexOf(parent);
    emit layoutAboutToBeChanged({ QPersistentModelIndex(parentIndex) }, VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::stable_sort(list.begin(), list.end(), byText);
    QModelIndexList after;
    for (const QModelIndex& old : before)
        after.append(index(nodeOf(old)->row(), old.column(), old.parent()));
    changePersistentIndexList(before, after);
    emit layoutChanged({ QPersistentModelIndex(parentIndex) }, VerticalSortHint);
}

void NodeTree::resetContent(Children roots, const QList<TreeNode*>& checkedInLoadOrder)
{
    beginResetModel();
    Children doomed = std::move(m_roots);
    m_roots = std::move(roots);
    for (const auto& root : m_roots)
        root->m_siblings = &m_roots; // they were read into another list
    if (m_sortMode == SortMode::Text)
        sortAll();
    // The marks are set again one by one, in file order, so that the radio rule and the
    // check notifications act as they would while reading node by node.
    for (TreeNode* node : checkedInLoadOrder)
        node->m_checked = false;
    endResetModel();
    for (TreeNode* node : checkedInLoadOrder)
        setChecked(node, true);
}

void NodeTree::sortAll()
{
    std::stable_sort(m_roots.begin(), m_roots.end(), byText);
    for (TreeNode* node : nodes())
        std::stable_sort(node->m_children.begin(), node->m_children.end(), byText);
}

QModelIndex NodeTree::indexOf(const TreeNode* node) const
{
    if (!node)
        return {};
    return createIndex(node->row(), 0, const_cast<TreeNode*>(node));
}

TreeNode* NodeTree::nodeOf(const QModelIndex& index)
{
    return index.isValid() ? static_cast<TreeNode*>(index.internalPointer()) : nullptr;
}

QModelIndex NodeTree::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return {};
    const Children& list = parent.isValid() ? nodeOf(parent)->m_children : m_roots;
    if (size_t(row) >= list.size())
        return {};
    return createIndex(row, 0, list[size_t(row)].get());
}

QModelIndex NodeTree::parent(const QModelIndex& child) const
{
    const TreeNode* node = nodeOf(child);
    return node ? indexOf(node->m_parent) : QModelIndex();
}

int NodeTree::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    return int(parent.isValid() ? nodeOf(parent)->m_children.size() : m_roots.size());
}

int NodeTree::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant NodeTree::data(const QModelIndex& index, int role) const
{
    const TreeNode* node = nodeOf(index);
    if (!node)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return node->m_text;
    case Qt::CheckStateRole:
        if (node->m_checkKind == TreeNode::CheckKind::None)
            return {};
        return node->m_checked ? Qt::Checked : Qt::Unchecked;
    case ImageIndexRole:
        return node->m_imageIndex;
    case SelectedIndexRole:
        return node->m_selectedIndex;
    case LevelRole:
        return node->level();
    default:
        return {};
    }
}

bool NodeTree::setData(const QModelIndex& index, const QVariant& value, int role)
{
    TreeNode* node = nodeOf(index);
    if (!node)
        return false;
    if (role == Qt::EditRole) {
        setText(node, value.toString());
        return true;
    }
    if (role == Qt::CheckStateRole && node->m_checkKind != TreeNode::CheckKind::None) {
        setChecked(node, value.value<Qt::CheckState>() == Qt::Checked);
        return true;
    }
    return false;
}

Qt::ItemFlags NodeTree::flags(const QModelIndex& index) const
{
    const TreeNode* node = nodeOf(index);
    if (!node)
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled
        | Qt::ItemIsDropEnabled;
    if (node->m_checkKind != TreeNode::CheckKind::None)
        result |= Qt::ItemIsUserCheckable;
    return result;
}
