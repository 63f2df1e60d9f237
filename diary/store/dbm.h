#pragma once

#include "diary/store/CursorModel.h"
#include "diary/store/DayEntry.h"
#include "diary/store/SqlTable.h"
#include "diary/store/TableCursor.h"

#include <QDate>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <functional>

struct AppContext;
class Clock;
class Prompts;

// The diary data module: the connection ddb, the diary table daily and the result table
// FoundDaily of the last search, each in its own file in the program folder, and every
// statement on them.
class TDM final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TDM)

public:
    enum class Open { Now, Later };
    // Later leaves the diary table closed until openDiary(), so that creating the module costs
    // the same for any size of diary (counting a long table's rows takes time).
    explicit TDM(const AppContext& context, QObject* parent = nullptr, Open open = Open::Now);
    void openDiary();
    ~TDM() override;

    static QString connectionName();
    // Attaches a table file of the program folder to ddb, created with its layout when missing.
    void attachTable(const TableLayout& layout);

    // Prepares the search on daily_qy. code is "1" followed, in ascending order, by the digits
    // of the criteria that take part: 2 type, 3 item, 4 source, 5 person, 6 content fragment.
    void SearchDiary(const QString& type, const QString& item, const QString& source, const QString& person,
        const QString& fragment, const QDate& firstDay, const QDate& lastDay, const QString& code);
    // Both save a pending change of the result row first; false when it was refused.
    bool ClearFound();
    // Replaces the result rows by the rows of the prepared search.
    bool FillFound();
    // True when the entry was saved; false when the user declined or daily could not be opened.
    bool AddDiary(const QString& type, const QString& item, const QString& source, const QString& person,
        const QString& content, const QDate& date);
    // Deletes the diary row of the current result row, then the result row.
    void deleteFoundDiary();
    // The diary rows of one day, in key order. A statement of its own, so that a prepared
    // search waiting for FillFound is left alone.
    QList<DayEntry> DayDiary(const QDate& day) const;

    bool filling() const { return Filling; }

private:
    Prompts& m_prompts;
    const Clock& m_clock;
    QString m_folder;
    QSqlDatabase ddb;
    QSqlQuery daily_qy;
    SqlTable m_daily;
    SqlTable m_found;

public:
    TableCursor daily_tb;
    TableCursor FoundDaily_tb;
    CursorModel daily__tb_ds;
    CursorModel FoundDaily_ds;

private:
    bool daily_tbBeforePost();
    bool FoundDaily_tbBeforePost();
    void daily__tb_dsDataChange();
    void FoundDaily_dsDataChange();
    // Attaches FoundDaily; a file that cannot serve as the result table is set aside for a new one.
    void attachFound();
    // Runs step with daily_tb closed and opens it again, also when step fails.
    void withDailyClosed(const std::function<void()>& step);
    void releaseConnection();

    bool Filling = false;
};
