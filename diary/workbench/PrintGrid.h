#pragma once

#include <QString>

class Clock;
class Prompts;
class QTableView;

// Prints a list as a table: a title band, a header row, the rows and a footer with the date,
// the time and the page number on every page. The columns are the grid's visible ones at
// their on-screen widths, scaled to the printer.
class PrintGrid final
{
public:
    PrintGrid(Prompts& prompts, const Clock& clock);

    // The grid's model must be a CursorModel. After printing the list stands on its last row.
    void print(QTableView* grid, const QString& title);

private:
    Prompts& m_prompts;
    const Clock& m_clock;
};
