#include "diary/toolkit/OutlinedLabel.h"

#include <QPainter>
#include <QPainterPath>

OutlinedLabel::OutlinedLabel(const QString& text, const QColor& fill, QWidget* parent)
    : QWidget(parent)
    , m_text(text)
    , m_fill(fill)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

void OutlinedLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QFontMetricsF metrics(font());
    QPainterPath path;
    path.addText(QPointF(1.5, (height() + metrics.ascent() - metrics.descent()) / 2), font(), m_text);
    p.setPen(QPen(QColor(0, 30, 60), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(m_fill);
    p.drawPath(path);
}
