#pragma once

#include <QColor>
#include <QGradientStops>

class QPainter;
class QWidget;

// The drawn skin of a borderless window: a rounded outline that also shapes the window, a
// vertical gradient inside it and a rim.
struct WindowSkin
{
    QGradientStops background; // top to bottom
    QColor rim;
    qreal radius = 12;

    // Shapes the window to the outline; call again when its size changes.
    void shape(QWidget& window) const;
    // Paints the background and the rim over the whole window.
    void paint(QPainter& painter, const QWidget& window) const;
};
