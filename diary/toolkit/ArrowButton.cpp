#include "diary/toolkit/ArrowButton.h"

#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Maroon(128, 0, 0);
const QColor Glow(196, 60, 50);
const QColor LitGlow(236, 96, 80);
const QColor Rim(255, 214, 170);

} // namespace

ArrowButton::ArrowButton(Direction direction, const QString& hint, QWidget* parent)
    : QAbstractButton(parent)
    , m_direction(direction)
{
    setToolTip(hint);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

QSize ArrowButton::sizeHint() const
{
    return { 42, 27 };
}

void ArrowButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // A block arrow: shaft on one side, head on the other, mirrored for Left.
    const QRectF box = QRectF(rect()).adjusted(3, 4, -3, -4).translated(isDown() ? 1 : 0, isDown() ? 1 : 0);
    const qreal head = qMin(box.width() * 0.5, box.height());
    const qreal shaft = box.height() * 0.24;
    const qreal mid = box.center().y();
    QPainterPath path;
    path.moveTo(box.left(), mid - shaft);
    path.lineTo(box.right() - head, mid - shaft);
    path.lineTo(box.right() - head, box.top());
    path.lineTo(box.right(), mid);
    path.lineTo(box.right() - head, box.bottom());
    path.lineTo(box.right() - head, mid + shaft);
    path.lineTo(box.left(), mid + shaft);
    path.closeSubpath();
    if (m_direction == Direction::Left) {
        QTransform mirror;
        mirror.translate(box.left() + box.right(), 0);
        mirror.scale(-1, 1);
        path = mirror.map(path);
    }
    // Lit from above, so the maroon arrow stands out of a maroon title.
    QLinearGradient face(0, box.top(), 0, box.bottom());
    face.setColorAt(0, underMouse() ? LitGlow : Glow);
    face.setColorAt(1, Maroon);
    p.setPen(QPen(Rim, 1));
    p.setBrush(face);
    p.drawPath(path);
}
