#pragma once

#include <QHeaderView>

class TableCursor;

// A grid's row indicator: the current row shows an arrow when saved, "*" when it is a new row
// not yet saved and a pencil while an edit is pending.
class RowStateHeader final : public QHeaderView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RowStateHeader)

public:
    RowStateHeader(const TableCursor& cursor, QWidget* parent);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    const TableCursor& m_cursor;
};
