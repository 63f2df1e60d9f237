#pragma once

#include <QColor>

class QPalette;

// The seven colours of the month calendar. A value: the calendar takes a copy of all seven.
struct TMoxCalColors
{
    QColor BackColor;
    QColor TextColor;
    QColor TitleBackColor;
    QColor TitleTextColor;
    QColor TrailingTextColor;
    QColor SundayColor;
    QColor SaturdayColor;

    // The defaults, taken from the system colours of a palette.
    static TMoxCalColors fromPalette(const QPalette& palette);

    bool operator==(const TMoxCalColors&) const = default;
};
