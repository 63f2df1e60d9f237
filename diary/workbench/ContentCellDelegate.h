#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

class QLineEdit;

// The grids' cell editing: only the content column is edited in its cell; every other column
// has an editor laid over the grid instead, so no other cell opens an editor.
class ContentCellDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ContentCellDelegate)

public:
    ContentCellDelegate(int contentColumn, int maxBytes, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // Writes the text of an open cell editor into the row and closes it.
    void commitOpenEditor();
    bool isEditing() const { return !m_open.isNull(); }

private:
    int m_contentColumn;
    int m_maxBytes;
    mutable QPointer<QLineEdit> m_open;
};
