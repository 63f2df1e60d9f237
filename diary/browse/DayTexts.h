#pragma once

#include "diary/store/DayEntry.h"

#include <QDate>
#include <QList>
#include <QStringList>

// The texts a day's diary rows are shown and exported as.
namespace DayTexts {

// The day view's lines: a heading and, for each row, an empty line and five labelled lines;
// nothing at all for a day without rows.
QStringList dayView(const QList<DayEntry>& entries);
// A month cell: the day of the month and "号", then six CR LF ended lines for each row.
QString monthDay(const QDate& day, const QList<DayEntry>& entries);
// A week cell: the date in the short date format, then three CR LF ended lines for each row.
QString weekDay(const QDate& day, const QList<DayEntry>& entries);

} // namespace DayTexts
