#pragma once

#include <QList>
#include <QPixmap>
#include <QStyledItemDelegate>

// Draws the nodes of a NodeTree the way the diary's trees look: a radio mark for radio nodes,
// the node's picture (its selected picture while selected) and its text, highlighted only
// while the view has the focus. In-place editing uses a plain line edit over the text.
class NodeDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NodeDelegate)

public:
    explicit NodeDelegate(QList<QPixmap> pictures, QObject* parent = nullptr);

    // The parts of a node row that belong to the node: mark, picture and text.
    QRect markRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;
    QRect contentRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(
        QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void updateEditorGeometry(
        QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
        const QModelIndex& index) override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
        const QModelIndex& index) override;

private:
    struct Layout
    {
        QRect mark;
        QRect picture;
        QRect text;
    };
    Layout layout(const QStyleOptionViewItem& option, const QModelIndex& index) const;
    const QPixmap* pictureFor(const QModelIndex& index, bool selected) const;
    static void paintMark(QPainter* painter, const QRect& rect, bool checked, const QPalette& palette);

    QList<QPixmap> m_pictures;
};
