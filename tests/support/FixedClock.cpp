#include "tests/support/FixedClock.h"

FixedClock::FixedClock(QDateTime now)
    : m_now(std::move(now))
{
}

QDateTime FixedClock::now() const
{
    return m_now;
}

void FixedClock::set(const QDateTime& now)
{
    m_now = now;
}

void FixedClock::setToday(const QDate& day)
{
    m_now.setDate(day);
}
