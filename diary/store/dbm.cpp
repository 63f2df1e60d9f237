#include "diary/store/dbm.h"

#include "common/AppContext.h"
#include "common/AppError.h"
#include "common/Clock.h"
#include "common/DamagedFile.h"
#include "common/Prompts.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QStringList>

namespace {

// clang-format off
const QString kConfirmSave     = QStringLiteral("你确定吗？");
const QString kAddFailed       = QStringLiteral("写入日记出错");
const QString kWriteBackFailed = QStringLiteral("更新日记表出错");
const QString kFoundSetAside   = QStringLiteral("%1\n这个查询结果表文件已改名为 \"%2\" 保留，并新建了空的查询结果表。");
const QString kBadCode         = QStringLiteral("查询条件代码无效：%1");
const QString kDate            = QStringLiteral("日期");
const QString kType            = QStringLiteral("类型");
const QString kItemFull        = QStringLiteral("名称");
const QString kItemFound       = QStringLiteral("项目");
const QString kSource          = QStringLiteral("来源");
const QString kPerson          = QStringLiteral("人员");
const QString kContent         = QStringLiteral("内容");
// clang-format on

using Kind = TableLayout::Kind;

// clang-format off
TableLayout dailyLayout()
{
    return { QStringLiteral("daily"), QStringLiteral("daily.DB"), {
        { QStringLiteral("Num"),       Kind::AutoKey },
        { QStringLiteral("Inputdate"), Kind::Date,   0, kDate, true },
        { QStringLiteral("Type"),      Kind::Text,  20, kType },
        { QStringLiteral("Item"),      Kind::Text,  20, kItemFull },
        { QStringLiteral("Bumen"),     Kind::Text,  16, kSource },
        { QStringLiteral("Renyuan"),   Kind::Text,  10, kPerson },
        { QStringLiteral("Neirong"),   Kind::Text, 200, kContent } } };
}

// A copy of daily's rows; its key is the daily row's key, not one of its own.
TableLayout foundLayout()
{
    return { QStringLiteral("FoundDaily"), QStringLiteral("FoundDaily.DB"), {
        { QStringLiteral("Num"),       Kind::Key },
        { QStringLiteral("InputDate"), Kind::Date,   0, kDate },
        { QStringLiteral("Type"),      Kind::Text,  20, kType },
        { QStringLiteral("Item"),      Kind::Text,  20, kItemFound },
        { QStringLiteral("Bumen"),     Kind::Text,  16, kSource },
        { QStringLiteral("Renyuan"),   Kind::Text,  10, kPerson },
        { QStringLiteral("Neirong"),   Kind::Text, 200, kContent } } };
}
// clang-format on

QString columnList(const TableLayout& layout)
{
    QStringList names;
    for (const TableLayout::Column& column : layout.columns)
        names.append(column.name);
    return names.join(QStringLiteral(", "));
}

QSqlDatabase openConnection()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), TDM::connectionName());
    db.setDatabaseName(QStringLiteral(":memory:")); // the table files are attached to it
    if (!db.open())
        throw AppError(db.lastError().text());
    return db;
}

// Moving down past the last row starts no new row: the row the grid starts is dropped.
void cancelPastEnd(TableCursor& cursor)
{
    if (cursor.rowCount() > 0 && cursor.eof())
        cursor.cancel();
}

} // namespace

TDM::TDM(const AppContext& context, QObject* parent, Open open)
    : QObject(parent)
    , m_prompts(context.prompts)
    , m_clock(context.clock)
    , m_folder(context.programDir)
    , ddb(openConnection())
    , daily_qy(ddb)
    , m_daily(connectionName(), dailyLayout())
    , m_found(connectionName(), foundLayout())
    , daily_tb(m_daily)
    , FoundDaily_tb(m_found)
    , daily__tb_ds(daily_tb)
    , FoundDaily_ds(FoundDaily_tb)
{
    daily_tb.setBeforeSave([this] { return daily_tbBeforePost(); });
    FoundDaily_tb.setBeforeSave([this] { return FoundDaily_tbBeforePost(); });
    // A save or move the grids ask for that the engine refuses goes to the error display.
    const auto showFailure = [this](const QString& message) { m_prompts.error(message); };
    daily__tb_ds.setFailureReport(showFailure);
    FoundDaily_ds.setFailureReport(showFailure);
    connect(&daily_tb, &TableCursor::dataChanged, this, &TDM::daily__tb_dsDataChange);
    connect(&FoundDaily_tb, &TableCursor::dataChanged, this, &TDM::FoundDaily_dsDataChange);
    try {
        attachTable(m_daily.layout());
        attachFound();
        if (open == Open::Now)
            daily_tb.open();
        FoundDaily_tb.open();
    } catch (...) {
        releaseConnection();
        throw;
    }
}

TDM::~TDM()
{
    releaseConnection();
}

void TDM::openDiary()
{
    daily_tb.open();
}

QString TDM::connectionName()
{
    return QStringLiteral("ddb");
}

void TDM::attachTable(const TableLayout& layout)
{
    SqlTable::attach(connectionName(), layout, m_folder);
}

void TDM::attachFound()
{
    // The result table only holds the last search: one that cannot be used is set aside
    // instead of keeping the diary from starting.
    try {
        attachTable(m_found.layout());
        return;
    } catch (const AppError& failure) {
        const QString path = QDir(m_folder).filePath(m_found.layout().file);
        const QString aside = damagedFileName(path, m_clock.now());
        if (!QFile::rename(path, aside))
            throw;
        attachTable(m_found.layout());
        m_prompts.notice(kFoundSetAside.arg(failure.message(), QDir::toNativeSeparators(aside)));
    }
}

void TDM::SearchDiary(const QString& type, const QString& item, const QString& source, const QString& person,
    const QString& fragment, const QDate& firstDay, const QDate& lastDay, const QString& code)
{
    // Digit by digit: the condition it adds and the value bound to it.
    // clang-format off
    const std::pair<QString, QString> criteria[] = {
        { QStringLiteral(" AND Type = ?"),    type },
        { QStringLiteral(" AND Item = ?"),    item },
        { QStringLiteral(" AND Bumen = ?"),   source },
        { QStringLiteral(" AND Renyuan = ?"), person },
        { QStringLiteral(" AND instr(Neirong, ?) > 0"), fragment }, // literally, "%" and "_" too
    };
    // clang-format on
    bool isNumber = false;
    const QString digits = QString::number(code.toLongLong(&isNumber));
    bool valid = isNumber && digits.startsWith(QLatin1Char('1'));
    for (qsizetype i = 1; valid && i < digits.size(); ++i)
        valid = digits.at(i) >= QLatin1Char('2') && digits.at(i) <= QLatin1Char('6') && digits.at(i) > digits.at(i - 1);
    if (!valid)
        throw AppError(kBadCode.arg(code));

    QString sql
        = QStringLiteral("SELECT %1 FROM daily WHERE Inputdate BETWEEN ? AND ?").arg(columnList(m_daily.layout()));
    QVariantList values { firstDay.toString(Qt::ISODate), lastDay.toString(Qt::ISODate) };
    for (qsizetype i = 1; i < digits.size(); ++i) {
        const auto& [condition, value] = criteria[digits.at(i).digitValue() - 2];
        sql += condition;
        values.append(value.isNull() ? QStringLiteral("") : value);
    }

    withDailyClosed([&] {
        // Only compiled here: FillFound runs it as the source of its copy.
        daily_qy.clear();
        if (!daily_qy.prepare(sql)) {
            const QString failure = daily_qy.lastError().text();
            daily_qy.clear();
            throw AppError(failure);
        }
        for (const QVariant& value : values)
            daily_qy.addBindValue(value);
    });
}

bool TDM::ClearFound()
{
    if (!FoundDaily_tb.isOpen())
        FoundDaily_tb.open();
    if (!FoundDaily_tb.post())
        return false;
    m_found.removeAll();
    FoundDaily_tb.refresh();
    return true;
}

bool TDM::FillFound()
{
    const QString search = daily_qy.lastQuery();
    const QVariantList values = daily_qy.boundValues();
    daily_qy.clear();
    // Saved ahead of the copy, so that a failed copy cannot undo its write-back.
    if (!FoundDaily_tb.post())
        return false;
    if (!ddb.transaction())
        throw AppError(ddb.lastError().text());
    try {
        ClearFound();
        if (!search.isEmpty()) {
            Filling = true;
            SqlTable::run(connectionName(),
                QStringLiteral("INSERT INTO FoundDaily (%1) %2").arg(columnList(m_found.layout()), search), values);
            Filling = false;
        }
        if (!ddb.commit())
            throw AppError(ddb.lastError().text());
    } catch (...) {
        Filling = false;
        ddb.rollback();
        FoundDaily_tb.refresh();
        throw;
    }
    FoundDaily_tb.refresh();
    return true;
}

bool TDM::AddDiary(const QString& type, const QString& item, const QString& source, const QString& person,
    const QString& content, const QDate& date)
{
    if (!daily_tb.isOpen()) {
        try {
            daily_tb.open();
        } catch (const AppError&) {
            m_prompts.notice(kAddFailed);
            return false;
        }
    }
    if (!daily_tb.insert())
        return false;
    daily_tb.setField(QStringLiteral("Inputdate"), date);
    daily_tb.setField(QStringLiteral("Item"), item);
    daily_tb.setField(QStringLiteral("Type"), type);
    daily_tb.setField(QStringLiteral("Neirong"), content);
    daily_tb.setField(QStringLiteral("Bumen"), source);
    daily_tb.setField(QStringLiteral("Renyuan"), person);
    return daily_tb.post();
}

void TDM::deleteFoundDiary()
{
    if (FoundDaily_tb.rowCount() == 0)
        return;
    const qint64 key = FoundDaily_tb.field(QStringLiteral("Num")).toLongLong();
    withDailyClosed([&] { m_daily.remove(key); });
    FoundDaily_tb.deleteCurrent();
}

QList<DayEntry> TDM::DayDiary(const QDate& day) const
{
    QSqlQuery query(ddb);
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT Type, Item, Bumen, Renyuan, Neirong FROM daily "
                                      "WHERE Inputdate = ? ORDER BY Num")))
        throw AppError(query.lastError().text());
    query.addBindValue(day.toString(Qt::ISODate));
    if (!query.exec())
        throw AppError(query.lastError().text());
    QList<DayEntry> entries;
    while (query.next()) {
        entries.append({ query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toString(), query.value(4).toString() });
    }
    return entries;
}

bool TDM::daily_tbBeforePost()
{
    return m_prompts.confirm(kConfirmSave);
}

bool TDM::FoundDaily_tbBeforePost()
{
    if (Filling)
        return true;
    if (!m_prompts.confirm(kConfirmSave))
        return false;
    // The result row is written back into the diary row it copies.
    QVariantList values;
    for (const TableLayout::Column& column : m_daily.layout().columns)
        values.append(FoundDaily_tb.field(column.name));
    withDailyClosed([&] {
        try {
            m_daily.update(values);
        } catch (const AppError&) {
            m_prompts.notice(kWriteBackFailed);
        }
    });
    return true; // the result row keeps its values either way
}

void TDM::daily__tb_dsDataChange()
{
    cancelPastEnd(daily_tb);
}

void TDM::FoundDaily_dsDataChange()
{
    cancelPastEnd(FoundDaily_tb);
}

void TDM::withDailyClosed(const std::function<void()>& step)
{
    // Closing drops a pending edit: it is offered for saving first, and dropped only on No.
    daily_tb.post();
    daily_tb.close();
    try {
        step();
    } catch (...) {
        daily_tb.open();
        throw;
    }
    daily_tb.open();
}

void TDM::releaseConnection()
{
    daily_qy = QSqlQuery();
    ddb.close();
    ddb = QSqlDatabase();
    QSqlDatabase::removeDatabase(connectionName());
}
