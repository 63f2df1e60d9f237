#include "diary/shell/GroupButton.h"

#include <QLinearGradient>
#include <QPainter>

GroupButton::GroupButton(const QString& caption, QWidget* parent)
    : QAbstractButton(parent)
{
    setText(caption);
    setCursor(Qt::PointingHandCursor);
    QFont captionFont(QStringLiteral("黑体"));
    captionFont.setPixelSize(13);
    captionFont.setBold(true);
    setFont(captionFont);
}

QSize GroupButton::sizeHint() const
{
    return { 93, 20 };
}

void GroupButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient gloss(0, 0, 0, height());
    const bool down = isDown();
    gloss.setColorAt(0,
        down            ? QColor(0x2C, 0x5F, 0xB0)
            : m_hovered ? QColor(0x8F, 0xC2, 0xFF)
                        : QColor(0x74, 0xA9, 0xEE));
    gloss.setColorAt(0.5, down ? QColor(0x24, 0x52, 0x9A) : QColor(0x3F, 0x7D, 0xD2));
    gloss.setColorAt(1, down ? QColor(0x1E, 0x47, 0x88) : QColor(0x2D, 0x63, 0xB6));
    painter.fillRect(rect(), gloss);
    painter.setPen(QColor(255, 255, 255, 110));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.setPen(QColor(0x15, 0x35, 0x70));
    painter.drawLine(r.bottomLeft(), r.bottomRight());

    painter.setFont(font());
    const QRect textRect = rect().translated(down ? 1 : 0, down ? 1 : 0);
    painter.setPen(QColor(0, 0, 0, 90));
    painter.drawText(textRect.translated(1, 1), Qt::AlignCenter, text());
    painter.setPen(Qt::white);
    painter.drawText(textRect, Qt::AlignCenter, text());
}

void GroupButton::enterEvent(QEnterEvent*)
{
    m_hovered = true;
    update();
}

void GroupButton::leaveEvent(QEvent*)
{
    m_hovered = false;
    update();
}
