#pragma once

#include "diary/toolkit/OutlineDrag.h"

#include <QObject>
#include <memory>

class QRubberBand;
class QWidget;

// Lets a borderless window be dragged by its background (not by its controls): an outline
// follows the pointer and the window moves where it is on release.
class OutlineMover final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OutlineMover)

public:
    OutlineMover(QWidget* window, int tolerance);
    ~OutlineMover() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    OutlineDrag m_drag;
    std::unique_ptr<QRubberBand> m_outline;
};
