#include "diary/widgets/MagneticSnap.h"

#include <cstdlib>

namespace MagneticSnap {

namespace {

constexpr int kBand = 4;

// Pulls one axis of the window [pos, pos + extent) onto the other window's [low, high).
int pull(int pos, int extent, int low, int high, int effect)
{
    if (std::abs(high - pos) < effect)
        return high;
    if (std::abs(pos + extent - low) < effect)
        return low - extent;
    return pos;
}

int toScreen(int pos, int extent, int screen, int effect)
{
    if (pos < effect)
        pos = 0;
    if (pos > screen - extent - effect)
        pos = screen - extent;
    return pos;
}

} // namespace

Edges Edges::of(const QRect& frame)
{
    return { frame.x(), frame.y(), frame.x() + frame.width(), frame.y() + frame.height() };
}

QPoint snap(QPoint target, QSize size, const QList<Edges>& windows, QSize screen, int effect)
{
    int x = target.x();
    int y = target.y();
    for (const Edges& other : windows) {
        y = pull(y, size.height(), other.top, other.bottom, effect);
        x = pull(x, size.width(), other.left, other.right, effect);
    }
    return { toScreen(x, size.width(), screen.width(), effect), toScreen(y, size.height(), screen.height(), effect) };
}

Zone zoneAt(QPoint point, QSize size)
{
    const bool left = point.x() <= kBand;
    const bool right = point.x() >= size.width() - kBand;
    const bool top = point.y() <= kBand;
    const bool bottom = point.y() >= size.height() - kBand;
    if (left && top)
        return Zone::TopLeft;
    if (right && top)
        return Zone::TopRight;
    if (right && bottom)
        return Zone::BottomRight;
    if (left && bottom)
        return Zone::BottomLeft;
    if (left)
        return Zone::Left;
    if (top)
        return Zone::Top;
    if (bottom)
        return Zone::Bottom;
    if (right)
        return Zone::Right;
    return Zone::None;
}

Qt::CursorShape cursorFor(Zone zone)
{
    switch (zone) {
    case Zone::TopLeft:
    case Zone::BottomRight:
        return Qt::SizeFDiagCursor;
    case Zone::TopRight:
    case Zone::BottomLeft:
        return Qt::SizeBDiagCursor;
    case Zone::Left:
    case Zone::Right:
        return Qt::SizeHorCursor;
    case Zone::Top:
    case Zone::Bottom:
        return Qt::SizeVerCursor;
    case Zone::None:
        break;
    }
    return Qt::ArrowCursor;
}

QRect resized(const QRect& start, Zone zone, QPoint delta, QSize minimum)
{
    int left = start.x();
    int top = start.y();
    int right = start.x() + start.width();
    int bottom = start.y() + start.height();
    const bool movesLeft = zone == Zone::Left || zone == Zone::TopLeft || zone == Zone::BottomLeft;
    const bool movesRight = zone == Zone::Right || zone == Zone::TopRight || zone == Zone::BottomRight;
    const bool movesTop = zone == Zone::Top || zone == Zone::TopLeft || zone == Zone::TopRight;
    const bool movesBottom = zone == Zone::Bottom || zone == Zone::BottomLeft || zone == Zone::BottomRight;
    if (movesLeft)
        left = std::min(left + delta.x(), right - minimum.width());
    if (movesRight)
        right = std::max(right + delta.x(), left + minimum.width());
    if (movesTop)
        top = std::min(top + delta.y(), bottom - minimum.height());
    if (movesBottom)
        bottom = std::max(bottom + delta.y(), top + minimum.height());
    return { left, top, right - left, bottom - top };
}

} // namespace MagneticSnap
