#include "diary/sources/SourcePictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

constexpr int Size = 18;

QPixmap blank()
{
    QPixmap picture(Size, Size);
    picture.fill(Qt::transparent);
    return picture;
}

// A house-shaped office: the source.
QPixmap sourcePicture()
{
    QPixmap picture = blank();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wall(0, 7, 0, 17);
    wall.setColorAt(0, QColor(255, 236, 160));
    wall.setColorAt(1, QColor(222, 170, 60));
    p.setPen(QPen(QColor(120, 80, 20), 1));
    p.setBrush(wall);
    p.drawRect(QRectF(3.5, 7.5, 11, 9));
    QPainterPath roof;
    roof.moveTo(1.5, 8.5);
    roof.lineTo(9, 1.5);
    roof.lineTo(16.5, 8.5);
    roof.closeSubpath();
    p.setBrush(QColor(190, 50, 40));
    p.drawPath(roof);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 60, 30));
    p.drawRect(QRectF(7.5, 11.5, 3, 5));
    return picture;
}

// Head and shoulders: a person.
QPixmap personPicture()
{
    QPixmap picture = blank();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient coat(9, 14, 8, 7, 11);
    coat.setColorAt(0, QColor(120, 170, 240));
    coat.setColorAt(1, QColor(30, 70, 160));
    p.setPen(QPen(QColor(20, 40, 100), 1));
    p.setBrush(coat);
    p.drawChord(QRectF(2.5, 10.5, 13, 12), 0, 180 * 16);
    QRadialGradient face(9, 6, 4.5, 7.5, 4.5);
    face.setColorAt(0, QColor(255, 235, 210));
    face.setColorAt(1, QColor(230, 170, 120));
    p.setPen(QPen(QColor(140, 90, 50), 1));
    p.setBrush(face);
    p.drawEllipse(QRectF(5.5, 1.5, 7, 8));
    return picture;
}

// A gold star: the node in hand.
QPixmap selectedPicture()
{
    QPixmap picture = blank();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 ? 3.6 : 8.2;
        const qreal angle = qDegreesToRadians(-90.0 + i * 36.0);
        const QPointF point(9 + radius * qCos(angle), 9.5 + radius * qSin(angle));
        i ? star.lineTo(point) : star.moveTo(point);
    }
    star.closeSubpath();
    QRadialGradient gold(8, 7, 8);
    gold.setColorAt(0, QColor(255, 250, 190));
    gold.setColorAt(1, QColor(235, 150, 0));
    p.setPen(QPen(QColor(160, 80, 0), 1));
    p.setBrush(gold);
    p.drawPath(star);
    return picture;
}

} // namespace

QList<QPixmap> sourcePictures()
{
    return { sourcePicture(), personPicture(), selectedPicture() };
}
