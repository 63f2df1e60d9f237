#include "diary/workbench/PanelStyle.h"

#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
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

QIcon dropArrow()
{
    QPixmap arrow(16, 16);
    arrow.fill(Qt::transparent);
    QPainter p(&arrow);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawPolygon(QPolygonF({ QPointF(4, 6), QPointF(12, 6), QPointF(8, 11) }));
    return QIcon(arrow);
}

} // namespace PanelStyle
