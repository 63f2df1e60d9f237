#include "diary/reminders/ShapeButton.h"

#include <QPainter>
#include <QPainterPath>

ShapeButton::ShapeButton(const QString& caption, const QColor& face, QWidget* parent)
    : QAbstractButton(parent)
    , m_face(face)
{
    setText(caption);
    QFont captionFont = font();
    captionFont.setPixelSize(17);
    setFont(captionFont);
    setCursor(Qt::PointingHandCursor);
}

void ShapeButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF outline = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(outline, height() / 2.5, height() / 2.5);
    const bool down = isDown();
    QLinearGradient gradient(0, 0, 0, height());
    const QColor face = m_hovered ? m_face.lighter(108) : m_face;
    gradient.setColorAt(0, down ? face.darker(115) : face.lighter(125));
    gradient.setColorAt(1, down ? face.lighter(105) : face.darker(112));
    painter.fillPath(path, gradient);
    painter.setPen(QPen(m_face.darker(160), 1));
    painter.drawPath(path);

    // Raised text: a light edge up left, the caption, a shadow down right.
    const QRect box = rect().translated(down ? 1 : 0, down ? 1 : 0);
    painter.setFont(font());
    painter.setPen(Qt::white);
    painter.drawText(box.translated(-1, -1), Qt::AlignCenter, text());
    painter.setPen(m_face.darker(220));
    painter.drawText(box.translated(1, 1), Qt::AlignCenter, text());
    painter.setPen(QColor(0, 0, 96));
    painter.drawText(box, Qt::AlignCenter, text());
}

void ShapeButton::enterEvent(QEnterEvent* event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ShapeButton::leaveEvent(QEvent* event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}
