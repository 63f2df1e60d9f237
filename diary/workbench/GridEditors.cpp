#include "diary/workbench/GridEditors.h"

#include "common/Application.h"
#include "diary/store/CursorModel.h"
#include "diary/store/TableCursor.h"
#include "diary/workbench/ByteLimitValidator.h"
#include "diary/workbench/ContentCellDelegate.h"
#include "diary/workbench/DateBox.h"
#include "diary/workbench/DropDownComboBox.h"
#include "diary/workbench/RowStateHeader.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>

GridEditors::GridEditors(QTableView* grid, CursorModel& model, QMenu* menu, EditorLists lists, Prompts& prompts,
    Clock& clock, QWidget* window, const QStringList& names)
    : QObject(window)
    , m_grid(grid)
    , m_model(model)
    , m_menu(menu)
    , m_lists(std::move(lists))
    , m_prompts(prompts)
    , m_window(window)
{
    const TableLayout& layout = cursor().layout();
    for (int c = 0; c < layout.columns.size(); ++c)
        if (layout.columns.at(c).kind == TableLayout::Kind::Date)
            m_columns[Date] = c;
    m_columns[Type] = layout.indexOf(QStringLiteral("Type"));
    m_columns[Item] = layout.indexOf(QStringLiteral("Item"));
    m_columns[Source] = layout.indexOf(QStringLiteral("Bumen"));
    m_columns[Person] = layout.indexOf(QStringLiteral("Renyuan"));
    const int content = layout.indexOf(QStringLiteral("Neirong"));

    build(window, clock, names);
    m_delegate = new ContentCellDelegate(content - 1, layout.columns.at(content).width, grid);
    grid->setItemDelegate(m_delegate);
    grid->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);

    const QHeaderView* plain = grid->verticalHeader();
    auto* rows = new RowStateHeader(cursor(), grid);
    rows->setDefaultSectionSize(plain->defaultSectionSize());
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setFixedWidth(std::min(plain->maximumWidth(), 18));
    grid->setVerticalHeader(rows);

    connectEditors();
}

void GridEditors::build(QWidget* window, Clock& clock, const QStringList& names)
{
    dateBox = new DateBox(clock, window); // in the short date format, as the grid shows dates
    dateBox->setFrame(false);
    typeBox = new DropDownComboBox(window);
    itemBox = new DropDownComboBox(window);
    sourceBox = new DropDownComboBox(window);
    personBox = new DropDownComboBox(window);
    const TableLayout& layout = cursor().layout();
    for (int role = Date; role < RoleCount; ++role) {
        QWidget* e = editor(Role(role));
        e->setObjectName(names.value(role));
        e->hide();
        e->installEventFilter(this);
        if (auto* box = qobject_cast<QComboBox*>(e))
            box->setFrame(false); // inside the cell's own lines

        withMenu(e);
        if (auto* box = qobject_cast<DropDownComboBox*>(e))
            box->lineEdit()->setValidator(new ByteLimitValidator(layout.columns.at(m_columns[role]).width, box));
    }
}

void GridEditors::withMenu(QWidget* e)
{
    QList<QWidget*> parts { e };
    for (QLineEdit* line : e->findChildren<QLineEdit*>())
        parts.append(line);
    for (QWidget* part : parts) {
        part->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(part, &QWidget::customContextMenuRequested, this,
            [this, part](const QPoint& pos) { m_menu->popup(part->mapToGlobal(pos)); });
    }
}

void GridEditors::connectEditors()
{
    connect(dateBox, &QDateEdit::dateChanged, this, [this](QDate date) { userChanged(Date, date); });
    const std::pair<DropDownComboBox*, Role> boxes[]
        = { { typeBox, Type }, { itemBox, Item }, { sourceBox, Source }, { personBox, Person } };
    for (const auto& [box, role] : boxes)
        connect(box, &QComboBox::editTextChanged, this,
            [this, role = role](const QString& text) { userChanged(role, text); });
    connect(typeBox, &DropDownComboBox::aboutToDropDown, this, [this] { typeBox->replaceItems(m_lists.TypeList()); });
    connect(itemBox, &DropDownComboBox::aboutToDropDown, this,
        [this] { itemBox->replaceItems(m_lists.ItemList(rowValue(Type).toString())); });
    connect(
        sourceBox, &DropDownComboBox::aboutToDropDown, this, [this] { sourceBox->replaceItems(m_lists.SourceList()); });
    connect(personBox, &DropDownComboBox::aboutToDropDown, this,
        [this] { personBox->replaceItems(m_lists.PersonList(rowValue(Source).toString())); });

    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this, &GridEditors::currentCellChanged);
    connect(&m_model, &QAbstractItemModel::modelReset, this, [this] { relay(true); });
    connect(&m_model, &QAbstractItemModel::dataChanged, this, &GridEditors::rowValuesChanged);
    for (QScrollBar* bar : { m_grid->horizontalScrollBar(), m_grid->verticalScrollBar() })
        connect(bar, &QScrollBar::valueChanged, this, [this] { relay(false); });
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this, [this] { relay(false); });
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);
}

bool GridEditors::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_grid && watched != m_grid->viewport()) {
        // The wheel over an editor scrolls the list instead of changing the row's value.
        if (event->type() == QEvent::Wheel) {
            QCoreApplication::sendEvent(m_grid->viewport(), event);
            return true;
        }
        return QObject::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == m_grid && typedIntoEditor(static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::Hide:
        if (watched == m_grid)
            hideAll();
        break;
    case QEvent::Show:
    case QEvent::Resize:
        relay(false);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// Characters typed on a cell that has an editor go into the editor, replacing its text, rather
// than into a search of the grid that would move the row.
bool GridEditors::typedIntoEditor(QKeyEvent* key)
{
    const QString text = key->text();
    if (text.isEmpty() || !text.at(0).isPrint() || (key->modifiers() & ~Qt::ShiftModifier))
        return false;
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid() || roleOfColumn(current.column()) < 0)
        return false; // the content column opens its cell editor
    if (QWidget* e = shownEditor()) {
        e->setFocus();
        if (auto* box = qobject_cast<DropDownComboBox*>(e))
            box->lineEdit()->selectAll();
        QCoreApplication::sendEvent(e, key);
    }
    return true;
}

TableCursor& GridEditors::cursor() const
{
    return m_model.cursor();
}

QWidget* GridEditors::editor(Role role) const
{
    QWidget* const editors[] = { dateBox, typeBox, itemBox, sourceBox, personBox };
    return editors[role];
}

int GridEditors::roleOfColumn(int column) const
{
    for (int role = Date; role < RoleCount; ++role)
        if (m_columns[role] == column + 1)
            return role;
    return -1;
}

QWidget* GridEditors::shownEditor() const
{
    for (int role = Date; role < RoleCount; ++role)
        if (editor(Role(role))->isVisibleTo(m_window))
            return editor(Role(role));
    return nullptr;
}

void GridEditors::hideAll()
{
    for (int role = Date; role < RoleCount; ++role)
        editor(Role(role))->hide();
}

QVariant GridEditors::rowValue(Role role) const
{
    return cursor().value(cursor().currentRow(), m_columns[role]);
}

void GridEditors::relay(bool refill)
{
    // The editor stands on the cursor's row: while a move waits for its confirmation the
    // selection may already show another row.
    const QModelIndex current = m_grid->currentIndex();
    const int row = cursor().currentRow();
    const int role = current.isValid() && row >= 0 && cursor().rowCount() > 0 && m_grid->isVisibleTo(m_window)
        ? roleOfColumn(current.column())
        : -1;
    for (int other = Date; other < RoleCount; ++other)
        if (other != role)
            editor(Role(other))->hide();
    if (role < 0)
        return;
    QWidget* e = editor(Role(role));
    const QRect cell = m_grid->visualRect(m_model.index(row, current.column()));
    if (!m_grid->viewport()->rect().contains(cell)) {
        e->hide(); // scrolled (partly) out of view
        return;
    }
    e->setGeometry(QRect(m_grid->viewport()->mapTo(m_window, cell.topLeft()), cell.size()));
    if (refill || !showsRowValue(Role(role)))
        fill(Role(role));
    e->show();
    e->raise();
}

// A click on a row cut by the grid's edge brings the row into view, so its editor can show.
void GridEditors::currentCellChanged(const QModelIndex& current)
{
    if (current.isValid())
        m_grid->scrollTo(current);
    relay(true);
}

void GridEditors::rowValuesChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    const int row = cursor().currentRow();
    if (row >= topLeft.row() && row <= bottomRight.row())
        relay(false);
}

bool GridEditors::showsRowValue(Role role) const
{
    if (role == Date)
        return dateBox->date() == rowValue(Date).toDate();
    return static_cast<DropDownComboBox*>(editor(role))->currentText() == rowValue(role).toString();
}

// Filling is not a change by the user: no signal reaches the row.
void GridEditors::fill(Role role)
{
    const QVariant value = rowValue(role);
    QWidget* e = editor(role);
    const QSignalBlocker quiet(e);
    if (role == Date) {
        dateBox->setDate(value.toDate());
        return;
    }
    auto* box = static_cast<DropDownComboBox*>(e);
    if (role == Item)
        box->replaceItems(m_lists.ItemList(rowValue(Type).toString()));
    else if (role == Person)
        box->replaceItems(m_lists.PersonList(rowValue(Source).toString()));
    box->setEditText(value.toString());
}

void GridEditors::userChanged(Role role, const QVariant& value)
{
    TableCursor& rows = cursor();
    if (rows.rowCount() == 0)
        return;
    reportFailures(m_prompts, [&] {
        if (rows.edit())
            rows.setField(m_columns[role], value);
    });
}

void GridEditors::commitCell()
{
    m_delegate->commitOpenEditor();
}

void GridEditors::finishEdit()
{
    commitCell();
    if (cursor().state() == TableCursor::State::Edit)
        cursor().post();
}
