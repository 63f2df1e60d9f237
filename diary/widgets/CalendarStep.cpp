#include "diary/widgets/CalendarStep.h"

QDate StepCalendar(QDate date, CalendarStep step)
{
    // QDate already clamps the day to the length of the target month.
    switch (step) {
    case CalendarStep::PreYear:
        return date.addYears(-1);
    case CalendarStep::NextYear:
        return date.addYears(1);
    case CalendarStep::PreMon:
        return date.addMonths(-1);
    case CalendarStep::NextMon:
        return date.addMonths(1);
    }
    return date;
}
