#include "diary/reminders/ReminderEntries.h"

#include "common/LocaleTexts.h"

namespace ReminderEntries {

namespace {

// clang-format off
const QString kOnce    = QStringLiteral("到时提醒一次");
const QString kDaily   = QStringLiteral("每天提醒一次");
const QString kWeekly  = QStringLiteral("每星期提醒一次");
const QString kMonthly = QStringLiteral("每月提醒一次");
// clang-format on

const QChar kStar = QLatin1Char('*');

} // namespace

const QStringList& kinds()
{
    static const QStringList all { kOnce, kDaily, kWeekly, kMonthly };
    return all;
}

const QString& onceKind()
{
    return kOnce;
}

bool fallsDue(const QString& kind, QDate stored, QDate today, const QLocale& locale)
{
    if (kind == kOnce)
        return stored.isValid() && LocaleTexts::dateText(stored, locale) == LocaleTexts::dateText(today, locale);
    if (kind == kDaily)
        return true;
    if (kind == kWeekly)
        return stored.isValid() && stored.dayOfWeek() == today.dayOfWeek();
    if (kind == kMonthly)
        return stored.isValid() && stored.day() == today.day();
    return false;
}

QString dueEntry(QTime time, QDate date, const QString& content, const QLocale& locale)
{
    return LocaleTexts::timeText(time, locale) + kStar + LocaleTexts::dateText(date, locale) + kStar + content;
}

QString todayEntry(QTime time, const QString& kind, const QString& content, const QLocale& locale)
{
    const QString separator = kind == kMonthly ? QStringLiteral("|*|") : QStringLiteral(" |*| ");
    return LocaleTexts::timeText(time, locale) + separator + kind + separator + content;
}

DueParts splitDueEntry(const QString& entry)
{
    const qsizetype first = entry.indexOf(kStar);
    if (first < 0)
        return { entry, {} };
    const qsizetype second = entry.indexOf(kStar, first + 1);
    return { entry.left(first), second < 0 ? QString() : entry.mid(second + 1) };
}

} // namespace ReminderEntries
