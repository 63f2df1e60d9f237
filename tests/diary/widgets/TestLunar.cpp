#include "diary/widgets/LunarCalendar.h"

#include <QTest>

#include <map>

char* toString(const LunarDate& d)
{
    return QTest::toString(
        QStringLiteral("%1-%2%3-%4").arg(d.Year).arg(d.IsLeap ? "leap " : "").arg(d.Month).arg(d.Day));
}

class TestLunar : public QObject
{
    Q_OBJECT

private slots:
    void solarToLunar_data();
    void solarToLunar();
    void leapMonths_data();
    void leapMonths();
    void everyDayFollowsTheTable();
    void solarTermTime_data();
    void solarTermTime();
    void cellLabel_data();
    void cellLabel();
    void cyclicNumbers_data();
    void cyclicNumbers();
    void ganZhiText_data();
    void ganZhiText();
    void monthText_data();
    void monthText();
    void dayText_data();
    void dayText();
    void stemBranchTitle_data();
    void stemBranchTitle();
};

void TestLunar::solarToLunar_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<bool>("leap");

    QTest::newRow("first day") << QDate(1900, 1, 31) << 1900 << 1 << 1 << false;
    QTest::newRow("before the range") << QDate(1900, 1, 30) << 0 << 0 << 0 << false;
    QTest::newRow("last day") << QDate(2100, 12, 31) << 2100 << 12 << 1 << false;
    QTest::newRow("after the range") << QDate(2101, 1, 1) << 0 << 0 << 0 << false;
    QTest::newRow("new year 2000") << QDate(2000, 2, 5) << 2000 << 1 << 1 << false;
    QTest::newRow("new year 2024") << QDate(2024, 2, 10) << 2024 << 1 << 1 << false;
    QTest::newRow("leap 2 of 2023 starts") << QDate(2023, 3, 22) << 2023 << 2 << 1 << true;
    QTest::newRow("leap 2 of 2023 ends") << QDate(2023, 4, 19) << 2023 << 2 << 29 << true;
    QTest::newRow("month 3 of 2023") << QDate(2023, 4, 20) << 2023 << 3 << 1 << false;
    QTest::newRow("leap 4 of 2020") << QDate(2020, 5, 23) << 2020 << 4 << 1 << true;
    QTest::newRow("month 5 of 2020") << QDate(2020, 6, 21) << 2020 << 5 << 1 << false;
    QTest::newRow("leap 11 of 2033") << QDate(2033, 12, 22) << 2033 << 11 << 1 << true;
    QTest::newRow("month 12 of 2033") << QDate(2034, 1, 20) << 2033 << 12 << 1 << false;
}

void TestLunar::solarToLunar()
{
    QFETCH(QDate, date);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(bool, leap);
    QCOMPARE(SolarToLunar(date), (LunarDate { year, month, day, leap }));
}

void TestLunar::leapMonths_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("leapMonth");
    QTest::addColumn<int>("leapDays");

    QTest::newRow("1900") << 1900 << 8 << 29;
    QTest::newRow("1903") << 1903 << 5 << 29;
    QTest::newRow("1906, next word ends in F") << 1906 << 4 << 30;
    QTest::newRow("1907 ends in F itself") << 1907 << 0 << 0;
    QTest::newRow("2020") << 2020 << 4 << 29;
    QTest::newRow("2023") << 2023 << 2 << 29;
    QTest::newRow("2033") << 2033 << 11 << 29;
    QTest::newRow("2100") << 2100 << 0 << 0;
}

void TestLunar::leapMonths()
{
    QFETCH(int, year);
    QFETCH(int, leapMonth);
    QFETCH(int, leapDays);
    QCOMPARE(LeapMonthOf(year), leapMonth);
    QCOMPARE(LeapMonthDays(year), leapDays);
}

// Walks the whole range and checks each conversion against the table's words directly.
void TestLunar::everyDayFollowsTheTable()
{
    const auto info = [](int year) { return LunarYearInfo[static_cast<std::size_t>(year - 1900)]; };
    const auto leapOf = [&](int year) { return (info(year) & 0xF) == 0xF ? 0 : info(year) & 0xF; };
    const auto length = [&](const LunarDate& d) {
        if (d.IsLeap)
            return (info(d.Year + 1) & 0xF) == 0xF ? 30 : 29;
        return (info(d.Year) >> (16 - d.Month)) & 1 ? 30 : 29;
    };
    const auto nextMonth = [&](const LunarDate& d) {
        if (!d.IsLeap && leapOf(d.Year) == d.Month)
            return LunarDate { d.Year, d.Month, 1, true };
        return d.Month == 12 ? LunarDate { d.Year + 1, 1, 1, false } : LunarDate { d.Year, d.Month + 1, 1, false };
    };

    QCOMPARE(SolarToLunar(QDate(1900, 1, 30)), LunarDate {});
    LunarDate previous = SolarToLunar(QDate(1900, 1, 31));
    QCOMPARE(previous, (LunarDate { 1900, 1, 1, false }));
    std::map<int, int> daysOfYear { { 1900, 1 } };
    for (QDate date(1900, 2, 1); date <= QDate(2100, 12, 31); date = date.addDays(1)) {
        const LunarDate expected = previous.Day < length(previous)
            ? LunarDate { previous.Year, previous.Month, previous.Day + 1, previous.IsLeap }
            : nextMonth(previous);
        const LunarDate lunar = SolarToLunar(date);
        QCOMPARE(lunar, expected);
        ++daysOfYear[lunar.Year];
        previous = lunar;
    }
    QCOMPARE(previous, (LunarDate { 2100, 12, 1, false }));
    QCOMPARE(SolarToLunar(QDate(2101, 1, 1)), LunarDate {});

    int shortest = 400;
    int longest = 0;
    for (int year = 1900; year < 2100; ++year) {
        QCOMPARE(daysOfYear[year], LunarYearDays(year));
        shortest = std::min(shortest, LunarYearDays(year));
        longest = std::max(longest, LunarYearDays(year));
    }
    QCOMPARE(shortest, 353);
    QCOMPARE(longest, 385);
}

void TestLunar::solarTermTime_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("term");
    QTest::addColumn<QDateTime>("expected");
    QTest::addColumn<bool>("toTheMillisecond");

    const auto at = [](int y, int mo, int d, int h, int mi, int s = 0, int ms = 0) {
        return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), Qt::UTC);
    };
    QTest::newRow("小寒 1900") << 1900 << 0 << at(1900, 1, 6, 2, 5) << true;
    QTest::newRow("立春 2024") << 2024 << 2 << at(2024, 2, 4, 14, 39) << false;
    QTest::newRow("冬至 2024") << 2024 << 23 << at(2024, 12, 21, 15, 30) << false;
    QTest::newRow("立春 2100") << 2100 << 2 << at(2100, 2, 4, 0, 25) << false;
    // The year term gives exactly half a millisecond here; the even neighbour wins.
    QTest::newRow("half to even") << 1915 << 0 << at(1915, 1, 6, 17, 16, 29, 620) << true;
    QTest::newRow("before 1900") << 1899 << 23 << at(1899, 12, 22, 8, 54, 14, 25) << true;
}

void TestLunar::solarTermTime()
{
    QFETCH(int, year);
    QFETCH(int, term);
    QFETCH(QDateTime, expected);
    QFETCH(bool, toTheMillisecond);
    QDateTime actual = SolarTermTime(year, term);
    if (!toTheMillisecond)
        actual.setTime(QTime(actual.time().hour(), actual.time().minute()));
    QCOMPARE(actual, expected);
}

void TestLunar::cellLabel_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("stemBranch");
    QTest::addColumn<QString>("label");

    QTest::newRow("first lunar day") << QDate(1900, 1, 31) << false << QStringLiteral("一月");
    QTest::newRow("no lunar date, no term") << QDate(1900, 1, 30) << false << QString();
    QTest::newRow("last lunar day") << QDate(2100, 12, 31) << false << QStringLiteral("十二月");
    QTest::newRow("after the range") << QDate(2101, 1, 2) << false << QString();
    QTest::newRow("leap month starts") << QDate(2023, 3, 22) << false << QStringLiteral("闰二月");
    QTest::newRow("lunar day") << QDate(2023, 4, 19) << false << QStringLiteral("廿九");
    QTest::newRow("leap 4") << QDate(2020, 5, 23) << false << QStringLiteral("闰四月");
    QTest::newRow("leap 11") << QDate(2033, 12, 22) << false << QStringLiteral("闰十一月");
    QTest::newRow("立春 over a lunar day") << QDate(2024, 2, 4) << false << QStringLiteral("立春");
    QTest::newRow("冬至 over a lunar day") << QDate(2024, 12, 21) << false << QStringLiteral("冬至");
    QTest::newRow("谷雨 over month 3") << QDate(2023, 4, 20) << false << QStringLiteral("谷雨");
    QTest::newRow("夏至 over month 5") << QDate(2020, 6, 21) << false << QStringLiteral("夏至");
    QTest::newRow("大寒 over month 12") << QDate(2034, 1, 20) << false << QStringLiteral("大寒");
    QTest::newRow("term before the range") << QDate(1850, 2, 4) << false << QStringLiteral("立春");
    QTest::newRow("term after the range") << QDate(2150, 2, 4) << false << QStringLiteral("立春");
    QTest::newRow("stem-branch day") << QDate(2024, 1, 15) << true << QStringLiteral("戊寅");
    QTest::newRow("stem-branch first day") << QDate(1900, 1, 1) << true << QStringLiteral("甲戌");
    QTest::newRow("stem-branch term") << QDate(2024, 2, 4) << true << QStringLiteral("立春");
    QTest::newRow("stem-branch before 1900") << QDate(1899, 12, 31) << true << QString();
    QTest::newRow("stem-branch term before 1900") << QDate(1899, 12, 22) << true << QStringLiteral("冬至");
}

void TestLunar::cellLabel()
{
    QFETCH(QDate, date);
    QFETCH(bool, stemBranch);
    QFETCH(QString, label);
    QCOMPARE(CellLunarText(date, stemBranch), label);
}

void TestLunar::cyclicNumbers_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QString>("day");

    QTest::newRow("before 立春 and 小寒") << QDate(2024, 1, 15) << 159 << 1501 << QStringLiteral("戊寅");
    QTest::newRow("立春 day, before its instant") << QDate(2024, 2, 4) << 159 << 1502 << QStringLiteral("戊戌");
    QTest::newRow("after 立春") << QDate(2024, 2, 5) << 160 << 1502 << QStringLiteral("己亥");
    QTest::newRow("before 小寒") << QDate(2024, 1, 5) << 159 << 1500 << QStringLiteral("戊辰");
    QTest::newRow("小寒 day") << QDate(2024, 1, 6) << 159 << 1501 << QStringLiteral("己巳");
    QTest::newRow("first day") << QDate(1900, 1, 1) << 35 << 12 << QStringLiteral("甲戌");
}

void TestLunar::cyclicNumbers()
{
    QFETCH(QDate, date);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QString, day);
    const CyclicNumbers c = CyclicNumbersOf(date);
    QCOMPARE(c.YearCyc, year);
    QCOMPARE(c.MonthCyc, month);
    QCOMPARE(GanZhiText(c.DayCyc), day);
}

void TestLunar::ganZhiText_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("text");

    QTest::newRow("0") << 0 << QStringLiteral("甲子");
    QTest::newRow("59") << 59 << QStringLiteral("癸亥");
    QTest::newRow("60 starts again") << 60 << QStringLiteral("甲子");
    QTest::newRow("year 1900") << 35 << QStringLiteral("己亥");
    QTest::newRow("month 1900-01") << 12 << QStringLiteral("丙子");
    QTest::newRow("year 159") << 159 << QStringLiteral("癸卯");
    QTest::newRow("year 160") << 160 << QStringLiteral("甲辰");
    QTest::newRow("month 1500") << 1500 << QStringLiteral("甲子");
    QTest::newRow("month 1501") << 1501 << QStringLiteral("乙丑");
    QTest::newRow("negative") << -1 << QString();
}

void TestLunar::ganZhiText()
{
    QFETCH(int, n);
    QFETCH(QString, text);
    QCOMPARE(GanZhiText(n), text);
}

void TestLunar::monthText_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("leap");
    QTest::addColumn<QString>("text");

    QTest::newRow("1") << 1 << false << QStringLiteral("一月");
    QTest::newRow("3") << 3 << false << QStringLiteral("三月");
    QTest::newRow("5") << 5 << false << QStringLiteral("五月");
    QTest::newRow("10") << 10 << false << QStringLiteral("十月");
    QTest::newRow("11") << 11 << false << QStringLiteral("十一月");
    QTest::newRow("12") << 12 << false << QStringLiteral("十二月");
    QTest::newRow("leap 4") << 4 << true << QStringLiteral("闰四月");
    QTest::newRow("leap 11") << 11 << true << QStringLiteral("闰十一月");
    QTest::newRow("0") << 0 << false << QString();
    QTest::newRow("13 leap") << 13 << true << QString();
}

void TestLunar::monthText()
{
    QFETCH(int, month);
    QFETCH(bool, leap);
    QFETCH(QString, text);
    QCOMPARE(LunarMonthText(month, leap), text);
}

void TestLunar::dayText_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("text");

    const char* const texts[] = { "", "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
        "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十", "廿一", "廿二", "廿三", "廿四",
        "廿五", "廿六", "廿七", "廿八", "廿九", "三十", "" };
    for (int day = 0; day <= 31; ++day)
        QTest::addRow("%d", day) << day << QString::fromUtf8(texts[day]);
}

void TestLunar::dayText()
{
    QFETCH(int, day);
    QFETCH(QString, text);
    QCOMPARE(LunarDayText(day), text);
}

void TestLunar::stemBranchTitle_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("title");

    QTest::newRow("new year 2024") << QDate(2024, 2, 10) << QStringLiteral("甲辰(龙)年丙寅月");
    QTest::newRow("立春 day") << QDate(2024, 2, 4) << QStringLiteral("癸卯(兔)年丙寅月");
    QTest::newRow("first day") << QDate(1900, 1, 1) << QStringLiteral("己亥(猪)年丙子月");
    QTest::newRow("before 1900") << QDate(1899, 12, 31) << QString();
}

void TestLunar::stemBranchTitle()
{
    QFETCH(QDate, date);
    QFETCH(QString, title);
    QCOMPARE(StemBranchTitle(date), title);
}

QTEST_APPLESS_MAIN(TestLunar)
#include "TestLunar.moc"
