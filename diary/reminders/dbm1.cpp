#include "diary/reminders/dbm1.h"

#include "common/AppContext.h"
#include "common/AppError.h"
#include "common/Clock.h"
#include "common/CodePage.h"
#include "common/Prompts.h"
#include "diary/reminders/ReminderEntries.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>

namespace {

// clang-format off
const QString kInsertFailed = QStringLiteral("插入事务记录出错");
const QString kChangeFailed = QStringLiteral("更改事务出错");
const QString kScanFailed   = QStringLiteral("取当天提醒记录出错");

const QString kDayView = QStringLiteral(R"(select * from tixing where tixing."tixingdate"=:i_date)");
// The engine takes no table name in front of a column that is set.
const QString kUpdate  = QStringLiteral(R"(update tixing set "tixingdate"=:i_date,"tixingtime"=:i_time,"jibie"=:i_jibie,"neirong"=:i_neirong)");
const QString kUpdateKey = QStringLiteral(R"( where tixing."seq"=)");
const QString kDelete  = QStringLiteral("delete from tixing where seq=:i_seq");
const QString kScan    = QStringLiteral("select * from tixing");
// clang-format on

constexpr int kContentWidth = 200;

using Kind = TableLayout::Kind;

QTime wholeMinute(QTime time)
{
    return QTime(time.hour(), time.minute());
}

QString isoDate(QDate date)
{
    return date.toString(Qt::ISODate);
}

} // namespace

Tdm1::Tdm1(const AppContext& context, QString connection, QObject* parent)
    : QObject(parent)
    , m_tixing(connection, tixingLayout())
    , tixing_tb(m_tixing)
    , explorer_qy(connection, tixingLayout())
    , explorer_ds(explorer_qy,
          { { QStringLiteral("tixingdate"), QStringLiteral("日期"), true },
              { QStringLiteral("tixingtime"), QStringLiteral("时间"), true },
              { QStringLiteral("jibie"), QStringLiteral("类型"), true },
              { QStringLiteral("neirong"), QStringLiteral("内容") } })
    , update_qy(QSqlDatabase::database(connection, false))
    , m_prompts(context.prompts)
    , m_clock(context.clock)
    , m_folder(context.programDir)
    , m_connection(std::move(connection))
{
    DataModuleCreate();
    attach();
}

Tdm1::~Tdm1()
{
    closeTable();
    try {
        detach();
    } catch (const AppError&) {
        // The connection goes with the program.
    }
}

// clang-format off
TableLayout Tdm1::tixingLayout()
{
    return { QStringLiteral("tixing"), QStringLiteral("tixing.DB"), {
        { QStringLiteral("Seq"),        Kind::AutoKey },
        { QStringLiteral("tixingdate"), Kind::Date,   0, QStringLiteral("日期"), true },
        { QStringLiteral("tixingtime"), Kind::Time,   0, QStringLiteral("时间") },
        { QStringLiteral("jibie"),      Kind::Text,  20, QStringLiteral("类型") },
        { QStringLiteral("neirong"),    Kind::Text, kContentWidth, QStringLiteral("内容") } } };
}
// clang-format on

void Tdm1::DataModuleCreate()
{
    m_dayViewSql = kDayView;
}

void Tdm1::attach()
{
    try {
        SqlTable::attach(m_connection, m_tixing.layout(), m_folder);
    } catch (const AppError& failure) {
        // The file stays as it is; the restore may bring a readable one.
        try {
            detach();
        } catch (const AppError&) {
        }
        m_prompts.error(failure.message());
    }
}

void Tdm1::detach()
{
    if (isAttached())
        SqlTable::run(m_connection, QStringLiteral("DETACH DATABASE \"%1\"").arg(m_tixing.layout().schema()));
}

bool Tdm1::isAttached() const
{
    QSqlQuery query = SqlTable::run(m_connection,
        QStringLiteral("SELECT count(*) FROM pragma_database_list WHERE name = ?"), { m_tixing.layout().schema() });
    return query.next() && query.value(0).toInt() > 0;
}

void Tdm1::closeUpdate()
{
    update_qy.finish();
    update_qy.clear();
}

void Tdm1::OpenDay(QDate date)
{
    explorer_qy.close();
    explorer_qy.setSql(m_dayViewSql);
    explorer_qy.open({ { QStringLiteral(":i_date"), isoDate(date) } });
}

bool Tdm1::AddReminder(const QString& kind, const QString& content, QDate date, QTime time)
{
    const QTime minute = wholeMinute(time);
    explorer_qy.close();
    bool stored = false;
    try {
        if (!tixing_tb.isOpen())
            tixing_tb.open();
        stored = tixing_tb.append() && tixing_tb.setField(QStringLiteral("tixingdate"), date)
            && tixing_tb.setField(QStringLiteral("tixingtime"), minute)
            && tixing_tb.setField(QStringLiteral("jibie"), kind)
            && tixing_tb.setField(QStringLiteral("neirong"), content) && tixing_tb.post();
    } catch (const AppError&) {
        stored = false;
    }
    tixing_tb.close(); // drops a row that could not be posted
    // Shown with every statement closed: the timer's ticks go on under a message box.
    if (!stored)
        m_prompts.notice(kInsertFailed);
    OpenDay(date);
    return stored;
}

bool Tdm1::ChangeReminder(qint64 seq, const QString& kind, const QString& content, QDate date, QTime time)
{
    const QTime minute = wholeMinute(time);
    explorer_qy.close();
    closeUpdate();
    bool changed = update_qy.prepare(kUpdate + kUpdateKey + QString::number(seq));
    if (changed) {
        update_qy.bindValue(QStringLiteral(":i_date"), isoDate(date));
        update_qy.bindValue(QStringLiteral(":i_time"), SqlTable::timeText(minute));
        update_qy.bindValue(QStringLiteral(":i_jibie"), kind);
        update_qy.bindValue(QStringLiteral(":i_neirong"), CodePage::cut(content, kContentWidth));
        changed = update_qy.exec();
    }
    closeUpdate();
    if (!changed)
        m_prompts.notice(kChangeFailed);
    OpenDay(date);
    return changed;
}

bool Tdm1::RemoveReminder(qint64 seq, QDate showDate)
{
    explorer_qy.close();
    closeUpdate();
    bool removed = update_qy.prepare(kDelete);
    if (removed) {
        update_qy.bindValue(QStringLiteral(":i_seq"), seq);
        removed = update_qy.exec();
    }
    closeUpdate();
    if (!removed)
        m_prompts.notice(kChangeFailed);
    OpenDay(showDate);
    return removed;
}

template <typename Entry> void Tdm1::scan(QStringList& list, Entry entry)
{
    list.clear();
    if (m_closedForRestore)
        return;
    closeUpdate();
    const QDate today = m_clock.today();
    QStringList found;
    bool read = update_qy.prepare(kScan) && update_qy.exec();
    if (read) {
        const QSqlRecord record = update_qy.record();
        const int dateAt = record.indexOf(QStringLiteral("tixingdate"));
        const int timeAt = record.indexOf(QStringLiteral("tixingtime"));
        const int kindAt = record.indexOf(QStringLiteral("jibie"));
        const int contentAt = record.indexOf(QStringLiteral("neirong"));
        while (update_qy.next()) {
            const QDate date = SqlTable::fromStored(Kind::Date, update_qy.value(dateAt)).toDate();
            const QTime time = SqlTable::fromStored(Kind::Time, update_qy.value(timeAt)).toTime();
            const QString kind = update_qy.value(kindAt).toString();
            const QString content = update_qy.value(contentAt).toString();
            if (ReminderEntries::fallsDue(kind, date, today))
                found.append(entry(time, date, kind, content));
        }
        read = !update_qy.lastError().isValid();
    }
    closeUpdate();
    if (!read) {
        m_prompts.notice(kScanFailed);
        return;
    }
    list = found;
}

void Tdm1::FillDueList(QStringList& list)
{
    scan(list, [](QTime time, QDate date, const QString&, const QString& content) {
        return ReminderEntries::dueEntry(time, date, content);
    });
}

void Tdm1::FillTodayList(QStringList& list)
{
    scan(list, [](QTime time, QDate, const QString& kind, const QString& content) {
        return ReminderEntries::todayEntry(time, kind, content);
    });
}

void Tdm1::closeTable()
{
    explorer_qy.close();
    closeUpdate();
    tixing_tb.close();
    m_closedForRestore = true;
}

void Tdm1::reopenTable()
{
    m_closedForRestore = false;
    if (!isAttached())
        attach();
}
