#include "lanmate/ui/BevelPanel.h"

#include <QPainter>

BevelPanel::BevelPanel(QWidget* parent)
    : QWidget(parent)
{
}

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& p = palette();
    const QRect outer = rect().adjusted(0, 0, -1, -1);
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    const auto bevel = [&](const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    };
    bevel(outer, p.color(QPalette::Dark), p.color(QPalette::Light));
    bevel(inner, p.color(QPalette::Light), p.color(QPalette::Dark));
}
