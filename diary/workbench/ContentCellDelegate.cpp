#include "diary/workbench/ContentCellDelegate.h"

#include "diary/workbench/ByteLimitValidator.h"

#include <QLineEdit>

ContentCellDelegate::ContentCellDelegate(int contentColumn, int maxBytes, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_contentColumn(contentColumn)
    , m_maxBytes(maxBytes)
{
}

QWidget* ContentCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    if (index.column() != m_contentColumn)
        return nullptr;
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setValidator(new ByteLimitValidator(m_maxBytes, editor));
    m_open = editor;
    return editor;
}

void ContentCellDelegate::commitOpenEditor()
{
    QLineEdit* editor = m_open.data();
    if (editor && editor->isVisible()) { // a closed editor waits hidden for its deletion
        m_open.clear();
        emit commitData(editor);
        emit closeEditor(editor, NoHint);
    }
}
