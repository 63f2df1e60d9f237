#pragma once

#include "diary/browse/DocDocument.h"

#include <QDate>
#include <utility>

// The month and week documents of the browsing window: a title and a table with a cell for
// every day, built in the order the word processor was once driven in.
namespace CalendarExport {

// Landscape page, title, and the month's 7 × 7 table with the weekday header.
DocDocument PrepareMonthDocument(const QDate& date);
// Landscape page, title, and the week's 8 × 2 table with the weekday column.
DocDocument PrepareWeekDocument(const QDate& date);
// The month table's (row, column) of a day: Sunday-first weeks in rows 2 to 7.
std::pair<int, int> MonthCellOf(const QDate& day);
QDate NextDay(const QDate& day);
// The Monday on or before day.
QDate WeekStart(const QDate& day);
// Puts a day's text into its cell and centres the cell's first line.
void FillDay(DocTable& table, int row, int column, const QString& text);
// A file name that says what the document holds, without folder and extension.
QString monthName(const QDate& date);
QString weekName(const QDate& monday);

} // namespace CalendarExport
