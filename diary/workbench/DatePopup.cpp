#include "diary/workbench/DatePopup.h"

#include "diary/widgets/MoxCalendar.h"
#include "diary/workbench/DeskCalendar.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QSize PopupSize(232, 226);

} // namespace

DatePopup::DatePopup(Clock& clock, QWidget* parent)
    : QFrame(parent, Qt::Popup)
    , m_calendar(new DeskCalendar(clock, this))
{
    setFrameShape(QFrame::Box);
    setStyleSheet(QStringLiteral("DatePopup { border: 1px solid #1F4FA8; background: white; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(m_calendar);
    resize(PopupSize);
    connect(m_calendar->MoxCalendar1, &TMoxCalendar::OnClick, this, &DatePopup::pick);
}

void DatePopup::open(const QDate& date, const QPoint& topLeft)
{
    m_calendar->MoxCalendar1->setDate(date);
    QPoint at = topLeft;
    if (const QScreen* screen = QGuiApplication::screenAt(topLeft)) {
        const QRect area = screen->availableGeometry();
        at.setX(qBound(area.left(), at.x(), area.right() - width()));
        at.setY(qBound(area.top(), at.y(), area.bottom() - height()));
    }
    move(at);
    show();
    m_calendar->MoxCalendar1->setFocus(Qt::PopupFocusReason);
}

void DatePopup::pick()
{
    hide();
    emit picked(m_calendar->MoxCalendar1->Date());
}

void DatePopup::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape)
        hide();
    else
        QFrame::keyPressEvent(event);
}
