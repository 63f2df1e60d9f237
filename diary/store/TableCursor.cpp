#include "diary/store/TableCursor.h"

#include "common/CodePage.h"

#include <QDate>

namespace {

constexpr int kPageRows = 256;
constexpr int kPagesKept = 8;

} // namespace

TableCursor::TableCursor(const SqlTable& table, QObject* parent)
    : QObject(parent)
    , m_table(table)
{
}

void TableCursor::setBeforeSave(BeforeSave rule)
{
    m_beforeSave = std::move(rule);
}

void TableCursor::open()
{
    if (isOpen())
        return;
    const int count = m_table.count();
    resetRows(State::Browse, count, count > 0 ? 0 : -1, count == 0);
}

void TableCursor::close()
{
    if (isOpen())
        resetRows(State::Closed, 0, -1, false);
}

void TableCursor::refresh()
{
    close();
    open();
}

int TableCursor::shownRowCount() const
{
    return m_count + (m_state == State::Insert ? 1 : 0);
}

bool TableCursor::moveTo(int row)
{
    if (!isOpen())
        return false;
    row = std::max(row, 0);
    if (row == m_current && row < shownRowCount()) {
        if (m_eof)
            stand(row, false); // back on the row it stood past
        return true;
    }
    int target = storedIndex(row);
    const bool inserting = m_state == State::Insert;
    if (!post())
        return false;
    if (inserting && target >= m_current)
        ++target; // the saved row now stands before it
    if (target >= m_count)
        stand(m_current, true);
    else
        stand(target, false);
    return true;
}

bool TableCursor::first()
{
    return moveTo(0);
}

bool TableCursor::next()
{
    return moveTo(m_current + 1);
}

bool TableCursor::edit()
{
    if (hasPending())
        return true;
    if (!isOpen() || m_current < 0)
        return false;
    m_pending = storedRow(m_current);
    m_state = State::Edit;
    m_eof = false;
    emit rowChanged(m_current);
    emit dataChanged();
    return true;
}

bool TableCursor::insert()
{
    if (!isOpen() || !post())
        return false;
    resetRows(State::Insert, m_count, std::max(m_current, 0), false);
    return true;
}

bool TableCursor::append()
{
    if (!isOpen() || !post())
        return false;
    resetRows(State::Insert, m_count, m_count, true);
    return true;
}

bool TableCursor::setField(int column, const QVariant& value)
{
    if (!hasPending() || column < 0 || column >= layout().columns.size())
        return false;
    const TableLayout::Column& target = layout().columns.at(column);
    switch (target.kind) {
    case TableLayout::Kind::AutoKey:
        return false;
    case TableLayout::Kind::Key:
        m_pending[column] = value.isNull() ? QVariant() : QVariant(value.toLongLong());
        break;
    case TableLayout::Kind::Date:
        m_pending[column] = value.toDate().isValid() ? QVariant(value.toDate()) : QVariant();
        break;
    case TableLayout::Kind::Time:
        m_pending[column] = value.toTime().isValid() ? QVariant(value.toTime()) : QVariant();
        break;
    case TableLayout::Kind::Text:
        m_pending[column] = CodePage::cut(value.toString(), target.width);
        break;
    }
    emit rowChanged(m_current);
    emit dataChanged();
    return true;
}

bool TableCursor::setField(const QString& name, const QVariant& value)
{
    return setField(layout().indexOf(name), value);
}

QVariant TableCursor::field(const QString& name) const
{
    return value(m_current, layout().indexOf(name));
}

QVariant TableCursor::value(int row, int column) const
{
    if (row < 0 || row >= shownRowCount())
        return {};
    if (hasPending() && row == m_current)
        return m_pending.value(column);
    return storedRow(storedIndex(row)).value(column);
}

bool TableCursor::post()
{
    if (!hasPending())
        return true;
    if (m_beforeSave && !m_beforeSave())
        return false;
    if (m_state == State::Insert) {
        const qint64 key = m_table.insert(m_pending);
        const int count = m_count + 1;
        resetRows(State::Browse, count, m_table.position(key, count), false);
        return true;
    }
    m_table.update(m_pending);
    for (Page& page : m_pages) {
        if (m_current >= page.start && m_current < page.start + page.rows.size())
            page.rows[m_current - page.start] = m_pending;
    }
    m_state = State::Browse;
    m_pending.clear();
    emit rowChanged(m_current);
    emit dataChanged();
    return true;
}

void TableCursor::cancel()
{
    if (m_state == State::Insert) {
        resetRows(State::Browse, m_count, std::min(m_current, m_count - 1), m_count == 0);
    } else if (m_state == State::Edit) {
        m_state = State::Browse;
        m_pending.clear();
        emit rowChanged(m_current);
        emit dataChanged();
    }
}

void TableCursor::deleteCurrent()
{
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    if (!isOpen() || m_current < 0)
        return;
    m_table.remove(storedRow(m_current).value(0).toLongLong());
    const int count = m_count - 1;
    resetRows(State::Browse, count, std::min(m_current, count - 1), count == 0);
}

int TableCursor::storedIndex(int row) const
{
    return m_state == State::Insert && row > m_current ? row - 1 : row;
}

QVariantList TableCursor::storedRow(int index) const
{
    for (qsizetype i = 0; i < m_pages.size(); ++i) {
        const Page& page = m_pages.at(i);
        if (index >= page.start && index < page.start + page.rows.size()) {
            const QVariantList row = page.rows.at(index - page.start);
            m_pages.move(i, 0);
            return row;
        }
    }
    if (index < 0 || index >= m_count)
        return {};
    m_pages.prepend(fetchPage(index / kPageRows));
    if (m_pages.size() > kPagesKept)
        m_pages.removeLast();
    const Page& page = m_pages.constFirst();
    return page.rows.value(index - page.start);
}

TableCursor::Page TableCursor::fetchPage(int page) const
{
    const int start = page * kPageRows;
    const int size = std::min(kPageRows, m_count - start);
    // The way in that skips fewest rows: from either end, or on from a kept page's boundary key.
    auto direction = SqlTable::Direction::Forward;
    std::optional<qint64> from;
    int skip = start;
    const auto consider = [&](SqlTable::Direction way, std::optional<qint64> key, int rows) {
        if (rows >= 0 && rows < skip) {
            direction = way;
            from = key;
            skip = rows;
        }
    };
    consider(SqlTable::Direction::Backward, std::nullopt, m_count - start - size);
    for (const Page& kept : m_pages) {
        if (kept.rows.isEmpty())
            continue;
        const int keptEnd = kept.start + int(kept.rows.size());
        consider(SqlTable::Direction::Forward, kept.rows.constLast().constFirst().toLongLong(), start - keptEnd);
        consider(SqlTable::Direction::Backward, kept.rows.constFirst().constFirst().toLongLong(),
            kept.start - (start + size));
    }
    return { start, m_table.rows(direction, from, skip, size) };
}

QVariantList TableCursor::blankRow() const
{
    QVariantList row;
    for (const TableLayout::Column& column : layout().columns)
        row.append(column.kind == TableLayout::Kind::Text ? QVariant(QStringLiteral("")) : QVariant());
    return row;
}

void TableCursor::resetRows(State state, int count, int current, bool eof)
{
    emit rowsAboutToChange();
    m_state = state;
    m_count = count;
    m_current = current;
    m_eof = eof;
    m_pending = state == State::Insert ? blankRow() : QVariantList();
    m_pages.clear();
    emit rowsChanged();
    emit currentRowChanged(m_current);
    emit dataChanged();
}

void TableCursor::stand(int row, bool eof)
{
    m_eof = eof;
    if (row != m_current) {
        m_current = row;
        emit currentRowChanged(row);
    }
    emit dataChanged();
}
