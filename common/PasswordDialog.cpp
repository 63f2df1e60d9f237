#include "common/PasswordDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// Each typed character shows as "*", whatever the style would draw.
const char* MaskStyle = "QLineEdit { lineedit-password-character: 42; }";

} // namespace

PasswordDialog::PasswordDialog(
    const QString& caption, const QStringList& labels, const QStringList& texts, QWidget* parent)
    : SkinDialog(caption, parent)
{
    setCentredOnScreen(true);
    setStyleSheet(styleSheet() + QString::fromLatin1(MaskStyle));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(12);
    for (int i = 0; i < labels.size(); ++i) {
        auto* label = new QLabel(labels.at(i), this);
        auto* field = new QLineEdit(texts.value(i), this);
        field->setEchoMode(QLineEdit::Password);
        field->setMinimumWidth(220);
        label->setBuddy(field);
        grid->addWidget(label, i, 0);
        grid->addWidget(field, i, 1);
        m_fields.append(field);
    }
    body()->addLayout(grid);
    addButton(QStringLiteral("确定"), QDialog::Accepted);
    addButton(QStringLiteral("取消"), QDialog::Rejected);
    setMinimumWidth(340);
}

QStringList PasswordDialog::texts() const
{
    QStringList result;
    for (const QLineEdit* field : m_fields)
        result.append(field->text());
    return result;
}

void PasswordDialog::showEvent(QShowEvent* event)
{
    SkinDialog::showEvent(event);
    if (!m_fields.isEmpty()) {
        m_fields.first()->setFocus();
        m_fields.first()->selectAll();
    }
}
