#pragma once

#include <QString>

// The fields of one diary row that the day listings show, each read as text.
struct DayEntry
{
    QString type;
    QString item;
    QString source;
    QString person;
    QString content;

    bool operator==(const DayEntry&) const = default;
};
