#pragma once

#include <QModelIndex>
#include <QObject>
#include <QStringList>

#include <functional>

class Clock;
class ContentCellDelegate;
class CursorModel;
class DateBox;
class DropDownComboBox;
class Prompts;
class QKeyEvent;
class QMenu;
class QTableView;
class TableCursor;

// Where the editors' drop-downs take their lists from.
struct EditorLists
{
    std::function<QStringList()> TypeList;
    std::function<QStringList(const QString& type)> ItemList;
    std::function<QStringList()> SourceList;
    std::function<QStringList(const QString& source)> PersonList;
};

// The editors of one list: a date box and four editable drop-downs, children of the window,
// laid over the grid's current cell when it is one of theirs. Each change goes into the
// pending edit of the list's cursor; the content column is edited in its cell.
class GridEditors final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GridEditors)

public:
    // names: the date, type, item, source and person editors' object names.
    GridEditors(QTableView* grid, CursorModel& model, QMenu* menu, EditorLists lists, Prompts& prompts, Clock& clock,
        QWidget* window, const QStringList& names);

    void hideAll();
    // Ends the cell editor of the content column, writing its text into the row.
    void commitCell();
    // Saves the current row's edit; nothing when no edit or a new row is pending.
    void finishEdit();
    // The editor laid over the current cell, or none.
    QWidget* shownEditor() const;

    DateBox* dateBox;
    DropDownComboBox* typeBox;
    DropDownComboBox* itemBox;
    DropDownComboBox* sourceBox;
    DropDownComboBox* personBox;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Role
    {
        Date,
        Type,
        Item,
        Source,
        Person,
        RoleCount
    };

    void build(QWidget* window, Clock& clock, const QStringList& names);
    void connectEditors();
    void withMenu(QWidget* editor);
    // Lays the current column's editor over its cell; refill also sets its value from the row.
    void relay(bool refill);
    bool typedIntoEditor(QKeyEvent* key);
    void currentCellChanged(const QModelIndex& current);
    void rowValuesChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void fill(Role role);
    bool showsRowValue(Role role) const;
    void userChanged(Role role, const QVariant& value);
    QVariant rowValue(Role role) const;
    QWidget* editor(Role role) const;
    int roleOfColumn(int column) const;
    TableCursor& cursor() const;

    QTableView* m_grid;
    CursorModel& m_model;
    QMenu* m_menu;
    EditorLists m_lists;
    Prompts& m_prompts;
    QWidget* m_window;
    ContentCellDelegate* m_delegate = nullptr;
    int m_columns[RoleCount] = {}; // each role's column of the table
};
