#include "diary/toolkit/OutlineDrag.h"

#include <QtGlobal>

OutlineDrag::OutlineDrag(int tolerance)
    : m_tolerance(tolerance)
{
}

void OutlineDrag::press(const QPoint& pointer, const QPoint& windowPos)
{
    m_pressed = true;
    m_outlined = false;
    m_pressPointer = pointer;
    m_pressWindow = windowPos;
}

std::optional<QPoint> OutlineDrag::move(const QPoint& pointer)
{
    if (!m_pressed)
        return std::nullopt;
    const QPoint offset = pointer - m_pressPointer;
    if (!m_outlined && qAbs(offset.x()) <= m_tolerance && qAbs(offset.y()) <= m_tolerance)
        return std::nullopt;
    m_outlined = true;
    return m_pressWindow + offset;
}

std::optional<QPoint> OutlineDrag::release(const QPoint& pointer)
{
    const std::optional<QPoint> target = m_outlined ? move(pointer) : std::nullopt;
    m_pressed = false;
    m_outlined = false;
    return target;
}
