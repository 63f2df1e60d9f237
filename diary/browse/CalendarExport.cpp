#include "diary/browse/CalendarExport.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// clang-format off
const QString AppCaption     = u"我的Dailora"_s;
const QString MonthTitle     = u"                          我的Dailora             (%1年%2月)"_s;
const QString ContentHeading = u"内容"_s;
const QString MonthFile      = u"我的Dailora %1年%2月"_s;
const QString WeekFile       = u"我的Dailora %1年%2月%3日起一周"_s;
const QStringList SundayFirst { u"星期天"_s, u"星期一"_s, u"星期二"_s, u"星期三"_s, u"星期四"_s, u"星期五"_s, u"星期六"_s };
const QStringList MondayFirst { u"星期一"_s, u"星期二"_s, u"星期三"_s, u"星期四"_s, u"星期五"_s, u"星期六"_s, u"星期天"_s };
// Colour values with red in the low byte.
constexpr quint32 Silver  = 0xC0C0C0;
constexpr quint32 Grey    = 0xCCCCCC;
constexpr quint32 Rose    = 0x8080FF;
// clang-format on

constexpr auto Center = DocParagraph::Alignment::Center;

// The steps both documents start with: page, sizes, title and three empty paragraphs.
DocDocument prepare(const QString& title)
{
    DocDocument doc;
    doc.setOrientation(DocDocument::Orientation::Landscape);
    doc.setFontSize(20);
    doc.insertAfter(title);
    for (int i = 1; i <= 3; ++i)
        doc.insertParagraphAfter(i);
    doc.paragraph(1).alignment = Center;
    return doc;
}

} // namespace

DocDocument CalendarExport::PrepareMonthDocument(const QDate& date)
{
    DocDocument doc = prepare(MonthTitle.arg(date.year()).arg(date.month()));
    doc.addTable(2, 7, 7);
    DocTable& t = doc.table(1);
    t.setFontSize(10);
    for (int c = 1; c <= 7; ++c) {
        DocCell& cell = t.Cell(1, c);
        cell.setFontSize(20);
        cell.insertAfter(SundayFirst.at(c - 1));
        cell.setBackgroundPatternColor(Silver);
        if (c == 1 || c == 7)
            cell.setBackgroundPatternColor(Rose);
    }
    return doc;
}

DocDocument CalendarExport::PrepareWeekDocument(const QDate& /*date*/)
{
    DocDocument doc = prepare(AppCaption);
    doc.addTable(2, 8, 2);
    DocTable& t = doc.table(1);
    t.setColumnWidth(1, 40);
    t.setColumnWidth(2, 664);
    t.setFontSize(10);
    t.Cell(1, 1).setBackgroundPatternColor(Grey);
    DocCell& heading = t.Cell(1, 2);
    heading.setFontSize(12);
    heading.insertAfter(ContentHeading);
    heading.paragraph(1).alignment = Center;
    heading.setBackgroundPatternColor(Grey);
    for (int r = 2; r <= 8; ++r) {
        DocCell& cell = t.Cell(r, 1);
        cell.setFontSize(12);
        cell.insertAfter(MondayFirst.at(r - 2));
        cell.setOrientation(DocCell::Orientation::VerticalEastAsian);
        cell.setBackgroundPatternColor(r <= 6 ? Grey : Rose);
    }
    return doc;
}

std::pair<int, int> CalendarExport::MonthCellOf(const QDate& day)
{
    const int column = day.dayOfWeek() % 7 + 1; // 1 = Sunday ... 7 = Saturday
    const int first = QDate(day.year(), day.month(), 1).dayOfWeek() % 7; // 0 = Sunday ... 6 = Saturday
    return { (first + day.day() - 1) / 7 + 2, column };
}

QDate CalendarExport::NextDay(const QDate& day)
{
    return day.addDays(1);
}

QDate CalendarExport::WeekStart(const QDate& day)
{
    return day.addDays(1 - day.dayOfWeek());
}

void CalendarExport::FillDay(DocTable& table, int row, int column, const QString& text)
{
    DocCell& cell = table.Cell(row, column);
    cell.insertAfter(text);
    cell.paragraph(1).alignment = Center;
}

QString CalendarExport::monthName(const QDate& date)
{
    return MonthFile.arg(date.year()).arg(date.month());
}

QString CalendarExport::weekName(const QDate& monday)
{
    return WeekFile.arg(monday.year()).arg(monday.month()).arg(monday.day());
}
