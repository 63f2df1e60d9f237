#include "diary/shell/CommandLabel.h"

#include <QMouseEvent>
#include <QPainter>

CommandLabel::CommandLabel(const QString& caption, QWidget* parent)
    : QLabel(caption, parent)
{
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
}

void CommandLabel::setShadow(bool on)
{
    m_shadow = on;
    update();
}

void CommandLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    if (m_hovered) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 255, 255, 70));
        painter.drawRoundedRect(rect().adjusted(1, 1, -1, -1), 4, 4);
    }
    if (m_shadow) {
        painter.setPen(QColor(0, 0, 0, 120));
        painter.drawText(rect().translated(1, 1), int(alignment()), text());
    }
    painter.setPen(m_hovered ? QColor(0xFF, 0xF2, 0x9E) : QColor(Qt::white));
    painter.drawText(rect(), int(alignment()), text());
}

void CommandLabel::enterEvent(QEnterEvent*)
{
    m_hovered = true;
    update();
}

void CommandLabel::leaveEvent(QEvent*)
{
    m_hovered = false;
    update();
}

void CommandLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
