#pragma once

#include <QString>

class NodeTree;

// What a search asks for, as the search page builds it from its boxes.
struct SearchCriteria
{
    QString type;
    QString item;
    QString code; // "1", then 2 type, 3 item, 4 source, 5 person, 6 content fragment

    // The first node of tree, in display order, whose text equals treeText picks the type (and
    // item); a box left empty takes no part, but a text of blanks does.
    static SearchCriteria build(const NodeTree& tree, const QString& treeText, const QString& source,
        const QString& person, const QString& fragment);
};

// The day's name in the date line: "天" for Sunday, "一" to "六" for Monday to Saturday.
QString WeekdayName(int dayOfWeek);
