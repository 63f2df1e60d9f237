#include "diary/widgets/LunarCalendar.h"

#include <bit>
#include <cmath>

// clang-format off
const std::array<std::uint16_t, LastLunarYear - FirstLunarYear + 1> LunarYearInfo = {
    0x4BD8, 0x4AE0, 0xA570, 0x54D5, 0xD260, 0xD950, 0x5554, 0x56AF, 0x9AD0, 0x55D2, // 1900
    0x4AE0, 0xA5B6, 0xA4D0, 0xD250, 0xD295, 0xB54F, 0xD6A0, 0xADA2, 0x95B0, 0x4977, // 1910
    0x497F, 0xA4B0, 0xB4B5, 0x6A50, 0x6D40, 0xAB54, 0x2B6F, 0x9570, 0x52F2, 0x4970, // 1920
    0x6566, 0xD4A0, 0xEA50, 0x6A95, 0x5ADF, 0x2B60, 0x86E3, 0x92EF, 0xC8D7, 0xC95F, // 1930
    0xD4A0, 0xD8A6, 0xB55F, 0x56A0, 0xA5B4, 0x25DF, 0x92D0, 0xD2B2, 0xA950, 0xB557, // 1940
    0x6CA0, 0xB550, 0x5355, 0x4DAF, 0xA5B0, 0x4573, 0x52BF, 0xA9A8, 0xE950, 0x6AA0, // 1950
    0xAEA6, 0xAB50, 0x4B60, 0xAAE4, 0xA570, 0x5260, 0xF263, 0xD950, 0x5B57, 0x56A0, // 1960
    0x96D0, 0x4DD5, 0x4AD0, 0xA4D0, 0xD4D4, 0xD250, 0xD558, 0xB540, 0xB6A0, 0x95A6, // 1970
    0x95BF, 0x49B0, 0xA974, 0xA4B0, 0xB27A, 0x6A50, 0x6D40, 0xAF46, 0xAB60, 0x9570, // 1980
    0x4AF5, 0x4970, 0x64B0, 0x74A3, 0xEA50, 0x6B58, 0x5AC0, 0xAB60, 0x96D5, 0x92E0, // 1990
    0xC960, 0xD954, 0xD4A0, 0xDA50, 0x7552, 0x56A0, 0xABB7, 0x25D0, 0x92D0, 0xCAB5, // 2000
    0xA950, 0xB4A0, 0xBAA4, 0xAD50, 0x55D9, 0x4BA0, 0xA5B0, 0x5176, 0x52BF, 0xA930, // 2010
    0x7954, 0x6AA0, 0xAD50, 0x5B52, 0x4B60, 0xA6E6, 0xA4E0, 0xD260, 0xEA65, 0xD530, // 2020
    0x5AA0, 0x76A3, 0x96D0, 0x4AFB, 0x4AD0, 0xA4D0, 0xD0B6, 0xD25F, 0xD520, 0xDD45, // 2030
    0xB5A0, 0x56D0, 0x55B2, 0x49B0, 0xA577, 0xA4B0, 0xAA50, 0xB255, 0x6D2F, 0xADA0, // 2040
    0x4B63, 0x937F, 0x49F8, 0x4970, 0x64B0, 0x68A6, 0xEA5F, 0x6B20, 0xA6C4, 0xAAEF, // 2050
    0x92E0, 0xD2E3, 0xC960, 0xD557, 0xD4A0, 0xDA50, 0x5D55, 0x56A0, 0xA6D0, 0x55D4, // 2060
    0x52D0, 0xA9B8, 0xA950, 0xB4A0, 0xB6A6, 0xAD50, 0x55A0, 0xABA4, 0xA5B0, 0x52B0, // 2070
    0xB273, 0x6930, 0x7337, 0x6AA0, 0xAD50, 0x4B55, 0x4B6F, 0xA570, 0x54E4, 0xD260, // 2080
    0xE968, 0xD520, 0xDAA0, 0x6AA6, 0x56DF, 0x4AE0, 0xA9D4, 0xA4D0, 0xD150, 0xF252, // 2090
    0xD520,                                                                         // 2100
};

namespace {

constexpr std::array<int, 24> SolarTermMinutes = {
    0, 21208, 42467, 63836, 85337, 107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758,
};

const std::array<QString, 24> SolarTermNames = {
    QStringLiteral("小寒"), QStringLiteral("大寒"), QStringLiteral("立春"), QStringLiteral("雨水"),
    QStringLiteral("惊蛰"), QStringLiteral("春分"), QStringLiteral("清明"), QStringLiteral("谷雨"),
    QStringLiteral("立夏"), QStringLiteral("小满"), QStringLiteral("芒种"), QStringLiteral("夏至"),
    QStringLiteral("小暑"), QStringLiteral("大暑"), QStringLiteral("立秋"), QStringLiteral("处暑"),
    QStringLiteral("白露"), QStringLiteral("秋分"), QStringLiteral("寒露"), QStringLiteral("霜降"),
    QStringLiteral("立冬"), QStringLiteral("小雪"), QStringLiteral("大雪"), QStringLiteral("冬至"),
};

constexpr char16_t HeavenlyStems[] = u"甲乙丙丁戊己庚辛壬癸";
constexpr char16_t EarthlyBranches[] = u"子丑寅卯辰巳午未申酉戌亥";
constexpr char16_t ZodiacAnimals[] = u"鼠牛虎兔龙蛇马羊猴鸡狗猪";
constexpr char16_t ChineseNumerals[] = u" 一二三四五六七八九十"; // indexed 1..10
// clang-format on

constexpr qint64 DayMs = 86'400'000;
constexpr double TermYearMs = 31556925974.7;
const QDate LunarFirstDay(1900, 1, 31);
const QDate LunarLastDay(2100, 12, 31);
const QDate CyclicFirstDay(1900, 1, 1);

int word(int year)
{
    return LunarYearInfo[static_cast<std::size_t>(year - FirstLunarYear)];
}

qint64 floorDiv(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0);
}

// Milliseconds from the start of Julian day 0 to the instant of a term. The term sum is
// rounded in double precision to the nearest millisecond, halves to even (the default mode).
qint64 termInstant(int year, int n)
{
    static const qint64 base = QDate(1900, 1, 6).toJulianDay() * DayMs + (2 * 60 + 5) * 60'000;
    const double offset = (year - 1900) * TermYearMs + SolarTermMinutes[static_cast<std::size_t>(n)] * 60000.0;
    return base + static_cast<qint64>(std::nearbyint(offset));
}

QDate termDay(int year, int n)
{
    return QDate::fromJulianDay(floorDiv(termInstant(year, n), DayMs));
}

QString chineseNumeral(int n)
{
    return QString(QChar(ChineseNumerals[n]));
}

} // namespace

int LeapMonthOf(int year)
{
    const int leap = word(year) & 0xF;
    return leap == 0xF ? 0 : leap;
}

int LeapMonthDays(int year)
{
    if (LeapMonthOf(year) == 0)
        return 0;
    return (word(year + 1) & 0xF) == 0xF ? 30 : 29;
}

int LunarMonthDays(int year, int month)
{
    return (word(year) >> (16 - month)) & 1 ? 30 : 29;
}

int LunarYearDays(int year)
{
    return 348 + std::popcount(static_cast<unsigned>(word(year) & 0xFFF0)) + LeapMonthDays(year);
}

LunarDate SolarToLunar(QDate date)
{
    if (date < LunarFirstDay || date > LunarLastDay)
        return {};

    qint64 offset = LunarFirstDay.daysTo(date);
    int year = FirstLunarYear;
    int t = 0;
    while (offset > 0) {
        t = LunarYearDays(year);
        ++year;
        offset -= t;
    }
    if (offset < 0) {
        offset += t;
        --year;
    }

    const int leap = LeapMonthOf(year);
    bool isLeap = false;
    int month = 0;
    do {
        ++month;
        t = LunarMonthDays(year, month);
        offset -= t;
        if (offset >= 0 && month == leap) {
            t = LeapMonthDays(year);
            offset -= t;
            isLeap = offset < 0;
        }
    } while (offset >= 0);

    return { year, month, static_cast<int>(offset) + t + 1, isLeap };
}

QDateTime SolarTermTime(int year, int n)
{
    const qint64 instant = termInstant(year, n);
    const qint64 day = floorDiv(instant, DayMs);
    return QDateTime(
        QDate::fromJulianDay(day), QTime::fromMSecsSinceStartOfDay(static_cast<int>(instant - day * DayMs)), Qt::UTC);
}

QString SolarTermName(QDate date)
{
    if (!date.isValid())
        return {};
    // Each Gregorian month holds exactly two terms, so only those are tested.
    const int first = 2 * (date.month() - 1);
    for (int n : { first, first + 1 }) {
        if (termDay(date.year(), n) == date)
            return SolarTermNames[static_cast<std::size_t>(n)];
    }
    return {};
}

CyclicNumbers CyclicNumbersOf(QDate date)
{
    if (!date.isValid())
        return {};
    const int y = date.year();
    const int m = date.month();
    const bool afterSpring = date.toJulianDay() * DayMs >= termInstant(y, 2);
    const bool afterMonthTerm = date >= termDay(y, 2 * (m - 1));
    return {
        afterSpring ? y - 1864 : y - 1865,
        (y - 1900) * 12 + m + (afterMonthTerm ? 12 : 11),
        static_cast<int>(CyclicFirstDay.daysTo(date)) + 10,
    };
}

QString GanZhiText(int n)
{
    if (n < 0)
        return {};
    return QString(QChar(HeavenlyStems[n % 10])) + QChar(EarthlyBranches[n % 12]);
}

QString LunarMonthText(int month, bool leap)
{
    if (month < 1 || month > 12)
        return {};
    QString text = leap ? QStringLiteral("闰") : QString();
    if (month > 10)
        text += QStringLiteral("十") + chineseNumeral(month - 10);
    else
        text += chineseNumeral(month);
    return text + QStringLiteral("月");
}

QString LunarDayText(int day)
{
    if (day >= 1 && day <= 10)
        return QStringLiteral("初") + chineseNumeral(day);
    if (day >= 11 && day <= 19)
        return QStringLiteral("十") + chineseNumeral(day - 10);
    if (day == 20)
        return QStringLiteral("二十");
    if (day >= 21 && day <= 29)
        return QStringLiteral("廿") + chineseNumeral(day - 20);
    if (day == 30)
        return QStringLiteral("三十");
    return {};
}

QString CellLunarText(QDate date, bool stemBranch)
{
    if (QString term = SolarTermName(date); !term.isEmpty())
        return term;
    if (stemBranch)
        return date < CyclicFirstDay ? QString() : GanZhiText(CyclicNumbersOf(date).DayCyc);
    const LunarDate lunar = SolarToLunar(date);
    if (lunar.Day == 0)
        return {};
    return lunar.Day == 1 ? LunarMonthText(lunar.Month, lunar.IsLeap) : LunarDayText(lunar.Day);
}

QString StemBranchTitle(QDate date)
{
    if (date < CyclicFirstDay)
        return {};
    const CyclicNumbers c = CyclicNumbersOf(date);
    return GanZhiText(c.YearCyc) + QStringLiteral("(") + QChar(ZodiacAnimals[c.YearCyc % 12]) + QStringLiteral(")年")
        + GanZhiText(c.MonthCyc) + QStringLiteral("月");
}
