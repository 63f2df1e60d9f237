#include "common/SkinInputDialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

SkinInputDialog::SkinInputDialog(const QString& caption, const QString& prompt, const QString& text, QWidget* parent)
    : SkinDialog(caption, parent)
{
    auto* label = new QLabel(prompt, this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    m_field = new QLineEdit(text, this);
    m_field->setMinimumWidth(300);
    label->setBuddy(m_field);
    body()->addWidget(label);
    body()->addWidget(m_field);
    addButton(QStringLiteral("确定"), QDialog::Accepted);
    addButton(QStringLiteral("取消"), QDialog::Rejected);
}

QString SkinInputDialog::text() const
{
    return m_field->text();
}

void SkinInputDialog::showEvent(QShowEvent* event)
{
    SkinDialog::showEvent(event);
    m_field->setFocus();
    m_field->selectAll();
}
