#pragma once

#include "diary/browse/DocCell.h"

#include <QList>
#include <optional>

// A table of rows × columns cells, addressed from 1 like the word processor's Cell(row, column).
class DocTable final
{
public:
    DocTable(int rows, int columns, int fontSize);

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    DocCell& Cell(int row, int column);
    const DocCell& Cell(int row, int column) const;
    // Range.Font.Size of the whole table.
    void setFontSize(int points);
    // Columns.Item(column).Width.
    void setColumnWidth(int column, double points);
    // nullopt: the column keeps the share of the page a new table gives it.
    std::optional<double> columnWidth(int column) const;

private:
    int m_rows;
    int m_columns;
    QList<DocCell> m_cells;
    QList<std::optional<double>> m_widths;
};
