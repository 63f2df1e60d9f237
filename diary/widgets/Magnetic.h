#pragma once

#include "diary/widgets/MagOption.h"
#include "diary/widgets/MagneticSnap.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <optional>

class QMouseEvent;
class QWidget;

// Lets a borderless window be dragged by its own surface with the left button, pulling its
// edges onto the screen's edges and onto a chosen window's, and, when CanResize is on, resized
// by a five-pixel band along its outline. The owner's own handlers see each press and move
// before the component does, so a press handler can still choose the window to snap to.
class TMagnetic final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMagnetic)

public:
    // owner: the window to drag; the component lives as long as it.
    explicit TMagnetic(QWidget* owner);

    bool Active() const { return m_active; }
    void setActive(bool on) { m_active = on; }
    bool CanResize() const { return m_canResize; }
    void setCanResize(bool on);
    int MagEffect() const { return m_magEffect; }
    void setMagEffect(int pixels) { m_magEffect = pixels; }
    const TMagOption& MagOption() const { return m_magOption; }
    void setMagOption(const TMagOption& option) { m_magOption = option; }
    // The chosen window; it attracts while MagCustom is on.
    QWidget* CustomHandle() const { return m_customHandle; }
    void setCustomHandle(QWidget* window) { m_customHandle = window; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Hands the event to the owner's own handlers first.
    void passOn(QEvent* event);
    void press(QMouseEvent* event);
    void move(QMouseEvent* event);
    bool resizable() const;
    QList<MagneticSnap::Edges> attractors() const;

    QWidget* m_owner;
    bool m_active = true;
    bool m_canResize = false;
    int m_magEffect = 10;
    TMagOption m_magOption;
    QPointer<QWidget> m_customHandle;

    bool m_passing = false;
    QPoint DownPos;
    // As recorded at the last press: a window that moves meanwhile attracts at its old place.
    std::optional<MagneticSnap::Edges> m_customEdges;
    MagneticSnap::Zone m_resizing = MagneticSnap::Zone::None;
    QRect m_resizeStart;
    QPoint m_resizePress;
};
