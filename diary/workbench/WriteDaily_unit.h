#pragma once

#include "common/AppContext.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class CalculatorPanel;
class ContentMemo;
class DeskCalendar;
class GridEditors;
class HoverHints;
class ImageButton;
class PageBar;
class PrintGrid;
class QAbstractButton;
class QAbstractItemModel;
class QAction;
class QLabel;
class QMenu;
class QTableView;
class SearchPanel;
class TDM;
class TableCursor;
class TreeNode;
class TypeTree;
class WritePanel;

// Where the workbench takes the sources and their people from.
struct SourceLists
{
    std::function<QStringList()> SourceList;
    std::function<QStringList(const QString& source)> PersonList;
};

// The diary workbench: entries are written on its write page and found on its search page;
// the full list and the result list show the diary and the last search.
class TWriteDaily_fm final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TWriteDaily_fm)

public:
    enum class Mode { Write, Search };

    TWriteDaily_fm(const AppContext& context, TDM& dm, SourceLists sources, QWidget* parent = nullptr);
    ~TWriteDaily_fm() override;

    // Selects the mode's page, applies its visibility and shows the window (or brings it to the
    // front when it is shown already).
    void showMode(Mode mode);
    Mode mode() const { return m_mode; }

    void Sure_img_btnClick();
    void N2Click();
    void fcImageBtn1Click();
    void N1Click();
    void N10Click();
    void N13Click();
    void N8Click();
    void N9Click();
    void fcTreeView1ToggleCheckbox(TreeNode* node);
    // A double click on the type tree at a point of its viewport.
    void fcTreeView1DblClick(const QPoint& viewportPos);
    void f_TreeComboxDropDown();
    QDate calendarDate() const;
    QString statusText(int panel) const;

    // Components other windows and tests reach.
    QLabel* Shape1;
    ImageButton* close_img_btn;
    PageBar* fcOutlookBar1;
    QAbstractButton* WriteDaily_btn;
    QAbstractButton* SearchDaily_btn;
    WritePanel* writePanel;
    SearchPanel* searchPanel;
    QWidget* typePanel;
    QWidget* itemPanel;
    TypeTree* typeTree;
    ContentMemo* Memo1;
    QTableView* DBGrid1;
    QTableView* DBGrid2;
    // The editors laid over the full list (g_) and the result list (s_).
    GridEditors* g_editors;
    GridEditors* s_editors;
    QMenu* PopupMenu1;
    QMenu* PopupMenu2;
    QAction* N2;
    QAction* N10;
    QAction* N8;
    QAction* N1;
    QAction* N13;
    QAction* N9;
    DeskCalendar* deskCalendar;
    CalculatorPanel* calculatorPanel;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void fcOutlookBar1Change(QAbstractButton* button);
    void applyMode(Mode mode);
    void buildFrame();
    void buildLists();
    void buildMenus();
    void buildEditors();
    void connectCommands();
    std::function<void()> guarded(void (TWriteDaily_fm::*handler)());
    void connectSourceBoxes();
    void installHints();
    QTableView* makeGrid(QAbstractItemModel* model);
    void takeCalendarDate();
    // "没有记录可以删除" for an empty list, else the user's answer to the delete question.
    bool confirmDelete(const TableCursor& list);
    void printList(QTableView* grid, const TableCursor& list, const QString& title);

    AppContext m_context;
    TDM& m_dm;
    SourceLists m_sources;
    Mode m_mode = Mode::Write;
    QString m_programDir;
    int m_year = 0;
    int m_month = 0;
    int m_day = 0;
    QLabel* m_statusDate = nullptr;
    QLabel* m_statusHint = nullptr;
    HoverHints* m_hints = nullptr;
    std::unique_ptr<PrintGrid> m_printGrid;
    QPoint m_dragFrom;
};
