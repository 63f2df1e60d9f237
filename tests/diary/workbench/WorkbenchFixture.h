#pragma once

#include "diary/sources/BumenRenyuan_unit.h"
#include "diary/store/TreeFile.h"
#include "diary/store/dbm.h"
#include "diary/workbench/ContentMemo.h"
#include "diary/workbench/DateBox.h"
#include "diary/workbench/DropDownComboBox.h"
#include "diary/toolkit/ImageButton.h"
#include "diary/workbench/SearchPanel.h"
#include "diary/workbench/TypeTree.h"
#include "diary/workbench/WriteDaily_unit.h"
#include "diary/workbench/WritePanel.h"
#include "tests/support/TestContext.h"

#include <QTableView>
#include <QTest>

#include <memory>

using Row = QStringList; // date, type, item, source, person, content

// The columns of both lists.
enum GridColumn
{
    DateCol,
    TypeCol,
    ItemCol,
    SourceCol,
    PersonCol,
    ContentCol
};

// A program folder with a type tree, a sources tree and the workbench on them.
struct Workbench
{
    explicit Workbench(bool withTypes = true)
    {
        NodeTree types(NodeTree::SortMode::Text);
        if (withTypes) {
            const std::pair<const char*, QList<const char*>> tree[] = { { "会议", { "例会", "评审" } },
                { "工作", { "例会", "文件" } }, { "学习", { "培训" } }, { "休假", {} } };
            for (const auto& [type, items] : tree) {
                TreeNode* node = types.addRoot(QString::fromUtf8(type));
                for (const char* item : items)
                    types.setCheckKind(types.addChild(node, QString::fromUtf8(item)), TreeNode::CheckKind::Radio);
            }
        }
        SaveTreeFile(types, t.file("typtreeview.nod"));
        NodeTree sources(NodeTree::SortMode::Text);
        TreeNode* p = sources.addRoot(QStringLiteral("P"));
        sources.addChild(p, QStringLiteral("x"));
        sources.addChild(p, QStringLiteral("y"));
        sources.addRoot(QStringLiteral("Q"));
        SaveTreeFile(sources, t.file("treeview.nod"));

        dm = std::make_unique<TDM>(t.context);
        bumen = std::make_unique<TBumenRenyuan_form>(t.context);
        SourceLists lists { [this] { return bumen->SourceList(); },
            [this](const QString& source) { return bumen->PersonList(source); } };
        wb = std::make_unique<TWriteDaily_fm>(t.context, *dm, lists);
    }

    TreeNode* node(const QString& type, const QString& item = {}) const
    {
        for (TreeNode* n : wb->typeTree->tree().nodes())
            if (item.isEmpty() ? (n->level() == 0 && n->text() == type)
                               : (n->level() == 1 && n->text() == item && n->parent()->text() == type))
                return n;
        return nullptr;
    }

    void mark(TreeNode* n) const { wb->typeTree->tree().setChecked(n, true); }

    static QList<Row> rows(const TableCursor& cursor)
    {
        QList<Row> result;
        for (int r = 0; r < cursor.shownRowCount(); ++r) {
            Row row;
            for (int c = 1; c <= 6; ++c) {
                const QVariant v = cursor.value(r, c);
                row.append(c == 1 ? v.toDate().toString(Qt::ISODate) : v.toString());
            }
            result.append(row);
        }
        return result;
    }

    // Adds an entry through the write page, answering the confirmation with Yes.
    void write(const QString& type, const QString& item, const QString& source, const QString& person,
        const QString& content, const QDate& date)
    {
        mark(node(type, item));
        wb->writePanel->Bumen_comx->setEditText(source);
        wb->writePanel->Renyuan_comx->setEditText(person);
        wb->writePanel->DateTimePicker1->setDate(date);
        wb->Memo1->setPlainText(content);
        t.prompts.expectConfirm(QStringLiteral("你确定吗？"), true);
        QTest::mouseClick(wb->writePanel->Sure_img_btn, Qt::LeftButton);
    }

    // Shows the window in mode; the search page then lists every entry of the years 2000 to 2030.
    void showList(TWriteDaily_fm::Mode mode)
    {
        wb->showMode(mode);
        if (mode == TWriteDaily_fm::Mode::Search) {
            wb->searchPanel->start_datetimepicker->setDate(QDate(2000, 1, 1));
            wb->searchPanel->end_DateTimePicker->setDate(QDate(2030, 12, 31));
            QTest::mouseClick(wb->searchPanel->fcImageBtn1, Qt::LeftButton);
        }
        (void)QTest::qWaitForWindowExposed(wb.get());
    }

    bool search() const { return wb->mode() == TWriteDaily_fm::Mode::Search; }
    QTableView* grid() const { return search() ? wb->DBGrid2 : wb->DBGrid1; }
    TableCursor& cursor() const { return search() ? dm->FoundDaily_tb : dm->daily_tb; }

    TestContext t;
    std::unique_ptr<TDM> dm;
    std::unique_ptr<TBumenRenyuan_form> bumen;
    std::unique_ptr<TWriteDaily_fm> wb;
};
