#include "common/LocaleTexts.h"

namespace LocaleTexts {

QString longTimeFormat(const QLocale& locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t'))
            kept.append(c);
    }
    return kept.simplified();
}

QString timeText(QTime time, const QLocale& locale)
{
    return locale.toString(time, longTimeFormat(locale));
}

QTime parseTime(const QString& text, const QLocale& locale)
{
    return locale.toTime(text, longTimeFormat(locale));
}

QString dateText(QDate date, const QLocale& locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}

} // namespace LocaleTexts
