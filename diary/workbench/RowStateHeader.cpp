#include "diary/workbench/RowStateHeader.h"

#include "diary/store/TableCursor.h"

#include <QPainter>
#include <QPolygonF>

namespace {

const QColor Face(0xE4, 0xEE, 0xFB);
const QColor Edge(0x9D, 0xB6, 0xDA);
const QColor Mark(0x17, 0x3E, 0x86);

void drawArrow(QPainter& p, const QRectF& box)
{
    const QPointF c = box.center();
    p.setBrush(Mark);
    p.drawPolygon(QPolygonF({ c + QPointF(-3, -5), c + QPointF(4, 0), c + QPointF(-3, 5) }));
}

void drawPencil(QPainter& p, const QRectF& box)
{
    const QPointF c = box.center();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Mark, 1.2));
    // A slanted shaft with its point at the lower left.
    p.drawPolygon(QPolygonF({ c + QPointF(2, -7), c + QPointF(5, -4), c + QPointF(-3, 4), c + QPointF(-6, 1) }));
    p.drawLine(c + QPointF(-6, 1), c + QPointF(-6, 6));
    p.drawLine(c + QPointF(-6, 6), c + QPointF(-3, 4));
}

} // namespace

RowStateHeader::RowStateHeader(const TableCursor& cursor, QWidget* parent)
    : QHeaderView(Qt::Vertical, parent)
    , m_cursor(cursor)
{
    connect(&cursor, &TableCursor::dataChanged, viewport(), qOverload<>(&QWidget::update));
}

void RowStateHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    QPainter& p = *painter;
    p.save();
    p.fillRect(rect, Face);
    p.setPen(Edge);
    p.drawLine(rect.bottomLeft(), rect.bottomRight());
    p.drawLine(rect.topRight(), rect.bottomRight());
    if (logicalIndex == m_cursor.currentRow()) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Mark);
        switch (m_cursor.state()) {
        case TableCursor::State::Edit:
            drawPencil(p, rect);
            break;
        case TableCursor::State::Insert: {
            QFont star = p.font();
            star.setBold(true);
            star.setPixelSize(14);
            p.setFont(star);
            p.drawText(rect, Qt::AlignCenter, QStringLiteral("*"));
            break;
        }
        default:
            drawArrow(p, rect);
        }
    }
    p.restore();
}
