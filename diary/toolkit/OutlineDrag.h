#pragma once

#include <QPoint>
#include <optional>

// Moving a borderless window by its background: once the pointer has gone more than the
// tolerance away from the press, an outline of the window follows it, and on release the
// window goes where the outline is. Positions are global.
class OutlineDrag final
{
public:
    explicit OutlineDrag(int tolerance);

    void press(const QPoint& pointer, const QPoint& windowPos);
    // The outline's top left, or nullopt while there is no outline.
    std::optional<QPoint> move(const QPoint& pointer);
    // The window's new top left, or nullopt when no outline was shown.
    std::optional<QPoint> release(const QPoint& pointer);

private:
    int m_tolerance;
    bool m_pressed = false;
    bool m_outlined = false;
    QPoint m_pressPointer;
    QPoint m_pressWindow;
};
