#include "diary/browse/DocTable.h"

DocTable::DocTable(int rows, int columns, int fontSize)
    : m_rows(rows)
    , m_columns(columns)
    , m_cells(rows * columns, DocCell(fontSize))
    , m_widths(columns)
{
}

DocCell& DocTable::Cell(int row, int column)
{
    Q_ASSERT(row >= 1 && row <= m_rows && column >= 1 && column <= m_columns);
    return m_cells[(row - 1) * m_columns + column - 1];
}

const DocCell& DocTable::Cell(int row, int column) const
{
    Q_ASSERT(row >= 1 && row <= m_rows && column >= 1 && column <= m_columns);
    return m_cells.at((row - 1) * m_columns + column - 1);
}

void DocTable::setFontSize(int points)
{
    for (DocCell& cell : m_cells)
        cell.setFontSize(points);
}

void DocTable::setColumnWidth(int column, double points)
{
    m_widths[column - 1] = points;
}

std::optional<double> DocTable::columnWidth(int column) const
{
    return m_widths.at(column - 1);
}
