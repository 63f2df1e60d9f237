#include "diary/workbench/PanelStyle.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace PanelStyle {

QLabel* fieldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font(QStringLiteral("楷体_GB2312"));
    font.setPixelSize(16);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: #173E86;"));
    return label;
}

void addCommand(QGridLayout* grid, int row, int column, QWidget* button, const QString& caption)
{
    auto* cell = new QVBoxLayout;
    cell->setSpacing(2);
    button->setFixedSize(36, 36);
    cell->addWidget(button, 0, Qt::AlignHCenter);
    auto* label = new QLabel(caption, button->parentWidget());
    label->setAlignment(Qt::AlignHCenter);
    label->setStyleSheet(QStringLiteral("color: #173E86;"));
    cell->addWidget(label, 0, Qt::AlignHCenter);
    grid->addLayout(cell, row, column);
}

} // namespace PanelStyle
