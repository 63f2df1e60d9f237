#include "diary/store/TreeTextOrder.h"

#include <QCollator>

namespace {

// The platform comparison puts everything else before the Han script; ICU's Chinese
// collation puts Han first, so the script group decides first.
int scriptGroup(const QString& text)
{
    if (text.isEmpty())
        return 0;
    const char32_t first = text.toUcs4().constFirst();
    return QChar::script(first) == QChar::Script_Han ? 1 : 0;
}

const QCollator& collator()
{
    static const QCollator instance = [] {
        QCollator c(QLocale(QLocale::Chinese, QLocale::China));
        c.setCaseSensitivity(Qt::CaseSensitive);
        return c;
    }();
    return instance;
}

} // namespace

int compareTreeText(const QString& a, const QString& b)
{
    const int groupA = scriptGroup(a);
    const int groupB = scriptGroup(b);
    if (groupA != groupB)
        return groupA - groupB;
    const int byCollation = collator().compare(a, b);
    if (byCollation != 0)
        return byCollation;
    return QString::compare(a, b, Qt::CaseSensitive);
}
