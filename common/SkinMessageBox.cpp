#include "common/SkinMessageBox.h"

#include "common/PromptIcon.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr int TextMaxWidth = 420;
constexpr int MinimumWidth = 280;

} // namespace

SkinMessageBox::SkinMessageBox(const QString& caption, const QString& text, Prompts::Icon icon, QWidget* parent)
    : SkinDialog(caption, parent)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(16);
    if (icon != Prompts::Icon::None)
        row->addWidget(new PromptIcon(icon, this), 0, Qt::AlignTop);
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("promptText"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // As wide as the longest line up to the limit, so that short texts do not wrap early.
    int widest = 0;
    for (const QString& line : text.split(u'\n'))
        widest = qMax(widest, label->fontMetrics().horizontalAdvance(line) + 2);
    label->setMinimumWidth(qMin(widest, TextMaxWidth));
    label->setMaximumWidth(TextMaxWidth);
    row->addWidget(label, 1, Qt::AlignVCenter);
    body()->addLayout(row);
    setMinimumWidth(MinimumWidth);
}
