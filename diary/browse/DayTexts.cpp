#include "diary/browse/DayTexts.h"

#include <QLocale>

using namespace Qt::StringLiterals;

namespace {

// clang-format off
const QString Heading      = u"日记:"_s;
const QString TypeLabel    = u"类型："_s;
const QString ItemLabel    = u"项目："_s;
const QString SourceLabel  = u"来源："_s;
const QString PersonLabel  = u"人员："_s;
const QString ContentLabel = u"内容："_s;
const QString DaySuffix    = u"号"_s;
const QString StarItem     = u"    ★项目："_s;
const QString StarSource   = u"    ★来源："_s;
const QString StarPerson   = u"    ★人员："_s;
const QString LineEnd      = u"\r\n"_s;
// clang-format on

QStringList labelledLines(const DayEntry& e)
{
    return { QString(), TypeLabel + e.type, ItemLabel + e.item, SourceLabel + e.source, PersonLabel + e.person,
        ContentLabel + e.content };
}

// The hidden buffer's text: every line followed by CR LF, the last one too.
QString bufferText(const QStringList& lines)
{
    QString text;
    for (const QString& line : lines)
        text += line + LineEnd;
    return text;
}

} // namespace

QStringList DayTexts::dayView(const QList<DayEntry>& entries)
{
    if (entries.isEmpty())
        return {};
    QStringList lines { Heading };
    for (const DayEntry& e : entries)
        lines += labelledLines(e);
    return lines;
}

QString DayTexts::monthDay(const QDate& day, const QList<DayEntry>& entries)
{
    QStringList lines;
    for (const DayEntry& e : entries)
        lines += labelledLines(e);
    return QString::number(day.day()) + DaySuffix + bufferText(lines);
}

QString DayTexts::weekDay(const QDate& day, const QList<DayEntry>& entries)
{
    QStringList lines;
    for (const DayEntry& e : entries) {
        lines << QString() << TypeLabel + e.type + StarItem + e.item + StarSource + e.source + StarPerson + e.person
              << ContentLabel + e.content;
    }
    return QLocale().toString(day, QLocale::ShortFormat) + bufferText(lines);
}
