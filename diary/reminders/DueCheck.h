#pragma once

#include <QDateTime>
#include <QSet>
#include <QStringList>

// Decides which entries of the due list are announced at a tick. An entry is due during the
// whole minute of its time and is announced once: the marks last from tick to tick until
// the date changes.
class DueCheck final
{
public:
    // The contents to announce now, in list order; each is marked as announced.
    QStringList take(const QStringList& dueList, const QDateTime& now);

private:
    QDate m_day;
    QSet<QString> m_announced;
};
