#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// Dates and times as the user's formats write them: short date, long time. The long time
// format is used without its time-zone part, which would not parse back into a time.
namespace LocaleTexts {

QString longTimeFormat(const QLocale& locale = QLocale::system());
QString timeText(QTime time, const QLocale& locale = QLocale::system());
// An invalid time when text is not a time in that format.
QTime parseTime(const QString& text, const QLocale& locale = QLocale::system());
QString dateText(QDate date, const QLocale& locale = QLocale::system());

} // namespace LocaleTexts
