#pragma once

#include <QDate>
#include <QRect>
#include <QStringList>

class QFont;

// Where the secondary label sits in a day cell.
enum class TMoxCalStyle
{
    csBottom,
    csRight,
    csNone
};

// The geometry and font sizes of a month calendar of a given size: a title row, a row of
// weekday names and 6 x 7 day cells, each row an eighth of the height.
struct MoxCalLayout
{
    static constexpr int CellCount = 42;

    int CellWidth = 0;
    int CellHeight = 0;
    QRect TitleRect;
    QRect WeekRect;
    QRect DaysRect;
    int TitleFontSize = 0;
    int WeekFontSize = 0;
    int DayFontSize = 0;
    int LunarFontSize = 0;

    // Cell 0 is the top-left one; cells run by rows, Sunday first.
    QRect cellRect(int index) const;
    // The cell under a point of the grid, or -1.
    int cellAt(QPoint point) const;
};

// The largest point size from 5 to 72 at which text fits into width x height, or 4 when
// even size 5 does not fit.
int FitFontSize(const QFont& font, const QString& text, int width, int height);

// weekdayNames are the names drawn in the weekday row; all of them must fit.
MoxCalLayout CalcLayout(
    QSize client, const QFont& font, QDate date, TMoxCalStyle style, const QStringList& weekdayNames);

// The Sunday before the first of the month; a whole week earlier when the first is a Sunday,
// so that the grid always starts with a row of the previous month.
QDate CalcFirstCell(QDate date);
