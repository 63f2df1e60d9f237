#include "diary/toolkit/OutlineMover.h"

#include <QMouseEvent>
#include <QRubberBand>
#include <QWidget>

OutlineMover::OutlineMover(QWidget* window, int tolerance)
    : QObject(window)
    , m_window(window)
    , m_drag(tolerance)
    , m_outline(std::make_unique<QRubberBand>(QRubberBand::Rectangle))
{
    window->installEventFilter(this);
}

OutlineMover::~OutlineMover() = default;

bool OutlineMover::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || m_window->childAt(mouse->position().toPoint()))
            break;
        m_drag.press(mouse->globalPosition().toPoint(), m_window->pos());
        return true; // taken, so that the moves up to the release come here
    }
    case QEvent::MouseMove:
        if (const auto outline = m_drag.move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint())) {
            m_outline->setGeometry(QRect(*outline, m_window->size()));
            m_outline->show();
        }
        break;
    case QEvent::MouseButtonRelease:
        m_outline->hide();
        if (const auto target = m_drag.release(static_cast<QMouseEvent*>(event)->globalPosition().toPoint()))
            m_window->move(*target);
        break;
    default:
        break;
    }
    return false;
}
