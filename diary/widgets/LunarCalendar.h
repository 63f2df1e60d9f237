#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>

// Chinese lunar dates, the 24 solar terms and the stem-branch numbering, as pure functions
// over constant tables. Lunar dates are known for the lunar years 1900 to 2100.

struct LunarDate
{
    int Year = 0;
    int Month = 0;
    int Day = 0;
    bool IsLeap = false; // the day lies in the leap month that follows ordinary month Month

    bool operator==(const LunarDate&) const = default;
};

// A cyclic number n stands for heavenly stem n mod 10 and earthly branch n mod 12.
struct CyclicNumbers
{
    int YearCyc = 0;
    int MonthCyc = 0;
    int DayCyc = 0;

    bool operator==(const CyclicNumbers&) const = default;
};

constexpr int FirstLunarYear = 1900;
constexpr int LastLunarYear = 2100;

// One word per lunar year from 1900: bit 16 - m set when month m has 30 days; the low four bits
// hold the leap month, or 15 when there is none and the previous year's leap month has 30 days.
extern const std::array<std::uint16_t, LastLunarYear - FirstLunarYear + 1> LunarYearInfo;

int LeapMonthOf(int year);
int LeapMonthDays(int year);
int LunarMonthDays(int year, int month);
int LunarYearDays(int year);
// All zeros outside 31 January 1900 .. 31 December 2100.
LunarDate SolarToLunar(QDate date);

// The instant of solar term n (0 = 小寒 .. 23 = 冬至) of a Gregorian year, as a plain date and
// time (kept in UTC, so that no daylight-saving gap can shift it).
QDateTime SolarTermTime(int year, int n);
QString SolarTermName(QDate date);

// Meaningful from 1 January 1900; earlier dates continue the arithmetic.
CyclicNumbers CyclicNumbersOf(QDate date);
// Empty for a negative number.
QString GanZhiText(int n);
// Empty for a month outside 1..12.
QString LunarMonthText(int month, bool leap);
QString LunarDayText(int day);
// The secondary label of a day cell; stem-branch days are empty before 1900.
QString CellLunarText(QDate date, bool stemBranch);
// For example 甲辰(龙)年丙寅月; empty before 1900.
QString StemBranchTitle(QDate date);
