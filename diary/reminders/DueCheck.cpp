#include "diary/reminders/DueCheck.h"

#include "common/LocaleTexts.h"
#include "diary/reminders/ReminderEntries.h"

QStringList DueCheck::take(const QStringList& dueList, const QDateTime& now)
{
    if (now.date() != m_day) {
        m_day = now.date();
        m_announced.clear();
    }
    QStringList contents;
    for (const QString& entry : dueList) {
        const ReminderEntries::DueParts parts = ReminderEntries::splitDueEntry(entry);
        const QTime due = LocaleTexts::parseTime(parts.timeText);
        if (!due.isValid() || due.hour() != now.time().hour() || due.minute() != now.time().minute())
            continue;
        if (m_announced.contains(entry))
            continue;
        m_announced.insert(entry);
        contents.append(parts.content);
    }
    return contents;
}
