#include "diary/reminders/ClockDial.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>
#include <numbers>

namespace ClockDial {

QColor backdrop()
{
    return { 0, 128, 128 }; // used nowhere on the dial or the hands
}

QPixmap picture(int side)
{
    QPixmap dial(side, side);
    dial.fill(backdrop());
    QPainter painter(&dial);
    const QPointF centre(side / 2.0, side / 2.0);
    QPolygonF octagon;
    const double radius = side / 2.0 - 2;
    for (int i = 0; i < 8; ++i) {
        const double angle = std::numbers::pi / 8 + i * std::numbers::pi / 4;
        octagon << centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
    }
    // Drawn without smoothing, so the backdrop keeps one exact colour up to the outline.
    QRadialGradient face(centre, radius);
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(222, 236, 250));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(0, 0, 128), 2));
    painter.drawPolygon(octagon);

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(70, 90, 140), 1));
    for (int minute = 0; minute < 60; minute += 5) {
        const double angle = minute / 60.0 * 2 * std::numbers::pi;
        const QPointF direction(std::sin(angle), -std::cos(angle));
        const double inner = minute % 15 == 0 ? radius - 10 : radius - 7;
        painter.drawLine(centre + direction * inner, centre + direction * (radius - 4));
    }
    QFont numerals(QStringLiteral("Arial"));
    numerals.setPixelSize(side / 9);
    numerals.setBold(true);
    painter.setFont(numerals);
    painter.setPen(QColor(0, 0, 128));
    const double at = radius - 20;
    const std::pair<QString, QPointF> marks[] = { { QStringLiteral("12"), { 0, -at } },
        { QStringLiteral("3"), { at, 0 } }, { QStringLiteral("6"), { 0, at } }, { QStringLiteral("9"), { -at, 0 } } };
    for (const auto& [text, offset] : marks) {
        const QRectF box(centre + offset - QPointF(12, 9), QSizeF(24, 18));
        painter.drawText(box, Qt::AlignCenter, text);
    }
    return dial;
}

QPixmap hub(int side)
{
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient gradient(QPointF(side * 0.4, side * 0.4), side / 2.0);
    gradient.setColorAt(0, QColor(255, 240, 160));
    gradient.setColorAt(1, QColor(160, 110, 0));
    painter.setBrush(gradient);
    painter.setPen(QPen(QColor(90, 60, 0), 1));
    const double inset = side / 4.0;
    painter.drawEllipse(QRectF(inset, inset, side - 2 * inset, side - 2 * inset));
    return picture;
}

} // namespace ClockDial
