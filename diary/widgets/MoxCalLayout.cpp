#include "diary/widgets/MoxCalLayout.h"

#include <QFont>
#include <QFontMetrics>

#include <algorithm>

QRect MoxCalLayout::cellRect(int index) const
{
    return { index % 7 * CellWidth, DaysRect.top() + index / 7 * CellHeight, CellWidth, CellHeight };
}

int MoxCalLayout::cellAt(QPoint point) const
{
    if (!DaysRect.contains(point))
        return -1;
    return point.x() / CellWidth + 7 * ((point.y() - DaysRect.top()) / CellHeight);
}

int FitFontSize(const QFont& font, const QString& text, int width, int height)
{
    QFont sized = font;
    int fitting = 4;
    for (int size = 5; size <= 72; ++size) {
        sized.setPointSize(size);
        const QFontMetrics metrics(sized);
        if (metrics.horizontalAdvance(text) > width || metrics.height() > height)
            break;
        fitting = size;
    }
    return fitting;
}

MoxCalLayout CalcLayout(
    QSize client, const QFont& font, QDate date, TMoxCalStyle style, const QStringList& weekdayNames)
{
    MoxCalLayout l;
    l.CellWidth = client.width() / 7;
    l.CellHeight = client.height() / 8;
    const int cw = l.CellWidth;
    const int ch = l.CellHeight;
    l.TitleRect = QRect(0, 0, client.width(), ch);
    l.WeekRect = QRect(0, ch, 7 * cw, ch);
    l.DaysRect = QRect(0, 2 * ch, 7 * cw, 6 * ch);

    l.TitleFontSize
        = FitFontSize(font, date.toString(QStringLiteral("yyyy'年'MM'月'")), client.width(), qRound(0.8 * ch));

    // Sized by the widest of the names actually drawn: a short name would let the long ones overflow.
    const QFontMetrics metrics(font);
    const auto widest
        = std::max_element(weekdayNames.begin(), weekdayNames.end(), [&](const QString& a, const QString& b) {
              return metrics.horizontalAdvance(a) < metrics.horizontalAdvance(b);
          });
    l.WeekFontSize = FitFontSize(font, widest == weekdayNames.end() ? QString() : *widest, qRound(0.9 * cw), ch);

    const QString day = date.toString(QStringLiteral("dd"));
    switch (style) {
    case TMoxCalStyle::csNone:
        l.DayFontSize = FitFontSize(font, day, cw, ch);
        break;
    case TMoxCalStyle::csRight:
        l.DayFontSize = FitFontSize(font, day, cw / 3 * 2, ch);
        l.LunarFontSize = FitFontSize(font, QStringLiteral("九"), cw / 3, ch / 2);
        break;
    case TMoxCalStyle::csBottom:
        l.DayFontSize = FitFontSize(font, day, cw, ch / 5 * 3);
        l.LunarFontSize = FitFontSize(font, QStringLiteral("九九"), cw, ch / 5 * 2);
        break;
    }
    return l;
}

QDate CalcFirstCell(QDate date)
{
    const QDate first(date.year(), date.month(), 1);
    // dayOfWeek() counts Monday 1 .. Sunday 7, so a Sunday first steps back a whole week.
    return first.addDays(-first.dayOfWeek());
}
