#pragma once

#include <QDateTime>

// Where "now" and "today" come from; tests install a fixed one.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const;
    QDate today() const { return now().date(); }
};
