#include "diary/shell/ShowHideButton.h"

#include <QLinearGradient>
#include <QPainter>

ShowHideButton::ShowHideButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ShowHideButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool pressed = isChecked() || isDown();
    QLinearGradient fill(0, 0, 0, height());
    fill.setColorAt(0, pressed ? QColor(0x9C, 0xB8, 0xE0) : QColor(0xFF, 0xF6, 0xC8));
    fill.setColorAt(1, pressed ? QColor(0x5C, 0x82, 0xC0) : QColor(0xF2, 0xC0, 0x45));
    painter.setPen(QColor(0x0B, 0x20, 0x4C));
    painter.setBrush(fill);
    painter.drawRoundedRect(r, 5, 5);
    // A pin: upright while the bar stays, laid down while it hides itself.
    painter.setPen(QPen(QColor(0x0B, 0x20, 0x4C), 1.2));
    const QPointF c = r.center();
    if (pressed)
        painter.drawLine(QPointF(c.x() - 4, c.y()), QPointF(c.x() + 4, c.y()));
    else
        painter.drawEllipse(c, 2.5, 2.5);
}
