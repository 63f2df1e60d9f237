#include "diary/toolkit/WindowSkin.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace {

QPainterPath outlinePath(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

} // namespace

void WindowSkin::shape(QWidget& window) const
{
    window.setMask(QRegion(outlinePath(window.rect(), radius).toFillPolygon().toPolygon()));
}

void WindowSkin::paint(QPainter& painter, const QWidget& window) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, 0, window.height());
    gradient.setStops(background);
    painter.setPen(QPen(rim, 2));
    painter.setBrush(gradient);
    painter.drawPath(outlinePath(QRectF(window.rect()).adjusted(1, 1, -1, -1), radius));
    painter.restore();
}
