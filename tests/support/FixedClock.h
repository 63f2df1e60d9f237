#pragma once

#include "common/Clock.h"

// A clock that stands still until a test moves it.
class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime now = QDateTime(QDate(2024, 2, 10), QTime(9, 30)));

    QDateTime now() const override;
    void set(const QDateTime& now);
    void setToday(const QDate& day);

private:
    QDateTime m_now;
};
