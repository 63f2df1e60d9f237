#pragma once

#include "diary/reminders/QueryResult.h"
#include "diary/reminders/QueryResultModel.h"
#include "diary/store/SqlTable.h"
#include "diary/store/TableCursor.h"

#include <QDate>
#include <QObject>
#include <QSqlQuery>
#include <QStringList>
#include <QTime>

struct AppContext;
class Clock;
class Prompts;

// The reminder data module: the table tixing in its own file of the program folder, attached
// to the diary's connection, and every statement on it: the day view the reminder grid
// shows, insert, update and delete of one reminder, and the scans that list today's
// reminders.
class Tdm1 final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Tdm1)

public:
    // connection: the diary data module's connection, already open. A table file that cannot
    // be read is reported and kept; the statements then fail with their own messages.
    Tdm1(const AppContext& context, QString connection, QObject* parent = nullptr);
    ~Tdm1() override;

    static TableLayout tixingLayout();

    void OpenDay(QDate date);
    // Times are stored as whole minutes. Each returns true when the table was changed.
    bool AddReminder(const QString& kind, const QString& content, QDate date, QTime time);
    bool ChangeReminder(qint64 seq, const QString& kind, const QString& content, QDate date, QTime time);
    bool RemoveReminder(qint64 seq, QDate showDate);
    void FillDueList(QStringList& list);
    void FillTodayList(QStringList& list);

    // For the restore: closeTable closes every statement on the table, so that its file can be
    // detached and replaced; reopenTable attaches the file again unless that was done already
    // (created when missing, reported when unreadable). The day view stays closed until OpenDay.
    // In between, the scans list nothing: the timer's ticks go on under the restore's messages.
    void closeTable();
    void reopenTable();
    bool isAttached() const;

private:
    SqlTable m_tixing;

public:
    TableCursor tixing_tb;
    QueryResult explorer_qy;
    QueryResultModel explorer_ds;
    QSqlQuery update_qy;

private:
    void DataModuleCreate();
    void attach();
    void detach();
    void closeUpdate();
    // Runs the full scan; entry makes the text of a row that falls due today.
    template <typename Entry> void scan(QStringList& list, Entry entry);

    Prompts& m_prompts;
    Clock& m_clock;
    QString m_folder;
    QString m_connection;
    QString m_dayViewSql;
    bool m_closedForRestore = false;
};
