#include "diary/toolkit/ImageButton.h"

#include <QPainter>
#include <QPainterPath>

ImageButton::ImageButton(Symbol symbol, const QString& tooltip, QWidget* parent)
    : QAbstractButton(parent)
    , m_symbol(symbol)
{
    setToolTip(tooltip);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
}

QSize ImageButton::sizeHint() const
{
    return { 36, 36 };
}

void ImageButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    const bool hot = underMouse();
    QLinearGradient gloss(0, 0, 0, height());
    const QColor base = m_symbol == Symbol::Close || m_symbol == Symbol::Delete ? QColor(0xD9, 0x4A, 0x3D)
                                                                                 : QColor(0x3A, 0x7B, 0xD5);
    gloss.setColorAt(0, (hot ? base.lighter(150) : base.lighter(130)));
    gloss.setColorAt(1, isDown() ? base.darker(130) : base);
    p.setPen(QPen(base.darker(140), 1));
    p.setBrush(gloss);
    const qreal radius = qMin(face.width(), face.height()) / 4;
    p.drawRoundedRect(face, radius, radius);

    p.setPen(QPen(Qt::white, qMax(1.6, width() / 16.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QRectF g = face.adjusted(face.width() * 0.26, face.height() * 0.26, -face.width() * 0.26, -face.height() * 0.26);
    QPainterPath path;
    switch (m_symbol) {
    case Symbol::Write: // a pen
        path.moveTo(g.left(), g.bottom());
        path.lineTo(g.left() + g.width() * 0.2, g.bottom() - g.height() * 0.45);
        path.lineTo(g.right() - g.width() * 0.2, g.top());
        path.lineTo(g.right(), g.top() + g.height() * 0.2);
        path.lineTo(g.left() + g.width() * 0.45, g.bottom() - g.height() * 0.2);
        path.closeSubpath();
        break;
    case Symbol::Finish: // a tick
        path.moveTo(g.left(), g.center().y());
        path.lineTo(g.left() + g.width() * 0.4, g.bottom());
        path.lineTo(g.right(), g.top());
        break;
    case Symbol::Print: // a printer
        path.addRect(QRectF(g.left(), g.top() + g.height() * 0.35, g.width(), g.height() * 0.4));
        path.addRect(QRectF(g.left() + g.width() * 0.2, g.top(), g.width() * 0.6, g.height() * 0.35));
        path.addRect(QRectF(g.left() + g.width() * 0.2, g.top() + g.height() * 0.75, g.width() * 0.6, g.height() * 0.25));
        break;
    case Symbol::Delete:
    case Symbol::Close: // a cross
        path.moveTo(g.topLeft());
        path.lineTo(g.bottomRight());
        path.moveTo(g.topRight());
        path.lineTo(g.bottomLeft());
        break;
    case Symbol::Search: // a magnifier
        path.addEllipse(QRectF(g.left(), g.top(), g.width() * 0.7, g.height() * 0.7));
        path.moveTo(g.left() + g.width() * 0.6, g.top() + g.height() * 0.6);
        path.lineTo(g.bottomRight());
        break;
    case Symbol::Left:
    case Symbol::DoubleLeft:
    case Symbol::Right:
    case Symbol::DoubleRight: {
        const bool left = m_symbol == Symbol::Left || m_symbol == Symbol::DoubleLeft;
        const bool twice = m_symbol == Symbol::DoubleLeft || m_symbol == Symbol::DoubleRight;
        const int count = twice ? 2 : 1;
        const qreal step = g.width() / (count + 1);
        for (int i = 0; i < count; ++i) {
            const qreal x = g.left() + step * (i + 1);
            path.moveTo(x + (left ? step / 2 : -step / 2), g.top());
            path.lineTo(x + (left ? -step / 2 : step / 2), g.center().y());
            path.lineTo(x + (left ? step / 2 : -step / 2), g.bottom());
        }
        break;
    }
    }
    p.drawPath(path);
}
