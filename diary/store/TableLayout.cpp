#include "diary/store/TableLayout.h"

int TableLayout::indexOf(const QString& name) const
{
    for (int i = 0; i < columns.size(); ++i) {
        if (columns.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString TableLayout::schema() const
{
    return table + QStringLiteral("_file");
}
