#include "common/PromptIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

constexpr int IconSize = 36;

struct IconLook
{
    QColor colour;
    QString mark;
};

IconLook lookOf(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information:
        return { QColor(0x1F, 0x6F, 0xD0), QStringLiteral("i") };
    case Prompts::Icon::Question:
        return { QColor(0x1F, 0x6F, 0xD0), QStringLiteral("?") };
    case Prompts::Icon::Warning:
        return { QColor(0xE0, 0x9A, 0x10), QStringLiteral("!") };
    case Prompts::Icon::Critical:
        return { QColor(0xC8, 0x2A, 0x2A), QStringLiteral("×") };
    case Prompts::Icon::None:
        break;
    }
    return {};
}

} // namespace

PromptIcon::PromptIcon(Prompts::Icon icon, QWidget* parent)
    : QWidget(parent)
    , m_icon(icon)
{
    setFixedSize(IconSize, IconSize);
}

void PromptIcon::paintEvent(QPaintEvent*)
{
    const IconLook look = lookOf(m_icon);
    if (!look.colour.isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    QRadialGradient fill(area.center() - QPointF(6, 8), area.width());
    fill.setColorAt(0, look.colour.lighter(150));
    fill.setColorAt(1, look.colour);
    painter.setBrush(fill);
    painter.setPen(QPen(look.colour.darker(130), 1.2));
    if (m_icon == Prompts::Icon::Warning) {
        QPainterPath triangle;
        triangle.moveTo(area.center().x(), area.top());
        triangle.lineTo(area.right(), area.bottom());
        triangle.lineTo(area.left(), area.bottom());
        triangle.closeSubpath();
        painter.drawPath(triangle);
    } else {
        painter.drawEllipse(area);
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(22);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QRectF markArea = m_icon == Prompts::Icon::Warning ? area.adjusted(0, 8, 0, 0) : area;
    painter.drawText(markArea, Qt::AlignCenter, look.mark);
}
