#pragma once

#include <QDate>
#include <QLocale>
#include <QStringList>
#include <QTime>

// The texts of the reminder lists: which reminders fall due on a day, the entries the scans
// write and how the due check reads an entry back.
namespace ReminderEntries {

// The recurrence kinds, the first being the default.
const QStringList& kinds();
const QString& onceKind();

// True when a row of this kind and stored date falls due on today. An unknown kind never does.
bool fallsDue(const QString& kind, QDate stored, QDate today, const QLocale& locale = QLocale::system());

// time "*" date "*" content
QString dueEntry(QTime time, QDate date, const QString& content, const QLocale& locale = QLocale::system());
// time " |*| " kind " |*| " content; monthly entries without the blanks.
QString todayEntry(QTime time, const QString& kind, const QString& content, const QLocale& locale = QLocale::system());

struct DueParts
{
    QString timeText;
    QString content;
};
// The time before the first "*" and the content after the second; the content keeps any
// further "*".
DueParts splitDueEntry(const QString& entry);

} // namespace ReminderEntries
