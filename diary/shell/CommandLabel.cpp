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

void CommandLabel::MouseEnter()
{
    setShadow(true);
}

void CommandLabel::MouseLeave()
{
    setShadow(false);
}

void CommandLabel::MouseDown()
{
    setShadow(false);
}

void CommandLabel::MouseUp()
{
    setShadow(true);
}

void CommandLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (m_hovered) {
        painter.setPen(QColor(0x7F, 0xA8, 0xE0));
        painter.setBrush(QColor(255, 255, 255, m_pressed ? 120 : 200));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2.5, 1.5, -2.5, -1.5), 5, 5);
    }
    painter.setFont(font());
    const QRect textRect = rect().translated(m_pressed ? 1 : 0, m_pressed ? 1 : 0);
    if (m_shadow) {
        painter.setPen(QColor(0x9A, 0xAE, 0xCB));
        painter.drawText(textRect.translated(1, 1), int(alignment()), text());
    }
    painter.setPen(m_hovered ? QColor(0xB2, 0x3A, 0x12) : QColor(0x17, 0x3A, 0x7A));
    painter.drawText(textRect, int(alignment()), text());
}

void CommandLabel::enterEvent(QEnterEvent*)
{
    m_hovered = true;
    MouseEnter();
}

void CommandLabel::leaveEvent(QEvent*)
{
    m_hovered = false;
    MouseLeave();
}

void CommandLabel::mousePressEvent(QMouseEvent*)
{
    m_pressed = true;
    MouseDown();
}

void CommandLabel::mouseDoubleClickEvent(QMouseEvent*)
{
    // The first click of the pair has run the command already.
    m_pressed = true;
    m_endsDoubleClick = true;
    MouseDown();
}

void CommandLabel::mouseReleaseEvent(QMouseEvent* event)
{
    m_pressed = false;
    MouseUp();
    const bool secondOfDouble = std::exchange(m_endsDoubleClick, false);
    if (!secondOfDouble && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}
