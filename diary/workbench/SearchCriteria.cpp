#include "diary/workbench/SearchCriteria.h"

#include "diary/store/NodeTree.h"

SearchCriteria SearchCriteria::build(const NodeTree& tree, const QString& treeText, const QString& source,
    const QString& person, const QString& fragment)
{
    SearchCriteria criteria { {}, {}, QStringLiteral("1") };
    for (const TreeNode* node : tree.nodes()) {
        if (node->text() != treeText)
            continue;
        if (node->parent()) {
            criteria.type = node->parent()->text();
            criteria.item = treeText;
            criteria.code += QStringLiteral("23");
        } else {
            criteria.type = treeText;
            criteria.code += QLatin1Char('2');
        }
        break;
    }
    if (!source.isEmpty())
        criteria.code += QLatin1Char('4');
    if (!person.isEmpty())
        criteria.code += QLatin1Char('5');
    if (!fragment.isEmpty())
        criteria.code += QLatin1Char('6');
    return criteria;
}

QString WeekdayName(int dayOfWeek)
{
    static const QString names[] = { QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
        QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六"), QStringLiteral("天") };
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? names[dayOfWeek - 1] : QString();
}
