#include "diary/workbench/DateBox.h"

#include <QKeyEvent>

DateBox::DateBox(QWidget* parent)
    : QDateEdit(parent)
{
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
}

void DateBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_F4:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        QDateEdit::keyPressEvent(event);
        return;
    default:
        event->accept(); // typed characters do not change the date
    }
}
