#include "diary/workbench/HoverHints.h"

#include <QEvent>
#include <QWidget>

HoverHints::HoverHints(QObject* parent)
    : QObject(parent)
{
}

void HoverHints::add(QWidget* widget, const QString& hint)
{
    m_hints.insert(widget, hint);
    widget->installEventFilter(this);
}

void HoverHints::clearOnLeave(QWidget* widget)
{
    m_clearsOnLeave = widget;
    widget->installEventFilter(this);
}

bool HoverHints::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter && m_hints.contains(watched))
        emit hintChanged(m_hints.value(watched));
    else if (event->type() == QEvent::Leave && watched == m_clearsOnLeave)
        emit hintChanged(QString());
    return false;
}
