#include "diary/trees/NodeDelegate.h"

#include "diary/store/NodeTree.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int Gap = 3;
constexpr int MarkSize = 13;
constexpr int TextPadding = 3;

bool isRadio(const QModelIndex& index)
{
    const TreeNode* node = NodeTree::nodeOf(index);
    return node && node->checkKind() == TreeNode::CheckKind::Radio;
}

bool hasFocus(const QStyleOptionViewItem& option)
{
    return option.widget && option.widget->hasFocus();
}

} // namespace

NodeDelegate::NodeDelegate(QList<QPixmap> pictures, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_pictures(std::move(pictures))
{
}

const QPixmap* NodeDelegate::pictureFor(const QModelIndex& index, bool selected) const
{
    const int picture = index.data(selected ? NodeTree::SelectedIndexRole : NodeTree::ImageIndexRole).toInt();
    return picture >= 0 && picture < m_pictures.size() ? &m_pictures.at(picture) : nullptr;
}

NodeDelegate::Layout NodeDelegate::layout(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect& row = option.rect;
    Layout result;
    int x = row.left() + Gap;
    if (isRadio(index)) {
        result.mark = QRect(x, row.center().y() - MarkSize / 2, MarkSize, MarkSize);
        x = result.mark.right() + 1 + Gap;
    }
    if (const QPixmap* picture = pictureFor(index, false)) {
        const QSize size = picture->deviceIndependentSize().toSize();
        result.picture = QRect(QPoint(x, row.center().y() - size.height() / 2), size);
        x = result.picture.right() + 1 + Gap;
    }
    const int textWidth = option.fontMetrics.horizontalAdvance(index.data().toString()) + 2 * TextPadding;
    result.text = QRect(x, row.top(), textWidth, row.height());
    return result;
}

QRect NodeDelegate::markRect(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return layout(option, index).mark;
}

QRect NodeDelegate::contentRect(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const Layout parts = layout(option, index);
    return QRect(QPoint(option.rect.left(), option.rect.top()), parts.text.bottomRight());
}

void NodeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const Layout parts = layout(option, index);
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const bool highlighted = selected && hasFocus(option);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (!parts.mark.isNull())
        paintMark(
            painter, parts.mark, index.data(Qt::CheckStateRole).value<Qt::CheckState>() == Qt::Checked, option.palette);
    if (const QPixmap* picture = pictureFor(index, selected))
        painter->drawPixmap(parts.picture.topLeft(), *picture);
    if (highlighted) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(option.palette.highlight());
        painter->drawRoundedRect(parts.text.adjusted(0, 1, 0, -1), 3, 3);
    }
    painter->setFont(option.font);
    painter->setPen(option.palette.color(highlighted ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(
        parts.text.adjusted(TextPadding, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, index.data().toString());
    painter->restore();
}

void NodeDelegate::paintMark(QPainter* painter, const QRect& rect, bool checked, const QPalette& palette)
{
    QRadialGradient fill(rect.center(), rect.width() / 2.0, rect.topLeft() + QPointF(3, 3));
    fill.setColorAt(0, Qt::white);
    fill.setColorAt(1, palette.color(QPalette::Button));
    painter->setPen(QPen(palette.color(QPalette::Dark), 1));
    painter->setBrush(fill);
    painter->drawEllipse(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5));
    if (checked) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette.color(QPalette::Text));
        painter->drawEllipse(QRectF(rect).adjusted(3.5, 3.5, -3.5, -3.5));
    }
}

QSize NodeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    opt.rect = QRect();
    const Layout parts = layout(opt, index);
    const int height = std::max({ opt.fontMetrics.height(), parts.picture.height(), MarkSize }) + 4;
    return { parts.text.right() + 1 + Gap, height };
}

QWidget* NodeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    // A framed box with its text selected, so that the rename is plain to see.
    auto* editor = new QLineEdit(parent);
    editor->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #1F4FA8; background: white; padding: 0 2px;"
                                         " selection-background-color: #3A7BD5; selection-color: white; }"));
    return editor;
}

void NodeDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* line = static_cast<QLineEdit*>(editor);
    line->setText(index.data(Qt::EditRole).toString());
    line->selectAll();
}

void NodeDelegate::updateEditorGeometry(
    QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QRect text = layout(option, index).text;
    const int height = qMax(option.rect.height(), editor->sizeHint().height());
    const int top = option.rect.center().y() - height / 2;
    editor->setGeometry(QRect(text.left(), top, option.rect.right() - text.left() + 1, height));
}

bool NodeDelegate::editorEvent(
    QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::MouseButtonRelease || !isRadio(index))
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || !markRect(option, index).contains(mouse->position().toPoint()))
        return false;
    // A radio mark is set by a click, never cleared by one.
    model->setData(index, Qt::Checked, Qt::CheckStateRole);
    return true;
}

bool NodeDelegate::helpEvent(
    QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    // Only a node whose text is cut off by the view's edge gets its own tool tip.
    if (event->type() != QEvent::ToolTip || !index.isValid()
        || layout(option, index).text.right() <= view->viewport()->width())
        return false;
    QToolTip::showText(event->globalPos(), index.data().toString(), view->viewport(), option.rect);
    return true;
}
