#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <Qt>

// The arithmetic of a window that is dragged by its surface: snapping its edges onto nearby
// edges, and the band along its outline that resizes it.
namespace MagneticSnap {

// A window's edges on the screen; right and bottom lie just past its last pixel.
struct Edges
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static Edges of(const QRect& frame);
    bool operator==(const Edges&) const = default;
};

// The position of a window of size whose top-left corner is dragged to target: edges closer
// than effect to an edge of one of windows (in order) are pulled onto it, then the screen's
// edges, which win.
QPoint snap(QPoint target, QSize size, const QList<Edges>& windows, QSize screen, int effect);

enum class Zone
{
    None,
    TopLeft,
    TopRight,
    BottomRight,
    BottomLeft,
    Left,
    Top,
    Bottom,
    Right
};

// Which part of the five-pixel resize band a point in client coordinates lies on.
Zone zoneAt(QPoint point, QSize size);
Qt::CursorShape cursorFor(Zone zone);
// The geometry after the pointer moved by delta since the press on zone; never smaller than
// minimum, the opposite edges staying where they were.
QRect resized(const QRect& start, Zone zone, QPoint delta, QSize minimum);

} // namespace MagneticSnap
