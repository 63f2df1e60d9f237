#include "diary/widgets/Magnetic.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

using MagneticSnap::Zone;

TMagnetic::TMagnetic(QWidget* owner)
    : QObject(owner)
    , m_owner(owner)
{
    Q_ASSERT(owner);
    setCanResize(owner->windowFlags().testFlag(Qt::FramelessWindowHint));
    owner->installEventFilter(this);
}

void TMagnetic::setCanResize(bool on)
{
    m_canResize = on;
    // The band's cursors need moves without a button held.
    if (on)
        m_owner->setMouseTracking(true);
    else
        m_owner->unsetCursor();
}

bool TMagnetic::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_owner || m_passing)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        passOn(event);
        press(mouse);
        return true;
    }
    case QEvent::MouseMove:
        passOn(event);
        move(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        m_resizing = Zone::None;
        return false;
    default:
        return false;
    }
}

void TMagnetic::passOn(QEvent* event)
{
    m_passing = true;
    QCoreApplication::sendEvent(m_owner, event);
    m_passing = false;
}

void TMagnetic::press(QMouseEvent* event)
{
    if (!m_active)
        return;
    DownPos = event->position().toPoint();
    m_customEdges.reset();
    if (m_magOption.MagCustom && m_customHandle)
        m_customEdges = MagneticSnap::Edges::of(m_customHandle->frameGeometry());
    // MagExplorer and MagTray: this desktop offers no explorer or task bar window to look up.
    m_resizing = resizable() ? MagneticSnap::zoneAt(DownPos, m_owner->size()) : Zone::None;
    m_resizeStart = m_owner->geometry();
    m_resizePress = event->globalPosition().toPoint();
}

void TMagnetic::move(QMouseEvent* event)
{
    if (!m_active)
        return;
    if (!event->buttons().testFlag(Qt::LeftButton)) {
        if (resizable())
            m_owner->setCursor(
                MagneticSnap::cursorFor(MagneticSnap::zoneAt(event->position().toPoint(), m_owner->size())));
        return;
    }
    if (m_resizing != Zone::None) {
        const QPoint delta = event->globalPosition().toPoint() - m_resizePress;
        m_owner->setGeometry(MagneticSnap::resized(
            m_resizeStart, m_resizing, delta, m_owner->minimumSizeHint().expandedTo(QSize(16, 16))));
        return;
    }
    const QRect frame = m_owner->frameGeometry();
    const QPoint target = frame.topLeft() + event->position().toPoint() - DownPos;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize();
    m_owner->move(MagneticSnap::snap(target, frame.size(), attractors(), screenSize, m_magEffect));
}

bool TMagnetic::resizable() const
{
    const Qt::WindowStates state = m_owner->windowState();
    return m_canResize && !state.testFlag(Qt::WindowMaximized) && !state.testFlag(Qt::WindowMinimized);
}

QList<MagneticSnap::Edges> TMagnetic::attractors() const
{
    QList<MagneticSnap::Edges> windows;
    if (m_magOption.MagCustom && m_customEdges)
        windows.append(*m_customEdges);
    return windows;
}
