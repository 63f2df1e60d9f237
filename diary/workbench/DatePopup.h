#pragma once

#include <QDate>
#include <QFrame>

class Clock;
class DeskCalendar;

// The drop-down of a date box: the program's month calendar with its lunar labels and the
// buttons that step by month and year. A click on a day (or Enter) picks it.
class DatePopup final : public QFrame
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DatePopup)

public:
    explicit DatePopup(Clock& clock, QWidget* parent = nullptr);

    // Shows the popup with date selected, its top left at topLeft (global).
    void open(const QDate& date, const QPoint& topLeft);
    DeskCalendar* calendar() const { return m_calendar; }

signals:
    void picked(const QDate& date);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void pick();

    DeskCalendar* m_calendar;
};
