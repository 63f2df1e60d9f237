#pragma once

#include <QDate>

// The four arrow buttons over every embedded month calendar.
enum class CalendarStep
{
    PreYear,
    NextYear,
    PreMon,
    NextMon
};

// The same day a year or a month away; 29 February and days past the end of the target
// month become its last day.
QDate StepCalendar(QDate date, CalendarStep step);
