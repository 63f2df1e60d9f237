// The diary store on a large generated diary. Besides the benchmarks:
//   --rows=N        size of the generated diary (default 1000000)
//   --dir=PATH      program folder holding it (default bench-diary-N in the working folder)
//   --screen        only open the full list and show its first screen, then print peak memory
//   --print-sql=DIR write the statements each operation runs, as run, into DIR/<operation>.sql

#include "common/AppContext.h"
#include "common/Clock.h"
#include "common/QuietPrompts.h"
#include "diary/store/dbm.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDriver>
#include <QSqlError>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <functional>

namespace {

constexpr int kScreenRows = 40;
constexpr int kRowsPerDay = 100;
const QDate kFirstDay(1995, 1, 1);

struct Setup
{
    int rows = 1000000;
    QString dir;
};
Setup g_setup;
QuietPrompts g_prompts;
Clock g_clock;

QSqlQuery runOn(const QString& file, const QString& sql)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("generator"));
    db.setDatabaseName(file);
    if (!db.open())
        qFatal("%s", qPrintable(db.lastError().text()));
    QSqlQuery query(db);
    if (!query.exec(sql))
        qFatal("%s", qPrintable(query.lastError().text()));
    return query;
}

// Dates run from 1995 on, kRowsPerDay entries a day, so that 100 days hold 10,000 entries.
void ensureDiary(const Setup& setup)
{
    QDir().mkpath(setup.dir);
    const QString file = QDir(setup.dir).filePath(QStringLiteral("daily.DB"));
    const auto createTables = [&] {
        AppContext context { setup.dir, g_prompts, g_clock };
        TDM creates(context);
    };
    createTables();
    int count = 0;
    {
        QSqlQuery query = runOn(file, QStringLiteral("SELECT count(*) FROM daily"));
        count = query.next() ? query.value(0).toInt() : 0;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("generator"));
    if (count != setup.rows) {
        // Afresh, so that the keys run from 1 to rows.
        std::fprintf(stderr, "generating %d entries in %s\n", setup.rows, qPrintable(setup.dir));
        QFile::remove(file);
        createTables();
        runOn(file,
            QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                "INSERT INTO daily (Inputdate, Type, Item, Bumen, Renyuan, Neirong) "
                "SELECT date('1995-01-01', '+' || ((i - 1) / %2) || ' days'), "
                "CASE i % 4 WHEN 0 THEN '工作' WHEN 1 THEN '学习' WHEN 2 THEN '生活' ELSE '往来' END, "
                "CASE i % 6 WHEN 0 THEN '会议' WHEN 1 THEN '报告' WHEN 2 THEN '读书' WHEN 3 THEN '出差' "
                "WHEN 4 THEN '培训' ELSE '接待' END, "
                "CASE i % 5 WHEN 0 THEN '办公室' WHEN 1 THEN '财务部' WHEN 2 THEN '技术部' WHEN 3 THEN '市场部' "
                "ELSE '' END, "
                "CASE i % 7 WHEN 0 THEN '张三' WHEN 1 THEN '李四' WHEN 2 THEN '王五' WHEN 3 THEN '赵六' "
                "WHEN 4 THEN '孙七' WHEN 5 THEN '周八' ELSE '' END, "
                "'第' || i || '条：' || CASE i % 3 WHEN 0 THEN '上午开会讨论下一阶段的工作安排，会后整理纪要' "
                "WHEN 1 THEN '和同事一起检查项目进度，记录存在的问题' ELSE '阅读资料并写下心得体会' END "
                "|| CASE WHEN i % 1000 = 0 THEN '，年度总结' ELSE '' END FROM n")
                .arg(setup.rows)
                .arg(kRowsPerDay));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("generator"));
}

void showScreen(const CursorModel& model, int first)
{
    for (int row = first; row < std::min(first + kScreenRows, model.rowCount()); ++row) {
        for (int column = 0; column < model.columnCount(); ++column)
            benchmark::DoNotOptimize(model.index(row, column).data());
    }
}

// The operations measured; undo, untimed, puts the diary back as it was.
struct Operation
{
    const char* name;
    std::function<void(TDM&)> run;
    std::function<void(TDM&)> undo = [](TDM&) {};
};

const Operation kOperations[] = {
    { "open_full_list",
        [](TDM& dm) {
            dm.daily_tb.close();
            dm.daily_tb.open();
            showScreen(dm.daily__tb_ds, 0);
        } },
    { "date_range_search",
        [](TDM& dm) {
            // Days 5000 to 5099: 10,000 entries.
            dm.SearchDiary({}, {}, {}, {}, {}, kFirstDay.addDays(5000), kFirstDay.addDays(5099), QStringLiteral("1"));
            dm.FillFound();
            showScreen(dm.FoundDaily_ds, 0);
        } },
    { "content_search",
        [](TDM& dm) {
            dm.SearchDiary(
                {}, {}, {}, {}, QStringLiteral("年度总结"), kFirstDay, QDate(2100, 1, 1), QStringLiteral("16"));
            dm.FillFound();
            showScreen(dm.FoundDaily_ds, 0);
        } },
    { "add_entry",
        [](TDM& dm) {
            dm.AddDiary(QStringLiteral("工作"), QStringLiteral("会议"), QStringLiteral("办公室"),
                QStringLiteral("张三"), QStringLiteral("新写的一条日记"), QDate(2024, 2, 1));
            showScreen(dm.daily__tb_ds, std::max(0, dm.daily_tb.currentRow() - kScreenRows + 1));
        },
        [](TDM& dm) { dm.daily_tb.deleteCurrent(); } },
};

void measure(benchmark::State& state, const Operation& operation)
{
    AppContext context { g_setup.dir, g_prompts, g_clock };
    TDM dm(context);
    for (auto _ : state) {
        operation.run(dm);
        state.PauseTiming();
        operation.undo(dm);
        state.ResumeTiming();
    }
    state.counters["found"] = dm.FoundDaily_tb.rowCount();
}

int traceStatement(unsigned, void* context, void* statement, void* text)
{
    if (!qstrncmp(static_cast<const char*>(text), "--", 2))
        return 0; // a trigger's own statements
    char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
    static_cast<QByteArrayList*>(context)->append(QByteArray(sql) + ";\n");
    sqlite3_free(sql);
    return 0;
}

void printSql(const QString& folder)
{
    QDir().mkpath(folder);
    AppContext context { g_setup.dir, g_prompts, g_clock };
    TDM dm(context);
    sqlite3* handle
        = *static_cast<sqlite3* const*>(QSqlDatabase::database(TDM::connectionName()).driver()->handle().constData());
    for (const Operation& operation : kOperations) {
        QByteArrayList statements;
        sqlite3_trace_v2(handle, SQLITE_TRACE_STMT, traceStatement, &statements);
        operation.run(dm);
        sqlite3_trace_v2(handle, 0, nullptr, nullptr);
        operation.undo(dm);
        QFile out(QDir(folder).filePath(QString::fromLatin1(operation.name) + QStringLiteral(".sql")));
        if (!out.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(out.fileName()));
        out.write(statements.join());
    }
}

void showFirstScreen()
{
    AppContext context { g_setup.dir, g_prompts, g_clock };
    TDM dm(context);
    showScreen(dm.daily__tb_ds, 0);
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM"))
            std::printf("%d entries: peak %s\n", dm.daily_tb.rowCount(), line.mid(6).trimmed().constData());
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // the database drivers are plugins
    QString printTo;
    bool screen = false;
    std::vector<char*> rest { argv[0] };
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg.startsWith(QLatin1String("--rows=")))
            g_setup.rows = arg.mid(7).toInt();
        else if (arg.startsWith(QLatin1String("--dir=")))
            g_setup.dir = arg.mid(6);
        else if (arg.startsWith(QLatin1String("--print-sql=")))
            printTo = arg.mid(12);
        else if (arg == QLatin1String("--screen"))
            screen = true;
        else
            rest.push_back(argv[i]);
    }
    if (g_setup.dir.isEmpty())
        g_setup.dir = QDir::current().filePath(QStringLiteral("bench-diary-%1").arg(g_setup.rows));
    ensureDiary(g_setup);

    if (screen) {
        showFirstScreen();
        return 0;
    }
    if (!printTo.isEmpty()) {
        printSql(printTo);
        return 0;
    }
    for (const Operation& operation : kOperations)
        benchmark::RegisterBenchmark(operation.name, measure, operation)->Unit(benchmark::kMillisecond)->UseRealTime();
    int restCount = int(rest.size());
    benchmark::Initialize(&restCount, rest.data());
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
