#include "diary/sources/RaisedLabel.h"

#include <QPainter>

RaisedLabel::RaisedLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
}

void RaisedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    const QRect area = contentsRect().adjusted(1, 1, -1, -1);
    const int flags = int(alignment());
    painter.setPen(palette().color(QPalette::Light));
    painter.drawText(area.translated(-1, -1), flags, text());
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawText(area.translated(1, 1), flags, text());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(area, flags, text());
}
