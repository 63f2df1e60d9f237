#include "diary/workbench/DateBox.h"

#include "diary/workbench/DatePopup.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionComboBox>

DateBox::DateBox(Clock& clock, QWidget* parent)
    : QDateEdit(parent)
    , m_popup(new DatePopup(clock, this))
{
    setCalendarPopup(true); // draws the drop-down arrow; the popup itself is ours
    setDisplayFormat(locale().dateFormat(QLocale::ShortFormat));
    connect(m_popup, &DatePopup::picked, this, &QDateEdit::setDate);
}

void DateBox::showPopup()
{
    m_popup->open(date(), mapToGlobal(rect().bottomLeft() + QPoint(0, 1)));
}

void DateBox::mousePressEvent(QMouseEvent* event)
{
    // Drawn as an editable combo box while it has a popup.
    QStyleOptionComboBox option;
    option.initFrom(this);
    option.editable = true;
    option.frame = hasFrame();
    option.subControls = QStyle::SC_All;
    const auto hit = style()->hitTestComplexControl(QStyle::CC_ComboBox, &option, event->position().toPoint(), this);
    if (event->button() == Qt::LeftButton && hit == QStyle::SC_ComboBoxArrow) {
        showPopup();
        return;
    }
    QDateEdit::mousePressEvent(event);
}

void DateBox::keyPressEvent(QKeyEvent* event)
{
    const bool dropDown
        = event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && event->modifiers() & Qt::AltModifier);
    if (dropDown) {
        showPopup();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        QDateEdit::keyPressEvent(event);
        return;
    default:
        event->accept(); // typed characters do not change the date
    }
}
